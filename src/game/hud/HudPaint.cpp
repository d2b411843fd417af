#include "game/hud/HudPaint.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/draw/ScreenPrims.h"
#include "game/core/game/Game.h"

#include <algorithm>
#include <cmath>

namespace HudPaint {

namespace {

IHudPaintTarget* Target = nullptr;

MaterialSystem* Render() { return game.GetRender(); }

} // namespace

void SetTarget(IHudPaintTarget* target) { Target = target; }

bool IsDrawable(const Vec2& point)
{
    return std::isfinite(point.x) && std::isfinite(point.y) && std::fabs(point.x) < Reach && std::fabs(point.y) < Reach;
}

void Quad(Material* material, const Vec2& pos, const Vec2& size, float angle, const Color& color)
{
    Quad(material, pos, size, Vec2(0.0f, 1.0f), Vec2(0.0f, 0.0f), Vec2(1.0f, 1.0f), Vec2(1.0f, 0.0f), angle, color);
}

void Quad(Material* material, const Vec2& pos, const Vec2& size, const Vec2& uv0, const Vec2& uv1, const Vec2& uv2,
          const Vec2& uv3, float angle, const Color& color)
{
    if (!material || !IsDrawable(pos) || !IsDrawable(size))
        return;
    if (Target)
    {
        const Vec2 uv[4] = {uv0, uv1, uv2, uv3};
        Target->Quad(material, pos, size, uv, angle, color);
        return;
    }
    if (MaterialSystem* render = Render())
    {
        Vec2 corners[4] = {uv0, uv1, uv2, uv3};
        render->RenderQuadAdvanced(material, pos, size, corners[0], corners[1], corners[2], corners[3], angle, color,
                                   0);
    }
}

void Line(const Vec2& from, const Vec2& to, const Color& colorFrom, const Color& colorTo)
{
    if (!IsDrawable(from) || !IsDrawable(to))
        return;
    if (Target)
        Target->Line(from, to, colorFrom, colorTo);
    else if (MaterialSystem* render = Render())
        render->DrawLine2D(from, to, colorFrom, colorTo);
}

RenderText* Text(const HudText& asked)
{
    if (!IsDrawable(Vec2(asked.rect.x, asked.rect.y)) || !IsDrawable(Vec2(asked.rect.z, asked.rect.w)))
        return nullptr;
    // The HUD's fonts keep their pixel height on every screen while its boxes scale with it: on a
    // small screen a box grows down to hold a whole line rather than cut the letters' tails off.
    HudText text = asked;
    text.rect.w = std::max(text.rect.w, text.rect.y + float(text.height));
    if (Target)
        return Target->Text(text);
    MaterialSystem* render = Render();
    if (!render)
        return nullptr;
    return render->DrawD3DText(text.face, text.height, text.width, text.weight, text.italic, text.text, text.rect,
                               text.align, text.wordBreak, text.color);
}

float TextWidth(const HudText& text)
{
    MaterialSystem* render = Render();
    return render ? render->MeasureD3DText(text.face, text.height, text.width, text.weight, text.italic, text.text)
                  : 0.0f;
}

void ClipText(RenderText* text, const Vec4& rect)
{
    if (!text)
        return;
    text->clip = true;
    text->clipRect[0] = rect.x;
    text->clipRect[1] = rect.y;
    text->clipRect[2] = rect.z;
    text->clipRect[3] = rect.w;
}

} // namespace HudPaint
