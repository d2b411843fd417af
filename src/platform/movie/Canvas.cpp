#include "platform/movie/Canvas.h"

#include "platform/movie/MovieContext.h"
#include "platform/movie/MovieLibrary.h"
#include "platform/movie/Paint.h"
#include "platform/movie/ScriptBudget.h"

#include <lua.hpp>

#include <cmath>
#include <string>
#include <string_view>

namespace movie {

namespace {

constexpr const char* kCanvasType = "movie.canvas";
constexpr double kPi = 3.14159265358979323846;
// A placeholder for an image that cannot be had.
constexpr Rgba kMissingImage{1.0, 0.0, 1.0, 0.5};
// Work charged to the script, in instructions: memory the host takes for it at one instruction
// for 8 bytes, as the script's own is charged; a point filled or stroked, about a microsecond in
// an ordinary shape; a saved state or clip, a few hundred bytes.
constexpr size_t kBytesPerStep = 8;
constexpr long kStepsPerPaintedPoint = 256;
constexpr long kStepsPerState = 64;

double Number(lua_State* L, int index)
{
    const double value = luaL_checknumber(L, index);
    if (!std::isfinite(value))
        luaL_argerror(L, index, "finite number expected");
    return value;
}

double OptNumber(lua_State* L, int index, double fallback)
{
    return lua_isnoneornil(L, index) ? fallback : Number(L, index);
}

// Fills the current path with the paint at `index` and strokes it with the paint at
// `index + 1`, as wide as the number after it (1 by default); either paint may be nil.
int FillAndStroke(lua_State* L, Canvas& canvas, int index)
{
    Paint fill, stroke;
    const bool fills = ReadPaint(L, index, fill);
    const bool strokes = ReadPaint(L, index + 1, stroke);
    const double width = OptNumber(L, index + 2, 1.0);
    ScriptBudget::Charge(L, (long(fills) + long(strokes)) * (canvas.PathPoints() + 1) * kStepsPerPaintedPoint);
    cairo_t* cr = canvas.Cr();
    if (fills)
        WithPaint(cr, fill, canvas.Alpha(), [cr] { cairo_fill_preserve(cr); });
    if (strokes)
    {
        cairo_set_line_width(cr, width);
        WithPaint(cr, stroke, canvas.Alpha(), [cr] { cairo_stroke_preserve(cr); });
    }
    canvas.NewPath();
    return 0;
}

// Points an arc adds to the path: three for each eighth of a turn it spans, and its start.
int ArcPoints(double span) { return 3 * int(std::ceil(std::fmax(span, 0.0) / (kPi / 4))) + 1; }

// A radius past what the canvas draws, in pixels by the largest stretch of the transform.
void CheckRadius(lua_State* L, Canvas& canvas, double radius)
{
    cairo_matrix_t m;
    cairo_get_matrix(canvas.Cr(), &m);
    const double stretch = std::sqrt(m.xx * m.xx + m.yx * m.yx + m.xy * m.xy + m.yy * m.yy);
    if (!(radius * stretch <= Canvas::MaxRadiusPixels))
        luaL_error(L, "radius %f is larger than the canvas draws", radius);
}

void RoundRectPath(lua_State* L, Canvas& canvas, double x, double y, double w, double h, double r)
{
    r = std::fmax(0.0, std::fmin(r, std::fmin(w, h) * 0.5));
    CheckRadius(L, canvas, r);
    canvas.GrowPath(L, 4 * ArcPoints(kPi / 2) + 1);
    cairo_t* cr = canvas.Cr();
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

int Save(lua_State* L)
{
    Canvas::Check(L).Save(L);
    return 0;
}

int Restore(lua_State* L)
{
    Canvas::Check(L).Restore();
    return 0;
}

int Translate(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    cairo_translate(canvas.Cr(), Number(L, 2), Number(L, 3));
    return 0;
}

// A scale of zero would leave nothing to draw with; it is refused.
int Scale(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    const double sx = Number(L, 2), sy = OptNumber(L, 3, sx);
    if (sx == 0.0 || sy == 0.0)
        return luaL_error(L, "scale by zero");
    cairo_scale(canvas.Cr(), sx, sy);
    return 0;
}

int Rotate(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    cairo_rotate(canvas.Cr(), Number(L, 2));
    return 0;
}

int Clip(lua_State* L)
{
    Canvas::Check(L).Clip(L, Number(L, 2), Number(L, 3), Number(L, 4), Number(L, 5));
    return 0;
}

int Alpha(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    if (!lua_isnoneornil(L, 2))
        canvas.MultiplyAlpha(std::fmax(0.0, std::fmin(1.0, Number(L, 2))));
    lua_pushnumber(L, canvas.Alpha());
    return 1;
}

// Whether a rectangle meets the area being painted, so a Draw can skip what is not asked for.
int Visible(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    const double x = Number(L, 2), y = Number(L, 3), w = Number(L, 4), h = Number(L, 5);
    double left, top, right, bottom;
    cairo_clip_extents(canvas.Cr(), &left, &top, &right, &bottom);
    lua_pushboolean(L, x < right && x + w > left && y < bottom && y + h > top);
    return 1;
}

int RectShape(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    canvas.NewPath();
    canvas.GrowPath(L, 5);
    cairo_rectangle(canvas.Cr(), Number(L, 2), Number(L, 3), Number(L, 4), Number(L, 5));
    return FillAndStroke(L, canvas, 6);
}

int RoundRectShape(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    canvas.NewPath();
    RoundRectPath(L, canvas, Number(L, 2), Number(L, 3), Number(L, 4), Number(L, 5), Number(L, 6));
    return FillAndStroke(L, canvas, 7);
}

int CircleShape(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    const double x = Number(L, 2), y = Number(L, 3), r = std::fabs(Number(L, 4));
    CheckRadius(L, canvas, r);
    canvas.NewPath();
    canvas.GrowPath(L, ArcPoints(2 * kPi));
    cairo_arc(canvas.Cr(), x, y, r, 0.0, 2 * kPi);
    return FillAndStroke(L, canvas, 5);
}

int LineShape(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    canvas.NewPath();
    canvas.GrowPath(L, 2);
    cairo_move_to(canvas.Cr(), Number(L, 2), Number(L, 3));
    cairo_line_to(canvas.Cr(), Number(L, 4), Number(L, 5));
    lua_pushnil(L);
    lua_insert(L, 6); // no fill: the paint and width move one place on
    return FillAndStroke(L, canvas, 6);
}

// points: a flat list {x1, y1, x2, y2, ...}.
int PolygonShape(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    luaL_checktype(L, 2, LUA_TTABLE);
    cairo_t* cr = canvas.Cr();
    canvas.NewPath();
    const size_t count = lua_objlen(L, 2) / 2;
    canvas.GrowPath(L, int(std::min<size_t>(count, Canvas::MaxPathPoints + 1)) + 1);
    for (int i = 0; i < int(count); ++i)
    {
        lua_rawgeti(L, 2, 2 * i + 1);
        lua_rawgeti(L, 2, 2 * i + 2);
        const double x = lua_tonumber(L, -2), y = lua_tonumber(L, -1);
        lua_pop(L, 2);
        if (!std::isfinite(x) || !std::isfinite(y))
            return luaL_argerror(L, 2, "finite coordinates expected");
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    return FillAndStroke(L, canvas, 3);
}

// Paints the whole area being drawn with the paint, or with transparency.
int Clear(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    Paint paint;
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    if (ReadPaint(L, 2, paint))
    {
        WithPaint(cr, paint, canvas.Alpha(), [cr] { cairo_paint(cr); });
    }
    else
    {
        cairo_set_source_rgba(cr, 0.0, 0.0, 0.0, 0.0);
        cairo_paint(cr);
    }
    cairo_restore(cr);
    return 0;
}

int BeginPath(lua_State* L)
{
    Canvas::Check(L).NewPath();
    return 0;
}

int MoveTo(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    canvas.GrowPath(L, 1);
    cairo_move_to(canvas.Cr(), Number(L, 2), Number(L, 3));
    return 0;
}

int LineTo(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    canvas.GrowPath(L, 1);
    cairo_line_to(canvas.Cr(), Number(L, 2), Number(L, 3));
    return 0;
}

int CurveTo(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    canvas.GrowPath(L, 3);
    cairo_curve_to(canvas.Cr(), Number(L, 2), Number(L, 3), Number(L, 4), Number(L, 5), Number(L, 6), Number(L, 7));
    return 0;
}

// More than a turn draws no more than a turn, but the path would be laid turn by turn: a longer
// span keeps one turn and what is left over, so the arc still ends where it was asked to.
int Arc(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    const double x = Number(L, 2), y = Number(L, 3), r = std::fabs(Number(L, 4));
    const double from = Number(L, 5);
    double to = Number(L, 6);
    const double span = to - from;
    if (!std::isfinite(span))
        return luaL_argerror(L, 6, "angle out of range");
    double laid = span;
    if (span > 2 * kPi)
    {
        to = from + 2 * kPi + std::fmod(span, 2 * kPi);
        laid = to - from;
    }
    else if (span < 0.0)
    {
        laid = std::fmod(span, 2 * kPi) + 2 * kPi; // it turns on from `from` until it reaches `to`
    }
    CheckRadius(L, canvas, r);
    canvas.GrowPath(L, ArcPoints(laid));
    cairo_arc(canvas.Cr(), x, y, r, from, to);
    return 0;
}

int ClosePath(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    canvas.GrowPath(L, 1);
    cairo_close_path(canvas.Cr());
    return 0;
}

int FillPath(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    return FillAndStroke(L, canvas, 2);
}

int StrokePath(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    lua_pushnil(L);
    lua_insert(L, 2);
    return FillAndStroke(L, canvas, 2);
}

// A script error leaves a function without running destructors: the name stays the script's.
std::string_view ImageName(lua_State* L, int index)
{
    size_t length = 0;
    const char* name = luaL_checklstring(L, index, &length);
    if (length > ImageCache::MaxNameBytes)
        luaL_argerror(L, index, "image name too long");
    return std::string_view(name, length);
}

// The image by its name; the pixels of one loaded now are charged as the script's own memory is.
cairo_surface_t* GetImage(lua_State* L, Canvas& canvas, std::string_view name)
{
    ImageCache& images = canvas.Context().images;
    const size_t held = images.Bytes();
    cairo_surface_t* image = images.Get(canvas.Context(), std::string(name));
    ScriptBudget::Charge(L, long((images.Bytes() - held) / kBytesPerStep));
    return image;
}

// image(name, x, y[, w, h]): at its own size unless one is given.
int Image(lua_State* L)
{
    Canvas& canvas = Canvas::Check(L);
    const std::string_view name = ImageName(L, 2);
    const double x = Number(L, 3), y = Number(L, 4);
    const double askedW = OptNumber(L, 5, NAN), askedH = OptNumber(L, 6, NAN); // NaN: the image's own
    cairo_t* cr = canvas.Cr();
    canvas.NewPath(); // the image's own clip takes the path
    cairo_surface_t* image = GetImage(L, canvas, name);
    const double iw = image ? cairo_image_surface_get_width(image) : 32.0;
    const double ih = image ? cairo_image_surface_get_height(image) : 32.0;
    const double w = std::isnan(askedW) ? iw : askedW, h = std::isnan(askedH) ? ih : askedH;
    if (w == 0.0 || h == 0.0)
        return 0;
    cairo_save(cr);
    if (image)
    {
        cairo_translate(cr, x, y);
        cairo_scale(cr, w / iw, h / ih);
        cairo_set_source_surface(cr, image, 0.0, 0.0);
        // Smoothed inside, sharp at the image's own edges.
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
        cairo_rectangle(cr, 0.0, 0.0, iw, ih);
        cairo_clip(cr);
        cairo_paint_with_alpha(cr, canvas.Alpha());
    }
    else
    {
        cairo_rectangle(cr, x, y, w, h);
        cairo_set_source_rgba(cr, kMissingImage.r, kMissingImage.g, kMissingImage.b, kMissingImage.a * canvas.Alpha());
        cairo_fill(cr);
    }
    cairo_restore(cr);
    return 0;
}

// Images can be sized outside a paint too.
int ImageSizeAnytime(lua_State* L)
{
    auto* slot = static_cast<Canvas**>(luaL_checkudata(L, 1, kCanvasType));
    Canvas& canvas = **slot;
    cairo_surface_t* image = GetImage(L, canvas, ImageName(L, 2));
    lua_pushnumber(L, image ? cairo_image_surface_get_width(image) : 0);
    lua_pushnumber(L, image ? cairo_image_surface_get_height(image) : 0);
    return 2;
}

const luaL_Reg kMethods[] = {
    {"save", Save},
    {"restore", Restore},
    {"translate", Translate},
    {"scale", Scale},
    {"rotate", Rotate},
    {"clip", Clip},
    {"alpha", Alpha},
    {"visible", Visible},
    {"rect", RectShape},
    {"roundRect", RoundRectShape},
    {"circle", CircleShape},
    {"line", LineShape},
    {"polygon", PolygonShape},
    {"clear", Clear},
    {"beginPath", BeginPath},
    {"moveTo", MoveTo},
    {"lineTo", LineTo},
    {"curveTo", CurveTo},
    {"arc", Arc},
    {"closePath", ClosePath},
    {"fillPath", FillPath},
    {"strokePath", StrokePath},
    {"linearGradient", LinearGradient},
    {"radialGradient", RadialGradient},
    {"font", CanvasFont},
    {"text", CanvasText},
    {"textBox", CanvasTextBox},
    {"measure", CanvasMeasure},
    {"image", Image},
    {"imageSize", ImageSizeAnytime},
    {nullptr, nullptr},
};

} // namespace

void Canvas::Begin(cairo_t* cr)
{
    _cr = cr;
    _alpha = 1.0;
    _clips = 0;
    _pathPoints = 0;
    _saved.clear();
    cairo_scale(cr, _context.ScaleX(), _context.ScaleY());
    cairo_select_font_face(cr, "Arial", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 16.0);
}

void Canvas::End()
{
    _cr = nullptr;
    _saved.clear();
}

void Canvas::Save(lua_State* L)
{
    if (_saved.size() >= size_t(MaxSavedStates))
        luaL_error(L, "more than %d saved states", MaxSavedStates);
    ScriptBudget::Charge(L, kStepsPerState);
    cairo_save(_cr);
    _saved.push_back(Saved{_alpha, _clips});
}

// More restores than saves are ignored: the paint's own state stays.
void Canvas::Restore()
{
    if (_saved.empty())
        return;
    cairo_restore(_cr);
    _alpha = _saved.back().alpha;
    _clips = _saved.back().clips;
    _saved.pop_back();
}

// The clip takes the rectangle alone, not the path being built with it.
void Canvas::Clip(lua_State* L, double x, double y, double w, double h)
{
    if (_clips >= MaxClips)
        luaL_error(L, "more than %d clips in force", MaxClips);
    ScriptBudget::Charge(L, kStepsPerState);
    ++_clips;
    NewPath();
    cairo_rectangle(_cr, x, y, w, h);
    cairo_clip(_cr);
}

void Canvas::NewPath()
{
    cairo_new_path(_cr);
    _pathPoints = 0;
}

void Canvas::GrowPath(lua_State* L, int points)
{
    if (points > MaxPathPoints - _pathPoints)
        luaL_error(L, "a path of more than %d points", MaxPathPoints);
    _pathPoints += points;
}

void Canvas::Register(lua_State* L)
{
    luaL_newmetatable(L, kCanvasType);
    lua_newtable(L);
    luaL_register(L, nullptr, kMethods);
    lua_setfield(L, -2, "__index");
    LockMetatable(L);
    lua_pop(L, 1);
}

void Canvas::Push(lua_State* L)
{
    auto* slot = static_cast<Canvas**>(lua_newuserdata(L, sizeof(Canvas*)));
    *slot = this;
    luaL_getmetatable(L, kCanvasType);
    lua_setmetatable(L, -2);
}

Canvas& Canvas::Check(lua_State* L)
{
    auto* slot = static_cast<Canvas**>(luaL_checkudata(L, 1, kCanvasType));
    if (!(*slot)->_cr)
        luaL_error(L, "the canvas draws only inside Draw");
    return **slot;
}

} // namespace movie
