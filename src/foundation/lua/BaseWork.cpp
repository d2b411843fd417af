// The basic functions that walk a table or a text, or hand back many values, charged.
#include "foundation/lua/LibraryWork.h"

#include <cctype>
#include <climits>
#include <cstdlib>

#include <lua.hpp>

namespace {

// unpack(t, i, j): t[i] .. t[j] as values; the stack takes a few thousand at most. A range whose
// count does not fit an int is refused: the library's own count overflows there, and it crashes.
int Unpack(lua_State* L)
{
    luaL_checktype(L, 1, LUA_TTABLE);
    int first = luaL_optint(L, 2, 1);
    const int last = luaL_opt(L, luaL_checkint, 3, int(lua_objlen(L, 1)));
    if (first > last)
        return 0;
    const long long wanted = static_cast<long long>(last) - first + 1;
    if (wanted > INT_MAX || !lua_checkstack(L, int(wanted)))
        return luaL_error(L, "too many results to unpack");
    const int count = int(wanted);
    ChargeSteps(L, double(count) * StepsPerElement);
    lua_rawgeti(L, 1, first);
    while (first++ < last)
        lua_rawgeti(L, 1, first);
    return count;
}

// select('#', ...) counts the values after the first; select(n, ...) answers those from the nth.
int Select(lua_State* L)
{
    const int count = lua_gettop(L);
    if (lua_type(L, 1) == LUA_TSTRING && *lua_tostring(L, 1) == '#')
    {
        lua_pushinteger(L, count - 1);
        return 1;
    }
    int first = luaL_checkint(L, 1);
    if (first < 0)
        first += count;
    else if (first > count)
        first = count;
    luaL_argcheck(L, 1 <= first, 1, "index out of range");
    ChargeSteps(L, double(count - first) * StepsPerElement);
    return count - first;
}

// tonumber(v, base): reading a number walks its whole text.
int ToNumber(lua_State* L)
{
    const int base = luaL_optint(L, 2, 10);
    if (base == 10)
    {
        luaL_checkany(L, 1);
        if (lua_type(L, 1) == LUA_TSTRING)
            ChargeSteps(L, double(lua_objlen(L, 1)) / BytesPerStep);
        if (lua_isnumber(L, 1))
        {
            lua_pushnumber(L, lua_tonumber(L, 1));
            return 1;
        }
    }
    else
    {
        const char* text = luaL_checkstring(L, 1);
        luaL_argcheck(L, 2 <= base && base <= 36, 2, "base out of range");
        ChargeSteps(L, double(lua_objlen(L, 1)) / BytesPerStep);
        char* rest = nullptr;
        const unsigned long number = std::strtoul(text, &rest, base);
        if (rest != text) // at least one digit
        {
            while (std::isspace(static_cast<unsigned char>(*rest)))
                ++rest;
            if (*rest == '\0')
            {
                lua_pushnumber(L, lua_Number(number));
                return 1;
            }
        }
    }
    lua_pushnil(L);
    return 1;
}

} // namespace

void BoundBaseWork(lua_State* L)
{
    ReplaceCharged(L, nullptr, "unpack", Unpack, false);
    ReplaceCharged(L, nullptr, "select", Select, false);
    ReplaceCharged(L, nullptr, "tonumber", ToNumber, false);
}
