#include "foundation/base/Icon.h"

#include <algorithm>
#include <cmath>

namespace {

uint32_t Argb(float a, float r, float g, float b)
{
    auto byte = [](float v) { return uint32_t(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f); };
    return byte(a) << 24 | byte(r) << 16 | byte(g) << 8 | byte(b);
}

// Distance from p to the segment a-b.
float SegmentDistance(float px, float py, float ax, float ay, float bx, float by)
{
    const float dx = bx - ax, dy = by - ay;
    const float t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

// 1 inside, 0 outside, a pixel-wide ramp at the edge.
float Cover(float distanceOutside) { return std::clamp(0.5f - distanceOutside, 0.0f, 1.0f); }

} // namespace

Icon MakeIcon()
{
    Icon icon;
    icon.pixels.resize(Icon::Size * Icon::Size);
    const float centre = Icon::Size * 0.5f;
    for (int y = 0; y < Icon::Size; ++y)
    {
        for (int x = 0; x < Icon::Size; ++x)
        {
            const float px = x + 0.5f, py = y + 0.5f;
            const float r = std::hypot(px - centre, py - centre);
            const float disc = Cover(r - 15.0f);
            const float ring = Cover(std::fabs(r - 13.0f) - 1.2f);
            const float chevron = Cover(std::min(SegmentDistance(px, py, 9.0f, 10.0f, 16.0f, 23.0f),
                                                 SegmentDistance(px, py, 16.0f, 23.0f, 23.0f, 10.0f)) -
                                        1.8f);
            const float light = std::max(ring, chevron);
            // Deep blue space, cyan light.
            const float red = 0.04f + light * 0.1f;
            const float green = 0.06f + light * 0.8f;
            const float blue = 0.16f + light * 0.84f;
            icon.pixels[size_t(y) * Icon::Size + x] = Argb(disc, red, green, blue);
        }
    }
    return icon;
}
