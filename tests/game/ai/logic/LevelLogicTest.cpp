// The level logic: winning and losing once, the score screen asked for once, pause and resume,
// and what shutting down leaves.
#include "LogicMission.h"

#include "game/ai/LevelLogic.h"
#include "game/core/frames/GameFrame.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"

namespace {

// The frame the game switches to next, or the current one when no switch is under way.
std::string RequestedFrame()
{
    const GameFrameManager* frames = game.GetGameFrameManager();
    const GameFrame* frame = frames->GetNext() ? frames->GetNext() : frames->GetCurrent();
    return frame ? frame->GetName() : "";
}

TEST_F(LogicMission, AWinOnEveryFrameEndsTheMissionOnce)
{
    StartLogic("", R"(LevelLogic.Trigger00 = { name = "win"; isOnce = 0; isEnable = 1;
                          Action00 = { type = "actionMissionWin"; isEnable = 1 } };
                      LevelLogic.Trigger01 = { name = "lose"; isOnce = 0; isEnable = 1;
                          Condition00 = { type = "conditionTimer"; timer = 1 };
                          Action00 = { type = "actionMissionLose"; isEnable = 1 } };)");
    for (int i = 0; i < 4; ++i)
        Frame();
    EXPECT_EQ(Logic().GetStatus(), LEVEL_WON);
    EXPECT_EQ(RequestedFrame(), "mission_score");
    EXPECT_EQ(log.Count("LevelLogic: the mission is"), 1) << "one request for the score screen";
    Logic().GamePause();
    Logic().GameLose();
    EXPECT_EQ(Logic().GetStatus(), LEVEL_WON) << "a finished mission stays finished";
}

TEST_F(LogicMission, APausedMissionNeitherWinsNorLoses)
{
    StartLogic("", TriggerEntry("00", "win", R"(isOnce = 0; Condition00 = { type = "conditionTimer"; timer = 1 };
                                                Action00 = { type = "actionMissionWin"; isEnable = 1 })"));
    Logic().GamePause();
    Logic().GamePause();
    EXPECT_EQ(Logic().GetStatus(), LEVEL_PAUSED);
    for (int i = 0; i < 3; ++i)
        Frame();
    EXPECT_EQ(Logic().GetStatus(), LEVEL_PAUSED);
    Logic().GameResume();
    Frame();
    EXPECT_EQ(Logic().GetStatus(), LEVEL_WON);
    EXPECT_EQ(log.Count("LevelLogic: the mission is won"), 1);
}

TEST_F(LogicMission, ShuttingDownDropsTheTargetsAndTheTriggers)
{
    StartLogic(FighterEntry("f0", Vec3(0, 0, 300)),
               TriggerEntry("00", "mark", R"(isOnce = 0; Action00 = { type = "actionShowDestroyTask"; isEnable = 1;
                                             index = -1; classname = "ShipYtgFighter02" })"));
    Frame();
    EXPECT_EQ(Logic().GetGlobalTargetCount(), 1u);
    EXPECT_EQ(Logic().GetGlobalTarget(1), nullptr);
    Logic().ShutDown();
    EXPECT_EQ(Logic().GetGlobalTargetCount(), 0u);
    EXPECT_EQ(Triggers().GetTriggerCount(), 0);
}

} // namespace
