#include "game/world/objects/EnergyShield.h"

#include "game/core/FixedText.h"
#include "game/world/actor/ActorFlags.h"

EnergyShield::EnergyShield(Actor* owner, const char* modelName, const char* physicsAsset, bool glowOnHit)
    : _glowOnHit(glowOnHit), _owner(owner)
{
    SetName("EnergyShield");
    SetClassname("EnergyShield");
    RaiseFlag(ACTOR_FLAG_ENERGY_SHIELD);
    CopyFixedText(_modelName, modelName);
    CopyFixedText(_physicsAsset, physicsAsset);
}

void EnergyShield::SetShield(float power)
{
    _maxPower = power;
    _power = power;
}

void EnergyShield::SetPower(float) { _hitPending = true; }

void EnergyShield::On() {}

void EnergyShield::Off() {}

void EnergyShield::UserInit() {}

void EnergyShield::UserProceed() {}

void EnergyShield::UserShutDown() {}

void EnergyShield::OnMessage(Telegram* telegram) { Actor::OnMessage(telegram); }

void EnergyShield::DoDamage(float, float) {}
