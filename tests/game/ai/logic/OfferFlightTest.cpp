// The offers' missions as the game program starts them from its command line, run by the game's
// own frame loop: the first is won once its Ytg fighters are destroyed (here by the test) and the
// game switches to the score screen once; the second shows its targets, the nearest cargo ship
// with an arrow. Each keeps a screenshot
// of the pilot's view beside the test ("<offer>_logic.bmp") and logs no error.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "CoreTestSupport.h"
#include "MaterialSystem/MaterialSystem.h"
#include "WorldTestSupport.h"
#include "game/ai/LevelLogic.h"
#include "game/core/frames/GameFrame.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/player/Player.h"
#include "game/world/ships/Ship.h"
#include "game/hud/GuiShipHud.h"
#include "game/hud/GuiShipHudStats.h"
#include "launcher/CommandLine.h"

namespace {

class OfferFlightTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!started.Started())
            GTEST_SKIP() << "no display: " << started.Error();
    }

    // Starts the offer as "-level <offer>.lvl -level_desc ... -level_logic ..." and runs frames
    // until it is loaded.
    SingleLevel* Start(const std::string& offer)
    {
        const LaunchOptions options = ParseCommandLine(
            {"-level", offer + ".lvl", "-level_desc", offer + "_desc.lvl", "-level_logic", offer + "_logic.lvl"});
        SingleLevel* level = game.GetLevel();
        level->LoadLevel(options.level.c_str(), options.levelDesc.c_str(), options.levelLogic.c_str());
        for (int i = 0; i < 300 && !level->IsLoaded(); ++i)
            Frame();
        return level->IsLoaded() ? level : nullptr;
    }
    void Frame()
    {
        clock.Tick(1.0f / 30);
        game.Proceed();
    }
    void Run(float seconds)
    {
        for (int i = 0; i < static_cast<int>(seconds * 30); ++i)
            Frame();
    }
    // The next frame's screen, kept beside the test.
    void Screenshot(const std::string& name)
    {
        game.GetRender()->TakeScreenShot();
        Frame();
        // The game numbers its screenshots on through the run.
        for (const auto& shot : std::filesystem::directory_iterator(std::filesystem::current_path() / "screenshots"))
        {
            std::error_code ignored;
            std::filesystem::copy_file(shot.path(), home / (name + ".bmp"),
                                       std::filesystem::copy_options::overwrite_existing, ignored);
        }
    }
    std::string CurrentFrame() const
    {
        const GameFrame* frame = game.GetGameFrameManager()->GetCurrent();
        return frame ? frame->GetName() : "";
    }
    static int Count(const std::string& text, const std::string& part)
    {
        int count = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++count;
        return count;
    }

    std::filesystem::path home = std::filesystem::current_path(); // before the game's own folder
    StartedGame started;
    FrameClock clock;
};

TEST_F(OfferFlightTest, TheFirstOfferIsWonByDestroyingItsFightersAndTheScoreScreenFollowsOnce)
{
    SingleLevel* level = Start("lvl00");
    ASSERT_NE(level, nullptr);
    Run(5); // the order is typed out on the message strip
    EXPECT_EQ(level->GetLogic()->GetStatus(), LEVEL_RUNNING);
    EXPECT_EQ(level->GetLogic()->GetGlobalTargetCount(), 1u) << "the nearest fighter is marked";
    Screenshot("lvl00_logic");

    // The test's hook: every Ytg fighter blows up.
    ASSERT_GT(level->GetActorCountByClassname("ShipYtgFighter02"), 0u);
    for (unsigned i = 0; Actor* fighter = level->GetActorByClassname("ShipYtgFighter02", i); ++i)
        dynamic_cast<Ship*>(fighter)->Explode();
    for (int i = 0; i < 180 && CurrentFrame() != "mission_score"; ++i)
        Frame();
    EXPECT_EQ(CurrentFrame(), "mission_score");
    Run(2);

    const std::string log = started.Data().Read("game.log");
    EXPECT_EQ(Count(log, "LevelLogic: the mission is won"), 1) << log;
    EXPECT_EQ(Count(log, "LevelLogic: the mission is lost"), 0);
    EXPECT_EQ(Count(log, "frame \"mission_score\" is current"), 1);
    EXPECT_EQ(log.find("ERROR:"), std::string::npos) << log;
}

TEST_F(OfferFlightTest, TheSecondOfferMarksItsCargoShipsAndThePortal)
{
    SingleLevel* level = Start("lvl12");
    ASSERT_NE(level, nullptr);
    Run(5);
    const LevelLogic& logic = *level->GetLogic();
    EXPECT_EQ(logic.GetStatus(), LEVEL_RUNNING);
    ASSERT_EQ(logic.GetGlobalTargetCount(), 4u) << "two cargo ships, the nearest again with its arrow, the portal";
    for (unsigned i = 0; i < 3; ++i)
        EXPECT_EQ(logic.GetGlobalTarget(i)->color.g, 0) << "the cargo ships are red";
    EXPECT_FALSE(logic.GetGlobalTarget(1)->arrow);
    EXPECT_TRUE(logic.GetGlobalTarget(2)->arrow);
    EXPECT_EQ(logic.GetGlobalTarget(2)->actor.Get(), level->GetActor("ytg_cargo_01")) << "the nearest";
    EXPECT_EQ(logic.GetGlobalTarget(3)->color.g, 1) << "the portal is green";
    EXPECT_FALSE(logic.GetGlobalTarget(3)->arrow);
    const GuiShipHudStatsRow* portal = level->GetPlayer()->GetHUD()->GetStatsHud()->GetRow("1");
    ASSERT_NE(portal, nullptr);
    EXPECT_STREQ(portal->name, "Exit portal");
    EXPECT_EQ(portal->count, 1u);
    Screenshot("lvl12_logic");

    const std::string log = started.Data().Read("game.log");
    EXPECT_EQ(log.find("ERROR:"), std::string::npos) << log;
    EXPECT_EQ(log.find("LevelLogic: levels"), std::string::npos) << "the logic reads cleanly";
}

} // namespace
