#include "game/world/weapons/WeaponLazer.h"

WeaponLazer::WeaponLazer(Actor* parent, int firstBoneIndex, Model* model, int firePoints)
    : Weapon(parent, firstBoneIndex, model, firePoints)
{}
