// The level logic: winning and losing once, the score screen asked for once, pause and resume,
// and what shutting down leaves.
#include "LogicMission.h"

#include "game/ai/LevelLogic.h"
#include "game/core/frames/GameFrame.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/profiles/UserProfile.h"
#include "game/world/player/PilotProfile.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/core/level/SingleLevel.h"

#include <cstring>

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

// The pilot's death loses the mission in its frame, and the score screen is asked for, once, three
// seconds of mission time later, while the ship is seen blowing up; no trigger wins it meanwhile.
TEST_F(LogicMission, ThePilotsDeathLosesAtOnceAndTheScoreScreenComesThreeSecondsLater)
{
    StartLogic("", R"(LevelLogic.Trigger00 = { name = "win"; isEnable = 1;
                          Condition00 = { type = "conditionTimer"; timer = 1 };
                          Action00 = { type = "actionMissionWin"; isEnable = 1 } };)");
    Frame(0.5f);
    const std::string flying = RequestedFrame();
    ASSERT_NE(flying, "mission_score");
    level.GetPlayer()->GetShip()->Explode();
    const float death = level.GetTime();
    Frame(0.5f);
    EXPECT_EQ(Logic().GetStatus(), LEVEL_LOST);
    EXPECT_EQ(log.Count("LevelLogic: the mission is lost"), 1);
    // The logic of a frame runs at the mission time before the frame's step.
    for (bool due = false; !due;)
    {
        EXPECT_EQ(RequestedFrame(), flying) << level.GetTime() - death << " s after";
        due = level.GetTime() >= death + LevelLogic::DeathScoreScreenDelay;
        Frame(0.5f);
    }
    EXPECT_EQ(RequestedFrame(), "mission_score") << level.GetTime() - death << " s after";
    EXPECT_EQ(Logic().GetStatus(), LEVEL_LOST);
    EXPECT_EQ(log.Count("LevelLogic: the mission is"), 1);
}

// The pilot's file holds what the mission cost as soon as it is won or lost, so that a crash on
// the way to the score screen loses nothing.
TEST_F(LogicMission, WinningOrLosingWritesThePilot)
{
    const struct
    {
        const char* action;
        int cash;
    } cases[] = {{"actionMissionWin", 1234}, {"actionMissionLose", 567}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.action);
        StartLogic("",
                   TriggerEntry("00", "end", std::string("Action00 = { type = \"") + c.action + "\"; isEnable = 1 }"));
        UserProfile* pilot = CurrentPilot();
        ASSERT_NE(pilot, nullptr);
        pilot->SetCash(c.cash);
        Frame();
        ASSERT_NE(Logic().GetStatus(), LEVEL_RUNNING);
        const std::string file = _game->Data().Read("profiles/" + std::string(pilot->GetName()) + ".prf");
        ASSERT_GE(file.size(), 24u);
        int32_t cash = 0;
        std::memcpy(&cash, file.data() + 20, sizeof cash);
        EXPECT_EQ(cash, c.cash);
        level.ShutDown();
    }
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
