// The demo mission as the game program starts it: the frame manager switches to the mission
// frame, which reads the demo files behind the loading screen and then runs.
#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "WorldTestSupport.h"
#include "game/core/frames/GameFrame.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/Limiter.h"

namespace {
class DemoMissionTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!started.Started())
            GTEST_SKIP() << "no display: " << started.Error();
    }
    void Run(int frames, float seconds = 0.1f)
    {
        for (int i = 0; i < frames; ++i)
        {
            clock.Tick(seconds);
            game.Proceed();
        }
    }

    LogWatch log;
    StartedGame started;
    FrameClock clock;
};
} // namespace

TEST_F(DemoMissionTest, DemoMissionLoadsAndRunsWithoutAnError)
{
    SingleLevel* level = game.GetLevel();
    ASSERT_NE(level, nullptr);
    level->LoadLevel("demo.lua", "demo_desc.lua", "demo_logic.lua");
    Run(30);
    ASSERT_NE(game.GetGameFrameManager()->GetCurrent(), nullptr);
    EXPECT_STREQ("level", game.GetGameFrameManager()->GetCurrent()->GetName());
    ASSERT_TRUE(level->IsExist());
    EXPECT_TRUE(level->IsLoaded());
    EXPECT_EQ(1u, level->GetActorCountByClassname("Background"));
    EXPECT_EQ(2u, level->GetActorCountByClassname("ShipBlgFighter00") +
                      level->GetActorCountByClassname("ShipBlgFighter01"));
    EXPECT_EQ(3u, level->GetActorCountByClassname("ShipYtgFighter02")); // the fourth only on hard
    EXPECT_EQ(1u, level->GetTracksCount());
    EXPECT_EQ(1u, level->GetObstacleCount());
    EXPECT_EQ(1u, level->GetActorCountByClassname("DebrisField"));
    EXPECT_GT(level->GetTime(), 0.0f);
    EXPECT_EQ(0, log.Errors()) << log.All();

    game.GetGameFrameManager()->SetActive("empty");
    Run(10);
    EXPECT_FALSE(level->IsExist());
    EXPECT_EQ(0u, level->GetActorsCount());
}

TEST_F(DemoMissionTest, LimiterWaitsWhileANetworkGameIsChosen)
{
    Limiter* limiter = game.GetLimiter();
    ASSERT_NE(limiter, nullptr);
    limiter->ExplosionSound();
    game.SetNetworkGame(true);
    Run(3, 0.3f);
    EXPECT_FALSE(limiter->CanExplosionSound());
    game.SetNetworkGame(false);
    Run(2, 0.3f);
    EXPECT_TRUE(limiter->CanExplosionSound());
}

// Choosing a mission while one runs replaces it (the running one shuts down after the choice),
// and a retry without a chosen offer, as after a command-line start, plays the same files again.
TEST_F(DemoMissionTest, AMissionChosenWhileOneRunsReplacesItAndARetryPlaysItAgain)
{
    SingleLevel* level = game.GetLevel();
    ASSERT_NE(level, nullptr);
    level->LoadLevel("demo.lua", "demo_desc.lua", "demo_logic.lua");
    Run(30);
    ASSERT_TRUE(level->IsLoaded());

    level->LoadLevel("lvl00.lvl", "lvl00_desc.lvl", "lvl00_logic.lvl");
    Run(30);
    EXPECT_STREQ("level", game.GetGameFrameManager()->GetCurrent()->GetName());
    EXPECT_TRUE(level->IsLoaded());
    EXPECT_STREQ(level->GetLevelFile(), "levels\\lvl00.lvl");

    game.GetGameFrameManager()->SetActive("empty");
    Run(10);
    level->LoadLevel(nullptr, nullptr, nullptr);
    Run(30);
    EXPECT_STREQ("level", game.GetGameFrameManager()->GetCurrent()->GetName());
    EXPECT_TRUE(level->IsLoaded());
    EXPECT_STREQ(level->GetLogicFile(), "levels\\lvl00_logic.lvl");
    EXPECT_EQ(0, log.Errors()) << log.All();
}
