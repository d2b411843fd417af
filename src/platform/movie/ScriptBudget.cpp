#include "platform/movie/ScriptBudget.h"

#include "platform/movie/MovieGroup.h"

#include <lua.hpp>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>

namespace movie {

namespace {

// Often enough that single instructions working on long texts are seen before a frame is lost.
constexpr int kHookInterval = 1000;
// Steps of library work or allocation between two readings of the clock: about a millisecond.
constexpr long kStepsPerClockReading = 1 << 16;
// Bytes allocated that count as one instruction: about what copying and collecting them costs.
constexpr size_t kBytesPerStep = 8;

double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

[[noreturn]] void RaiseRunaway(lua_State* L, int level)
{
    luaL_where(L, level);
    lua_pushstring(L, ScriptBudget::Of(L).StopReason());
    lua_concat(L, 2);
    lua_error(L);
    std::abort(); // lua_error does not return
}

// pcall as the library has it, except that a spent budget's error goes on up.
int GuardedPcall(lua_State* L)
{
    luaL_checkany(L, 1);
    const int status = lua_pcall(L, lua_gettop(L) - 1, LUA_MULTRET, 0);
    if (status != 0 && ScriptBudget::Of(L).IsSpent())
        return lua_error(L);
    lua_pushboolean(L, status == 0);
    lua_insert(L, 1);
    return lua_gettop(L);
}

// The script's error handler of xpcall (upvalue 1), skipped for a spent budget's error: the
// interpreter runs the handler of an error raised in the instruction hook with the hook off.
int GuardedHandler(lua_State* L)
{
    if (ScriptBudget::Of(L).IsSpent())
        return 1;
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_call(L, lua_gettop(L) - 1, 1);
    return 1;
}

int GuardedXpcall(lua_State* L)
{
    luaL_checkany(L, 2);
    lua_settop(L, 2);
    lua_pushcclosure(L, GuardedHandler, 1);
    lua_insert(L, 1); // the handler under the function
    const int status = lua_pcall(L, 0, LUA_MULTRET, 1);
    if (status != 0 && ScriptBudget::Of(L).IsSpent())
        return lua_error(L);
    lua_pushboolean(L, status == 0);
    lua_replace(L, 1);
    return lua_gettop(L);
}

} // namespace

ScriptBudget::ScriptBudget(const FrameShare::Figures& share, MovieGroup* group)
    : _group(group), _alarm(Ring, this), _share(share)
{}

// What a state that could not be closed still held goes back to the group.
ScriptBudget::~ScriptBudget()
{
    if (_group)
        _group->Release(_used);
}

ScriptBudget& ScriptBudget::Of(lua_State* L)
{
    void* data = nullptr;
    lua_getallocf(L, &data);
    return *static_cast<ScriptBudget*>(data);
}

// A refused block fails the entry with the interpreter's memory error, which a script may catch;
// the spent budget lets it go on up. Between entries nothing is refused: the state is being made,
// collected or closed, outside any protected call, and asks for little. The group is given what
// the script holds more, and back what it holds less.
void* ScriptBudget::Allocate(void* data, void* block, size_t oldSize, size_t newSize)
{
    auto* budget = static_cast<ScriptBudget*>(data);
    MovieGroup* group = budget->_group;
    if (newSize == 0)
    {
        std::free(block);
        budget->_used -= oldSize;
        if (group)
            group->Release(oldSize);
        return nullptr;
    }
    const size_t growth = newSize > oldSize ? newSize - oldSize : 0;
    const bool resting = budget->_resting;
    const bool fits = growth == 0 || ((resting || budget->_used - oldSize + newSize <= MemoryLimit) &&
                                      (!group || group->Claim(growth, resting)));
    void* grown = fits ? std::realloc(block, newSize) : nullptr;
    if (!grown)
    {
        if (group && fits)
            group->Release(growth); // nothing when it shrank
        budget->Stop();
        return nullptr;
    }
    budget->_used = budget->_used - oldSize + newSize;
    if (group && oldSize > newSize)
        group->Release(oldSize - newSize);
    if (growth > 0)
    {
        if (!budget->_resting)
            budget->Spend(long(growth / kBytesPerStep));
        if (budget->_used > budget->_collectAt)
            budget->WantCollection();
    }
    return grown;
}

long ScriptBudget::Charge(lua_State* L, long steps)
{
    ScriptBudget& budget = Of(L);
    if (!budget._spent)
        budget.Spend(steps);
    if (!budget._spent)
        return budget._left;
    RaiseRunaway(L, 1); // where the script called the library
}

void ScriptBudget::GuardCatches(lua_State* L)
{
    lua_register(L, "pcall", GuardedPcall);
    lua_register(L, "xpcall", GuardedXpcall);
}

// An alarm that rang in the last entry may have left the hook on every instruction.
void ScriptBudget::Refill(uint64_t frame)
{
    _left = Work;
    _unclocked = 0;
    _rang = 0;
    if (_state)
        lua_sethook(_state, CountInstructions, LUA_MASKCOUNT, _collectionWanted ? 1 : kHookInterval);
    _resting = false;
    _entered = ThreadSeconds();
    _allowed = std::min(CPUSeconds, _share.Allowance(frame));
    if (_allowed <= 0.0)
    {
        _overShare = true;
        Stop();
        return;
    }
    _alarm.Arm(_allowed);
}

double ScriptBudget::Rest()
{
    _alarm.Disarm();
    _resting = true;
    const double taken = ThreadSeconds() - _entered;
    _share.Take(taken);
    return taken;
}

void ScriptBudget::StopOverShare()
{
    if (_spent)
        return;
    _overShare = true;
    Stop();
}

const char* ScriptBudget::StopReason() const
{
    return _overShare ? "the script took more than its share of the frames and was stopped"
                      : "the script ran too long and was stopped";
}

void ScriptBudget::Watch(lua_State* L)
{
    _state = L;
    lua_sethook(L, CountInstructions, LUA_MASKCOUNT, kHookInterval);
}

void ScriptBudget::CountInstructions(lua_State* L, lua_Debug*)
{
    ScriptBudget& budget = Of(L);
    if (!budget._spent)
    {
        const bool collects = budget._collectionWanted;
        if (collects)
            budget.Collect(L);
        budget._left -= kHookInterval;
        if (budget._left >= 0 && !budget.Overdue())
        {
            if (budget._rang || collects) // late, from an earlier entry, or asked for: back to counting
            {
                budget._rang = 0;
                lua_sethook(L, CountInstructions, LUA_MASKCOUNT, kHookInterval);
            }
            return;
        }
        budget.Stop();
    }
    RaiseRunaway(L, 0); // the script that runs, where the hook stopped it
}

// Only what a signal handler may do: a flag, and the hook's fields.
void ScriptBudget::Ring(void* data)
{
    auto* budget = static_cast<ScriptBudget*>(data);
    budget->_rang = 1;
    if (budget->_state)
        lua_sethook(budget->_state, CountInstructions, LUA_MASKCOUNT, 1);
}

// Work charged inside one library call reads the clock as the hook does, and at once after the
// alarm rang, so a long C loop ends there too.
void ScriptBudget::Spend(long steps)
{
    _left -= steps;
    _unclocked += steps;
    if (_left < 0 || ((_rang || _unclocked >= kStepsPerClockReading) && Overdue()))
        Stop();
}

// Only the hook's fields, as the alarm sets them: the allocator is called anywhere inside the
// interpreter, where collecting is not safe.
void ScriptBudget::WantCollection()
{
    if (_collectionWanted)
        return;
    _collectionWanted = true;
    if (_state)
        lua_sethook(_state, CountInstructions, LUA_MASKCOUNT, 1);
}

// Between two instructions the interpreter's state is whole. The collector's own allocations (its
// string table shrinking) ask for no collection meanwhile.
void ScriptBudget::Collect(lua_State* L)
{
    _collectAt = SIZE_MAX;
    lua_gc(L, LUA_GCCOLLECT, 0);
    const size_t room = MemoryLimit - std::min(_used, MemoryLimit);
    _collectAt = _used + std::max(MinCollectionGap, room / 2);
    _collectionWanted = false;
}

void ScriptBudget::CollectNow()
{
    if (_state)
        Collect(_state);
}

bool ScriptBudget::Overdue()
{
    _unclocked = 0;
    const double taken = ThreadSeconds() - _entered;
    if (taken < _allowed)
        return false;
    _overShare = taken < CPUSeconds;
    return true;
}

// From now on the hook raises the error before every instruction, so a script that catches it
// cannot run on.
void ScriptBudget::Stop()
{
    if (_spent)
        return;
    _spent = true;
    _left = -1;
    if (_state)
        lua_sethook(_state, CountInstructions, LUA_MASKCOUNT, 1);
}

} // namespace movie
