#include "foundation/lua/PatternLimit.h"

#include "foundation/lua/LibraryWork.h"

#include <cctype>
#include <cstring>

#include <lua.hpp>

namespace {

// What makes a pattern more than text; a find without any of them, or with its "plain" flag,
// only compares text.
constexpr const char* Specials = "^$*+?.([%-";

ChargeWork Charge(lua_State* L) { return *static_cast<ChargeWork*>(lua_touserdata(L, lua_upvalueindex(1))); }

void CheckLength(lua_State* L, size_t length)
{
    if (length > MaxPatternLength)
    {
        luaL_where(L, 1);
        lua_pushfstring(L, "a pattern of %d characters is refused (at most %d)", int(length), int(MaxPatternLength));
        lua_concat(L, 2);
        lua_error(L);
    }
}

// A position from 1, or counted back from the end when negative, as an offset from 0 within
// the subject.
ptrdiff_t StartOffset(lua_State* L, int index, size_t length)
{
    ptrdiff_t position = luaL_optinteger(L, index, 1);
    if (position < 0)
        position += ptrdiff_t(length) + 1;
    if (position < 1)
        return 0;
    return size_t(position - 1) > length ? ptrdiff_t(length) : position - 1;
}

int FindOrMatch(lua_State* L, bool find)
{
    size_t length = 0, patternLength = 0;
    const char* subject = luaL_checklstring(L, 1, &length);
    const char* pattern = luaL_checklstring(L, 2, &patternLength);
    const ptrdiff_t offset = StartOffset(L, 3, length);
    PatternMatcher matcher(L, Charge(L), subject, length);
    if (find && (lua_toboolean(L, 4) || !std::strpbrk(pattern, Specials)))
    {
        const char* at = matcher.FindText(subject + offset, pattern, patternLength);
        matcher.Settle();
        if (!at)
        {
            lua_pushnil(L);
            return 1;
        }
        lua_pushinteger(L, at - subject + 1);
        lua_pushinteger(L, lua_Integer(at - subject + patternLength));
        return 2;
    }
    CheckLength(L, patternLength);
    const bool anchored = *pattern == '^';
    if (anchored)
        ++pattern;
    const char* start = subject + offset;
    do
    {
        if (const char* end = matcher.Match(start, pattern))
        {
            matcher.Settle();
            if (!find)
                return matcher.PushCaptures(start, end);
            lua_pushinteger(L, start - subject + 1);
            lua_pushinteger(L, end - subject);
            return matcher.PushCaptures(nullptr, nullptr) + 2;
        }
    } while (start++ < matcher.End() && !anchored);
    matcher.Settle();
    lua_pushnil(L);
    return 1;
}

int Find(lua_State* L) { return FindOrMatch(L, true); }

int Match(lua_State* L) { return FindOrMatch(L, false); }

// The iterator of gmatch; upvalues: the charge, the subject, the pattern, the next offset.
int GmatchStep(lua_State* L)
{
    size_t length = 0;
    const char* subject = lua_tolstring(L, lua_upvalueindex(2), &length);
    const char* pattern = lua_tostring(L, lua_upvalueindex(3));
    PatternMatcher matcher(L, Charge(L), subject, length);
    for (const char* start = subject + lua_tointeger(L, lua_upvalueindex(4)); start <= matcher.End(); ++start)
    {
        if (const char* end = matcher.Match(start, pattern))
        {
            // An empty match moves on by one, or the next step would find it again.
            lua_pushinteger(L, end - subject + (end == start ? 1 : 0));
            lua_replace(L, lua_upvalueindex(4));
            matcher.Settle();
            return matcher.PushCaptures(start, end);
        }
    }
    matcher.Settle();
    return 0;
}

int Gmatch(lua_State* L)
{
    size_t patternLength = 0;
    luaL_checkstring(L, 1);
    luaL_checklstring(L, 2, &patternLength);
    CheckLength(L, patternLength);
    lua_settop(L, 2);
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_pushinteger(L, 0);
    lua_pushcclosure(L, GmatchStep, 4);
    return 1;
}

// A replacement text: %0 is the whole match, %1 to %9 its captures, % before anything else
// stands for that character.
void AddText(PatternMatcher& matcher, luaL_Buffer& buffer, const char* start, const char* end)
{
    size_t length = 0;
    const char* text = lua_tolstring(buffer.L, 3, &length);
    matcher.Spend(long(length));
    for (size_t i = 0; i < length; ++i)
    {
        if (text[i] != '%')
        {
            luaL_addchar(&buffer, text[i]);
            continue;
        }
        ++i; // the interpreter ends every string with a terminator, so this may read it
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
        {
            luaL_addchar(&buffer, text[i]);
        }
        else if (text[i] == '0')
        {
            luaL_addlstring(&buffer, start, size_t(end - start));
        }
        else
        {
            matcher.PushCapture(text[i] - '1', start, end);
            luaL_addvalue(&buffer);
        }
    }
}

// What replaces one match: the text, the function's answer, or the table's value for the first
// capture; nil or false keeps the match.
void AddReplacement(PatternMatcher& matcher, luaL_Buffer& buffer, const char* start, const char* end)
{
    lua_State* L = buffer.L;
    switch (lua_type(L, 3))
    {
    case LUA_TFUNCTION:
    {
        matcher.Spend(StepsPerCall);
        lua_pushvalue(L, 3);
        const int count = matcher.PushCaptures(start, end);
        lua_call(L, count, 1);
        matcher.Settle(); // the call spent from the same budget
        break;
    }
    case LUA_TTABLE:
        matcher.Spend(StepsPerCall);
        matcher.PushCapture(0, start, end);
        lua_gettable(L, 3);
        matcher.Settle();
        break;
    default: AddText(matcher, buffer, start, end); return;
    }
    if (!lua_toboolean(L, -1))
    {
        lua_pop(L, 1);
        lua_pushlstring(L, start, size_t(end - start));
    }
    else if (!lua_isstring(L, -1))
    {
        luaL_error(L, "invalid replacement value (a %s)", luaL_typename(L, -1));
    }
    luaL_addvalue(&buffer);
}

int Gsub(lua_State* L)
{
    size_t length = 0, patternLength = 0;
    const char* at = luaL_checklstring(L, 1, &length);
    const char* pattern = luaL_checklstring(L, 2, &patternLength);
    const int replacement = lua_type(L, 3);
    const int most = luaL_optint(L, 4, int(length + 1));
    luaL_argcheck(L,
                  replacement == LUA_TNUMBER || replacement == LUA_TSTRING || replacement == LUA_TFUNCTION ||
                      replacement == LUA_TTABLE,
                  3, "string/function/table expected");
    CheckLength(L, patternLength);
    const bool anchored = *pattern == '^';
    if (anchored)
        ++pattern;
    PatternMatcher matcher(L, Charge(L), at, length);
    luaL_Buffer buffer;
    luaL_buffinit(L, &buffer);
    int count = 0;
    while (count < most)
    {
        const char* end = matcher.Match(at, pattern);
        if (end)
        {
            ++count;
            AddReplacement(matcher, buffer, at, end);
        }
        if (end && end > at)
            at = end;
        else if (at < matcher.End())
            luaL_addchar(&buffer, *at++);
        else
            break;
        if (anchored)
            break;
    }
    luaL_addlstring(&buffer, at, size_t(matcher.End() - at));
    matcher.Settle();
    luaL_pushresult(&buffer);
    lua_pushinteger(L, count);
    return 2;
}

} // namespace

void BoundStringPatterns(lua_State* L, ChargeWork charge)
{
    *static_cast<ChargeWork*>(lua_newuserdata(L, sizeof(ChargeWork))) = charge;
    // "gfind" is the old name of gmatch, still there in this interpreter.
    const luaL_Reg functions[] = {
        {"find", Find}, {"match", Match}, {"gmatch", Gmatch}, {"gfind", Gmatch}, {"gsub", Gsub}};
    for (const luaL_Reg& function : functions)
        ReplaceCharged(L, "string", function.name, function.func, false);
    lua_pop(L, 1);
}
