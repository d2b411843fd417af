#include "guitextures/Canvas.h"

#include <algorithm>
#include <cmath>

Canvas::Canvas(unsigned width, unsigned height) : Canvas(width, height, Rgba{}) {}

Canvas::Canvas(unsigned width, unsigned height, Rgba fill)
    : _width(width), _height(height), _pixels(size_t(width) * height, fill)
{}

void Canvas::Blend(unsigned x, unsigned y, Rgba color, float coverage)
{
    const float a = std::clamp(color.a * coverage, 0.0f, 1.0f);
    if (a <= 0.0f)
        return;
    Rgba& dst = At(x, y);
    const float outA = a + dst.a * (1.0f - a);
    auto mix = [&](float src, float d) { return (src * a + d * dst.a * (1.0f - a)) / outA; };
    dst = Rgba{mix(color.r, dst.r), mix(color.g, dst.g), mix(color.b, dst.b), outA};
}

void Canvas::Fill(const std::function<float(float, float)>& coverage, const std::function<Rgba(float, float)>& color)
{
    for (unsigned y = 0; y < _height; ++y)
    {
        for (unsigned x = 0; x < _width; ++x)
        {
            const float px = float(x) + 0.5f, py = float(y) + 0.5f;
            const float c = coverage(px, py);
            if (c > 0.0f)
                Blend(x, y, color(px, py), c);
        }
    }
}

Image Canvas::ToImage() const
{
    Image image(_width, _height);
    auto byte = [](float v) { return uint32_t(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f); };
    for (size_t i = 0; i < _pixels.size(); ++i)
    {
        const Rgba& p = _pixels[i];
        image.pixels[i] = byte(p.a) << 24 | byte(p.r) << 16 | byte(p.g) << 8 | byte(p.b);
    }
    return image;
}

Canvas::Rgba Mix(const Canvas::Rgba& a, const Canvas::Rgba& b, float t)
{
    return Canvas::Rgba{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

uint32_t Hash(uint32_t a, uint32_t b)
{
    uint32_t h = a * 374761393u + b * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

float Unit(uint32_t h) { return float(h & 0xFFFF) / 65535.0f; }

float EdgeCover(float distanceOutside) { return std::clamp(0.5f - distanceOutside, 0.0f, 1.0f); }

float CircleCover(float x, float y, float cx, float cy, float radius)
{
    return EdgeCover(std::hypot(x - cx, y - cy) - radius);
}

float RingCover(float x, float y, float cx, float cy, float radius, float halfWidth)
{
    return EdgeCover(std::fabs(std::hypot(x - cx, y - cy) - radius) - halfWidth);
}

float SegmentCover(float x, float y, float ax, float ay, float bx, float by, float halfWidth)
{
    const float dx = bx - ax, dy = by - ay;
    const float t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
    return EdgeCover(std::hypot(x - (ax + t * dx), y - (ay + t * dy)) - halfWidth);
}

float RoundRectCover(float px, float py, float x, float y, float w, float h, float r)
{
    const float cx = std::clamp(px, x + r, x + w - r);
    const float cy = std::clamp(py, y + r, y + h - r);
    return EdgeCover(std::hypot(px - cx, py - cy) - r);
}

float PolygonCover(float x, float y, const std::vector<float>& xs, const std::vector<float>& ys)
{
    // The largest signed distance to the edges' lines, outward positive.
    const size_t n = xs.size();
    float area = 0.0f;
    for (size_t i = 0; i < n; ++i)
        area += xs[i] * ys[(i + 1) % n] - xs[(i + 1) % n] * ys[i];
    const float orientation = area > 0.0f ? 1.0f : -1.0f;
    float outside = -1e9f;
    for (size_t i = 0; i < n; ++i)
    {
        const size_t j = (i + 1) % n;
        const float ex = xs[j] - xs[i], ey = ys[j] - ys[i];
        const float length = std::hypot(ex, ey);
        const float d = orientation * ((x - xs[i]) * ey - (y - ys[i]) * ex) / length;
        outside = std::max(outside, d);
    }
    return EdgeCover(outside);
}
