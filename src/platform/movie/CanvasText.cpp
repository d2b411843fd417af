// Text on the canvas: fonts found by family name through the system's font lookup, UTF-8
// text, one line or a box of word-wrapped lines.
#include "platform/movie/Canvas.h"

#include "platform/font/Utf8.h"
#include "platform/movie/Paint.h"

#include <lua.hpp>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace movie {

namespace {

constexpr double kMinFontSize = 1.0;
constexpr double kMaxFontSize = 1000.0;

// Text cairo can take: malformed UTF-8 is replaced, control characters dropped.
std::string Printable(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t c : DecodeUtf8(text))
    {
        if (c < 0x20 || c == 0x7F)
            continue;
        if (c < 0x80)
            out.push_back(char(c));
        else if (c < 0x800)
        {
            out.push_back(char(0xC0 | (c >> 6)));
            out.push_back(char(0x80 | (c & 0x3F)));
        }
        else if (c < 0x10000)
        {
            out.push_back(char(0xE0 | (c >> 12)));
            out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(char(0x80 | (c & 0x3F)));
        }
        else
        {
            out.push_back(char(0xF0 | (c >> 18)));
            out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(char(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

double Advance(cairo_t* cr, const std::string& text)
{
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
}

// Words of one paragraph laid into lines no wider than `width` (a longer word keeps a line
// of its own).
void Wrap(cairo_t* cr, const std::string& paragraph, double width, std::vector<std::string>& lines)
{
    std::string line;
    size_t at = 0;
    while (at <= paragraph.size())
    {
        size_t end = paragraph.find(' ', at);
        if (end == std::string::npos)
            end = paragraph.size();
        const std::string word = paragraph.substr(at, end - at);
        const std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && Advance(cr, candidate) > width)
        {
            lines.push_back(line);
            line = word;
        }
        else
        {
            line = candidate;
        }
        at = end + 1;
    }
    lines.push_back(line);
}

const char* const kAligns[] = {"left", "center", "right", nullptr};
const char* const kVerticalAligns[] = {"top", "middle", "bottom", nullptr};

// The x of a line's start for an alignment within [x, x + width].
double AlignedX(int align, double x, double width, double advance)
{
    switch (align)
    {
    case 1: return x + (width - advance) * 0.5;
    case 2: return x + width - advance;
    default: return x;
    }
}

double Number(lua_State* L, int index)
{
    const double value = luaL_checknumber(L, index);
    if (!std::isfinite(value))
        luaL_argerror(L, index, "finite number expected");
    return value;
}

} // namespace

// font(face, size[, bold[, italic]])
int CanvasFont(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    const char* face = luaL_checkstring(L, 2);
    const double size = std::fmin(kMaxFontSize, std::fmax(kMinFontSize, Number(L, 3)));
    const bool bold = lua_toboolean(L, 4);
    const bool italic = lua_toboolean(L, 5);
    cairo_select_font_face(canvas.Cr(), face, italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(canvas.Cr(), size);
    return 0;
}

// text(text, x, y, paint[, align]) -> width: one line whose top is at y; x is its left edge,
// centre or right edge by the alignment.
int CanvasText(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    size_t length = 0;
    const char* raw = luaL_checklstring(L, 2, &length);
    const double x = Number(L, 3), y = Number(L, 4);
    Paint paint;
    const bool painted = ReadPaint(L, 5, paint);
    const int align = luaL_checkoption(L, 6, "left", kAligns);
    cairo_t* cr = canvas.Cr();
    double advance = 0.0;
    {
        const std::string text = Printable(std::string_view(raw, length));
        advance = Advance(cr, text);
        cairo_font_extents_t font;
        cairo_font_extents(cr, &font);
        if (painted)
        {
            cairo_new_path(cr);
            cairo_move_to(cr, AlignedX(align, x, 0.0, align == 0 ? 0.0 : advance), y + font.ascent);
            WithPaint(cr, paint, canvas.Alpha(), [cr, &text] { cairo_show_text(cr, text.c_str()); });
            cairo_new_path(cr);
        }
    }
    lua_pushnumber(L, advance);
    return 1;
}

// textBox(text, x, y, w, h, paint[, align[, valign]]) -> lines: word-wrapped lines ("\n"
// starts a new one) placed in the box; lines that do not fit below are left out.
int CanvasTextBox(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    size_t length = 0;
    const char* raw = luaL_checklstring(L, 2, &length);
    const double x = Number(L, 3), y = Number(L, 4), w = Number(L, 5), h = Number(L, 6);
    Paint paint;
    const bool painted = ReadPaint(L, 7, paint);
    const int align = luaL_checkoption(L, 8, "left", kAligns);
    const int valign = luaL_checkoption(L, 9, "top", kVerticalAligns);
    cairo_t* cr = canvas.Cr();
    int shown = 0;
    {
        std::vector<std::string> lines;
        const std::string_view all(raw, length);
        for (size_t at = 0; at <= all.size();)
        {
            size_t end = all.find('\n', at);
            if (end == std::string_view::npos)
                end = all.size();
            Wrap(cr, Printable(all.substr(at, end - at)), w, lines);
            at = end + 1;
        }
        cairo_font_extents_t font;
        cairo_font_extents(cr, &font);
        const double lineHeight = font.height;
        const int fitting = lineHeight > 0.0 ? int(std::floor(h / lineHeight + 1e-6)) : 0;
        shown = std::min(int(lines.size()), std::max(fitting, 0));
        const double used = shown * lineHeight;
        double top = y;
        if (valign == 1)
            top = y + (h - used) * 0.5;
        else if (valign == 2)
            top = y + h - used;
        if (painted)
        {
            for (int i = 0; i < shown; ++i)
            {
                const std::string& line = lines[size_t(i)];
                cairo_new_path(cr);
                cairo_move_to(cr, AlignedX(align, x, w, Advance(cr, line)), top + i * lineHeight + font.ascent);
                WithPaint(cr, paint, canvas.Alpha(), [cr, &line] { cairo_show_text(cr, line.c_str()); });
            }
            cairo_new_path(cr);
        }
    }
    lua_pushnumber(L, shown);
    return 1;
}

// measure(text) -> width, line height, in the current font.
int CanvasMeasure(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    size_t length = 0;
    const char* raw = luaL_checklstring(L, 2, &length);
    double advance = 0.0, height = 0.0;
    {
        const std::string text = Printable(std::string_view(raw, length));
        advance = Advance(canvas.Cr(), text);
        cairo_font_extents_t font;
        cairo_font_extents(canvas.Cr(), &font);
        height = font.height;
    }
    lua_pushnumber(L, advance);
    lua_pushnumber(L, height);
    return 2;
}

} // namespace movie
