#include "foundation/base/Profile.h"

#include <algorithm>
#include <cstdio>

#include "foundation/base/Dumper.h"

namespace {

void AppendFormatted(std::string& line, const char* fmt, double value)
{
    char text[64];
    snprintf(text, sizeof(text), fmt, value);
    line += text;
}

} // namespace

void IProfile::PrintStats(std::string& line) const
{
    line.append(2 * _tabIndex, ' ');
    line += _name.Str();
    line += ": ";
}

void IProfile::DumpStats(Dumper* dumper) const
{
    if (!dumper)
        return;
    std::string line;
    PrintStats(line);
    dumper->Print(DUMP_SYSTEM, "%s\n", line.c_str());
}

void ProfileExecutionTime::End(int64_t ticks, int64_t ticksPerSecond)
{
    _actual = static_cast<float>(static_cast<double>(ticks - _start) / static_cast<double>(ticksPerSecond) * 1000.0);
    _max = std::max(_max, _actual);
    _min = std::min(_min, _actual);
    _total += _actual;
    _halfSpread = (_max - _min) * 0.5f;
}

float ProfileExecutionTime::GetCriticalDegree() const { return std::min(_actual / 30.0f, 1.0f); }

void ProfileExecutionTime::PrintStats(std::string& line) const
{
    IProfile::PrintStats(line);
    AppendFormatted(line, "%.2f ms", _actual);
}

void ProfileMethodCalls::Add(int count)
{
    _totalCalls += count;
    _frameCalls += count;
}

float ProfileMethodCalls::GetCriticalDegree() const
{
    return std::min(static_cast<float>(_frameCalls) / 2000.0f, 1.0f);
}

void ProfileMethodCalls::PrintStats(std::string& line) const
{
    IProfile::PrintStats(line);
    line += std::to_string(static_cast<long long>(_frameCalls)) + " p/f";
}

void ProfileObjectCount::PrintStats(std::string& line) const
{
    IProfile::PrintStats(line);
    line += std::to_string(static_cast<int>(_count));
}
