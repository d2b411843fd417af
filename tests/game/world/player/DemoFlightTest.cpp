// The demo mission as the game program starts it from its command line, flown for 600 frames by
// scripted controls that turn, fire and boost; the game logs no error, and a screenshot (kept as
// "demo_flight.bmp" in the build folder) shows the pilot's view. Drawing is nearly all the cost
// of a frame on a software renderer: frames whose picture nobody looks at are not drawn.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "CoreTestSupport.h"
#include "foundation/base/Random.h"
#include "MaterialSystem/MaterialSystem.h"
#include "PlayerTestSupport.h"
#include "game/core/frames/GameFrame.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/player/BoosterSystem.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "launcher/CommandLine.h"
#include "services/input/InputSystem.h"
#include "services/physics/PhysicsActor.h"

namespace {

constexpr uint32_t KeyW = 17, KeyD = 32, KeyA = 30, KeyShift = 42;

class DemoFlightTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!GetStartedGame() || !GetStartedGame()->Started())
            GTEST_SKIP() << "no display";
    }
    // Leaves the mission: the switch fades out and shuts the mission down while frames run, so
    // that no later test's mission replaces the physics space under the demo's ships.
    void TearDown() override
    {
        game.SetInput(nullptr);
        GameFrameManager* frames = game.GetGameFrameManager();
        if (!frames)
            return;
        frames->SetActive("empty");
        for (int i = 0; i < 60; ++i)
        {
            clock.Tick(1.0f / 60);
            game.ProceedUndrawn();
        }
    }

    LogWatch log;
    FrameClock clock;
};

TEST_F(DemoFlightTest, TheDemoMissionIsFlownWithoutAnErrorAndShowsThePilotsView)
{
    const LaunchOptions options =
        ParseCommandLine({"-level", "demo.lua", "-level_desc", "demo_desc.lua", "-level_logic", "demo_logic.lua"});
    ASSERT_TRUE(options.HasMission());
    SingleLevel* level = game.GetLevel();
    ASSERT_NE(level, nullptr);
    level->LoadLevel(options.level.c_str(), options.levelDesc.c_str(), options.levelLogic.c_str());

    InputConfig bindings;
    ASSERT_TRUE(bindings.LoadConfig("config.ini"));
    auto source = std::make_unique<ScriptedInput>();
    ScriptedInput* script = source.get();
    InputSystem input(std::move(source));
    input.SetConfig(&bindings);
    game.SetInput(&input);

    // Every tenth frame is drawn, so that the whole flight's effects are drawn now and then.
    const auto frame = [&](bool drawn) {
        clock.Tick(1.0f / 60);
        input.ProcessInputData();
        if (drawn)
            game.Proceed();
        else
            game.ProceedUndrawn();
    };
    // Loading behind its screen, then the fade into the mission.
    for (int i = 0; i < 200 && !level->IsLoaded(); ++i)
        frame(i % 10 == 0);
    ASSERT_TRUE(level->IsLoaded());
    ASSERT_NE(level->GetPlayer(), nullptr);
    PlayerShip* ship = level->GetPlayer()->GetShip();
    ASSERT_NE(ship, nullptr);
    const Matrix start = ship->GetPhysEntity()->GetGlobalPose();

    bool boosted = false;
    for (int i = 0; i < 600; ++i)
    {
        // Full throttle all the way; a right turn, then a climb, then a left turn by the mouse and
        // keys; the blasters from the second second, a rocket at the third and the booster at the
        // fifth.
        if (i == 0)
            script->Key(KeyW, true);
        if (i == 60)
            script->MouseButton(0, true);
        if (i == 180)
            script->MouseButton(1, true);
        if (i == 182)
            script->MouseButton(1, false);
        if (i == 300)
            script->Key(KeyShift, true);
        if (i == 420)
            script->Key(KeyShift, false);
        if (i == 100)
            script->Key(KeyD, true);
        if (i == 250)
            script->Key(KeyD, false);
        if (i == 450)
            script->Key(KeyA, true);
        if (i == 540)
            script->MouseButton(0, false);
        if (i < 400)
            script->MouseMove(i < 200 ? 6 : -4, i > 200 ? -200 : 0, 0);
        // The view while the blasters fire: frame 149 draws it, and frame 150 shows it with the
        // layers over it and writes it.
        if (i == 150)
            game.GetRender()->TakeScreenShot();
        frame(i % 10 == 0 || i == 149 || i == 150);
        boosted |= level->GetPlayer()->GetBooster()->IsBoost();
    }

    EXPECT_STREQ(game.GetGameFrameManager()->GetCurrent()->GetName(), "level");
    EXPECT_TRUE(boosted);
    const Matrix end = ship->GetPhysEntity()->GetGlobalPose();
    EXPECT_LT(end.Dir().Dot(start.Dir()), 0.95f) << "the ship turned";
    EXPECT_LT(end.Up().Dot(start.Up()), 0.95f) << "and rolled";
    EXPECT_GT(ship->GetPhysEntity()->GetGlobalPosition().Distance(Vec3(0, 0, -600)), 100) << "and flew";

    EXPECT_EQ(log.Errors(), 0) << log.All();
    EXPECT_EQ(GetStartedGame()->Data().Read("game.log").find("ERROR:"), std::string::npos);
    const std::filesystem::path shot = std::filesystem::current_path() / "screenshots" / "screen0000.bmp";
    ASSERT_TRUE(std::filesystem::exists(shot));
    std::error_code ignored;
    std::filesystem::copy_file(shot, std::filesystem::path(GAME_DATA_DIR).parent_path() / "demo_flight.bmp",
                               std::filesystem::copy_options::overwrite_existing, ignored);
}

// The same flight at 60 and at 20 frames a second of the real game, undrawn: full throttle, a turn
// to the right held for a second, then straight on, six seconds in all. The player's ship ends
// where it ended at 60, within 5 % of the way it flew.
TEST_F(DemoFlightTest, TheDemoMissionFlownAt20FramesASecondGoesWhereItGoesAt60)
{
    const LaunchOptions options =
        ParseCommandLine({"-level", "demo.lua", "-level_desc", "demo_desc.lua", "-level_logic", "demo_logic.lua"});
    SingleLevel* level = game.GetLevel();
    ASSERT_NE(level, nullptr);
    InputConfig bindings;
    ASSERT_TRUE(bindings.LoadConfig("config.ini"));
    auto source = std::make_unique<ScriptedInput>();
    ScriptedInput* script = source.get();
    InputSystem input(std::move(source));
    input.SetConfig(&bindings);
    game.SetInput(&input);

    struct Flight
    {
        Vec3 start, end;
        float path = 0;
    };
    const auto fly = [&](int fps) {
        Flight flight;
        const float seconds = 1.0f / fps;
        const auto frame = [&] {
            clock.Tick(seconds);
            input.ProcessInputData();
            game.ProceedUndrawn();
        };
        EngineSeed(3);
        level->LoadLevel(options.level.c_str(), options.levelDesc.c_str(), options.levelLogic.c_str());
        for (int i = 0;
             i < 400 && !(level->IsLoaded() && game.GetGameFrameManager()->GetStatus() == GameFrameManager::FADE_NONE);
             ++i)
            frame();
        EXPECT_TRUE(level->IsLoaded());
        const Player* player = level->GetPlayer();
        const PhysicsActor* body = player && player->GetShip() ? player->GetShip()->GetPhysEntity() : nullptr;
        EXPECT_NE(body, nullptr);
        if (!body)
            return flight;
        flight.start = flight.end = body->GetGlobalPosition();
        for (int i = 0; i < 6 * fps; ++i)
        {
            if (i == 0)
                script->Key(KeyW, true);
            if (i == 2 * fps)
                script->Key(KeyD, true);
            if (i == 3 * fps)
                script->Key(KeyD, false);
            frame();
            flight.path += body->GetGlobalPosition().Distance(flight.end);
            flight.end = body->GetGlobalPosition();
        }
        script->Key(KeyW, false);
        frame();
        game.GetGameFrameManager()->SetActive("empty");
        for (int i = 0; i < 2 * fps; ++i)
            frame();
        return flight;
    };
    const Flight reference = fly(60);
    const Flight slow = fly(20);
    EXPECT_GT(reference.path, 150) << "the ship flew";
    EXPECT_LT(reference.start.Distance(slow.start), 1.0f) << "from the same place";
    EXPECT_LT(reference.end.Distance(slow.end), 0.05f * reference.path)
        << "apart: " << reference.end.Distance(slow.end) << "; "
        << "at 60: " << reference.path << " units to " << reference.end.x << ", " << reference.end.y << ", "
        << reference.end.z << "; at 20: " << slow.path << " units to " << slow.end.x << ", " << slow.end.y << ", "
        << slow.end.z;
    EXPECT_EQ(log.Errors(), 0) << log.All();
}

} // namespace
