// Actors that a logic file names and the mission frees at once (an expired debris piece, a wreck):
// the conditions, actions and global targets that hold them read them as gone, never as the
// freed memory.
#include "LogicMission.h"

#include "game/ai/LevelLogic.h"
#include "game/ai/logic/Condition.h"
#include "game/ai/logic/ShipActions.h"
#include "game/ai/logic/Trigger.h"
#include "game/ai/logic/TriggerSystem.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/Actor.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/weapons/Weapon.h"

namespace {

// Disabled triggers of one condition or action each, for the test to ask or run.
std::string Disabled(const std::string& part, const std::vector<std::string>& bodies)
{
    std::string logic;
    for (size_t i = 0; i < bodies.size(); ++i)
        logic += "LevelLogic.Trigger" + std::to_string(i) + " = { name = \"t" + std::to_string(i) + "\"; " + part +
                 "00 = { isEnable = 1; " + bodies[i] + " } };\n";
    return logic;
}

Condition* ConditionOf(TriggerSystem& triggers, int index) { return triggers.GetTrigger(index)->GetCondition(0); }

TEST_F(LogicMission, ConditionsReadAFreedActorAsGone)
{
    StartLogic(FighterEntry("f0", Vec3(0, 0, 100)) + ObjectEntry("rock", "ast_m_a", Vec3(0, 0, 500)),
               Disabled("Condition", {
                                         R"(type = "conditionShipDestroyed"; shipName = "f0")",
                                         R"(type = "conditionShipInArea"; shipName = "f0"; areaType = "sphere";
                                            x = 0; y = 0; z = 100; radius = 10)",
                                         R"(type = "conditionShipDestroyed"; shipName = "rock")",
                                         R"(type = "conditionShipInArea"; shipName = "rock"; areaType = "sphere";
                                            x = 0; y = 0; z = 500; radius = 10)",
                                     }));
    auto answers = [this] {
        std::vector<bool> all;
        for (int i = 0; i < Triggers().GetTriggerCount(); ++i)
            all.push_back(ConditionOf(Triggers(), i)->Is());
        return all;
    };
    EXPECT_EQ(answers(), (std::vector<bool>{false, true, false, true}));

    // One freed by the frame, one by the actor's own lifetime in the middle of a mission frame,
    // before the logic runs.
    level.DestroyActor(Named("f0"), true);
    Named("rock")->SetLifetime(0.01f);
    Frame(0.1f);
    ASSERT_EQ(Named("rock"), nullptr);
    EXPECT_EQ(answers(), (std::vector<bool>{true, false, true, false}));
    for (int i = 0; i < 4; ++i)
    {
        const Condition* condition = ConditionOf(Triggers(), i);
        const Actor* held = i % 2 ? static_cast<const ConditionShipInArea*>(condition)->GetShip()
                                  : static_cast<const ConditionShipDestroyed*>(condition)->GetShip();
        EXPECT_EQ(held, nullptr) << i;
    }
}

TEST_F(LogicMission, ActionsAndTargetsLetGoOfAFreedShip)
{
    StartLogic(Entry("obj_player", "{ classname = \"player\"; position = { x = 0; y = 0; z = 0 } }") +
                   FighterEntry("f0", Vec3(0, 0, 300)),
               Disabled("Action", {
                                      R"(type = "actionShipChangeTask"; shipName = "f0"; taskType = "idle")",
                                      R"(type = "actionShowDestroyTask"; index = -1; classname = "ShipYtgFighter02")",
                                  }));
    Triggers().GetTrigger(1)->GetAction(0)->Do();
    ASSERT_EQ(Logic().GetGlobalTargetCount(), 1u);
    const GlobalLevelTarget& target = *Logic().GetGlobalTarget(0);
    ASSERT_EQ(target.actor.Get(), Named("f0"));

    level.DestroyActor(Named("f0"), true);
    const auto* task = static_cast<const ActionShipChangeTask*>(Triggers().GetTrigger(0)->GetAction(0));
    EXPECT_EQ(task->GetShip(), nullptr);
    Triggers().GetTrigger(0)->GetAction(0)->Do();
    EXPECT_EQ(target.actor.Get(), nullptr) << "the target of the last frame outlives its actor";

    // The player's untargeted fire goes to the first red target's actor: none now.
    PlayerShip* ship = level.GetPlayer()->GetShip();
    ASSERT_NE(ship, nullptr);
    ASSERT_GT(ship->GetWeaponCount(), 0u);
    ship->StartShooting(nullptr, 0);
    EXPECT_EQ(ship->GetWeapon(0)->GetTarget(), nullptr);
}

} // namespace
