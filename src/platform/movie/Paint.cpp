#include "platform/movie/Paint.h"

#include "platform/movie/MovieLibrary.h"

#include <lua.hpp>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace movie {

namespace {

constexpr const char* kGradientType = "movie.gradient";
// The stops of one gradient: far above the few the game's gradients have.
constexpr size_t kMaxGradientStops = 256;
// What a gradient holds of the host's memory: the pattern, and each stop. The script's value of
// a gradient is made as large, so the movie's memory limit counts what its gradients hold.
constexpr size_t kGradientBytes = 256;
constexpr size_t kStopBytes = 64;

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool ParseHex(const char* text, size_t length, Rgba& out)
{
    if (length < 2 || text[0] != '#')
        return false;
    const size_t digits = length - 1;
    if (digits != 3 && digits != 4 && digits != 6 && digits != 8)
        return false;
    int values[8] = {};
    for (size_t i = 0; i < digits; ++i)
    {
        values[i] = HexDigit(text[1 + i]);
        if (values[i] < 0)
            return false;
    }
    if (digits <= 4)
    {
        out = Rgba{values[0] / 15.0, values[1] / 15.0, values[2] / 15.0, digits == 4 ? values[3] / 15.0 : 1.0};
        return true;
    }
    auto channel = [&](int i) { return (values[2 * i] * 16 + values[2 * i + 1]) / 255.0; };
    out = Rgba{channel(0), channel(1), channel(2), digits == 8 ? channel(3) : 1.0};
    return true;
}

double Unit(double x) { return std::isfinite(x) ? std::clamp(x, 0.0, 1.0) : 0.0; }

cairo_pattern_t* CheckGradient(lua_State* L, int index)
{
    auto* slot = static_cast<cairo_pattern_t**>(luaL_checkudata(L, index, kGradientType));
    return *slot;
}

int DestroyGradient(lua_State* L)
{
    auto* slot = static_cast<cairo_pattern_t**>(luaL_checkudata(L, 1, kGradientType));
    if (*slot)
        cairo_pattern_destroy(*slot);
    *slot = nullptr;
    return 0;
}

// The stops in the table at `index`, within the bound.
size_t CheckStops(lua_State* L, int index)
{
    luaL_checktype(L, index, LUA_TTABLE);
    const size_t stops = lua_objlen(L, index) / 2;
    if (stops > kMaxGradientStops)
        luaL_error(L, "more than %d gradient stops", int(kMaxGradientStops));
    return stops;
}

// A script value for a gradient of `stops` stops, its pattern still to be set: made first, so
// that the collector frees the pattern whatever fails after.
cairo_pattern_t** NewGradient(lua_State* L, size_t stops)
{
    auto* slot = static_cast<cairo_pattern_t**>(
        lua_newuserdata(L, sizeof(cairo_pattern_t*) + kGradientBytes + kStopBytes * stops));
    *slot = nullptr;
    luaL_getmetatable(L, kGradientType);
    lua_setmetatable(L, -2);
    return slot;
}

// Adds the `stops` stops of the table at `index` to the gradient on the top of the stack.
int AddStops(lua_State* L, cairo_pattern_t* pattern, int index, size_t stops)
{
    for (int i = 1; i < 2 * int(stops); i += 2)
    {
        lua_rawgeti(L, index, i);
        lua_rawgeti(L, index, i + 1);
        Rgba color;
        if (!lua_isnumber(L, -2) || !ReadColor(L, -1, color))
            return luaL_error(L, "gradient stop %d is not an offset and a colour", (i + 1) / 2);
        cairo_pattern_add_color_stop_rgba(pattern, Unit(lua_tonumber(L, -2)), color.r, color.g, color.b, color.a);
        lua_pop(L, 2);
    }
    return 1;
}

int ColorFunction(lua_State* L)
{
    Rgba color;
    if (!ReadColor(L, 1, color))
        return luaL_argerror(L, 1, "colour expected");
    PushColor(L, color);
    return 1;
}

int MixFunction(lua_State* L)
{
    Rgba a, b;
    if (!ReadColor(L, 1, a))
        return luaL_argerror(L, 1, "colour expected");
    if (!ReadColor(L, 2, b))
        return luaL_argerror(L, 2, "colour expected");
    const double t = Unit(luaL_checknumber(L, 3));
    PushColor(L, Rgba{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t});
    return 1;
}

} // namespace

bool ReadColor(lua_State* L, int index, Rgba& out)
{
    switch (lua_type(L, index))
    {
    case LUA_TSTRING:
    {
        size_t length = 0;
        const char* text = lua_tolstring(L, index, &length);
        return ParseHex(text, length, out);
    }
    case LUA_TNUMBER:
    {
        const double n = lua_tonumber(L, index);
        if (!(n >= 0.0 && n <= 16777215.0))
            return false;
        const auto rgb = static_cast<unsigned>(n);
        out = Rgba{(rgb >> 16 & 0xFF) / 255.0, (rgb >> 8 & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, 1.0};
        return true;
    }
    case LUA_TTABLE:
    {
        double c[4] = {0.0, 0.0, 0.0, 1.0};
        for (int i = 0; i < 4; ++i)
        {
            lua_rawgeti(L, index, i + 1);
            if (lua_isnumber(L, -1))
                c[i] = Unit(lua_tonumber(L, -1));
            else if (i < 3 || !lua_isnil(L, -1))
            {
                lua_pop(L, 1);
                return false;
            }
            lua_pop(L, 1);
        }
        out = Rgba{c[0], c[1], c[2], c[3]};
        return true;
    }
    default: return false;
    }
}

void PushColor(lua_State* L, const Rgba& color)
{
    lua_createtable(L, 4, 0);
    const double c[4] = {color.r, color.g, color.b, color.a};
    for (int i = 0; i < 4; ++i)
    {
        lua_pushnumber(L, c[i]);
        lua_rawseti(L, -2, i + 1);
    }
}

bool ReadPaint(lua_State* L, int index, Paint& out)
{
    if (lua_isnoneornil(L, index))
        return false;
    if (lua_type(L, index) == LUA_TUSERDATA)
    {
        out.isColor = false;
        out.pattern = CheckGradient(L, index);
        if (!out.pattern)
            luaL_argerror(L, index, "gradient already released");
        return true;
    }
    out.isColor = true;
    if (!ReadColor(L, index, out.color))
        luaL_argerror(L, index, "colour or gradient expected");
    return true;
}

void RegisterPaint(lua_State* L)
{
    luaL_newmetatable(L, kGradientType);
    lua_pushcfunction(L, DestroyGradient);
    lua_setfield(L, -2, "__gc");
    LockMetatable(L);
    lua_pop(L, 1);
    lua_register(L, "color", ColorFunction);
    lua_register(L, "mix", MixFunction);
}

int LinearGradient(lua_State* L)
{
    const double x0 = luaL_checknumber(L, 2), y0 = luaL_checknumber(L, 3);
    const double x1 = luaL_checknumber(L, 4), y1 = luaL_checknumber(L, 5);
    const size_t stops = CheckStops(L, 6);
    cairo_pattern_t** slot = NewGradient(L, stops);
    *slot = cairo_pattern_create_linear(x0, y0, x1, y1);
    return AddStops(L, *slot, 6, stops);
}

int RadialGradient(lua_State* L)
{
    const double cx = luaL_checknumber(L, 2), cy = luaL_checknumber(L, 3);
    const double r0 = luaL_checknumber(L, 4), r1 = luaL_checknumber(L, 5);
    const size_t stops = CheckStops(L, 6);
    cairo_pattern_t** slot = NewGradient(L, stops);
    *slot = cairo_pattern_create_radial(cx, cy, r0, cx, cy, r1);
    return AddStops(L, *slot, 6, stops);
}

} // namespace movie
