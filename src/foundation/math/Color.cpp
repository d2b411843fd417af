#include "foundation/math/Color.h"

#include <bit>
#include <cmath>

namespace {
// Slightly more than 1/255, so 255 unpacks to a hair above 1.
const float kUnpack = std::bit_cast<float>(0x3b808083u);
} // namespace

Color& Color::operator=(uint32_t argb)
{
    a = float((argb >> 24) & 0xff) * kUnpack;
    r = float((argb >> 16) & 0xff) * kUnpack;
    g = float((argb >> 8) & 0xff) * kUnpack;
    b = float(argb & 0xff) * kUnpack;
    return *this;
}

uint32_t Color::Channel(float x)
{
    const float v = x * 255.0f;
    // Out of the integer range (or NaN) the conversion would be undefined; such colours pack as 0.
    if (!(std::fabs(v) < 9.0e18f))
        return 0;
    return uint32_t(int64_t(v)) & 0xffu;
}

void Color::AdjustSaturation(float s, Color& out) const
{
    const float grey = float(0.2125 * r + 0.7154 * g + 0.0721 * b);
    out.Set(grey + (r - grey) * s, grey + (g - grey) * s, grey + (b - grey) * s, a);
}

void Color::AdjustContrast(float k, Color& out) const
{
    out.Set((r - 0.5f) * k + 0.5f, (g - 0.5f) * k + 0.5f, (b - 0.5f) * k + 0.5f, (a - 0.5f) * k + 0.5f);
}
