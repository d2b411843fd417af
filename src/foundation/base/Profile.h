#pragma once

#include <cstdint>
#include <string>

#include "foundation/base/Name.h"

class Dumper;

// One record of the profiler's tree: a named scope under its parent.
class IProfile
{
public:
    IProfile(Name name, unsigned tabIndex, IProfile* parent) : _name(name), _tabIndex(tabIndex), _parent(parent) {}
    virtual ~IProfile() = default;

    // 0..1, how close the record is to a critical value; the statistics display colours by it.
    virtual float GetCriticalDegree() const { return 0.0f; }
    // Appends two spaces per tab index, the name and ": ", then the record's value.
    virtual void PrintStats(std::string& line) const;
    // Logs the line with kind 6.
    void DumpStats(Dumper* dumper) const;

    Name GetName() const { return _name; }
    unsigned GetTabIndex() const { return _tabIndex; }
    bool IsEnabled() const { return _enabled; }
    void SetEnabled(bool enabled) { _enabled = enabled; }
    IProfile* GetParent() const { return _parent; }

private:
    Name _name;
    bool _enabled = true;
    unsigned _tabIndex;
    IProfile* _parent;
};

// Execution time of a scope, in milliseconds.
class ProfileExecutionTime : public IProfile
{
public:
    using IProfile::IProfile;

    float GetCriticalDegree() const override;
    void PrintStats(std::string& line) const override;

    void Begin(int64_t ticks) { _start = ticks; }
    void End(int64_t ticks, int64_t ticksPerSecond);

    float GetActualTime() const { return _actual; }
    // Half the spread between maximum and minimum.
    float GetAverageTime() const { return _halfSpread; }
    float GetMaxTime() const { return _max; }
    float GetMinTime() const { return _min; }
    float GetTotalTime() const { return _total; }

private:
    float _actual = 0.0f;
    float _halfSpread = 0.0f;
    float _max = 0.0f;
    float _min = 1e30f;
    float _total = 0.0f;
    int64_t _start = 0;
};

// Calls of a method, in total and this frame.
class ProfileMethodCalls : public IProfile
{
public:
    using IProfile::IProfile;

    float GetCriticalDegree() const override;
    void PrintStats(std::string& line) const override;

    void Add(int count);
    void ResetFrame() { _frameCalls = 0; }
    uint64_t GetTotalCalls() const { return _totalCalls; }
    uint64_t GetFrameCalls() const { return _frameCalls; }

private:
    uint64_t _totalCalls = 0;
    uint64_t _frameCalls = 0;
};

// A count of objects.
class ProfileObjectCount : public IProfile
{
public:
    using IProfile::IProfile;

    void PrintStats(std::string& line) const override;

    void SetCount(unsigned count) { _count = count; }
    unsigned GetCount() const { return _count; }

private:
    unsigned _count = 0;
};
