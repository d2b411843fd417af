// The string library's functions that copy, convert or take apart a text, charged by its length:
// a text made again that exists already is compared, not allocated, so no allocation charges it.
#include "foundation/lua/LibraryWork.h"

#include <cctype>

#include <lua.hpp>

namespace {

// A position from 1, or counted back from the end when negative; 0 when before the start.
ptrdiff_t Position(ptrdiff_t position, size_t length)
{
    if (position < 0)
        position += ptrdiff_t(length) + 1;
    return position >= 0 ? position : 0;
}

int Rep(lua_State* L)
{
    size_t length = 0;
    const char* text = luaL_checklstring(L, 1, &length);
    const int count = luaL_checkint(L, 2);
    if (length == 0 || count <= 0)
    {
        lua_pushliteral(L, "");
        return 1;
    }
    ChargeSteps(L, double(count) * (1.0 + double(length) / BytesPerStep));
    luaL_Buffer buffer;
    luaL_buffinit(L, &buffer);
    for (int i = 0; i < count; ++i)
        luaL_addlstring(&buffer, text, length);
    luaL_pushresult(&buffer);
    return 1;
}

int Sub(lua_State* L)
{
    size_t length = 0;
    const char* text = luaL_checklstring(L, 1, &length);
    ptrdiff_t start = Position(luaL_checkinteger(L, 2), length);
    ptrdiff_t end = Position(luaL_optinteger(L, 3, -1), length);
    if (start < 1)
        start = 1;
    if (end > ptrdiff_t(length))
        end = ptrdiff_t(length);
    if (start > end)
    {
        lua_pushliteral(L, "");
        return 1;
    }
    ChargeSteps(L, double(end - start + 1) / BytesPerStep);
    lua_pushlstring(L, text + start - 1, size_t(end - start + 1));
    return 1;
}

// The text with every byte put through `map`.
int Map(lua_State* L, int (*map)(int))
{
    size_t length = 0;
    const char* text = luaL_checklstring(L, 1, &length);
    ChargeSteps(L, double(length) / BytesPerStep);
    luaL_Buffer buffer;
    luaL_buffinit(L, &buffer);
    for (size_t i = 0; i < length; ++i)
        luaL_addchar(&buffer, char(map(static_cast<unsigned char>(text[i]))));
    luaL_pushresult(&buffer);
    return 1;
}

int Upper(lua_State* L) { return Map(L, std::toupper); }
int Lower(lua_State* L) { return Map(L, std::tolower); }

int Reverse(lua_State* L)
{
    size_t length = 0;
    const char* text = luaL_checklstring(L, 1, &length);
    ChargeSteps(L, double(length) / BytesPerStep);
    luaL_Buffer buffer;
    luaL_buffinit(L, &buffer);
    while (length--)
        luaL_addchar(&buffer, text[length]);
    luaL_pushresult(&buffer);
    return 1;
}

// byte(s, i, j): the codes of s[i..j], each a value on the stack.
int Byte(lua_State* L)
{
    size_t length = 0;
    const char* text = luaL_checklstring(L, 1, &length);
    ptrdiff_t first = Position(luaL_optinteger(L, 2, 1), length);
    ptrdiff_t last = Position(luaL_optinteger(L, 3, first), length);
    if (first <= 0)
        first = 1;
    if (size_t(last) > length)
        last = ptrdiff_t(length);
    if (first > last)
        return 0;
    const int count = int(last - first + 1);
    if (first + count <= last) // the count overflowed
        luaL_error(L, "string slice too long");
    luaL_checkstack(L, count, "string slice too long");
    ChargeSteps(L, double(count) * StepsPerElement);
    for (int i = 0; i < count; ++i)
        lua_pushinteger(L, static_cast<unsigned char>(text[first + i - 1]));
    return count;
}

int Char(lua_State* L)
{
    const int count = lua_gettop(L);
    ChargeSteps(L, double(count) * StepsPerElement);
    luaL_Buffer buffer;
    luaL_buffinit(L, &buffer);
    for (int i = 1; i <= count; ++i)
    {
        const int code = luaL_checkint(L, i);
        luaL_argcheck(L, static_cast<unsigned char>(code) == code, i, "invalid value");
        luaL_addchar(&buffer, char(code));
    }
    luaL_pushresult(&buffer);
    return 1;
}

} // namespace

void BoundStringWork(lua_State* L)
{
    ReplaceCharged(L, "string", "rep", Rep, false);
    ReplaceCharged(L, "string", "sub", Sub, false);
    ReplaceCharged(L, "string", "upper", Upper, false);
    ReplaceCharged(L, "string", "lower", Lower, false);
    ReplaceCharged(L, "string", "reverse", Reverse, false);
    ReplaceCharged(L, "string", "byte", Byte, false);
    ReplaceCharged(L, "string", "char", Char, false);
}
