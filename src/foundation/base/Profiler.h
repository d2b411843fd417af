#pragma once

#include "foundation/base/Name.h"
#include "foundation/base/Profile.h"

class Dumper;
class Timer;

// Times named scopes into a tree of profiles kept in tree order; a scope name used under two
// parents gives two profiles. Everything does nothing while no timer is set.
class Profiler
{
public:
    static void SetTimer(Timer* timer);
    static Timer* GetTimer();

    static void BeginProfile(Name name);
    // Closes the open scope when `name` is its name; anything else is ignored.
    static void EndProfile(Name name);
    static void InrementCalls(Name name, int count);
    static void SetObjectCount(Name name, int count);

    static IProfile* FindProfile(Name name, IProfile* parent);
    static void ResetPerFrameData();
    static void DisableAllProfiles();
    static void ClearProfileTree();

    // Walk in tree order: Begin; while End() read Current and call Next.
    static void Begin();
    static bool End();
    static void Next();
    static IProfile* Current();
    static unsigned GetProfileCount();

    static void DumpStats(Dumper* dumper);

private:
    static Name GenProfileName(Name name, IProfile* parent);
    static void Register(Name key, IProfile* profile);
    template <class T>
    static T* FindOrCreate(Name name);
};

// Opens a profiler scope for the lifetime of a block.
class AutoScopeProfile
{
public:
    explicit AutoScopeProfile(Name name) : _name(name) { Profiler::BeginProfile(_name); }
    ~AutoScopeProfile() { Profiler::EndProfile(_name); }
    AutoScopeProfile(const AutoScopeProfile&) = delete;
    AutoScopeProfile& operator=(const AutoScopeProfile&) = delete;

private:
    Name _name;
};
