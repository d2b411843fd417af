// The mission frame a player feels: lvl12 loaded with its description and logic as the game
// program loads a mission from its command line, flown by scripted controls at fixed steps of
// 1/60 s, each frame timed until the renderer has drawn it. For each screen size it prints the
// median frame beside the same meshes drawn straight through one render queue in the same run
// (the frames of the two alternate, so that a load on the machine hits them alike), then the
// frame broken down by the profiler's scopes over more frames of the same flight. Each size runs
// in a process of its own, as the game starts once per process. The last two lines give the
// medians against their goals.
//
// A software renderer draws behind the game's back and catches up wherever the game waits for
// it, so for the breakdown the renderer is made to finish at every scope's start and end: each
// scope then counts the drawing it asked for. Those frames take longer than the timed ones.
//
//   bench_mission [--frames N] [--size WxH] [--scopes] [--work] [--config LINE]... [--picture N FILE]
//
// --size runs one size in this process; --scopes also prints the median of every scope; --work
// gives the breakdown in the processor time of all threads (the renderer's among them);
// --config adds a line to the game's configuration; --picture flies a repeatable flight and
// writes the picture of its N-th frame (at --size, or 1024x768) instead of timing anything.
#include "MissionRun.h"
#include "QueueReference.h"
#include "ScopeTimes.h"
#include "common/PairedTiming.h"
#include "foundation/base/Profiler.h"
#include "foundation/base/Timer.h"
#include "game/core/game/Game.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Size
{
    int width, height;
    double goal; // milliseconds
};

const Size Sizes[] = {{1024, 768, 16.7}, {1280, 960, 25.0}};

struct Options
{
    int frames = 360;
    int warmUp = 60;
    bool scopes = false;
    bool work = false;         // the breakdown in processor time of all threads
    int width = 0, height = 0; // one size only
    std::string config;        // lines added to the configuration
    int pictureFrame = -1;
    std::string picture;
};

// What a run of one size hands back to the parent.
struct Result
{
    int ok = 0;
    double frame = 0.0, reference = 0.0;
};

int64_t SteadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int64_t ProcessNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

double Milliseconds(int64_t since) { return double(SteadyNanoseconds() - since) * 1e-6; }

// The processor time of all the process's threads (the renderer's among them): the work a frame
// costs, which a busy machine stretches less than the wall clock.
double ProcessMilliseconds() { return double(ProcessNanoseconds()) * 1e-6; }

// A share of the frame: the scopes whose times add up to it, less those inside them that belong
// to another share.
struct Share
{
    const char* name;
    std::vector<const char*> scopes;
    std::vector<const char*> without;
};

const std::vector<Share>& Shares()
{
    static const std::vector<Share> shares = {
        {"mission update",
         {"GameLogic/PhysSimulation", "GameLogic/PhysFlushStream", "GameLogic/PhysFetchResult",
          "GameLogic/MessageDispatcher", "GameLogic/AI", "GameLogic/Actors", "GameLogic/Player",
          "GameLogic/LevelLogic"},
         {"GameLogic/Player/Hud"}},
        {"  world", {"GameLogic/MessageDispatcher", "GameLogic/Actors", "GameLogic/Player"}, {"GameLogic/Player/Hud"}},
        {"  physics", {"GameLogic/PhysSimulation", "GameLogic/PhysFlushStream", "GameLogic/PhysFetchResult"}, {}},
        {"  AI", {"GameLogic/AI"}, {}},
        {"  logic", {"GameLogic/LevelLogic"}, {}},
        {"scene", {"UpdateScene", "Present"}, {"Present/Present"}},
        {"  update", {"UpdateScene"}, {}},
        {"  selection",
         {"Present/Scenery/Select visible prims", "Present/Scenery/Debug rendering", "Present/Scenery/Sort prims",
          "Present/Scenery/Batch prims"},
         {}},
        {"  geometry pass", {"Present/Scenery/Render lit prims/Geometry pass"}, {}},
        {"  lighting", {"Present/Scenery/Render lit prims/Lighting"}, {}},
        {"  post chain", {"Present/Post-Process"}, {}},
        {"  background", {"Present/Background"}, {}},
        {"  other drawing",
         {"Present", "Present/Scenery/Distortion", "Present/Scenery/Render unlit prims"},
         {"Present/Present", "Present/Scenery", "Present/Post-Process", "Present/Background"}},
        {"layers", {"GameLogic/Layers", "GameLogic/Player/Hud", "Present/Present/Render screen geometry"}, {}},
        {"  HUD", {"GameLogic/Player/Hud"}, {}},
        {"  movies", {"GameLogic/Layers/Movies"}, {}},
        {"  uploads", {"GameLogic/Layers/Uploads"}, {}},
        {"  drawing", {"Present/Present/Render screen geometry"}, {}},
        {"presentation", {"Present/Present/D3D Present"}, {}},
    };
    return shares;
}

std::vector<double> ShareTimes(const ScopeTimes& scopes, const Share& share)
{
    std::vector<double> sum(scopes.GetFrames(), 0.0);
    const auto add = [&](const char* path, double sign) {
        const std::vector<double> times = scopes.Times(path);
        for (size_t i = 0; i < sum.size(); ++i)
            sum[i] += sign * times[i];
    };
    for (const char* path : share.scopes)
        add(path, 1.0);
    for (const char* path : share.without)
        add(path, -1.0);
    return sum;
}

void PrintLine(const char* name, double milliseconds) { std::printf("  %-22s %7.2f ms\n", name, milliseconds); }

// Frames of the flight with the renderer finishing at every scope's edges; the profiler reads
// its time through a timer whose ticks wait for the renderer first.
void PrintBreakdown(MissionRun& run, int frames, const std::vector<double>& waits, const Options& options)
{
    Timer* own = Profiler::GetTimer();
    const auto clock = options.work ? ProcessNanoseconds : SteadyNanoseconds;
    Timer finishing(
        0.0f,
        [&run, clock] {
            run.WaitForRenderer();
            return clock();
        },
        1000000000);
    Profiler::SetTimer(&finishing);
    ScopeTimes scopes;
    std::vector<double> whole;
    for (int i = 0; i < frames && run.InMission(); ++i)
    {
        scopes.Start();
        const int64_t start = clock();
        run.Frame();
        run.WaitForRenderer();
        whole.push_back(double(clock() - start) * 1e-6);
        scopes.Sample();
    }
    Profiler::SetTimer(own);
    if (whole.empty())
        return;
    std::printf("breakdown over %zu more frames, the renderer finishing at every scope (medians%s; such a frame "
                "takes %.2f ms):\n",
                whole.size(), options.work ? " of the processor time of all threads" : "", Median(whole));
    for (const Share& share : Shares())
        PrintLine(share.name, Median(ShareTimes(scopes, share)));
    PrintLine("waiting (timed frames)", Median(waits));
    if (!options.scopes)
        return;
    std::printf("  every scope:\n");
    for (const std::string& path : scopes.GetPaths())
        std::printf("    %7.3f  %s\n", Median(scopes.Times(path)), path.c_str());
}

Result RunSize(int width, int height, const Options& options)
{
    Result result;
    MissionRun run(width, height, options.config);
    std::string error;
    if (!run.Open("lvl12.lvl", "lvl12_desc.lvl", "lvl12_logic.lvl", options.warmUp, error))
    {
        std::printf("mission at %dx%d: not measured: %s\n", width, height, error.c_str());
        return result;
    }
    QueueReference reference(game.GetRenderScene());
    std::vector<double> frames, references, ratios, waits, work, referenceWork, drawn, gameThread;
    for (int i = 0; i < options.frames && run.InMission(); ++i)
    {
        double mission = 0.0, plain = 0.0;
        for (int k = 0; k < 2; ++k)
        {
            const int64_t start = SteadyNanoseconds();
            const double cpu = ProcessMilliseconds();
            if ((i + k) % 2 == 0)
            {
                const double thread = ThreadSeconds();
                run.Frame();
                gameThread.push_back((ThreadSeconds() - thread) * 1e3);
                const int64_t drawnAt = SteadyNanoseconds();
                run.WaitForRenderer();
                waits.push_back(Milliseconds(drawnAt));
                mission = Milliseconds(start);
                work.push_back(ProcessMilliseconds() - cpu);
            }
            else
            {
                reference.Frame(game.GetCamera());
                run.WaitForRenderer();
                plain = Milliseconds(start);
                referenceWork.push_back(ProcessMilliseconds() - cpu);
                drawn.push_back(double(reference.GetDrawn()));
            }
        }
        frames.push_back(mission);
        references.push_back(plain);
        ratios.push_back(mission / plain);
    }
    if (frames.empty())
    {
        std::printf("mission at %dx%d: not measured: the mission ended\n", width, height);
        return result;
    }
    result.ok = 1;
    result.frame = Median(frames);
    result.reference = Median(references);
    std::printf("\nmission frame at %dx%d over %zu frames of flight: median %.2f ms\n", width, height, frames.size(),
                result.frame);
    std::printf("the same meshes straight through one queue (median %.0f in view): %.2f ms\n", Median(drawn),
                result.reference);
    std::printf("mission frame / queue: %.2f ms / %.2f ms = %.2f (median of the rounds' ratios %.2f)\n", result.frame,
                result.reference, result.frame / result.reference, Median(ratios));
    std::printf("processor time of all threads a frame: mission %.2f ms (the game's thread %.2f ms), queue %.2f ms\n",
                Median(work), Median(gameThread), Median(referenceWork));
    PrintBreakdown(run, std::max(1, options.frames / 3), waits, options);
    std::fflush(stdout);
    return result;
}

int SavePicture(int width, int height, const Options& options)
{
    MissionRun run(width, height, options.config);
    run.MakeRepeatable();
    std::string error;
    if (!run.Open("lvl12.lvl", "lvl12_desc.lvl", "lvl12_logic.lvl", options.warmUp, error))
    {
        std::printf("mission at %dx%d: no picture: %s\n", width, height, error.c_str());
        return 0;
    }
    for (int i = 0; i < options.pictureFrame && run.InMission(); ++i)
        run.Frame();
    if (!run.SaveNextPicture(options.picture))
    {
        std::printf("mission at %dx%d: no picture was taken\n", width, height);
        return 1;
    }
    std::printf("mission at %dx%d: frame %d written to %s\n", width, height, options.pictureFrame,
                options.picture.c_str());
    return 0;
}

// A process of its own for one size: the game starts once per process.
Result RunInChild(const Size& size, const Options& options)
{
    Result result;
    int channel[2];
    if (pipe(channel) != 0)
        return result;
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0)
    {
        close(channel[0]);
        const Result measured = RunSize(size.width, size.height, options);
        const ssize_t written = write(channel[1], &measured, sizeof(measured));
        std::fflush(stdout);
        _exit(written == ssize_t(sizeof(measured)) ? 0 : 1);
    }
    close(channel[1]);
    if (child > 0 && read(channel[0], &result, sizeof(result)) != ssize_t(sizeof(result)))
        result = Result();
    close(channel[0]);
    if (child > 0)
        waitpid(child, nullptr, 0);
    return result;
}

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        if (arg == "--frames" && i + 1 < argc)
            options.frames = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--size" && i + 1 < argc)
        {
            if (std::sscanf(argv[++i], "%dx%d", &options.width, &options.height) != 2 || options.width <= 0 ||
                options.height <= 0)
                return false;
        }
        else if (arg == "--config" && i + 1 < argc)
            options.config += std::string(argv[++i]) + "\n";
        else if (arg == "--picture" && i + 2 < argc)
        {
            options.pictureFrame = std::max(0, std::atoi(argv[++i]));
            options.picture = argv[++i];
        }
        else if (arg == "--scopes")
            options.scopes = true;
        else if (arg == "--work")
            options.work = true;
        else
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options))
    {
        std::fprintf(stderr,
                     "usage: %s [--frames N] [--size WxH] [--scopes] [--work] [--config LINE]... [--picture N FILE]\n",
                     argv[0]);
        return 1;
    }
    setenv("ALSOFT_DRIVERS", "null", 0);
    if (options.pictureFrame >= 0)
        return SavePicture(options.width > 0 ? options.width : 1024, options.width > 0 ? options.height : 768, options);
    if (options.width > 0)
    {
        const Result result = RunSize(options.width, options.height, options);
        if (result.ok)
            std::printf("mission frame at %dx%d: %.2f ms\n", options.width, options.height, result.frame);
        return 0;
    }
    Result results[2];
    for (int i = 0; i < 2; ++i)
        results[i] = RunInChild(Sizes[i], options);
    std::printf("\n");
    for (int i = 1; i >= 0; --i)
    {
        if (results[i].ok)
            std::printf("mission frame at %dx%d: %.2f ms (goal at most %g)\n", Sizes[i].width, Sizes[i].height,
                        results[i].frame, Sizes[i].goal);
        else
            std::printf("mission frame at %dx%d: not measured (goal at most %g)\n", Sizes[i].width, Sizes[i].height,
                        Sizes[i].goal);
    }
    return 0;
}
