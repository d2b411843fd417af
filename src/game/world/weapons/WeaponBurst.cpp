#include "game/world/weapons/WeaponBurst.h"

#include "game/world/weapons/Burst.h"

WeaponBurst::WeaponBurst(Actor* parent, int firstBoneIndex, Model* model, int firePoints)
    : Weapon(parent, firstBoneIndex, model, firePoints)
{}

WeaponBurst::~WeaponBurst() = default;

void WeaponBurst::UserInit() { Weapon::UserInit(); }

void WeaponBurst::UserProceed() { Weapon::UserProceed(); }

void WeaponBurst::UserShutDown() { Weapon::UserShutDown(); }

void WeaponBurst::Fire() {}
