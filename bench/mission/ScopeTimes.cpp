#include "ScopeTimes.h"

#include "foundation/base/Profiler.h"

#include <algorithm>

std::string ScopeTimes::PathOf(const IProfile* profile) const
{
    std::string path = profile->GetName().Str() ? profile->GetName().Str() : "?";
    for (const IProfile* parent = profile->GetParent(); parent; parent = parent->GetParent())
        path = std::string(parent->GetName().Str() ? parent->GetName().Str() : "?") + "/" + path;
    return path;
}

void ScopeTimes::Start()
{
    _totals.clear();
    for (Profiler::Begin(); Profiler::End(); Profiler::Next())
        if (const auto* profile = dynamic_cast<const ProfileExecutionTime*>(Profiler::Current()))
            _totals[profile] = profile->GetTotalTime();
}

void ScopeTimes::Sample()
{
    _paths.clear();
    for (Profiler::Begin(); Profiler::End(); Profiler::Next())
    {
        const auto* profile = dynamic_cast<const ProfileExecutionTime*>(Profiler::Current());
        if (!profile)
            continue;
        const std::string path = PathOf(profile);
        _paths.push_back(path);
        float& total = _totals[profile];
        std::vector<double>& times = _times[path];
        times.resize(_frames, 0.0);
        times.push_back(double(profile->GetTotalTime() - total));
        total = profile->GetTotalTime();
    }
    ++_frames;
}

std::vector<double> ScopeTimes::Times(const std::string& path) const
{
    const auto found = _times.find(path);
    std::vector<double> times = found == _times.end() ? std::vector<double>() : found->second;
    times.resize(_frames, 0.0);
    return times;
}
