#pragma once
// The laser weapon: its firing is the base bookkeeping alone and launches nothing.
#include "game/world/weapons/Weapon.h"

class WeaponLazer : public Weapon
{
public:
    WeaponLazer(Actor* parent, int firstBoneIndex, Model* model, int firePoints);

private:
    [[maybe_unused]] int _unused[4] = {}; // copied with the weapon, read by none
};
