#pragma once

#include <cairo.h>

struct lua_State;

namespace movie {

// A colour with straight alpha, each channel 0..1.
struct Rgba
{
    double r = 0.0, g = 0.0, b = 0.0, a = 1.0;
};

// Reads a colour from the script's stack: "#rgb", "#rgba", "#rrggbb" or "#rrggbbaa", a number
// 0xRRGGBB, or a table {r, g, b[, a]} of 0..1. False when the value is none of these.
bool ReadColor(lua_State* L, int index, Rgba& out);
// Pushes a colour as a table {r, g, b, a}.
void PushColor(lua_State* L, const Rgba& color);

// What fills, strokes and text are painted with: a colour or a gradient made by the canvas.
struct Paint
{
    bool isColor = true;
    Rgba color;
    cairo_pattern_t* pattern = nullptr; // owned by the script's gradient
};

// The paint at a stack index; nil (or none) gives false, anything else that is not a paint
// raises a script error.
bool ReadPaint(lua_State* L, int index, Paint& out);
// Runs `draw` (which fills, strokes or shows text with the current source) with the paint at
// the given opacity.
template <typename Draw>
void WithPaint(cairo_t* cr, const Paint& paint, double alpha, Draw draw)
{
    if (paint.isColor)
    {
        cairo_set_source_rgba(cr, paint.color.r, paint.color.g, paint.color.b, paint.color.a * alpha);
        draw();
        return;
    }
    if (alpha >= 1.0)
    {
        cairo_set_source(cr, paint.pattern);
        draw();
        return;
    }
    cairo_push_group(cr);
    cairo_set_source(cr, paint.pattern);
    draw();
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
}

// The globals color(x) and mix(a, b, t), and the gradient type the canvas makes.
void RegisterPaint(lua_State* L);
// canvas:linearGradient(x0, y0, x1, y1, stops) and canvas:radialGradient(cx, cy, r0, r1, stops):
// stops are a flat list of offsets and colours, {0, "#000", 1, "#fff"}.
int LinearGradient(lua_State* L);
int RadialGradient(lua_State* L);

} // namespace movie
