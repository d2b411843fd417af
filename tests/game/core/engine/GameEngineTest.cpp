// The global game started on a hidden window over the game data: which frame comes first, what a
// run leaves in "outconfig.cfg", that every service is created and freed exactly once, and what
// a frame left undrawn keeps.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "CoreTestSupport.h"
#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/Material.h"
#include "foundation/base/Profiler.h"
#include "foundation/base/Timer.h"
#include "foundation/config/GameSettings.h"
#include "game/core/frames/GameFrame.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/Base.h"
#include "gui/FrameCatalog.h"
#include "layers/LayerManager.h"
#include "scene/nodes/Camera.h"
#include "platform/window/Window.h"

namespace {
constexpr const char* Services[] = {
    "timer",         "virtual machine", "configuration",   "resource system", "network engine",  "input system",
    "texts",         "render device",   "render scene",    "sound engine",    "emitter manager", "layer manager",
    "frame manager", "game data",       "profile manager", "frames",
};

class GameEngineTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Window::Style style;
        style.hidden = true;
        std::string error;
        _window = Window::Create("engine test", 1024, 768, style, &error);
        if (!_window)
            GTEST_SKIP() << "no display: " << error;
    }
    void TearDown() override
    {
        game.ShutDown();
        _window.reset();
    }

    GameDataFolder _data;
    std::unique_ptr<Window> _window;
};

// The fade cover among what the layers draw.
class FadeRecorder : public ILayerDrawTarget
{
public:
    void RenderQuad(Material* material, const Vec2&, const Vec2& size, const Vec2*, float, const Color& color) override
    {
        if (std::string(material->GetInfo().name) != "fade.mat")
            return;
        ++quads;
        this->size = size;
        alpha = color.a;
    }
    void RenderLine(const Vec2&, const Vec2&, const Color&, const Color&) override {}

    int quads = 0;
    Vec2 size;
    float alpha = -1.0f;
};
} // namespace

TEST_F(GameEngineTest, MissionStartBeginsBlankWritesTheRunsSettingsAndFreesEveryServiceOnce)
{
    LogWatch log;
    InstallGameFrames();
    game.Start(_window->GetHandle(), true);
    GameFrameManager* frames = game.GetGameFrameManager();
    ASSERT_NE(frames, nullptr);
    ASSERT_NE(frames->GetCurrent(), nullptr);
    EXPECT_STREQ(frames->GetCurrent()->GetName(), "empty");
    EXPECT_TRUE(game.IsStartedWithMission());
    EXPECT_TRUE(game.IsSingle());
    EXPECT_FALSE(game.IsNetworkGame());
    ASSERT_NE(game.GetCamera(), nullptr);
    EXPECT_FLOAT_EQ(game.GetCamera()->GetFarClip(), 75000.0f);
    EXPECT_FLOAT_EQ(game.GetCamera()->GetNearClip(), 1.0f);
    EXPECT_FLOAT_EQ(game.GetCamera()->GetFov(), game.GetGameSettings()->PlayerFov);
    ASSERT_NE(game.GetBase(), nullptr);
    EXPECT_GT(game.GetBase()->GetShipCount(), 0);
    EXPECT_NE(game.GetProfileManager(), nullptr);
    for (const char* name : {"videoIntro", "logo", "main_menu", "level", "angar", "configurations", "multiplayer_team"})
        EXPECT_NE(frames->FindFrameByName(name), nullptr) << name;

    game.GetGameSettings()->PlayerFov = 75.0f;
    for (int i = 0; i < 5; ++i)
        game.Proceed();
    for (const char* scope : {"GameLogic", "UpdateScene", "Present"})
        EXPECT_NE(Profiler::FindProfile(Name(scope), nullptr), nullptr) << scope;

    game.ShutDown();
    game.ShutDown();
    EXPECT_NE(_data.Read("outconfig.cfg").find("Game.PlayerFov = 75"), std::string::npos);
    for (const char* service : Services)
    {
        EXPECT_EQ(log.Count(std::string("Engine: ") + service + " created"), 1) << service;
        EXPECT_EQ(log.Count(std::string("Engine: ") + service + " freed"), 1) << service;
    }
    EXPECT_EQ(game.GetGameFrameManager(), nullptr);
    EXPECT_EQ(game.GetRender(), nullptr);
    EXPECT_EQ(game.GetRenderScene(), nullptr);
    EXPECT_EQ(game.GetCamera(), nullptr);
    EXPECT_EQ(game.GetTimer(), nullptr);
    EXPECT_EQ(game.GetBase(), nullptr);
    EXPECT_EQ(game.GetProfileManager(), nullptr);
    EXPECT_EQ(game.GetSPF(), 0.0f);
    for (const char* scope : {"GameLogic", "UpdateScene", "Present"})
        EXPECT_EQ(Profiler::FindProfile(Name(scope), nullptr), nullptr) << scope << ": the measurements go too";
    EXPECT_EQ(log.Errors(), 0) << log.All();
}

TEST_F(GameEngineTest, OrdinaryStartFadesTheIntroInUnderTheFadeMaterial)
{
    InstallGameFrames();
    game.Start(_window->GetHandle(), false);
    GameFrameManager* frames = game.GetGameFrameManager();
    ASSERT_NE(frames->GetCurrent(), nullptr);
    EXPECT_STREQ(frames->GetCurrent()->GetName(), "videoIntro");
    EXPECT_EQ(frames->GetStatus(), GameFrameManager::FADE_IN);

    FadeRecorder drawn;
    LayerManager::SetDrawTarget(&drawn);
    game.Proceed();
    LayerManager::SetDrawTarget(nullptr);
    ASSERT_EQ(drawn.quads, 1);
    EXPECT_NEAR(drawn.alpha, 2.0f * frames->GetFadeTime(), 1e-5f);
    EXPECT_FLOAT_EQ(drawn.size.x, float(LayerManager::GetWidth()));
    EXPECT_FLOAT_EQ(drawn.size.y, float(LayerManager::GetHeight()));
}

// While the game is paused its time stands still, but the frame manager's fade and the console
// run on the clock: a frame switch completes and the console slides open.
TEST_F(GameEngineTest, WhileTheGameIsPausedFadesAndTheConsoleKeepMoving)
{
    InstallGameFrames();
    game.Start(_window->GetHandle(), true);
    int64_t ticks = 0;
    Timer clock(
        0.0f, [&ticks] { return ticks; }, 1000);
    clock.Start(30.0f);
    game.SetTimer(&clock);
    const auto frame = [&] {
        ticks += 33;
        clock.Tick();
        game.Proceed();
    };
    GameFrameManager* frames = game.GetGameFrameManager();
    // Unpaused on the clock of the engine again, whatever happens below.
    struct Unpause
    {
        ~Unpause()
        {
            GamePaused = 0;
            game.SetTimer(nullptr);
        }
    } unpause;
    GamePaused = 1;
    frame();
    EXPECT_EQ(game.GetSPF(), 0.0f);
    EXPECT_NEAR(game.GetRealSPF(), 0.033f, 1e-4f);

    frames->SetActive("logo");
    LayerManager::ToggleConsole();
    const float closed = LayerManager::_consolePos.y;
    for (int i = 0; i < 40 && frames->GetStatus() != GameFrameManager::FADE_NONE; ++i)
        frame();
    EXPECT_STREQ(frames->GetCurrent()->GetName(), "logo");
    EXPECT_EQ(frames->GetStatus(), GameFrameManager::FADE_NONE) << "faded out and in again";
    EXPECT_LT(closed, 0.0f);
    EXPECT_EQ(LayerManager::_consolePos.y, 0.0f) << "the console slid down";
    LayerManager::ToggleConsole();
}

// An undrawn frame runs the game as a drawn one does (a frame switch completes on its clock) but
// keeps nothing for the screen: a long run of them piles up no screen quads for the next drawn
// frame, and a screenshot waits for a frame that is drawn.
TEST_F(GameEngineTest, UndrawnFramesRunTheGameAndKeepNothingForTheScreen)
{
    LogWatch log;
    InstallGameFrames();
    game.Start(_window->GetHandle(), true);
    int64_t ticks = 0;
    Timer clock(
        0.0f, [&ticks] { return ticks; }, 1000);
    clock.Start(30.0f);
    game.SetTimer(&clock);
    struct Restore
    {
        ~Restore() { game.SetTimer(nullptr); }
    } restore;
    // The logo page queues its quads and a line of text every frame.
    GameFrameManager* frames = game.GetGameFrameManager();
    frames->SetActive("logo");
    const std::filesystem::path shot = _data.GetPath() / "screenshots" / "screen0000.bmp";
    game.GetRender()->TakeScreenShot();
    for (int i = 0; i < 600; ++i)
    {
        ticks += 33;
        clock.Tick();
        game.ProceedUndrawn();
    }
    EXPECT_STREQ(frames->GetCurrent()->GetName(), "logo");
    EXPECT_EQ(frames->GetStatus(), GameFrameManager::FADE_NONE);
    EXPECT_FALSE(std::filesystem::exists(shot));
    game.Proceed();
    EXPECT_TRUE(std::filesystem::exists(shot));
    EXPECT_EQ(log.Count("screen quads in one frame"), 0);
    EXPECT_EQ(log.Errors(), 0) << log.All();
}

// A game destroyed while running (an exit that skips ShutDown) shuts its current frame down and
// frees every service once, frames before the frame manager that calls them.
TEST_F(GameEngineTest, AGameDestroyedWhileRunningShutsDownInOrder)
{
    LogWatch log;
    {
        Game running;
        running.Start(_window->GetHandle(), false);
        running.Proceed();
    }
    for (const char* service : Services)
        EXPECT_EQ(log.Count(std::string("Engine: ") + service + " freed"), 1) << service;
    EXPECT_EQ(log.Errors(), 0) << log.All();
}
