#include "game/world/weapons/WeaponStates.h"

#include <memory>

#include "foundation/base/Singletons.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/world/weapons/Weapon.h"

namespace {

// Whether the ammunition left allows another shot: regime 0 fires a whole salvo, regime 1 one
// round; other regimes are not counted.
bool HasAmmunition(const Weapon& weapon)
{
    const WeaponType* type = weapon.GetPrototype();
    if (!type || type->amount < 0)
        return true;
    switch (static_cast<int>(type->regime))
    {
    case 0: return static_cast<float>(weapon.GetBulletAmount()) >= type->firePoints;
    case 1: return weapon.GetBulletAmount() != 0;
    default: return true;
    }
}

} // namespace

WeaponStateIdle::WeaponStateIdle() { SetDescription("SW_Idle"); }

WeaponStateIdle* WeaponStateIdle::Instance()
{
    static WeaponStateIdle* const instance = Singletons::Adopt(std::unique_ptr<WeaponStateIdle>(new WeaponStateIdle()));
    return instance;
}

void WeaponStateIdle::OnExecute(Actor* actor)
{
    // An idle weapon holds at most one ready shot.
    auto* weapon = static_cast<Weapon*>(actor);
    const float current = weapon->GetDelayCurrent() + game.GetSPF();
    weapon->SetDelayCurrent(current >= weapon->GetDelay() ? weapon->GetDelay() : current);
}

WeaponStateAttack::WeaponStateAttack() { SetDescription("SW_Attack"); }

WeaponStateAttack* WeaponStateAttack::Instance()
{
    static WeaponStateAttack* const instance =
        Singletons::Adopt(std::unique_ptr<WeaponStateAttack>(new WeaponStateAttack()));
    return instance;
}

void WeaponStateAttack::OnExecute(Actor* actor)
{
    auto* weapon = static_cast<Weapon*>(actor);
    weapon->SetDelayCurrent(weapon->GetDelayCurrent() + game.GetSPF());
    if (!HasAmmunition(*weapon) || weapon->GetDelay() > weapon->GetDelayCurrent())
        return;
    // The shot itself happens when the weapon handles the telegram.
    weapon->SendMessage(MESSAGE_FIRE, weapon, 0, nullptr);
    weapon->SetDelayCurrent(0);
}
