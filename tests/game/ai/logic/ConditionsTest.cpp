// The conditions on a running mission: level time, ship counts, other triggers, destroyed ships
// and ships in an area.
#include "LogicMission.h"

#include "game/ai/LevelLogic.h"
#include "game/ai/logic/Condition.h"
#include "game/ai/logic/TriggerSystem.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/ships/Ship.h"

namespace {

// The answers of the first condition of every trigger, in trigger order.
std::vector<bool> Answers(TriggerSystem& triggers)
{
    std::vector<bool> answers;
    for (int i = 0; i < triggers.GetTriggerCount(); ++i)
        answers.push_back(triggers.GetTrigger(i)->GetCondition(0)->Is());
    return answers;
}

// Triggers, disabled so that only the test asks them, of one condition each.
std::string Conditions(const std::vector<std::string>& bodies)
{
    std::string logic;
    for (size_t i = 0; i < bodies.size(); ++i)
        logic += "LevelLogic.Trigger" + std::to_string(i) + " = { name = \"c" + std::to_string(i) +
                 "\"; Condition00 = { " + bodies[i] + " } };\n";
    return logic;
}

TEST_F(LogicMission, ATimerHoldsFromTheFrameOnWhichTheLevelTimeReachesIt)
{
    StartLogic("",
               TriggerEntry("00", "timer", R"(Condition00 = { type = "conditionTimer"; timer = 1.0 })") +
                   TriggerEntry("01", "off", R"(Condition00 = { type = "conditionTimer"; timer = 0; isEnable = 0 })"));
    for (float time : {0.0f, 0.5f})
    {
        EXPECT_FLOAT_EQ(level.GetTime(), time);
        Frame(0.5f);
        EXPECT_FALSE(Triggers().GetTrigger("timer")->IsTriggered()) << time;
    }
    EXPECT_FLOAT_EQ(level.GetTime(), 1.0f);
    Frame(0.5f);
    EXPECT_TRUE(Triggers().GetTrigger("timer")->IsTriggered());
    EXPECT_FALSE(Triggers().GetTrigger("off")->IsTriggered()) << "a disabled timer never holds";
}

TEST_F(LogicMission, ShipCountsCompareTheActorsOfAClassName)
{
    StartLogic(FighterEntry("f0", Vec3(0, 0, 100)) + FighterEntry("f1", Vec3(0, 0, 200)) +
                   FighterEntry("f2", Vec3(0, 0, 300)),
               Conditions({
                   R"(type = "conditionShipCount"; shipClassname = "ShipYtgFighter02"; countEqual = 3)",
                   R"(type = "conditionShipCount"; shipClassname = "ShipYtgFighter02"; countEqual = 2)",
                   R"(type = "conditionShipCount"; shipClassname = "ShipYtgFighter02"; countNotEqual = 3)",
                   R"(type = "conditionShipCount"; shipClassname = "ShipYtgFighter02"; countEqual = 2;
                      countNotEqual = 9)",
                   R"(type = "conditionShipCount"; shipClassname = "ShipYtgFighter02"; countEqual = 1;
                      countNotEqual = 3)",
                   R"(type = "conditionShipCount"; shipClassname = "ShipYtgFighter02")",
                   R"(type = "conditionShipCount"; shipClassname = "ShipYtgSush02"; countEqual = 0)",
                   R"(type = "conditionShipCount"; shipClassname = "ShipYtgFighter02"; countNotEqual = 0)",
                   R"(type = "conditionShipCount"; shipClassname = "ShipYtgSush02"; countNotEqual = 0)",
               }));
    // With both counts, an unequal count still holds when it differs from countNotEqual.
    EXPECT_EQ(Answers(Triggers()), (std::vector<bool>{true, false, false, true, false, false, true, true, false}));
    level.DestroyActor(Named("f1"), false);
    EXPECT_EQ(Answers(Triggers()), (std::vector<bool>{false, true, true, true, true, false, true, true, false}));
}

TEST_F(LogicMission, DestroyedShipsAndOtherTriggers)
{
    StartLogic(FighterEntry("f0", Vec3(0, 0, 100)) + ObjectEntry("rock", "ast_m_a", Vec3(0, 0, 500)),
               Conditions({
                   R"(type = "conditionShipDestroyed"; shipName = "f0")",
                   R"(type = "conditionShipDestroyed"; shipName = "rock")",
                   R"(type = "conditionShipDestroyed"; shipName = "nobody")",
                   R"(type = "conditionTriggerNotCompleted"; triggerName = "nothing of that name")",
               }));
    EXPECT_EQ(Answers(Triggers()), (std::vector<bool>{false, false, true, true}));
    ShipNamed("f0")->Explode();
    level.DestroyActor(Named("rock"), false);
    EXPECT_EQ(Answers(Triggers()), (std::vector<bool>{true, true, true, true}))
        << "a dead ship, and an object once it is removed";
}

TEST_F(LogicMission, AreasIncludeTheirBoundsAndNeedAnActor)
{
    StartLogic(FighterEntry("f0", Vec3(100, 0, 50)) + ObjectEntry("rock", "ast_m_a", Vec3(0, 0, 0)),
               Conditions({
                   R"(type = "conditionShipInArea"; shipName = "f0"; areaType = "area";
                      minX = 0; minY = -10; minZ = 50; maxX = 100; maxY = 0; maxZ = 60)",
                   R"(type = "conditionShipInArea"; shipName = "f0"; areaType = "area";
                      minX = 0; minY = -10; minZ = 50; maxX = 99.9; maxY = 0; maxZ = 60)",
                   R"(type = "conditionShipInArea"; shipName = "f0"; areaType = "sphere";
                      x = 100; y = 30; z = 10; radius = 50)",
                   R"(type = "conditionShipInArea"; shipName = "f0"; areaType = "sphere";
                      x = 100; y = 30; z = 10; radius = 49.9)",
                   R"(type = "conditionShipInArea"; shipName = "rock"; areaType = "sphere"; radius = 1)",
                   R"(type = "conditionShipInArea"; shipName = "nobody"; areaType = "sphere"; radius = 1e9)",
                   R"(type = "conditionShipInArea"; shipName = "playership"; areaType = "sphere"; radius = 1e9)",
               }));
    EXPECT_EQ(Answers(Triggers()), (std::vector<bool>{true, false, true, false, true, false, false}));
}

} // namespace
