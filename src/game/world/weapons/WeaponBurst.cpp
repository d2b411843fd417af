#include "game/world/weapons/WeaponBurst.h"

#include <cstdio>
#include <cstring>

#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/world/actor/Limiter.h"
#include "game/world/effects/WorldScene.h"
#include "game/world/player/Player.h"
#include "game/world/weapons/Burst.h"
#include "game/world/weapons/EnergySystem.h"
#include "game/world/weapons/Shooter.h"
#include "services/sound/SoundEngine.h"

WeaponBurst::WeaponBurst(Actor* parent, int firstBoneIndex, Model* model, int firePoints)
    : Weapon(parent, firstBoneIndex, model, firePoints)
{}

WeaponBurst::~WeaponBurst() = default;

void WeaponBurst::UserInit()
{
    Weapon::UserInit();
    _burst = std::make_unique<Burst>(GetParent(), this);
    _burst->Initialize();
}

void WeaponBurst::UserProceed()
{
    Weapon::UserProceed();
    if (_burst)
        _burst->Proceed();
}

void WeaponBurst::UserShutDown()
{
    if (_burst)
        _burst->ShutDown();
    _burst.reset();
    Weapon::UserShutDown();
}

void WeaponBurst::Fire()
{
    if (!IsPlayerShip(GetParent()))
    {
        FireByRegime();
        return;
    }
    if (!GetEnergySystem() || !GetEnergySystem()->UseEnergy(PlayerShotEnergy))
    {
        WarnLowPower();
        return;
    }
    PlayShotSound();
    FireByRegime();
    Weapon::Fire();
}

void WeaponBurst::FireByRegime()
{
    if (!_burst || !_prototype || _bones.empty())
        return;
    switch (static_cast<int>(_prototype->regime))
    {
    case 0:
        for (Bone* bone : _bones)
            _burst->Fire(bone);
        break;
    case 1:
        if (_nextBone >= static_cast<int>(_bones.size()))
            _nextBone = 0;
        _burst->Fire(_bones[_nextBone]);
        if (++_nextBone >= static_cast<int>(_bones.size()))
            _nextBone = 0;
        break;
    default: break;
    }
}

void WeaponBurst::PlayShotSound() const
{
    SoundEngine* sound = game.GetSoundEngine();
    if (!sound || !_prototype || std::strstr(_prototype->name, "PlayerRotation"))
        return;
    // The first primary is the course cannon, the second the wing cannons.
    const Player* player = GetMissionPlayer();
    const int primary = player ? player->GetPrimaryIndex() : 0;
    char name[128];
    std::snprintf(name, sizeof name, "weapons\\%s_blaster_%.2d.wav", GetDeviceRaceCode(0, primary == 0 ? 0 : 2),
                  primary);
    sound->CreateSound2D(name, true, -1.0f);
}

void WeaponBurst::WarnLowPower() const
{
    Limiter* limiter = game.GetLimiter();
    if (!limiter || !limiter->CanTransmitionRobot())
        return;
    char path[256];
    std::snprintf(path, sizeof path, "localization\\%s\\robot\\05_warnings\\warn_pwr_low_%d.wav", GetWorldLanguage(),
                  1 + EngineRandom() % 2);
    limiter->TransmitionRobot(path, 0);
}
