#include "game/world/weapons/WeaponStates.h"

WeaponStateIdle::WeaponStateIdle() { SetDescription("SW_Idle"); }

WeaponStateIdle* WeaponStateIdle::Instance()
{
    static WeaponStateIdle instance;
    return &instance;
}

void WeaponStateIdle::OnExecute(Actor*) {}

WeaponStateAttack::WeaponStateAttack() { SetDescription("SW_Attack"); }

WeaponStateAttack* WeaponStateAttack::Instance()
{
    static WeaponStateAttack instance;
    return &instance;
}

void WeaponStateAttack::OnExecute(Actor*) {}
