#include "textures/SceneImages.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

uint32_t Grey(float value)
{
    const uint32_t v = uint32_t(std::clamp(value, 0.0f, 1.0f) * 255.0f + 0.5f);
    return v << 24 | v << 16 | v << 8 | v;
}

// Paints one cell from a function of the position relative to its centre (-1..1).
void PaintCell(Image& image, unsigned cell, unsigned column, unsigned row,
               const std::function<float(float, float)>& shape)
{
    for (unsigned y = 0; y < cell; ++y)
    {
        for (unsigned x = 0; x < cell; ++x)
        {
            const float u = (float(x) + 0.5f) / float(cell) * 2.0f - 1.0f;
            const float v = (float(y) + 0.5f) / float(cell) * 2.0f - 1.0f;
            image.At(column * cell + x, row * cell + y) = Grey(shape(u, v));
        }
    }
}

float Smooth(float edge0, float edge1, float x)
{
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

} // namespace

Image MakeEdgeMask(unsigned size)
{
    Image image(size, size);
    PaintCell(image, size, 0, 0, [](float u, float v) { return Smooth(0.3f, 1.0f, std::sqrt(u * u + v * v)); });
    // Opaque: screen quads read its colour, not a coverage that would turn the ramp into a step.
    for (unsigned y = 0; y < size; ++y)
        for (unsigned x = 0; x < size; ++x)
            image.At(x, y) |= 0xFF000000u;
    return image;
}

Image MakeFlareAtlas(unsigned cell)
{
    Image image(cell * 2, cell * 2);
    PaintCell(image, cell, 0, 0, [](float u, float v) { return 1.0f - Smooth(0.5f, 0.9f, std::sqrt(u * u + v * v)); });
    PaintCell(image, cell, 1, 0, [](float u, float v) {
        const float r = std::sqrt(u * u + v * v);
        return 1.0f - Smooth(0.0f, 0.12f, std::fabs(r - 0.75f));
    });
    PaintCell(image, cell, 0, 1, [](float u, float v) {
        // The hexagon's distance: the largest of three projections.
        const float a = std::fabs(u), b = std::fabs(0.5f * u + 0.866f * v), c = std::fabs(0.5f * u - 0.866f * v);
        return (1.0f - Smooth(0.6f, 0.8f, std::max(a, std::max(b, c)))) * 0.6f;
    });
    PaintCell(image, cell, 1, 1, [](float u, float v) {
        const float falloff = std::max(0.0f, 1.0f - std::sqrt(u * u + v * v));
        const float rays = std::pow(std::fabs(std::cos(std::atan2(v, u) * 3.0f)), 16.0f) * 0.4f;
        return std::min(falloff * falloff + rays * falloff, 1.0f);
    });
    return image;
}

Image MakeRandomNormals(unsigned size, unsigned seed)
{
    Image image(size, size);
    uint32_t state = seed * 2654435761u + 1u;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return float(state >> 8) / float(1u << 24) * 2.0f - 1.0f;
    };
    for (uint32_t& pixel : image.pixels)
    {
        // Points in the unit ball, away from its centre, made unit long: directions of any way.
        float x, y, z, length;
        do
        {
            x = next();
            y = next();
            z = next();
            length = std::sqrt(x * x + y * y + z * z);
        } while (length > 1.0f || length < 0.1f);
        auto pack = [length](float value) { return uint32_t((value / length * 0.5f + 0.5f) * 255.0f + 0.5f); };
        pixel = 0xFF000000u | pack(x) << 16 | pack(y) << 8 | pack(z);
    }
    return image;
}
