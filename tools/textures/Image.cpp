#include "textures/Image.h"

#include <algorithm>
#include <cmath>

namespace {

uint32_t Channel(uint32_t argb, int shift) { return (argb >> shift) & 0xFF; }

uint32_t Lerp(uint32_t a, uint32_t b, float t)
{
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8)
    {
        const float value = Channel(a, shift) + (float(Channel(b, shift)) - float(Channel(a, shift))) * t;
        out |= uint32_t(std::clamp(value + 0.5f, 0.0f, 255.0f)) << shift;
    }
    return out;
}

// A hash of a lattice point, 0..1.
float Lattice(unsigned seed, int x, int y)
{
    uint32_t h = seed * 374761393u + uint32_t(x) * 668265263u + uint32_t(y) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return float(h & 0xFFFF) / 65535.0f;
}

float Smooth(float t) { return t * t * (3.0f - 2.0f * t); }

float ValueNoise(unsigned seed, float x, float y)
{
    const int x0 = int(x), y0 = int(y);
    const float fx = Smooth(x - float(x0)), fy = Smooth(y - float(y0));
    const float top = Lattice(seed, x0, y0) + (Lattice(seed, x0 + 1, y0) - Lattice(seed, x0, y0)) * fx;
    const float bottom = Lattice(seed, x0, y0 + 1) + (Lattice(seed, x0 + 1, y0 + 1) - Lattice(seed, x0, y0 + 1)) * fx;
    return top + (bottom - top) * fy;
}

} // namespace

Image MakeChecker(unsigned width, unsigned height, unsigned tile, uint32_t a, uint32_t b)
{
    Image image(width, height);
    tile = std::max(tile, 1u);
    for (unsigned y = 0; y < height; ++y)
    {
        for (unsigned x = 0; x < width; ++x)
            image.At(x, y) = ((x / tile + y / tile) % 2 == 0) ? a : b;
    }
    return image;
}

Image MakeGradient(unsigned width, unsigned height, uint32_t left, uint32_t right)
{
    Image image(width, height);
    for (unsigned x = 0; x < width; ++x)
    {
        const uint32_t color = Lerp(left, right, width > 1 ? float(x) / float(width - 1) : 0.0f);
        for (unsigned y = 0; y < height; ++y)
            image.At(x, y) = color;
    }
    return image;
}

Image MakeNoise(unsigned width, unsigned height, unsigned seed, uint32_t dark, uint32_t light)
{
    Image image(width, height);
    for (unsigned y = 0; y < height; ++y)
    {
        for (unsigned x = 0; x < width; ++x)
        {
            // Three octaves, the coarsest 8 pixels a cell.
            float value = 0.0f, weight = 0.5f, scale = 1.0f / 8.0f;
            for (int octave = 0; octave < 3; ++octave)
            {
                value += weight * ValueNoise(seed + octave, float(x) * scale, float(y) * scale);
                weight *= 0.5f;
                scale *= 2.0f;
            }
            image.At(x, y) = Lerp(dark, light, value / 0.875f);
        }
    }
    return image;
}

Image MakeEmblem(unsigned size, uint32_t color, unsigned spokes)
{
    Image image(size, size, 0);
    const uint32_t light = Lerp(color, 0xFFFFFFFF, 0.5f);
    const uint32_t dark = Lerp(color, 0xFF000000, 0.6f);
    const float half = float(size) / 2.0f;
    for (unsigned y = 0; y < size; ++y)
    {
        for (unsigned x = 0; x < size; ++x)
        {
            const float dx = (float(x) + 0.5f - half) / half, dy = (float(y) + 0.5f - half) / half;
            const float r = std::sqrt(dx * dx + dy * dy);
            const float turn = std::atan2(dy, dx) / 6.2831853f * float(spokes);
            const bool onSpoke = std::fabs(turn - std::round(turn)) < 0.02f + 0.1f * (1.0f - r);
            if (r > 0.95f)
                continue;
            image.At(x, y) = r > 0.82f ? light : r > 0.75f ? dark : onSpoke ? light : color;
        }
    }
    return image;
}

Image MakePortrait(unsigned size, uint32_t figure, uint32_t ground)
{
    Image image(size, size);
    const float half = float(size) / 2.0f;
    for (unsigned y = 0; y < size; ++y)
    {
        for (unsigned x = 0; x < size; ++x)
        {
            const float u = (float(x) + 0.5f - half) / half, v = (float(y) + 0.5f - half) / half;
            const float head = std::hypot(u / 0.3f, (v + 0.25f) / 0.36f);
            const float shoulders = std::hypot(u / 0.78f, (v - 0.98f) / 0.58f);
            const bool neck = std::fabs(u) < 0.13f && v > 0.0f && v < 0.5f;
            if (head < 1.0f || shoulders < 1.0f || neck)
                image.At(x, y) = Lerp(figure, 0xFF000000, 0.35f * std::min(head, 1.0f));
            else
                image.At(x, y) = Lerp(ground, 0xFF000000, (v + 1.0f) / 2.0f);
        }
    }
    return image;
}

Image MakeShipPicture(unsigned size, uint32_t hull)
{
    Image image(size, size, 0);
    const uint32_t dark = Lerp(hull, 0xFF000000, 0.45f);
    const float half = float(size) / 2.0f;
    for (unsigned y = 0; y < size; ++y)
    {
        for (unsigned x = 0; x < size; ++x)
        {
            const float u = std::fabs((float(x) + 0.5f - half) / half), v = (float(y) + 0.5f - half) / half;
            const bool body = v > -0.9f && v < 0.85f && u < 0.04f + 0.14f * (v + 0.9f) / 1.75f;
            const bool wings = v > 0.0f && v < 0.55f && u < 0.85f * v / 0.55f;
            const bool fins = v > 0.6f && v < 0.85f && u < 0.35f * (v - 0.6f) / 0.25f;
            if (std::hypot(u / 0.07f, (v + 0.35f) / 0.18f) < 1.0f)
                image.At(x, y) = 0xFFC8E8FF;
            else if (body || wings || fins)
                image.At(x, y) = (wings && v > 0.5f) || u > 0.8f ? dark : Lerp(hull, dark, u);
        }
    }
    return image;
}

Image Downsample(const Image& image)
{
    Image half(std::max(image.width / 2, 1u), std::max(image.height / 2, 1u));
    const unsigned sx = image.width / half.width, sy = image.height / half.height;
    for (unsigned y = 0; y < half.height; ++y)
    {
        for (unsigned x = 0; x < half.width; ++x)
        {
            uint32_t out = 0;
            for (int shift = 0; shift < 32; shift += 8)
            {
                unsigned sum = 0;
                for (unsigned j = 0; j < sy; ++j)
                {
                    for (unsigned i = 0; i < sx; ++i)
                        sum += Channel(image.At(x * sx + i, y * sy + j), shift);
                }
                out |= ((sum + sx * sy / 2) / (sx * sy)) << shift;
            }
            half.At(x, y) = out;
        }
    }
    return half;
}

std::vector<Image> MipChain(const Image& image)
{
    std::vector<Image> chain{image};
    while (chain.back().width > 1 || chain.back().height > 1)
        chain.push_back(Downsample(chain.back()));
    return chain;
}
