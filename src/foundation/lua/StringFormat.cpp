// string.format as the library has it, charged by the texts it walks: the format, and every text
// it quotes or takes whole.
#include "foundation/lua/LibraryWork.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>

#include <lua.hpp>

namespace {

constexpr const char* Flags = "-+ #0";
// The longest item, and the longest item format ('%', flags, two digits of width and precision,
// the length modifier and the conversion).
constexpr size_t MaxItem = 512;
constexpr size_t MaxItemFormat = 32;

// The library converts with C casts, undefined out of range; these agree with them in range.
int ToInt(double x) { return x > INT_MIN - 1.0 && x < INT_MAX + 1.0 ? int(x) : INT_MIN; }
long ToLong(double x) { return x > -0x1p63 && x < 0x1p63 ? long(x) : LONG_MIN; }
unsigned long ToUnsigned(double x) { return x >= 0 && x < 0x1p64 ? static_cast<unsigned long>(x) : ToLong(x); }

// %q: the text in quotes, escaped so that the interpreter reads it back.
void AddQuoted(lua_State* L, luaL_Buffer& buffer, int arg)
{
    size_t length = 0;
    const char* text = luaL_checklstring(L, arg, &length);
    ChargeSteps(L, double(length) / BytesPerStep);
    luaL_addchar(&buffer, '"');
    for (size_t i = 0; i < length; ++i)
    {
        switch (text[i])
        {
        case '"':
        case '\\':
        case '\n':
            luaL_addchar(&buffer, '\\');
            luaL_addchar(&buffer, text[i]);
            break;
        case '\r': luaL_addlstring(&buffer, "\\r", 2); break;
        case '\0': luaL_addlstring(&buffer, "\\000", 4); break;
        default: luaL_addchar(&buffer, text[i]); break;
        }
    }
    luaL_addchar(&buffer, '"');
}

// Copies the item at `at` (after its '%') up to its conversion into `form` as a printf format;
// returns where the conversion is.
const char* ScanItem(lua_State* L, const char* at, char* form)
{
    const char* p = at;
    while (*p != '\0' && std::strchr(Flags, *p))
        ++p;
    if (size_t(p - at) >= std::strlen(Flags) + 1)
        luaL_error(L, "invalid format (repeated flags)");
    for (int digits = 0; digits < 2 && std::isdigit(static_cast<unsigned char>(*p)); ++digits)
        ++p; // the width
    if (*p == '.')
    {
        ++p;
        for (int digits = 0; digits < 2 && std::isdigit(static_cast<unsigned char>(*p)); ++digits)
            ++p; // the precision
    }
    if (std::isdigit(static_cast<unsigned char>(*p)))
        luaL_error(L, "invalid format (width or precision too long)");
    *form++ = '%';
    std::memcpy(form, at, size_t(p - at) + 1);
    form[p - at + 1] = '\0';
    return p;
}

// Puts the length modifier of a long before the conversion at the end of `form`.
void AddLongModifier(char* form)
{
    const size_t length = std::strlen(form);
    form[length] = form[length - 1];
    form[length - 1] = 'l';
    form[length + 1] = '\0';
}

int Format(lua_State* L)
{
    const int top = lua_gettop(L);
    int arg = 1;
    size_t formatLength = 0;
    const char* at = luaL_checklstring(L, arg, &formatLength);
    const char* end = at + formatLength;
    ChargeSteps(L, double(formatLength) / BytesPerStep);
    luaL_Buffer buffer;
    luaL_buffinit(L, &buffer);
    while (at < end)
    {
        if (*at != '%')
        {
            luaL_addchar(&buffer, *at++);
            continue;
        }
        if (*++at == '%')
        {
            luaL_addchar(&buffer, *at++);
            continue;
        }
        char form[MaxItemFormat];
        char item[MaxItem];
        if (++arg > top)
            luaL_argerror(L, arg, "no value");
        at = ScanItem(L, at, form);
        switch (*at++)
        {
        case 'c': std::snprintf(item, sizeof(item), form, ToInt(luaL_checknumber(L, arg))); break;
        case 'd':
        case 'i':
            AddLongModifier(form);
            std::snprintf(item, sizeof(item), form, ToLong(luaL_checknumber(L, arg)));
            break;
        case 'o':
        case 'u':
        case 'x':
        case 'X':
            AddLongModifier(form);
            std::snprintf(item, sizeof(item), form, ToUnsigned(luaL_checknumber(L, arg)));
            break;
        case 'e':
        case 'E':
        case 'f':
        case 'g':
        case 'G': std::snprintf(item, sizeof(item), form, double(luaL_checknumber(L, arg))); break;
        case 'q': AddQuoted(L, buffer, arg); continue;
        case 's':
        {
            size_t length = 0;
            const char* text = luaL_checklstring(L, arg, &length);
            ChargeSteps(L, double(length) / BytesPerStep);
            if (!std::strchr(form, '.') && length >= 100)
            {
                // Too long for an item, and nothing to cut it to: the text as it is.
                lua_pushvalue(L, arg);
                luaL_addvalue(&buffer);
                continue;
            }
            std::snprintf(item, sizeof(item), form, text);
            break;
        }
        default: return luaL_error(L, "invalid option '%%%c' to 'format'", *(at - 1));
        }
        luaL_addlstring(&buffer, item, std::strlen(item));
    }
    luaL_pushresult(&buffer);
    return 1;
}

} // namespace

void BoundStringFormat(lua_State* L) { ReplaceCharged(L, "string", "format", Format, false); }
