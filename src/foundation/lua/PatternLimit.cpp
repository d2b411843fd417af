#include "foundation/lua/PatternLimit.h"

#include <cstring>
#include <initializer_list>

#include <lua.hpp>

namespace {

// What makes a pattern more than text; a find without any of them, or with its "plain" flag,
// only compares text and does not recurse.
constexpr const char* Specials = "^$*+?.([%-";

bool IsPlainFind(lua_State* L, const char* pattern)
{
    return lua_toboolean(L, lua_upvalueindex(2)) && (lua_toboolean(L, 4) || !std::strpbrk(pattern, Specials));
}

// The library's function (upvalue 1) with every argument, once the pattern (argument 2) is
// within bounds. Upvalue 2 is true for find.
int Bounded(lua_State* L)
{
    size_t length = 0;
    const char* pattern = lua_type(L, 2) == LUA_TSTRING ? lua_tolstring(L, 2, &length) : nullptr;
    if (pattern && length > MaxPatternLength && !IsPlainFind(L, pattern))
    {
        luaL_where(L, 1);
        lua_pushfstring(L, "a pattern of %d characters is refused (at most %d)", int(length), int(MaxPatternLength));
        lua_concat(L, 2);
        return lua_error(L);
    }
    const int arguments = lua_gettop(L);
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_call(L, arguments, LUA_MULTRET);
    return lua_gettop(L);
}

} // namespace

void BoundStringPatterns(lua_State* L)
{
    lua_getglobal(L, "string");
    if (!lua_istable(L, -1))
    {
        lua_pop(L, 1);
        return;
    }
    // "gfind" is the old name of gmatch, still there in this interpreter.
    for (const char* name : {"find", "match", "gmatch", "gfind", "gsub"})
    {
        lua_getfield(L, -1, name);
        if (!lua_isfunction(L, -1))
        {
            lua_pop(L, 1);
            continue;
        }
        lua_pushboolean(L, std::strcmp(name, "find") == 0);
        lua_pushcclosure(L, Bounded, 2);
        lua_setfield(L, -2, name);
    }
    lua_pop(L, 1);
}
