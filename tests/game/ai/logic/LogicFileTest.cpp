// The level-logic file's reader: which members become triggers, conditions and actions, in which
// order, with which flags, and what it logs and leaves out.
#include "LogicMission.h"

#include <cstring>

#include "game/ai/LevelLogic.h"
#include "game/ai/logic/Condition.h"
#include "game/ai/logic/SoundActions.h"
#include "game/ai/logic/TriggerSystem.h"

namespace {

// The class name without its kind's prefix, "-" when disabled, "?" when never initialised.
std::string Short(const char* name, const char* prefix, bool enabled, bool initialized = true)
{
    std::string text = name + std::strlen(prefix);
    return text + (enabled ? "" : "-") + (initialized ? "" : "?");
}

// "name[ forever][ off]: conditions | actions" for each trigger, joined by "; ".
std::string Describe(const TriggerSystem& triggers)
{
    std::string text;
    for (int i = 0; i < triggers.GetTriggerCount(); ++i)
    {
        const Trigger& trigger = *triggers.GetTrigger(i);
        text += std::string(i ? "; " : "") + trigger.GetName() + (trigger.IsOnce() ? "" : " forever") +
                (trigger.IsEnable() ? "" : " off") + ":";
        for (size_t c = 0; c < trigger.GetConditionCount(); ++c)
        {
            const Condition& condition = *trigger.GetCondition(c);
            text += " " + Short(condition.GetName(), "Condition", condition.IsEnable());
        }
        text += " |";
        for (size_t a = 0; a < trigger.GetActionCount(); ++a)
        {
            const Action& action = *trigger.GetAction(a);
            text += " " + Short(action.GetName(), "Action", action.IsEnable(), action.IsInitialized());
        }
    }
    return text;
}

struct FileCase
{
    const char* about;
    const char* logic;
    const char* triggers; // as Describe writes them
    int logged;           // lines of the reader's own
};

class LogicFile : public LogicMission, public testing::WithParamInterface<FileCase>
{};

TEST_P(LogicFile, GivesTheseTriggers)
{
    const FileCase& test = GetParam();
    StartLogic("", test.logic);
    EXPECT_EQ(Describe(Triggers()), test.triggers);
    EXPECT_EQ(log.Count("LevelLogic:"), test.logged) << log.All();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogicFile,
    testing::Values(FileCase{"a trigger fires once unless isOnce is 0, and is disabled without isEnable",
                             R"(LevelLogic.Trigger00 = { name = "a"; isEnable = 1 };
                    LevelLogic.Trigger01 = { name = "b"; isOnce = 0; isEnable = 2 };
                    LevelLogic.Trigger02 = { name = "c"; isOnce = 1 };
                    LevelLogic.Trigger03 = { name = "d"; isOnce = -1; isEnable = 0 };)",
                             "a: |; b forever: |; c off: |; d forever off: |", 0},
                    FileCase{"only members that are tables and named Trigger... are triggers",
                             R"(LevelLogic.Other = { name = "other"; isEnable = 1 };
                    LevelLogic.Trigger00 = 5;
                    LevelLogic.Trigger01 = "t";
                    LevelLogic[1] = { name = "numbered" };
                    LevelLogic.trigger02 = { name = "lower case" };
                    LevelLogic.TriggerA = { name = "a"; isEnable = 1; Timer = { type = "conditionTimer" } };)",
                             "a: |", 0},
                    FileCase{"keys are taken in natural order, digits by their value",
                             R"(LevelLogic.Trigger10 = { name = "ten"; isEnable = 1;
                        Condition10 = { type = "conditionTimer"; timer = 1 };
                        Condition9 = { type = "conditionShipCount"; shipClassname = "x"; countEqual = 0 };
                        Action12 = { type = "actionMissionLose"; isEnable = 1 };
                        Action3 = { type = "actionMissionWin"; isEnable = 1 } };
                    LevelLogic.Trigger9 = { name = "nine"; isEnable = 1 };
                    LevelLogic.Trigger01 = { name = "one"; isEnable = 1 };)",
                             "one: |; nine: |; ten: ShipCount Timer | MissionWin MissionLose", 0},
                    FileCase{"unknown and missing types are left out; disabled ones stay",
                             R"(LevelLogic.Trigger00 = { name = "t"; isEnable = 1;
                        Condition00 = { type = "conditionTimr"; timer = 1 };
                        Condition01 = { timer = 1 };
                        Condition02 = { type = "conditionTimer"; timer = 3; isEnable = 0 };
                        Condition03 = 7;
                        Action00 = { type = "actionMissionWinn"; isEnable = 1 };
                        Action01 = { type = "actionMissionLose"; isEnable = 0 };
                        Action02 = { type = "actionMissionWin" } };)",
                             "t: Timer- | MissionLose- MissionWin", 4},
                    FileCase{"actions whose keys make no sense are never initialised",
                             R"(LevelLogic.Trigger00 = { name = "t"; isEnable = 1;
                        Condition00 = { type = "conditionShipInArea"; shipName = "nobody"; areaType = "cube" };
                        Action00 = { type = "actionShipChangeTask"; shipName = "nobody"; taskType = "dance";
                                     isEnable = 1 };
                        Action01 = { type = "actionPlaySound2D"; isEnable = 1 } };)",
                             "t: ShipInArea | ShipChangeTask? PlaySound2D?", 3},
                    FileCase{"needed keys that are missing are logged and keep their defaults",
                             R"(LevelLogic.Trigger00 = { isEnable = 1;
                        Condition00 = { type = "conditionTimer" };
                        Action00 = { type = "actionTextMessage"; isEnable = 1 } };)",
                             "trigger: Timer | TextMessage", 6}),
    [](const testing::TestParamInfo<FileCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(LogicMission, AFileThatCannotBeRunEndsTheMission)
{
    for (const char* logic : {"LevelLogic.Trigger00 = { name = ", "local nothing = nil; nothing.field = 1"})
    {
        Start("", "", logic);
        EXPECT_FALSE(FinishLoading());
        EXPECT_TRUE(level.IsFailed());
        EXPECT_FALSE(level.IsExist());
        EXPECT_EQ(level.GetLogic(), nullptr);
        EXPECT_EQ(level.GetActorsCount(), 0u);
        level.ShutDown();
    }
    EXPECT_EQ(log.Count("LevelLogic: unable to run"), 2);
}

TEST_F(LogicMission, SoundLinesAreKeptInTheOrderOfTheirNumbers)
{
    StartLogic("", R"(LevelLogic.Trigger00 = { name = "t"; isEnable = 1;
        Action00 = { type = "actionPlaySound2D"; isEnable = 1; checkPriority = 1;
                     filename07 = "seven.wav"; filename03 = "three.wav"; filename16 = "beyond.wav";
                     filename5 = "no two digits.wav" } };)");
    const auto& sound = dynamic_cast<const ActionPlaySound2D&>(*TriggerAt(0).GetAction(0));
    ASSERT_EQ(sound.GetFileCount(), 2);
    EXPECT_STREQ(sound.GetFile(0), "three.wav");
    EXPECT_STREQ(sound.GetFile(1), "seven.wav");
    EXPECT_TRUE(sound.IsCheckPriority());
}

TEST_F(LogicMission, ShipCountsAreStoredOnlyWhenGivenAndTextsAreCutToTheirFields)
{
    const std::string longName(300, 'n');
    StartLogic("", TriggerEntry("00", longName, R"(
        Condition00 = { type = "conditionShipCount"; shipClassname = "a"; countNotEqual = 2.7 };
        Condition01 = { type = "conditionShipCount"; shipClassname = "b"; countEqual = 1 })"));
    EXPECT_EQ(std::string(TriggerAt(0).GetName()), longName.substr(0, 255));
    const auto& notEqual = dynamic_cast<const ConditionShipCount&>(*TriggerAt(0).GetCondition(0));
    const auto& equal = dynamic_cast<const ConditionShipCount&>(*TriggerAt(0).GetCondition(1));
    EXPECT_EQ(notEqual.GetCountEqual(), -1);
    EXPECT_EQ(notEqual.GetCountNotEqual(), 2);
    EXPECT_EQ(equal.GetCountEqual(), 1);
    EXPECT_EQ(equal.GetCountNotEqual(), -1);
}

} // namespace
