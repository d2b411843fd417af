#pragma once
// Console output as usual, and at the end the ratio of the median times of two benchmarks of
// the same run: ours over a plain reference doing the same work, and its goal when there is one
// (above 0).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>

class RatioReporter : public benchmark::ConsoleReporter
{
public:
    RatioReporter(std::string ours, std::string reference, std::string what, double goal)
        : _ours(std::move(ours)), _reference(std::move(reference)), _what(std::move(what)), _goal(goal)
    {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
        {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (!run.error_occurred && (median || single))
                _times[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // The median real time of a benchmark of the run, or 0 when it did not run.
    double TimeOf(const std::string& name) const
    {
        const auto found = _times.find(name);
        return found == _times.end() ? 0.0 : found->second;
    }

    void PrintRatio() const
    {
        const auto ours = _times.find(_ours), reference = _times.find(_reference);
        if (ours == _times.end() || reference == _times.end() || reference->second <= 0)
            return;
        std::printf("\n%s: %.0f / %.0f = %.2f", _what.c_str(), ours->second, reference->second,
                    ours->second / reference->second);
        if (_goal > 0)
            std::printf(" (goal: at most %g)", _goal);
        std::printf("\n");
    }

private:
    std::string _ours, _reference, _what;
    double _goal;
    std::map<std::string, double> _times;
};
