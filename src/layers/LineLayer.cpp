#include "layers/LineLayer.h"

#include "layers/LayerManager.h"

LineLayer::LineLayer() : Layer("", LT_LINE) {}

LineLayer::LineLayer(const Vec2& from, const Vec2& to, const Color& colorFrom, const Color& colorTo) : LineLayer()
{
    UpdateLine(from, to, colorFrom, colorTo);
}

void LineLayer::UpdateLine(const Vec2& from, const Vec2& to, const Color& colorFrom, const Color& colorTo)
{
    _from = from;
    _to = to;
    _colorFrom = colorFrom;
    _colorTo = colorTo;
}

void LineLayer::Draw() { LayerManager::RenderLine(_from, _to, _colorFrom, _colorTo); }
