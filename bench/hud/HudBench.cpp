// A frame of the demo mission at 1024 x 768 (the mission's update, the scene, the screen layers
// and the presentation) with the flight HUD proceeded and drawn, against the same frame with the
// screen layers switched off and the HUD left alone, as the player's switch does it. Printed at
// the end: the ratio of the two in benchmark runs and in rounds that take both kinds of frame
// back to back (the machine's load hits them alike), and the HUD's own update as the profiler's
// scope "Hud" measures it (the widgets' work and the quads and texts they queue; their movies are
// drawn with the screen layers, which the frame times include).
#include "common/RatioReporter.h"
#include "foundation/base/Profiler.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/hud/GuiShipHud.h"
#include "game/hud/GuiShipHudStats.h"
#include "game/hud/GuiShipHudTextMessage.h"
#include "gui/FrameCatalog.h"
#include "layers/LayerManager.h"
#include "MaterialSystem/MaterialSystem.h"
#include "platform/gfx/Device.h"
#include "platform/window/Window.h"
#include "scene/nodes/Camera.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The game on a hidden window in a scratch folder of links to the game data, with the demo
// mission loaded.
struct Mission
{
    fs::path previous, folder;
    std::unique_ptr<Window> window;
    GuiShipHud hud;
    std::vector<double> hudTimes;

    bool Open()
    {
        previous = fs::current_path();
        folder = fs::temp_directory_path() / ("bm_hud_bench_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (const fs::directory_entry& entry : fs::directory_iterator(GAME_DATA_DIR))
            fs::create_symlink(entry.path(), folder / entry.path().filename());
        fs::current_path(folder);
        Window::Style style;
        style.hidden = true;
        std::string error;
        window = Window::Create("hud bench", 1024, 768, style, &error);
        if (!window)
        {
            std::fprintf(stderr, "no display: %s\n", error.c_str());
            return false;
        }
        InstallGameFrames();
        game.Start(window->GetHandle(), true);
        SingleLevel* level = game.GetLevel();
        level->LoadLevel("demo.lua", "demo_desc.lua", "demo_logic.lua");
        for (int frame = 0; frame < 200 && !level->IsLoaded(); ++frame)
            game.Proceed();
        game.GetCamera()->SetPosition(Vec3(0.0f, 0.0f, -600.0f));
        LoadHud();
        return level->IsLoaded();
    }

    // The HUD as a mission shows it: a message on the strip and a row of the statistics.
    void LoadHud()
    {
        if (hud.IsLoaded())
            return;
        hud.Load();
        hud.GetTextMsg()->Show("Clear the rock field of Ytg fighters", 1.0e6f, true, 4);
        hud.GetStatsHud()->SetEntry("5", "Fighter", "YTG", "gui//icons//ytg_fighter_02.mat", 1, 3);
    }

    ~Mission()
    {
        hud.Unload();
        if (window)
            game.ShutDown();
        window.reset();
        fs::current_path(previous);
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// One frame with the HUD or without it (the layers off), drawn to the end: a pixel read back
// waits for the renderer.
void Frame(Mission& m, bool withHud)
{
    LayerManager::_enabled = withHud;
    if (withHud)
        m.hud.Proceed();
    game.Proceed();
    uint32_t pixel = 0;
    MaterialSystem* render = game.GetRender();
    render->GetDevice()->ReadPixels(render->GetBackBuffer(), gfx::Rect{0, 0, 1, 1}, &pixel);
}

Mission& M()
{
    static Mission mission;
    return mission;
}

bool Ready()
{
    static const bool ready = M().Open();
    return ready;
}

void MissionFrame(benchmark::State& state)
{
    if (!Ready())
    {
        state.SkipWithError("no display");
        return;
    }
    for (auto _ : state)
        Frame(M(), false);
}

void MissionFrameWithHud(benchmark::State& state)
{
    if (!Ready())
    {
        state.SkipWithError("no display");
        return;
    }
    Mission& m = M();
    static const Name Scope("Hud");
    for (auto _ : state)
    {
        Frame(m, true);
        if (const auto* profile = dynamic_cast<const ProfileExecutionTime*>(Profiler::FindProfile(Scope, nullptr)))
            m.hudTimes.push_back(profile->GetActualTime());
    }
}

} // namespace

BENCHMARK(MissionFrameWithHud)
    ->Name("DemoMission/frame_with_hud")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinWarmUpTime(0.5)
    ->Repetitions(3);
BENCHMARK(MissionFrame)
    ->Name("DemoMission/frame_layers_off")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinWarmUpTime(0.5)
    ->Repetitions(3);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter("DemoMission/frame_with_hud", "DemoMission/frame_layers_off",
                           "frame with the HUD / with the layers off", 1.5);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio();
    if (Ready())
    {
        Mission& m = M();
        std::vector<double> ratios, with, without;
        for (int round = 0; round < 40; ++round)
        {
            double t[2];
            for (int k = 0; k < 2; ++k)
            {
                const bool withHud = (round + k) % 2 == 0;
                const auto start = std::chrono::steady_clock::now();
                Frame(m, withHud);
                t[withHud] =
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            }
            with.push_back(t[1]);
            without.push_back(t[0]);
            ratios.push_back(t[1] / t[0]);
        }
        std::printf("paired rounds (median of 40): with the HUD %.2f ms, without %.2f ms, ratio %.2f\n", Median(with),
                    Median(without), Median(ratios));
        LayerManager::_enabled = true;
    }
    if (!M().hudTimes.empty())
        std::printf("the HUD's update (profiler scope \"Hud\"): median %.3f ms a frame over %zu frames\n",
                    Median(M().hudTimes), M().hudTimes.size());
    benchmark::Shutdown();
    return 0;
}
