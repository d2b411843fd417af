#pragma once
// The string library's pattern matcher, with the interpreter's own rules and messages, written
// again so that it counts its work: a pattern that backtracks does so inside one C call that no
// instruction budget sees, so every step of a match is charged to the script's budget here, a
// set by its length, in charges a few thousand steps apart.
#include <cstddef>

struct lua_State;

// Takes `steps` of work from the budget of the script that runs in `L` and returns what is left;
// once the budget is spent it raises the script's error instead of returning.
using ChargeWork = long (*)(lua_State* L, long steps);

// Matches patterns against one subject and keeps the captures of the last match. Errors in a
// pattern, and a spent budget, leave through the interpreter's error: nothing here needs
// cleaning up, so an error may leave from any depth.
class PatternMatcher
{
public:
    static constexpr int MaxCaptures = 32;

    PatternMatcher(lua_State* L, ChargeWork charge, const char* subject, size_t length);

    const char* Begin() const { return _begin; }
    const char* End() const { return _end; }

    // Where a match of `pattern` (text up to its terminator) that starts at `at` ends, or null.
    const char* Match(const char* at, const char* pattern);
    // The first place from `from` where `text` stands as it is, or null.
    const char* FindText(const char* from, const char* text, size_t length);

    // Pushes the captures of the last match, or the whole match [start, end) when it has none and
    // `start` is set; returns how many were pushed.
    int PushCaptures(const char* start, const char* end);
    // Pushes capture `index` (0 is the whole match when the pattern has no captures).
    void PushCapture(int index, const char* start, const char* end);

    // Work done outside the matcher on its behalf (copies, replacements, calls).
    void Spend(long steps);
    // Charges the work not charged yet; every operation ends with it.
    void Settle();

private:
    const char* MatchFrom(const char* s, const char* p);
    const char* ClassEnd(const char* p);
    bool MatchesSet(int c, const char* p, const char* last);
    bool MatchesItem(const char* s, const char* p, const char* itemEnd);
    const char* MatchBalance(const char* s, const char* p);
    const char* MatchGreedy(const char* s, const char* p, const char* itemEnd);
    const char* MatchLazy(const char* s, const char* p, const char* itemEnd);
    const char* StartCapture(const char* s, const char* p, long kind);
    const char* EndCapture(const char* s, const char* p);
    const char* MatchBackReference(const char* s, int digit);
    void Step()
    {
        if (++_steps > _limit)
            Settle();
    }

    struct Capture
    {
        const char* start;
        long length; // or Unfinished, or Position
    };

    lua_State* _L;
    ChargeWork _charge;
    const char* _begin;
    const char* _end;
    long _left;      // what the budget had at the last charge
    long _limit;     // the work after which to charge again: what is left, or less
    long _steps = 0; // work since then
    int _level = 0;  // captures opened so far
    Capture _captures[MaxCaptures];
};
