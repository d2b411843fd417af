#include "game/world/weapons/Weapon.h"

#include "game/world/actor/ActorFlags.h"
#include "game/world/weapons/EnergySystem.h"

Weapon::Weapon(Actor* parent, int firstBoneIndex, Model* model, int firePoints)
    : _model(model), _firePointsOverride(firePoints), _parent(parent), _firstBoneIndex(firstBoneIndex)
{
    SetName("Weapon");
    SetClassname("Weapon");
    RaiseFlag(ACTOR_FLAG_WEAPON);
}

Weapon::~Weapon() = default;

void Weapon::InitializeData(WeaponType* type) { _prototype = type; }

void Weapon::UserInit() {}

void Weapon::UserProceed() {}

void Weapon::UserShutDown() {}

void Weapon::OnMessage(Telegram*) {}

void Weapon::Fire() {}
