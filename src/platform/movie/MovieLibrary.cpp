#include "platform/movie/MovieLibrary.h"

#include "platform/movie/MovieContext.h"
#include "platform/movie/ScriptBudget.h"

#include <lua.hpp>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <vector>

namespace movie {

namespace {

constexpr double kMaxDesignSize = 100000.0;
// The text one call to the host carries, its name and arguments together: the host makes of it
// a request several times as large. Far above the codes and counts the game's movies send.
constexpr size_t kMaxHostCallBytes = 64u << 10;
// What a value other than a text counts in a call, and the work charged for each byte, in
// instructions.
constexpr size_t kHostValueBytes = 16;
constexpr long kStepsPerHostCallByte = 16;

MovieContext& Context(lua_State* L) { return *static_cast<MovieContext*>(lua_touserdata(L, lua_upvalueindex(1))); }

// invalidate() for the whole movie, invalidate(x, y, w, h) for a rectangle in design units.
int Invalidate(lua_State* L)
{
    MovieContext& context = Context(L);
    if (lua_isnoneornil(L, 1))
    {
        context.InvalidateAll();
        return 0;
    }
    context.Invalidate(luaL_checknumber(L, 1), luaL_checknumber(L, 2), luaL_checknumber(L, 3), luaL_checknumber(L, 4));
    return 0;
}

// call(name, ...) -> the host's answer: a boolean, number, string or nil.
int CallHost(lua_State* L)
{
    MovieContext& context = Context(L);
    size_t bytes = 0;
    luaL_checklstring(L, 1, &bytes);
    const int count = lua_gettop(L);
    for (int i = 2; i <= count; ++i)
    {
        const int type = lua_type(L, i);
        if (type != LUA_TNIL && type != LUA_TBOOLEAN && type != LUA_TNUMBER && type != LUA_TSTRING)
            return luaL_argerror(L, i, "only nil, booleans, numbers and strings reach the host");
        bytes += type == LUA_TSTRING ? lua_objlen(L, i) : kHostValueBytes;
    }
    if (bytes > kMaxHostCallBytes)
        return luaL_error(L, "a call of %d bytes to the host; it takes %d at most",
                          int(std::min<size_t>(bytes, INT_MAX)), int(kMaxHostCallBytes));
    ScriptBudget::Charge(L, long(bytes) * kStepsPerHostCallByte);
    Value result;
    {
        std::vector<Value> args;
        for (int i = 2; i <= count; ++i)
        {
            switch (lua_type(L, i))
            {
            case LUA_TBOOLEAN: args.push_back(Value::FromBool(lua_toboolean(L, i))); break;
            case LUA_TNUMBER: args.push_back(Value::FromNumber(lua_tonumber(L, i))); break;
            case LUA_TSTRING:
            {
                size_t length = 0;
                const char* text = lua_tolstring(L, i, &length);
                args.push_back(Value::FromString(std::string(text, length)));
                break;
            }
            default: args.emplace_back(); break;
            }
        }
        if (context.host)
            result = context.host->CallHost(lua_tostring(L, 1), args);
    }
    switch (result.type)
    {
    case Value::Boolean: lua_pushboolean(L, result.boolean); break;
    case Value::Number: lua_pushnumber(L, result.number); break;
    case Value::String: lua_pushlstring(L, result.text.data(), result.text.size()); break;
    default: lua_pushnil(L); break;
    }
    return 1;
}

// design(w, h): the script draws in units of which the movie is w by h; the canvas scales
// them to the movie's pixels.
int Design(lua_State* L)
{
    MovieContext& context = Context(L);
    const double w = luaL_checknumber(L, 1), h = luaL_checknumber(L, 2);
    if (!(w > 0.0 && w <= kMaxDesignSize && h > 0.0 && h <= kMaxDesignSize))
        return luaL_error(L, "design size %f x %f is out of range", w, h);
    context.designWidth = w;
    context.designHeight = h;
    lua_getglobal(L, "movie");
    lua_pushnumber(L, w);
    lua_setfield(L, -2, "width");
    lua_pushnumber(L, h);
    lua_setfield(L, -2, "height");
    context.InvalidateAll();
    return 0;
}

// print(...) logs its values as the library's does, within the movie's bound; once the log takes
// no more, the values are not even made into text.
int Print(lua_State* L)
{
    MovieContext& context = Context(L);
    if (!context.TakesPrints())
        return 0;
    const int count = lua_gettop(L);
    lua_getglobal(L, "tostring");
    luaL_Buffer buffer;
    luaL_buffinit(L, &buffer);
    for (int i = 1; i <= count; ++i)
    {
        lua_pushvalue(L, -1);
        lua_pushvalue(L, i);
        lua_call(L, 1, 1);
        if (i > 1)
            luaL_addchar(&buffer, '\t');
        luaL_addvalue(&buffer);
    }
    luaL_pushresult(&buffer);
    size_t length = 0;
    const char* text = lua_tolstring(L, -1, &length);
    context.Print(text, length);
    return 0;
}

void SetClosure(lua_State* L, MovieContext& context, lua_CFunction function, const char* name)
{
    lua_pushlightuserdata(L, &context);
    lua_pushcclosure(L, function, 1);
    lua_setfield(L, -2, name);
}

} // namespace

void LockMetatable(lua_State* L)
{
    lua_pushliteral(L, "locked");
    lua_setfield(L, -2, "__metatable");
}

void RegisterMovieLibrary(lua_State* L, MovieContext& context)
{
    lua_newtable(L);
    lua_pushnumber(L, context.designWidth);
    lua_setfield(L, -2, "width");
    lua_pushnumber(L, context.designHeight);
    lua_setfield(L, -2, "height");
    lua_pushnumber(L, 30);
    lua_setfield(L, -2, "fps");
    lua_pushnumber(L, 0);
    lua_setfield(L, -2, "time");
    lua_pushnumber(L, 0);
    lua_setfield(L, -2, "frame");
    lua_pushboolean(L, true);
    lua_setfield(L, -2, "loop");
    SetClosure(L, context, Invalidate, "invalidate");
    SetClosure(L, context, CallHost, "call");
    SetClosure(L, context, Design, "design");
    lua_setglobal(L, "movie");

    lua_pushlightuserdata(L, &context);
    lua_pushcclosure(L, Print, 1);
    lua_setglobal(L, "print");
}

} // namespace movie
