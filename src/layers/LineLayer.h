#pragma once

#include "layers/Layer.h"

// A layer drawing one screen line with a colour at each end.
class LineLayer : public Layer
{
public:
    LineLayer();
    LineLayer(const Vec2& from, const Vec2& to, const Color& colorFrom, const Color& colorTo);

    void UpdateLine(const Vec2& from, const Vec2& to, const Color& colorFrom, const Color& colorTo);

    void Draw() override;

private:
    Vec2 _from{0.0f, 0.0f};
    Vec2 _to{0.0f, 0.0f};
    Color _colorFrom{1.0f, 1.0f, 1.0f, 1.0f};
    Color _colorTo{1.0f, 1.0f, 1.0f, 1.0f};
};
