// The offers' missions of the demo data: between them their logic uses every condition and
// action, and the first offer is won by destroying its Ytg fighters or lost on its timer, each
// told on the message strip a few seconds before.
#include "LogicMission.h"

#include <set>

#include "game/ai/LevelLogic.h"
#include "game/ai/logic/TriggerSystem.h"
#include "game/core/level/SingleLevel.h"

namespace {

class DemoLogic : public LogicMission
{
protected:
    void StartOffer(const std::string& offer)
    {
        level.LoadLevel((offer + ".lvl").c_str(), (offer + "_desc.lvl").c_str(), (offer + "_logic.lvl").c_str());
        level.Initialize();
        ASSERT_TRUE(FinishLoading(400));
    }
};

TEST_F(DemoLogic, TheOffersUseEveryConditionAndAction)
{
    std::set<std::string> conditions, actions;
    for (const char* offer : {"lvl00", "lvl12"})
    {
        StartOffer(offer);
        for (int i = 0; i < Triggers().GetTriggerCount(); ++i)
        {
            const Trigger& trigger = TriggerAt(i);
            EXPECT_TRUE(trigger.IsEnable()) << offer << " " << trigger.GetName();
            for (size_t c = 0; c < trigger.GetConditionCount(); ++c)
                conditions.insert(trigger.GetCondition(c)->GetName());
            for (size_t a = 0; a < trigger.GetActionCount(); ++a)
            {
                EXPECT_TRUE(trigger.GetAction(a)->IsInitialized()) << offer << " " << trigger.GetName() << " " << a;
                actions.insert(trigger.GetAction(a)->GetName());
            }
        }
        level.ShutDown();
    }
    EXPECT_EQ(log.Count("LevelLogic: levels"), 0) << "every key and ship name is understood: " << log.All();
    EXPECT_EQ(conditions, (std::set<std::string>{"ConditionTimer", "ConditionTriggerNotCompleted", "ConditionShipCount",
                                                 "ConditionShipDestroyed", "ConditionShipInArea"}));
    EXPECT_EQ(actions, (std::set<std::string>{"ActionTextMessage", "ActionShowDestroyTask", "ActionPlaySound2D",
                                              "ActionPlayMusic", "ActionLoadSubLevel", "ActionEnableDisableShip",
                                              "ActionShipChangeTask", "ActionMissionWin", "ActionMissionLose"}));
}

TEST_F(DemoLogic, TheFirstOfferIsWonWhenNoYtgFighterIsLeft)
{
    StartOffer("lvl00");
    Frame();
    ASSERT_GT(level.GetActorCountByClassname("ShipYtgFighter02"), 0u);
    while (Actor* fighter = level.GetActorByClassname("ShipYtgFighter02", 0))
        level.DestroyActor(fighter, false);
    Frame();
    EXPECT_TRUE(Triggers().GetTrigger("victory_told")->IsTriggered());
    EXPECT_EQ(Logic().GetStatus(), LEVEL_RUNNING) << "told first";
    for (int i = 0; i < 8; ++i)
        Frame();
    EXPECT_EQ(Logic().GetStatus(), LEVEL_RUNNING) << "the message typed in and read";
    for (int i = 0; i < 2; ++i)
        Frame();
    EXPECT_EQ(Logic().GetStatus(), LEVEL_WON);
    EXPECT_TRUE(Triggers().GetTrigger("victory")->IsTriggered());
    EXPECT_FALSE(Triggers().GetTrigger("time_out")->IsTriggered());
    EXPECT_EQ(log.Count("LevelLogic: the mission is"), 1);
}

TEST_F(DemoLogic, TheFirstOfferIsLostWhenItsTimeRunsOut)
{
    StartOffer("lvl00");
    for (int second = 0; second <= 600 && Logic().GetStatus() == LEVEL_RUNNING; ++second)
        Frame(1.0f);
    EXPECT_FLOAT_EQ(level.GetTime(), 601.0f);
    EXPECT_TRUE(Triggers().GetTrigger("time_up")->IsTriggered()) << "told in the frame at ten minutes";
    EXPECT_EQ(Logic().GetStatus(), LEVEL_RUNNING);
    for (int second = 0; second <= 10 && Logic().GetStatus() == LEVEL_RUNNING; ++second)
        Frame(1.0f);
    EXPECT_EQ(Logic().GetStatus(), LEVEL_LOST);
    EXPECT_FLOAT_EQ(level.GetTime(), 606.0f) << "lost in the first frame four and a half seconds later";
    EXPECT_TRUE(Triggers().GetTrigger("five_minutes")->IsTriggered());
    EXPECT_FALSE(Triggers().GetTrigger("victory")->IsTriggered());
}

} // namespace
