#include "platform/movie/MovieGroup.h"

#include "platform/movie/MovieScript.h"

#include <algorithm>
#include <cstdint>

namespace movie {

MovieGroup::MovieGroup(const Bounds& bounds) : _bounds(bounds), _share(bounds.together), _collectAt(bounds.memory / 2)
{}

void MovieGroup::Join(MovieScript& member) { _members.push_back(Member{&member, 0.0}); }

void MovieGroup::Leave(MovieScript& member)
{
    std::erase_if(_members, [&member](const Member& m) { return m.script == &member; });
}

// Who took the most is counted from the last frame that began with the whole reserve: while the
// movies keep to their share, every frame does.
void MovieGroup::Enter(uint64_t frame)
{
    _nested.push_back(0.0);
    const bool newFrame = frame != _frame;
    _frame = frame;
    const double allowance = _share.Allowance(frame);
    if (newFrame && _share.IsFull())
    {
        for (Member& member : _members)
            member.taken = 0.0;
    }
    if (allowance > 0.0)
        return;
    Member* most = nullptr;
    for (Member& member : _members)
    {
        if (!member.script->IsStopped() && (!most || member.taken > most->taken))
            most = &member;
    }
    _share.Clear();
    if (most)
        most->script->StopOverShare();
}

void MovieGroup::Take(MovieScript& member, double seconds)
{
    double own = seconds;
    if (!_nested.empty())
    {
        own = std::max(0.0, seconds - _nested.back());
        _nested.pop_back();
    }
    if (!_nested.empty())
        _nested.back() += seconds;
    _share.Take(own);
    for (Member& m : _members)
    {
        if (m.script == &member)
            m.taken += own;
    }
}

// The members between calls collect at once; their collectors give memory back, and ask for a
// little (a smaller string table), meanwhile. The next mark is at least a sixteenth of the bound
// above: members that live near it are not collected whole every few allocations.
bool MovieGroup::Claim(size_t bytes, bool always)
{
    if (!always && bytes > _bounds.memory - std::min(_used, _bounds.memory))
        return false;
    _used += bytes;
    if (_used > _collectAt)
    {
        _collectAt = SIZE_MAX;
        for (Member& member : _members)
            member.script->CollectGarbage();
        _collectAt = _used + std::max(_bounds.memory / 16, (_bounds.memory - std::min(_used, _bounds.memory)) / 2);
    }
    return true;
}

void MovieGroup::Release(size_t bytes) { _used -= std::min(bytes, _used); }

} // namespace movie
