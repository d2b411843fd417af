#pragma once
// What the HUD draws each frame besides its layers: material quads, 2D lines and text, in
// screen pixels. They go to the render device, or to a target set in its place (a recorder, in
// tests). A quad, line or text box with a corner that is not a finite point near the screen
// (an off-screen projection, a division by zero) is not drawn, nor a quad without a material.
#include "MaterialSystem/draw/DrawTypes.h"
#include "foundation/math/Color.h"
#include "foundation/math/Vec2.h"
#include "foundation/math/Vec4.h"

class Material;
struct RenderText;

// One line or box of immediate text as the HUD asks for it.
struct HudText
{
    const char* face;
    unsigned height, width;
    unsigned long weight;
    bool italic;
    const char* text;
    Vec4 rect; // left, top, right, bottom
    TextAlign align;
    bool wordBreak;
    Color color;
};

class IHudPaintTarget
{
public:
    virtual ~IHudPaintTarget() = default;
    // uv: corners bottom-left, top-left, bottom-right, top-right; angle in degrees (a quad with
    // an angle is centred on its position).
    virtual void Quad(Material* material, const Vec2& pos, const Vec2& size, const Vec2 uv[4], float angle,
                      const Color& color) = 0;
    virtual void Line(const Vec2& from, const Vec2& to, const Color& colorFrom, const Color& colorTo) = 0;
    // The record stays valid until the frame is drawn; its clip rectangle may be set.
    virtual RenderText* Text(const HudText& text) = 0;
};

namespace HudPaint {

// Farther than this from the screen, in pixels, nothing is drawn.
constexpr float Reach = 1.0e6f;

// Null gives the render device back.
void SetTarget(IHudPaintTarget* target);

void Quad(Material* material, const Vec2& pos, const Vec2& size, float angle, const Color& color);
void Quad(Material* material, const Vec2& pos, const Vec2& size, const Vec2& uv0, const Vec2& uv1, const Vec2& uv2,
          const Vec2& uv3, float angle, const Color& color);
void Line(const Vec2& from, const Vec2& to, const Color& colorFrom, const Color& colorTo);
// Null when nothing was queued (no render device, or a box off the screen).
RenderText* Text(const HudText& text);

// The pixel width of the text's widest line in its font, whoever draws it (the render device
// measures); 0 without one.
float TextWidth(const HudText& text);
// Draws only the part of the text inside the rectangle (left, top, right, bottom); null passes.
void ClipText(RenderText* text, const Vec4& rect);
// Whether every coordinate is finite and within Reach.
bool IsDrawable(const Vec2& point);

} // namespace HudPaint
