#pragma once
// The weapon that launches Bullet actors: rockets and torpedoes.
#include "game/world/weapons/Weapon.h"

class WeaponRocket : public Weapon
{
public:
    // The player's rockets leave this far ahead of the mount bones.
    static constexpr float PlayerLaunchAhead = 30;

    WeaponRocket(Actor* parent, int firstBoneIndex, Model* model, int firePoints);

    void Fire() override;

private:
    void Launch(Bone* bone, float ahead);
    void PlayLaunchSound() const;
};
