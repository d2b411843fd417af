#include "game/world/weapons/WeaponRocket.h"

WeaponRocket::WeaponRocket(Actor* parent, int firstBoneIndex, Model* model, int firePoints)
    : Weapon(parent, firstBoneIndex, model, firePoints)
{}

void WeaponRocket::Fire() {}
