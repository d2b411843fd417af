#pragma once
// The weapon that launches Bullet actors: rockets and torpedoes.
#include "game/world/weapons/Weapon.h"

class WeaponRocket : public Weapon
{
public:
    WeaponRocket(Actor* parent, int firstBoneIndex, Model* model, int firePoints);

    void Fire() override;
};
