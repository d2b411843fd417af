// The table library's functions that walk or move many elements, charged.
#include "foundation/lua/LibraryWork.h"

#include <cstring>

#include <lua.hpp>

namespace {

// Elements walked between two charges, so that a long walk stops as it goes.
constexpr long ElementsPerCharge = 1024;
// A comparison of sort, called through the interpreter.
constexpr long StepsPerComparison = 16;

int Insert(lua_State* L)
{
    luaL_checktype(L, 1, LUA_TTABLE);
    int last = int(lua_objlen(L, 1)) + 1; // the first free place
    int position = last;
    switch (lua_gettop(L))
    {
    case 2: break;
    case 3:
        position = luaL_checkint(L, 2);
        if (position > last)
            last = position;
        break;
    default: return luaL_error(L, "wrong number of arguments to 'insert'");
    }
    if (last > position)
        ChargeSteps(L, (double(last) - position) * StepsPerElement);
    for (int i = last; i > position; --i) // move up the elements from the position
    {
        lua_rawgeti(L, 1, i - 1);
        lua_rawseti(L, 1, i);
    }
    lua_rawseti(L, 1, position);
    return 0;
}

int Remove(lua_State* L)
{
    luaL_checktype(L, 1, LUA_TTABLE);
    const int last = int(lua_objlen(L, 1));
    int position = luaL_optint(L, 2, last);
    if (position < 1 || position > last)
        return 0;
    if (last > position)
        ChargeSteps(L, double(last - position) * StepsPerElement);
    lua_rawgeti(L, 1, position);
    for (; position < last; ++position) // move down the elements after it
    {
        lua_rawgeti(L, 1, position + 1);
        lua_rawseti(L, 1, position);
    }
    lua_pushnil(L);
    lua_rawseti(L, 1, last);
    return 1;
}

void AddElement(lua_State* L, luaL_Buffer& buffer, int index)
{
    lua_rawgeti(L, 1, index);
    if (!lua_isstring(L, -1))
        luaL_error(L, "invalid value (%s) at index %d in table for 'concat'", luaL_typename(L, -1), index);
    luaL_addvalue(&buffer);
}

int Concat(lua_State* L)
{
    size_t separatorLength = 0;
    const char* separator = luaL_optlstring(L, 2, "", &separatorLength);
    luaL_checktype(L, 1, LUA_TTABLE);
    int first = luaL_optint(L, 3, 1);
    const int last = luaL_opt(L, luaL_checkint, 4, int(lua_objlen(L, 1)));
    if (last >= first)
        ChargeSteps(L, (double(last) - first + 1) * (StepsPerElement + double(separatorLength) / BytesPerStep));
    luaL_Buffer buffer;
    luaL_buffinit(L, &buffer);
    for (; first < last; ++first)
    {
        AddElement(L, buffer, first);
        luaL_addlstring(&buffer, separator, separatorLength);
    }
    if (first == last)
        AddElement(L, buffer, first);
    luaL_pushresult(&buffer);
    return 1;
}

// The order sort asks for, charged per call: the script's function (upvalue 2) when it gave one,
// else the interpreter's "<".
int Compare(lua_State* L)
{
    ChargeSteps(L, StepsPerComparison);
    if (lua_isnil(L, lua_upvalueindex(2)))
    {
        lua_pushboolean(L, lua_lessthan(L, 1, 2));
        return 1;
    }
    lua_pushvalue(L, lua_upvalueindex(2));
    lua_insert(L, 1);
    lua_call(L, 2, 1);
    return 1;
}

// The library's sort (upvalue 2) with every comparison through Compare.
int Sort(lua_State* L)
{
    luaL_checktype(L, 1, LUA_TTABLE);
    if (!lua_isnoneornil(L, 2))
        luaL_checktype(L, 2, LUA_TFUNCTION);
    lua_settop(L, 2);
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 2); // the table, the charge, the order or nil
    lua_pushcclosure(L, Compare, 2);
    lua_pushvalue(L, lua_upvalueindex(2));
    lua_insert(L, 1);
    if (lua_pcall(L, 2, 0, 0) == 0)
        return 0;
    // The library's sort, called from here, names no place for its own error: the script's call
    // is the place.
    const char* message = lua_tostring(L, -1);
    if (message && std::strcmp(message, "invalid order function for sorting") == 0)
    {
        luaL_where(L, 1);
        lua_insert(L, -2);
        lua_concat(L, 2);
    }
    return lua_error(L);
}

// The largest positive numeric key: a walk over the whole table, charged a batch of elements at
// a time.
int Maxn(lua_State* L)
{
    luaL_checktype(L, 1, LUA_TTABLE);
    lua_Number most = 0;
    long walked = 0;
    lua_pushnil(L);
    while (lua_next(L, 1))
    {
        lua_pop(L, 1);
        if (lua_type(L, -1) == LUA_TNUMBER && lua_tonumber(L, -1) > most)
            most = lua_tonumber(L, -1);
        if (++walked == ElementsPerCharge)
        {
            ChargeSteps(L, double(walked) * StepsPerElement);
            walked = 0;
        }
    }
    ChargeSteps(L, double(walked) * StepsPerElement);
    lua_pushnumber(L, most);
    return 1;
}

// foreach(t, f) and foreachi(t, f): f(key, value) for every element until it answers other than
// nil, each call charged: a function of the library (type, rawequal, ...) runs no instruction
// the budget counts.
int Foreach(lua_State* L)
{
    luaL_checktype(L, 1, LUA_TTABLE);
    luaL_checktype(L, 2, LUA_TFUNCTION);
    lua_pushnil(L);
    while (lua_next(L, 1))
    {
        ChargeSteps(L, StepsPerCall);
        lua_pushvalue(L, 2);
        lua_pushvalue(L, -3);
        lua_pushvalue(L, -3);
        lua_call(L, 2, 1);
        if (!lua_isnil(L, -1))
            return 1;
        lua_pop(L, 2);
    }
    return 0;
}

int Foreachi(lua_State* L)
{
    luaL_checktype(L, 1, LUA_TTABLE);
    const int count = int(lua_objlen(L, 1));
    luaL_checktype(L, 2, LUA_TFUNCTION);
    for (int i = 1; i <= count; ++i)
    {
        ChargeSteps(L, StepsPerCall);
        lua_pushvalue(L, 2);
        lua_pushinteger(L, i);
        lua_rawgeti(L, 1, i);
        lua_call(L, 2, 1);
        if (!lua_isnil(L, -1))
            return 1;
        lua_pop(L, 1);
    }
    return 0;
}

} // namespace

void BoundTableWork(lua_State* L)
{
    ReplaceCharged(L, "table", "insert", Insert, false);
    ReplaceCharged(L, "table", "remove", Remove, false);
    ReplaceCharged(L, "table", "concat", Concat, false);
    ReplaceCharged(L, "table", "sort", Sort, true);
    ReplaceCharged(L, "table", "maxn", Maxn, false);
    ReplaceCharged(L, "table", "foreach", Foreach, false);
    ReplaceCharged(L, "table", "foreachi", Foreachi, false);
}
