// Text on the canvas: fonts found by family name through the system's font lookup, UTF-8
// text, one line or a box of word-wrapped lines.
#include "platform/movie/Canvas.h"

#include "platform/font/Utf8.h"
#include "platform/movie/Paint.h"
#include "platform/movie/ScriptBudget.h"

#include <lua.hpp>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace movie {

namespace {

constexpr double kMinFontSize = 1.0;
constexpr double kMaxFontSize = 1000.0;
// The longest face name: the font library keeps the names of the faces it was asked for.
constexpr size_t kMaxFaceBytes = 256;
// Work charged to the script for each byte of text measured or drawn, in instructions: laying
// and drawing a glyph costs some tens of nanoseconds.
constexpr long kStepsPerTextByte = 16;

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

struct Line
{
    std::string text;
    double width;
};

// Words of one paragraph laid into lines no wider than `width` (a longer word keeps a line of
// its own), until there are `most` lines. Glyph advances add up, so each word is measured once
// and a line's width is the sum of its words' and spaces'.
void Wrap(cairo_t* cr, const std::string& paragraph, double width, size_t most, std::vector<Line>& lines)
{
    const double space = Advance(cr, " ");
    std::string word;
    size_t start = 0, stop = 0; // the line so far: paragraph[start, stop)
    double used = 0.0;
    for (size_t at = 0; at <= paragraph.size() && lines.size() < most;)
    {
        size_t end = paragraph.find(' ', at);
        if (end == std::string::npos)
            end = paragraph.size();
        word.assign(paragraph, at, end - at);
        const double advance = Advance(cr, word);
        if (start == stop)
        {
            start = at;
            used = advance;
        }
        else if (used + space + advance > width)
        {
            lines.push_back(Line{paragraph.substr(start, stop - start), used});
            start = at;
            used = advance;
        }
        else
        {
            used += space + advance;
        }
        stop = end;
        at = end + 1;
    }
    if (lines.size() < most)
        lines.push_back(Line{paragraph.substr(start, stop - start), used});
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

// The text argument, within the bound, with its work charged.
std::string_view CheckText(lua_State* L, int index)
{
    size_t length = 0;
    const char* text = luaL_checklstring(L, index, &length);
    if (length > Canvas::MaxTextBytes)
        luaL_error(L, "a text of %d bytes; the canvas takes %d at most", int(std::min<size_t>(length, INT_MAX)),
                   int(Canvas::MaxTextBytes));
    ScriptBudget::Charge(L, long(length + 1) * kStepsPerTextByte);
    return std::string_view(text, length);
}

} // namespace

// font(face, size[, bold[, italic]])
int CanvasFont(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    size_t faceLength = 0;
    const char* face = luaL_checklstring(L, 2, &faceLength);
    if (faceLength > kMaxFaceBytes)
        return luaL_argerror(L, 2, "font name too long");
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
    const std::string_view raw = CheckText(L, 2);
    const double x = Number(L, 3), y = Number(L, 4);
    Paint paint;
    const bool painted = ReadPaint(L, 5, paint);
    const int align = luaL_checkoption(L, 6, "left", kAligns);
    cairo_t* cr = canvas.Cr();
    double advance = 0.0;
    {
        const std::string text = Printable(raw);
        advance = Advance(cr, text);
        cairo_font_extents_t font;
        cairo_font_extents(cr, &font);
        if (painted)
        {
            canvas.NewPath();
            cairo_move_to(cr, AlignedX(align, x, 0.0, align == 0 ? 0.0 : advance), y + font.ascent);
            WithPaint(cr, paint, canvas.Alpha(), [cr, &text] { cairo_show_text(cr, text.c_str()); });
            canvas.NewPath();
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
    const std::string_view all = CheckText(L, 2);
    const double x = Number(L, 3), y = Number(L, 4), w = Number(L, 5), h = Number(L, 6);
    Paint paint;
    const bool painted = ReadPaint(L, 7, paint);
    const int align = luaL_checkoption(L, 8, "left", kAligns);
    const int valign = luaL_checkoption(L, 9, "top", kVerticalAligns);
    cairo_t* cr = canvas.Cr();
    size_t shown = 0;
    {
        cairo_font_extents_t font;
        cairo_font_extents(cr, &font);
        const double lineHeight = font.height;
        // No more lines than the box holds are laid out; a text has no more than a line a byte.
        const double fitting = lineHeight > 0.0 ? std::floor(h / lineHeight + 1e-6) : 0.0;
        const size_t most = size_t(std::clamp(fitting, 0.0, double(all.size() + 1)));
        std::vector<Line> lines;
        for (size_t at = 0; at <= all.size() && lines.size() < most;)
        {
            size_t end = all.find('\n', at);
            if (end == std::string_view::npos)
                end = all.size();
            Wrap(cr, Printable(all.substr(at, end - at)), w, most, lines);
            at = end + 1;
        }
        shown = lines.size();
        const double used = double(shown) * lineHeight;
        double top = y;
        if (valign == 1)
            top = y + (h - used) * 0.5;
        else if (valign == 2)
            top = y + h - used;
        if (painted)
        {
            for (size_t i = 0; i < shown; ++i)
            {
                const Line& line = lines[i];
                canvas.NewPath();
                cairo_move_to(cr, AlignedX(align, x, w, line.width), top + double(i) * lineHeight + font.ascent);
                WithPaint(cr, paint, canvas.Alpha(), [cr, &line] { cairo_show_text(cr, line.text.c_str()); });
            }
            canvas.NewPath();
        }
    }
    lua_pushnumber(L, shown);
    return 1;
}

// measure(text) -> width, line height, in the current font.
int CanvasMeasure(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    const std::string_view raw = CheckText(L, 2);
    double advance = 0.0, height = 0.0;
    {
        const std::string text = Printable(raw);
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
