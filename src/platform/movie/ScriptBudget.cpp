#include "platform/movie/ScriptBudget.h"

#include <lua.hpp>

#include <cstdlib>
#include <ctime>

namespace movie {

namespace {

// Often enough that single instructions working on long texts are seen before a frame is lost.
constexpr int kHookInterval = 1000;
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
    lua_pushliteral(L, "the script ran too long and was stopped");
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

ScriptBudget& ScriptBudget::Of(lua_State* L)
{
    void* data = nullptr;
    lua_getallocf(L, &data);
    return *static_cast<ScriptBudget*>(data);
}

// A refused block fails the entry with the interpreter's memory error, which a script may catch;
// the spent budget lets it go on up.
void* ScriptBudget::Allocate(void* data, void* block, size_t oldSize, size_t newSize)
{
    auto* budget = static_cast<ScriptBudget*>(data);
    if (newSize == 0)
    {
        std::free(block);
        budget->_used -= oldSize;
        return nullptr;
    }
    void* grown =
        newSize > oldSize && budget->_used - oldSize + newSize > MemoryLimit ? nullptr : std::realloc(block, newSize);
    if (!grown)
    {
        budget->Stop();
        return nullptr;
    }
    budget->_used = budget->_used - oldSize + newSize;
    if (newSize > oldSize)
        budget->Spend(long((newSize - oldSize) / kBytesPerStep));
    return grown;
}

long ScriptBudget::Charge(lua_State* L, long steps)
{
    ScriptBudget& budget = Of(L);
    if (!budget._spent && steps <= budget._left)
    {
        budget._left -= steps;
        return budget._left;
    }
    budget.Stop();
    RaiseRunaway(L, 1); // where the script called the library
}

void ScriptBudget::GuardCatches(lua_State* L)
{
    lua_register(L, "pcall", GuardedPcall);
    lua_register(L, "xpcall", GuardedXpcall);
}

void ScriptBudget::Refill()
{
    _left = Work;
    _entered = ThreadSeconds();
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
        budget._left -= kHookInterval;
        if (budget._left >= 0 && ThreadSeconds() - budget._entered < CPUSeconds)
            return;
        budget.Stop();
    }
    RaiseRunaway(L, 0); // the script that runs, where the hook stopped it
}

void ScriptBudget::Spend(long steps)
{
    _left -= steps;
    if (_left < 0)
        Stop();
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
