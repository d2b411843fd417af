#pragma once
// Piecewise-linear curves through key points, as the HUD's gauges and colour ramps use them:
// linear between neighbouring keys, the first value below the first key and the last value
// above the last. Keys are given in rising order.
#include "foundation/math/Color.h"

#include <initializer_list>

struct HudKey
{
    float x, y;
};

struct HudColorKey
{
    float x;
    Color color;
};

float HudCurve(std::initializer_list<HudKey> keys, float x);
Color HudColorCurve(std::initializer_list<HudColorKey> keys, float x);
// a at t = 0, b at t = 1, every component (alpha too).
Color HudMix(const Color& a, const Color& b, float t);
