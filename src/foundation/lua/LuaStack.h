#pragma once

#include <cmath>
#include <cstdint>

#include <lua.hpp>

#include "foundation/lua/LuaTypes.h"

// Helpers shared by the binding's sources (not part of its interface).

// Indices of the engine's interface use -10001 for the globals and count upvalues below it;
// the interpreter puts its environment slot there and everything one lower.
inline int MapIndex(int index) { return index <= LUA_GLOBALS_PSEUDO ? index - 1 : index; }

// The element count of the table at an absolute index: a numeric field "n" when there is one
// that is not negative, else the number of consecutive integer keys from 1.
inline int CountElements(lua_State* L, int table)
{
    lua_pushliteral(L, "n");
    lua_rawget(L, table);
    if (lua_isnumber(L, -1))
    {
        double n = lua_tonumber(L, -1);
        lua_pop(L, 1);
        if (n >= 0 && n < 2147483648.0)
            return static_cast<int>(n);
    }
    else
        lua_pop(L, 1);
    int count = 0;
    for (;;)
    {
        lua_rawgeti(L, table, count + 1);
        bool present = !lua_isnil(L, -1);
        lua_pop(L, 1);
        if (!present || count == INT32_MAX)
            return count;
        ++count;
    }
}

// Truncation toward zero without undefined behaviour: NaN gives 0 and values beyond 64 bits
// saturate; narrower types then keep the low bits, as a two's complement store would.
inline int64_t TruncateNumber(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 9223372036854775807.0)
        return INT64_MAX;
    if (value <= -9223372036854775808.0)
        return INT64_MIN;
    return static_cast<int64_t>(value);
}

// The engine's type code of the value at an index: a table with elements is 9.
inline int EngineType(lua_State* L, int index)
{
    int type = lua_type(L, index);
    if (type == LUA_TTABLE)
    {
        int absolute = index > 0 || index <= LUA_REGISTRYINDEX ? index : lua_gettop(L) + index + 1;
        lua_checkstack(L, 2);
        if (CountElements(L, absolute) > 0)
            return LUA_TYPE_ARRAY;
    }
    return type;
}

// Status codes of the interpreter mapped onto the engine's.
inline int EngineStatus(int status)
{
    switch (status)
    {
    case 0: return LUA_STATUS_OK;
    case LUA_ERRRUN: return LUA_STATUS_RUNTIME;
    case LUA_ERRSYNTAX: return LUA_STATUS_SYNTAX;
    case LUA_ERRMEM: return LUA_STATUS_MEMORY;
    case LUA_ERRERR: return LUA_STATUS_HANDLER;
    default: return LUA_STATUS_FILE;
    }
}
