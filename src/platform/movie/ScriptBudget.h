#pragma once

#include "platform/movie/FrameShare.h"
#include "platform/movie/ThreadAlarm.h"

#include <csignal>
#include <cstddef>
#include <cstdint>

struct lua_Debug;
struct lua_State;

namespace movie {

class MovieGroup;

// What one movie's script may take in a call: memory, and work. Work is counted in
// instructions, in steps of the library functions whose C loops no instruction counts (string
// patterns, repetitions, table walks and sorts, text copies), and in bytes allocated, since
// copying a long string is a single instruction. Some single instructions still work in
// proportion to a text without allocating (comparing a long text, converting it to a number),
// so a call also stops once it has taken CPUSeconds of its thread's time: the clock is read
// every so many instructions and steps of work, and an alarm rings inside an instruction that
// takes long. The entries of one game frame together also keep to the movie's share of the frames
// (FrameShare): an entry ends once it would take the rest of the reserve. The memory of the
// movie's group counts what the script holds as well (MovieGroup). A call that spends its work,
// runs out of memory, or takes the movie past its share stops the script for good:
// from then on every instruction raises the error, and neither pcall nor xpcall gives control
// back. It is the allocator data of its script's state, and runs on the thread that made it.
//
// The limit counts what the script holds, not garbage the collector has yet to reach. The
// interpreter's collector does a fixed amount of work per allocation, so a script that makes a
// few large blocks a frame (long texts) outruns it and its garbage piles up to the limit. Once
// the memory in use passes a mark, halfway from what was live after the last full collection to
// the limit, the script's next instruction first collects all its garbage; the allocator itself
// never runs the collector. A block is refused when the script holds about as much as the
// limit, or when one instruction or library call takes more than the room above the mark.
class ScriptBudget
{
public:
    static constexpr size_t MemoryLimit = 64u << 20;
    // The least growth between two full collections: a script that lives near the limit is not
    // collected whole every few allocations.
    static constexpr size_t MinCollectionGap = MemoryLimit / 16;
    // The work one entry may do, in instructions, before it is stopped as a runaway.
    static constexpr long Work = 20000000;
    // The thread time one entry may take: a few times what its whole work costs (a script that
    // fills its memory with tables takes about half a second), and, unlike the wall clock, not
    // stretched by a loaded machine.
    static constexpr double CPUSeconds = 2.0;

    // `share` is the movie's share of the frames; `group`, when there is one, outlives the budget.
    ScriptBudget(const FrameShare::Figures& share, MovieGroup* group);
    ~ScriptBudget();
    ScriptBudget(const ScriptBudget&) = delete;
    ScriptBudget& operator=(const ScriptBudget&) = delete;

    // The interpreter's allocator, with the budget as its data. A block refused for the memory
    // limit spends the budget.
    static void* Allocate(void* budget, void* block, size_t oldSize, size_t newSize);
    // Takes `steps` from the budget of the script in `L` and returns what is left; raises the
    // script's error once the budget is spent.
    static long Charge(lua_State* L, long steps);
    // Replaces pcall and xpcall of the opened base library by ones that let the error of a
    // spent budget go on up, without running an error handler of the script.
    static void GuardCatches(lua_State* L);
    // The budget of the script in `L`.
    static ScriptBudget& Of(lua_State* L);

    // Starts counting the instructions of `L`, the state this budget allocates for; Unwatch before
    // the state is closed.
    void Watch(lua_State* L);
    void Unwatch() { _state = nullptr; }
    // The whole budget again, for the next entry into the script in the game's `frame`; its time
    // runs from now. A movie that took more than its share is spent at once.
    void Refill(uint64_t frame);
    // The entry has returned: its time stops running and counts to its frame. Answers the thread
    // seconds it took.
    double Rest();
    // The movies together took more than their share: the script is stopped as one over its own.
    void StopOverShare();
    // The script's next instruction collects its garbage first. Safe inside the allocator.
    void WantCollection();
    // All the garbage at once, between two entries (safe inside another script's allocator).
    void CollectNow();
    bool IsSpent() const { return _spent; }
    // Why the script was stopped, for the log: its share, or an entry's own bounds.
    const char* StopReason() const;

private:
    static void CountInstructions(lua_State* L, lua_Debug*);
    // The alarm's, in a signal handler: the next instruction looks at the clock.
    static void Ring(void* budget);
    // Takes work without raising: the next instruction does.
    void Spend(long steps);
    // All the garbage, from the hook, between two instructions; then the next mark.
    void Collect(lua_State* L);
    // Reads the thread clock: the entry has taken its time, or the rest of the frame's share.
    bool Overdue();
    void Stop();

    lua_State* _state = nullptr;
    MovieGroup* _group;
    ThreadAlarm _alarm;
    size_t _used = 0;                    // bytes
    size_t _collectAt = MemoryLimit / 2; // bytes in use past which the garbage is collected
    bool _collectionWanted = false;
    long _left = Work;
    long _unclocked = 0;          // steps spent since the clock was read
    double _entered = 0;          // thread seconds when the entry began
    double _allowed = CPUSeconds; // thread seconds the entry may take
    FrameShare _share;
    bool _overShare = false; // stopped for taking more than its share
    bool _resting = true;    // between entries: neither charged nor refused
    volatile sig_atomic_t _rang = 0;
    bool _spent = false;
};

} // namespace movie
