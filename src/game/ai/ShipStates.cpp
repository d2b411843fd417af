#include "game/ai/ShipStates.h"

#include <memory>

#include "foundation/base/Random.h"
#include "foundation/base/Singletons.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/states/StateMachine.h"
#include "game/world/ships/DynamicShipController.h"
#include "game/world/ships/Ship.h"

namespace {

constexpr float FireRangeSquared = 1500.0f * 1500.0f;
constexpr float TurnAwayRangeSquared = 400.0f * 400.0f;
constexpr float HomeRangeSquared = 2048.0f * 2048.0f;

// Zero stays zero.
Vec3 Direction(const Vec3& v)
{
    const float length = v.Length();
    return length > 0 ? v * (1.0f / length) : v;
}

// The ship's ordered speed in per cent of its maximum.
float SpeedPercent(const Ship& ship) { return ship.GetMaxSpeed() > 0 ? ship.GetSpeed() / ship.GetMaxSpeed() * 100 : 0; }

} // namespace

ShipStateIdle* ShipStateIdle::Instance()
{
    static ShipStateIdle* const state = Singletons::Adopt(std::unique_ptr<ShipStateIdle>(new ShipStateIdle()));
    return state;
}

ShipStateAttack* ShipStateAttack::Instance()
{
    static ShipStateAttack* const state = Singletons::Adopt(std::unique_ptr<ShipStateAttack>(new ShipStateAttack()));
    return state;
}

ShipStateTurnAway* ShipStateTurnAway::Instance()
{
    static ShipStateTurnAway* const state =
        Singletons::Adopt(std::unique_ptr<ShipStateTurnAway>(new ShipStateTurnAway()));
    return state;
}

ShipStateSupport* ShipStateSupport::Instance()
{
    static ShipStateSupport* const state = Singletons::Adopt(std::unique_ptr<ShipStateSupport>(new ShipStateSupport()));
    return state;
}

ShipStateGotoPoint* ShipStateGotoPoint::Instance()
{
    static ShipStateGotoPoint* const state =
        Singletons::Adopt(std::unique_ptr<ShipStateGotoPoint>(new ShipStateGotoPoint()));
    return state;
}

void ShipStateAttack::OnExecute(Actor* actor)
{
    auto* ship = static_cast<Ship*>(actor);
    Ship* target = ship->GetTarget();
    if (!target)
        return;
    const Vec3 position = ship->GetPosition();
    const Vec3 targetPosition = target->GetPosition();
    const Vec3 aim = targetPosition + target->GetRoot().Dir() * (target->GetCurrentSpeed() * game.GetSPF());
    const ShipType* type = ship->GetPrototype();
    const float attackSpeed = type ? type->attackSpeed : 0;
    const float speed = SpeedPercent(*ship);
    ship->SetSpeed(attackSpeed > speed ? speed + 0.1f : attackSpeed);
    const Vec3 direction = Direction(aim - position);
    ship->SetRotateToDir(direction);

    const float distanceSquared = position.DistanceSquared(targetPosition);
    if (ship->GetRoot().Dir().Dot(direction) > 0.98f && distanceSquared < FireRangeSquared)
    {
        if (!ship->IsShooting())
            ship->StartShooting(target, -1);
        const bool headOn = target->GetRoot().Dir().Dot(Direction(position - targetPosition)) > 0.85f;
        if (distanceSquared < TurnAwayRangeSquared && headOn && ship->GetStateMachine())
        {
            ship->SetDeadPoint(targetPosition);
            ship->GetStateMachine()->ChangeState(ShipStateTurnAway::Instance());
        }
    }
    else if (ship->IsShooting())
        ship->StopShooting(-1);
}

void ShipStateAttack::OnExit(Actor* actor)
{
    auto* ship = static_cast<Ship*>(actor);
    if (ship->IsShooting())
        ship->StopShooting(-1);
}

void ShipStateTurnAway::NewDuration() { _duration = 3.5f + 0.1f * static_cast<float>(EngineRandom() % 20); }

void ShipStateTurnAway::OnEnter(Actor*)
{
    _elapsed = 0;
    NewDuration();
}

void ShipStateTurnAway::OnExecute(Actor* actor)
{
    auto* ship = static_cast<Ship*>(actor);
    const float spf = game.GetSPF();
    const Vec3 direction =
        _elapsed < 1.0f ? ship->GetRoot().Right() : Direction(ship->GetPosition() - ship->GetDeadPoint());
    const ShipType* type = ship->GetPrototype();
    ship->SetSpeed(type ? type->turnAwaySpeed : 0);
    // A ship without shield capacity counts as having lost it all.
    const float shield = ship->GetMaximumShield() > 0 ? ship->GetCurrentShield() / ship->GetMaximumShield() : 0;
    if (DynamicShipController* controller = ship->GetController())
        controller->SetAngVelZ(spf * (50 + 100 * (1 - shield)));
    ship->SetRotateToDir(direction);
    _elapsed += spf;
    if (_elapsed <= _duration)
        return;
    _elapsed = 0;
    if (StateMachine* machine = ship->GetStateMachine(); machine && !machine->RevertToPreviousState())
        machine->ChangeState(ShipStateIdle::Instance());
}

void ShipStateTurnAway::OnExit(Actor* actor)
{
    if (DynamicShipController* controller = static_cast<Ship*>(actor)->GetController())
        controller->SetAngVelZ(0);
    _elapsed = 0;
    NewDuration();
}

void ShipStateGotoPoint::OnExecute(Actor* actor)
{
    auto* ship = static_cast<Ship*>(actor);
    const Vec3 position = ship->GetPosition();
    ship->SetSpeed(100);
    const Vec3 home = Direction(-position);
    if (home.LengthSquared() > 0)
        ship->SetRotateToDir(home);
    if (position.LengthSquared() < HomeRangeSquared)
    {
        if (StateMachine* machine = ship->GetStateMachine())
            machine->RevertToPreviousState();
    }
}
