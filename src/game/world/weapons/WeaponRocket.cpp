#include "game/world/weapons/WeaponRocket.h"

#include <cstdio>
#include <cstring>

#include "game/core/game/Game.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/effects/WorldScene.h"
#include "game/world/player/Player.h"
#include "game/world/weapons/Bullet.h"
#include "game/world/weapons/Shooter.h"
#include "scene/nodes/Bone.h"
#include "services/sound/SoundEngine.h"

namespace {
// The player's second secondary weapon slot, the torpedo launcher.
constexpr int TorpedoSlot = 3;
} // namespace

WeaponRocket::WeaponRocket(Actor* parent, int firstBoneIndex, Model* model, int firePoints)
    : Weapon(parent, firstBoneIndex, model, firePoints)
{}

void WeaponRocket::Fire()
{
    if (!_prototype)
        return;
    if (IsPlayerShip(GetParent()))
    {
        Player* player = GetMissionPlayer();
        if (player && std::strstr(_prototype->name, "Torpeda"))
            player->ShakeCamera(50);
        PlayLaunchSound();
        switch (static_cast<int>(_prototype->regime))
        {
        case 0:
            for (Bone* bone : _bones)
                Launch(bone, PlayerLaunchAhead);
            break;
        case 1:
            if (_bones.empty())
                break;
            if (_nextBone >= static_cast<int>(_bones.size()))
                _nextBone = 0;
            Launch(_bones[_nextBone], PlayerLaunchAhead);
            if (++_nextBone >= static_cast<int>(_bones.size()))
                _nextBone = 0;
            break;
        default: break;
        }
    }
    else
    {
        for (Bone* bone : _bones)
            Launch(bone, 0);
    }
    Weapon::Fire();
}

void WeaponRocket::Launch(Bone* bone, float ahead)
{
    SingleLevel* level = game.GetLevel();
    if (!level)
        return;
    auto* bullet = new Bullet(GetParent(), GetTarget(), this);
    level->CreateActor(bullet, nullptr);
    Matrix pose = bone->GetWorldMatrix();
    Vec3 direction = pose.Dir();
    if (direction.LengthSquared() > 0)
        direction.Normalize();
    pose.Translate(pose.Pos() + direction * ahead);
    bullet->SetPose(pose);
}

void WeaponRocket::PlayLaunchSound() const
{
    SoundEngine* sound = game.GetSoundEngine();
    if (!sound)
        return;
    // The secondary index names a slot, 2 for the rockets and 3 for the torpedoes.
    const Player* player = GetMissionPlayer();
    const bool torpedo = player && player->GetSecondaryIndex() == TorpedoSlot;
    char name[128];
    if (torpedo)
        std::snprintf(name, sizeof name, "weapons\\%s_torpeda_00.wav", GetDeviceRaceCode(0, 4));
    else
        std::snprintf(name, sizeof name, "weapons\\%s_rocket_00.wav", GetDeviceRaceCode(0, 3));
    sound->CreateSound2D(name, true, -1.0f);
}
