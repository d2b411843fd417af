// Loading a large data file through ExecBuffer (translation + load + run) against loading and
// running the already translated text directly. The ratio is the cost of the translation.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include <lua.hpp>

#include "foundation/lua/DataParser.h"
#include "foundation/lua/VirtualMachine.h"

namespace {
// About 1 MB of game-data-like records.
const std::string& DataFile()
{
    static const std::string text = [] {
        std::string s = "-- generated game data\nGameData = {}\n";
        char line[512];
        for (int i = 0; s.size() < (1u << 20); ++i)
        {
            std::snprintf(
                line, sizeof line,
                "GameData[%d] = {\n"
                "  name = \"ship_%d\", class = \"Fighter\", mass = %d.%d, speed = %de2,\n"
                "  hull = { armour = %d, shield = NULL, parts = { \"engine\", \"gun\", [[cockpit\n"
                "  glass]] } },\n"
                "  weapons = { { slot = 1, type = \"laser\", offset = {%d, 0.5, -2} }, { slot = 2, type = NULL } },\n"
                "  enabled = %d != 3, -- a comment\n"
                "  OnHit = event(this, damage) if damage != NULL then return damage * 2 end return 0 end,\n"
                "}\n",
                i, i, i % 97, i % 10, i % 13, i * 7 % 1000, i % 5, i % 4);
            s += line;
        }
        return s;
    }();
    return text;
}

void ExecBuffer(benchmark::State& state)
{
    const std::string& text = DataFile();
    for (auto _ : state)
    {
        VirtualMachine vm;
        if (vm.ExecBuffer(text.data(), text.size()) != 0)
            state.SkipWithError("data file failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void LoadTranslated(benchmark::State& state)
{
    const std::string& text = DataFile();
    std::string translated;
    std::string error;
    if (!DataParser::Translate(text.data(), text.size(), "", translated, error))
    {
        state.SkipWithError(error.c_str());
        return;
    }
    for (auto _ : state)
    {
        VirtualMachine vm;
        lua_State* L = vm.GetState();
        if (luaL_loadbuffer(L, translated.data(), translated.size(), "") != 0 || lua_pcall(L, 0, 0, 0) != 0)
            state.SkipWithError("translated text failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void TranslateOnly(benchmark::State& state)
{
    const std::string& text = DataFile();
    std::string translated;
    std::string error;
    for (auto _ : state)
        DataParser::Translate(text.data(), text.size(), "", translated, error);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

// CPU time of this thread, so that other processes do not count.
double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Runs ExecBuffer and the direct load in pairs, alternating which goes first, and returns the
// median of the per-pair ratios: steadier than comparing two separate medians on a busy machine.
double PairedRatio(int pairs)
{
    const std::string& text = DataFile();
    std::string translated;
    std::string error;
    DataParser::Translate(text.data(), text.size(), "", translated, error);
    auto execBuffer = [&] {
        VirtualMachine vm;
        vm.ExecBuffer(text.data(), text.size());
    };
    auto direct = [&] {
        VirtualMachine vm;
        lua_State* L = vm.GetState();
        if (luaL_loadbuffer(L, translated.data(), translated.size(), "") == 0)
            lua_pcall(L, 0, 0, 0);
    };
    auto timed = [](auto&& run) {
        const double start = ThreadSeconds();
        run();
        return ThreadSeconds() - start;
    };
    std::vector<double> ratios;
    for (int i = 0; i < pairs; ++i)
    {
        double ours, reference;
        if (i % 2 == 0)
        {
            ours = timed(execBuffer);
            reference = timed(direct);
        }
        else
        {
            reference = timed(direct);
            ours = timed(execBuffer);
        }
        ratios.push_back(ours / reference);
    }
    std::sort(ratios.begin(), ratios.end());
    return ratios[ratios.size() / 2];
}

} // namespace

double Min(const std::vector<double>& v)
{
    double best = v.empty() ? 0 : v[0];
    for (double x : v)
        best = x < best ? x : best;
    return best;
}

BENCHMARK(ExecBuffer)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Min);
BENCHMARK(LoadTranslated)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Min);
BENCHMARK(TranslateOnly)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Min);

// Runs each benchmark in 9 repetitions, interleaved at random so that a load on the machine
// hits both alike (unless the command line says otherwise), and prints the ratio of the
// medians: ExecBuffer time / direct time.
int main(int argc, char** argv)
{
    std::vector<char*> args(argv, argv + argc);
    bool repetitionsGiven = false;
    for (char* arg : args)
        repetitionsGiven |= std::string_view(arg).starts_with("--benchmark_repetitions");
    char repetitions[] = "--benchmark_repetitions=9";
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    if (!repetitionsGiven)
    {
        args.push_back(repetitions);
        args.push_back(interleave);
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    struct Collector : benchmark::ConsoleReporter
    {
        void ReportRuns(const std::vector<Run>& runs) override
        {
            for (const Run& run : runs)
            {
                // The median of the repetitions, or the single run without repetitions.
                bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
                bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
                if (!median && !single)
                    continue;
                if (run.run_name.function_name == "ExecBuffer")
                    ours = run.GetAdjustedRealTime();
                else if (run.run_name.function_name == "LoadTranslated")
                    reference = run.GetAdjustedRealTime();
            }
            ConsoleReporter::ReportRuns(runs);
        }
        double ours = 0;
        double reference = 0;
    } reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("data file: %zu bytes\nmedian ExecBuffer %.2f ms, median loadbuffer+pcall of translated text %.2f ms\n"
                "ratio: %.3f\n",
                DataFile().size(), reporter.ours, reporter.reference,
                reporter.reference > 0 ? reporter.ours / reporter.reference : 0.0);
    std::printf("paired ratio: %.3f (median of 41 back-to-back pairs, thread CPU time; goal at most 1.3)\n",
                PairedRatio(41));
    benchmark::Shutdown();
    return 0;
}
