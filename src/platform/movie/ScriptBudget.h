#pragma once

#include <cstddef>

struct lua_Debug;
struct lua_State;

namespace movie {

// What one movie's script may take in a call: memory, and work. Work is counted in
// instructions, in steps of the library functions whose C loops no instruction counts (string
// patterns, repetitions, table walks and sorts, text copies), and in bytes allocated, since
// copying a long string is a single instruction. Some single instructions still work in proportion to a text
// without allocating (comparing or re-making a long text that exists), so a call also stops
// once it has taken CPUSeconds of its thread's time. A call that spends its work, or runs out of
// memory, stops the script for good: from then on every instruction raises the error, and
// neither pcall nor xpcall gives control back. It is the allocator data of its script's state.
class ScriptBudget
{
public:
    static constexpr size_t MemoryLimit = 64u << 20;
    // The work one entry may do, in instructions, before it is stopped as a runaway.
    static constexpr long Work = 20000000;
    // The thread time one entry may take: a few times what its whole work costs (a script that
    // fills its memory with tables takes about half a second), and, unlike the wall clock, not
    // stretched by a loaded machine.
    static constexpr double CPUSeconds = 2.0;

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

    // Starts counting the instructions of `L`, the state this budget allocates for.
    void Watch(lua_State* L);
    // The whole budget again, for the next entry into the script.
    void Refill();
    bool IsSpent() const { return _spent; }

private:
    static void CountInstructions(lua_State* L, lua_Debug*);
    // Takes work without raising: the next instruction does.
    void Spend(long steps);
    void Stop();

    lua_State* _state = nullptr;
    size_t _used = 0; // bytes
    long _left = Work;
    double _entered = 0; // thread seconds when the entry began
    bool _spent = false;
};

} // namespace movie
