// Task objects and the ship states they switch ships into, run by the ships' state machines
// in the mission's frames.
#include <gtest/gtest.h>

#include <cstring>

#include "AiTestSupport.h"
#include "foundation/base/Random.h"
#include "game/ai/ShipStates.h"
#include "game/ai/Task.h"
#include "game/core/level/SingleLevel.h"
#include "game/core/states/StateMachine.h"
#include "game/world/environment/Track.h"

namespace {
using TaskTest = AiMission;
}

TEST_F(TaskTest, TasksResolveTheirNamesWhenTheLevelStarts)
{
    TestShip* carrier = AddShip("carrier", nullptr, {0, 0, 0});
    TestShip* other = AddShip("other", nullptr, {10, 20, 30});
    carrier->MakeStateMachine();
    Track* track = mission.Level().CreateTrack();
    track->SetName(Name("route"));

    TaskAttack missing;
    missing.SetShipName("nobody");
    missing.OnLevelStart();
    char text[64];
    missing.GetDescription(text, sizeof text);
    EXPECT_FALSE(missing.IsValid());
    EXPECT_STREQ("Attack (no valid)", text);

    TaskAttack attack;
    attack.SetShipName("other");
    attack.SetParent(carrier);
    EXPECT_EQ(ShipStateAttack::Instance(), carrier->GetStateMachine()->GetCurrentState());
    attack.OnLevelStart();
    EXPECT_TRUE(attack.IsValid());
    EXPECT_EQ(other, carrier->GetTarget());
    attack.GetDescription(text, sizeof text);
    EXPECT_STREQ("At (other[10.00,20.00,30.00])", text);
    char small[8];
    attack.GetDescription(small, sizeof small);
    EXPECT_STREQ("At (oth", small);
    other->Explode();
    EXPECT_FALSE(attack.IsValid());

    TaskSupport support;
    support.SetShipName("carrier");
    support.SetParent(carrier);
    EXPECT_EQ(ShipStateSupport::Instance(), carrier->GetStateMachine()->GetCurrentState());
    support.OnLevelStart();
    support.GetDescription(text, sizeof text);
    EXPECT_STREQ("Support (carrier)", text);
    EXPECT_EQ(TASK_TYPE_SUPPORT, support.GetType());

    TaskMoveByTrack move;
    move.SetTrackName("route");
    move.OnLevelStart();
    EXPECT_EQ(track, move.GetTrack());
    move.GetDescription(text, sizeof text);
    EXPECT_STREQ("MoveByTrack (route)", text);
    move.SetTrackName("elsewhere");
    move.OnLevelStart();
    EXPECT_FALSE(move.IsValid());

    Task base;
    base.GetDescription(text, sizeof text);
    EXPECT_STREQ("Task (base, not valid)", text);
}

TEST_F(TaskTest, TurningAwayLastsThreeAndAHalfToFiveAndAHalfSeconds)
{
    TestShip* ship = AddShip("ship", nullptr, {0, 0, 0});
    ShipStateTurnAway* turn = ShipStateTurnAway::Instance();
    float shortest = 100, longest = 0;
    for (unsigned seed = 0; seed < 200; ++seed)
    {
        EngineSeed(seed);
        turn->OnEnter(ship);
        shortest = std::min(shortest, turn->GetDuration());
        longest = std::max(longest, turn->GetDuration());
    }
    EXPECT_FLOAT_EQ(3.5f, shortest);
    EXPECT_FLOAT_EQ(5.4f, longest);

    // Then back to the state before, or idle without one.
    ship->MakeStateMachine();
    StateMachine* machine = ship->GetStateMachine();
    machine->ChangeState(ShipStateGotoPoint::Instance());
    machine->ChangeState(turn);
    const float duration = turn->GetDuration();
    float elapsed = 0;
    while (machine->IsInState(turn) && elapsed < 10)
    {
        Frame(0.1f);
        elapsed += 0.1f;
    }
    EXPECT_NEAR(duration, elapsed, 0.15f);
    EXPECT_TRUE(machine->IsInState(ShipStateGotoPoint::Instance()));
}

TEST_F(TaskTest, AnAttackerTurnsAwayFromATargetCloseAndHeadOn)
{
    TestShip* attacker = AddShip("attacker", nullptr, {0, 0, 0});
    TestShip* target = AddShip("target", nullptr, {0, 0, 300}, {0, 0, -1});
    attacker->MakeStateMachine();
    attacker->SetTarget(target);
    attacker->GetStateMachine()->ChangeState(ShipStateAttack::Instance());
    Frame(0.1f);
    EXPECT_EQ(target->GetPosition(), attacker->GetDeadPoint());
    EXPECT_TRUE(attacker->GetStateMachine()->IsInState(ShipStateTurnAway::Instance()));
    EXPECT_EQ(1u, attacker->shots.size());
}
