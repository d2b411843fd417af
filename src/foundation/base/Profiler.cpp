#include "foundation/base/Profiler.h"

#include <algorithm>
#include <list>
#include <map>
#include <memory>
#include <string>

#include "foundation/base/Singletons.h"
#include "foundation/base/Timer.h"

namespace {

struct ProfilerState
{
    std::map<int, IProfile*> profiles; // by tree key
    std::list<IProfile*> profileList;  // tree order
    std::list<IProfile*>::iterator profileIt = profileList.end();
    IProfile* parent = nullptr;
    unsigned tabIndex = 0;
    Timer* timer = nullptr;
};

ProfilerState& State()
{
    static ProfilerState* const state = Singletons::Adopt(std::make_unique<ProfilerState>());
    return *state;
}

} // namespace

void Profiler::SetTimer(Timer* timer) { State().timer = timer; }

Timer* Profiler::GetTimer() { return State().timer; }

Name Profiler::GenProfileName(Name name, IProfile* parent)
{
    std::string key;
    for (IProfile* p = parent; p; p = p->GetParent())
        key += std::to_string(static_cast<int>(p->GetName())) + "_";
    key += std::to_string(static_cast<int>(name));
    return Name(key.c_str());
}

IProfile* Profiler::FindProfile(Name name, IProfile* parent)
{
    auto& profiles = State().profiles;
    auto it = profiles.find(GenProfileName(name, parent));
    return it == profiles.end() ? nullptr : it->second;
}

void Profiler::Register(Name key, IProfile* profile)
{
    ProfilerState& s = State();
    s.profiles[key] = profile;
    auto parent = std::find(s.profileList.begin(), s.profileList.end(), profile->GetParent());
    if (profile->GetParent() && parent != s.profileList.end())
        s.profileList.insert(std::next(parent), profile);
    else
        s.profileList.push_back(profile);
}

// A profile of another kind under the same key is left alone: the result is null.
template <class T>
T* Profiler::FindOrCreate(Name name)
{
    ProfilerState& s = State();
    if (IProfile* found = FindProfile(name, s.parent))
        return dynamic_cast<T*>(found);
    T* profile = new T(name, s.tabIndex, s.parent);
    Register(GenProfileName(name, s.parent), profile);
    return profile;
}

void Profiler::BeginProfile(Name name)
{
    ProfilerState& s = State();
    if (!s.timer)
        return;
    ProfileExecutionTime* profile = FindOrCreate<ProfileExecutionTime>(name);
    if (!profile)
        return;
    profile->SetEnabled(true);
    profile->Begin(s.timer->GetTicks());
    s.parent = profile;
    ++s.tabIndex;
}

void Profiler::EndProfile(Name name)
{
    ProfilerState& s = State();
    if (!s.timer || !s.parent)
        return;
    auto* open = dynamic_cast<ProfileExecutionTime*>(s.parent);
    if (!open || FindProfile(name, open->GetParent()) != open)
        return;
    open->End(s.timer->GetTicks(), s.timer->GetTicksPerSec());
    s.parent = open->GetParent();
    if (s.tabIndex > 0)
        --s.tabIndex;
}

void Profiler::InrementCalls(Name name, int count)
{
    if (!State().timer)
        return;
    if (auto* profile = FindOrCreate<ProfileMethodCalls>(name))
        profile->Add(count);
}

void Profiler::SetObjectCount(Name name, int count)
{
    if (!State().timer)
        return;
    if (auto* profile = FindOrCreate<ProfileObjectCount>(name))
        profile->SetCount(static_cast<unsigned>(count));
}

void Profiler::ResetPerFrameData()
{
    ProfilerState& s = State();
    for (IProfile* profile : s.profileList)
        if (auto* calls = dynamic_cast<ProfileMethodCalls*>(profile))
            calls->ResetFrame();
    s.tabIndex = 0;
    s.parent = nullptr;
}

void Profiler::DisableAllProfiles()
{
    for (IProfile* profile : State().profileList)
        profile->SetEnabled(false);
}

void Profiler::ClearProfileTree()
{
    ProfilerState& s = State();
    for (IProfile* profile : s.profileList)
        delete profile;
    s.profileList.clear();
    s.profiles.clear();
    s.profileIt = s.profileList.end();
    // An open scope would otherwise point at a deleted profile.
    s.parent = nullptr;
    s.tabIndex = 0;
}

void Profiler::Begin() { State().profileIt = State().profileList.begin(); }

bool Profiler::End() { return State().profileIt != State().profileList.end(); }

void Profiler::Next()
{
    if (End())
        ++State().profileIt;
}

IProfile* Profiler::Current() { return End() ? *State().profileIt : nullptr; }

unsigned Profiler::GetProfileCount() { return static_cast<unsigned>(State().profileList.size()); }

void Profiler::DumpStats(Dumper* dumper)
{
    for (IProfile* profile : State().profileList)
        if (profile->IsEnabled())
            profile->DumpStats(dumper);
}
