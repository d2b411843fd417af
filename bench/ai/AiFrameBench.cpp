// The mission update without rendering (physics, telegrams, the AI, every actor, the player and
// the logic) of the demo mission's setting with 100 AI fighters beside the same with 10: Ytg
// fighters attacking the player, Blg fighters escorting it and fighters of the default fraction
// patrolling areas. The two missions run in turns, each timed in thread CPU time over the same
// number of frames; printed are the milliseconds per frame of each and their ratio.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "../common/PairedTiming.h"
#include "WorldTestSupport.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"

namespace {

constexpr float FrameSeconds = 1.0f / 60;
constexpr int WarmUpFrames = 30;
constexpr int TimedFrames = 300;
constexpr int Pairs = 5;

std::string Vector(const char* key, float x, float y, float z)
{
    char text[128];
    std::snprintf(text, sizeof text, "%s = { x = %.1f; y = %.1f; z = %.1f }; ", key, x, y, z);
    return text;
}

// The player at the origin and the fighters on a shell 1500 to 4000 away, spread evenly by the
// golden angle; every third attacks, escorts or patrols a box around where it starts.
std::string LevelText(int ships)
{
    std::string text = "Level.obj_player = { classname = \"player\"; };\n";
    for (int i = 0; i < ships; ++i)
    {
        const float t = (float(i) + 0.5f) / float(ships);
        const float polar = std::acos(1 - 2 * t);
        const float azimuth = 2.39996323f * float(i);
        const float distance = 1500 + 2500 * t;
        const float x = distance * std::sin(polar) * std::cos(azimuth);
        const float y = distance * std::cos(polar);
        const float z = distance * std::sin(polar) * std::sin(azimuth);
        char name[32];
        std::snprintf(name, sizeof name, "fighter_%03d", i);
        std::string entry =
            std::string("classname = \"ship\"; name = \"") + name + "\"; " + Vector("position", x, y, z);
        switch (i % 3)
        {
        case 0:
            entry += "prototype = \"ytg_fighter_02\"; fraction = \"ytg\"; "
                     "task = { type = \"attack_the_target\"; target = \"PlayerShip\" };";
            break;
        case 1:
            entry += "prototype = \"blg_fighter_00\"; fraction = \"blg\"; "
                     "task = { type = \"escort_the_target\"; target = \"PlayerShip\"; radius = 400 };";
            break;
        default:
        {
            char area[256];
            std::snprintf(area, sizeof area,
                          "task = { type = \"patrol_the_area\"; xmin = %.0f; zmin = %.0f; ymin = %.0f; "
                          "xmax = %.0f; zmax = %.0f; ymax = %.0f };",
                          x - 500, z - 500, y - 500, x + 500, z + 500, y + 500);
            entry += std::string("prototype = \"ytg_fighter_02\"; fraction = \"default\"; ") + area;
        }
        }
        text += std::string("Level.obj_") + name + " = { " + entry + " };\n";
    }
    return text;
}

// Loads the mission, runs it a little, then times its frames; CPU seconds per frame.
double SecondsPerFrame(SingleLevel& level, FrameClock& clock, const std::string& file)
{
    level.LoadLevel(file.c_str(), "demo_desc.lua", "bench_logic.lua");
    level.Initialize();
    auto frame = [&] {
        clock.Tick(FrameSeconds);
        level.Proceed(FrameSeconds);
    };
    while (!level.IsLoaded())
        frame();
    for (int i = 0; i < WarmUpFrames; ++i)
        frame();
    const double begin = ThreadSeconds();
    for (int i = 0; i < TimedFrames; ++i)
        frame();
    const double seconds = (ThreadSeconds() - begin) / TimedFrames;
    level.ShutDown();
    return seconds;
}

void MissionUpdateSideBySide(benchmark::State& state)
{
    StartedGame started;
    if (!started.Started())
    {
        state.SkipWithError(("no display: " + started.Error()).c_str());
        return;
    }
    started.Data().WriteLevel("bench_10.lua", LevelText(10));
    started.Data().WriteLevel("bench_100.lua", LevelText(100));
    started.Data().WriteLevel("bench_logic.lua", "-- no triggers\n");
    FrameClock clock;
    SingleLevel level(nullptr, "level");
    SingleLevel* gameLevel = game.GetLevel();
    game.SetLevel(&level);

    std::vector<double> few, many, ratios;
    bool fewFirst = true;
    for (auto _ : state)
    {
        double f = 0, m = 0;
        if (fewFirst)
            f = SecondsPerFrame(level, clock, "bench_10.lua"), m = SecondsPerFrame(level, clock, "bench_100.lua");
        else
            m = SecondsPerFrame(level, clock, "bench_100.lua"), f = SecondsPerFrame(level, clock, "bench_10.lua");
        fewFirst = !fewFirst;
        few.push_back(f);
        many.push_back(m);
        ratios.push_back(m / f);
    }
    game.SetLevel(gameLevel);

    state.counters["ships10_ms"] = Median(few) * 1e3;
    state.counters["ships100_ms"] = Median(many) * 1e3;
    state.counters["ratio"] = Median(ratios);
    std::printf("Mission update per frame, AI and world without rendering: 100 ships %.3f ms (goal at most 2), "
                "10 ships %.3f ms; ratio 100/10 %.2f (goal at most 12; median of %zu paired runs of %d frames)\n",
                Median(many) * 1e3, Median(few) * 1e3, Median(ratios), ratios.size(), TimedFrames);
}

} // namespace

BENCHMARK(MissionUpdateSideBySide)->Iterations(Pairs)->Unit(benchmark::kMillisecond);
