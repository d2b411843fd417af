#include "textures/ParticleTextures.h"

#include "ContentFile.h"
#include "textures/DdsWriter.h"
#include "textures/Image.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr unsigned CellSize = 64;

struct Rgba
{
    float r, g, b, a; // 0..1, straight alpha
};

uint32_t Pack(const Rgba& c)
{
    auto channel = [](float x) { return uint32_t(std::clamp(x, 0.0f, 1.0f) * 255.0f + 0.5f); };
    return channel(c.a) << 24 | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

float SmoothStep(float edge0, float edge1, float x)
{
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

float Mix(float a, float b, float t) { return a + (b - a) * t; }

// Smooth value noise 0..1 read from a generated noise picture, wrapping at its edges.
class Noise
{
public:
    explicit Noise(unsigned seed) : _image(MakeNoise(128, 128, seed, 0xFF000000, 0xFFFFFFFF)) {}
    float At(float x, float y) const
    {
        const unsigned px = unsigned(int(std::floor(x * 128.0f)) & 127);
        const unsigned py = unsigned(int(std::floor(y * 128.0f)) & 127);
        return float((_image.At(px, py) >> 16) & 0xFF) / 255.0f;
    }

private:
    Image _image;
};

// A cell painter gets the point from the cell's centre, -1..1 on both axes (y down).
using Painter = std::function<Rgba(float x, float y)>;

void PaintCell(Image& atlas, unsigned column, unsigned row, const Painter& paint)
{
    for (unsigned y = 0; y < CellSize; ++y)
    {
        for (unsigned x = 0; x < CellSize; ++x)
        {
            const float px = (float(x) + 0.5f) / float(CellSize) * 2.0f - 1.0f;
            const float py = (float(y) + 0.5f) / float(CellSize) * 2.0f - 1.0f;
            atlas.At(column * CellSize + x, row * CellSize + y) = Pack(paint(px, py));
        }
    }
}

// A white puff of smoke: a soft disc with a ragged edge.
Image Puffs()
{
    Image atlas(4 * CellSize, 4 * CellSize);
    const Noise noise(41);
    for (unsigned i = 0; i < 16; ++i)
    {
        // Each cell reads its own window of the noise, away from the picture's edges.
        const float ox = 0.2f + float(i % 4) * 0.15f, oy = 0.2f + float(i / 4) * 0.15f;
        PaintCell(atlas, i % 4, i / 4, [&](float x, float y) {
            const float r = std::sqrt(x * x + y * y);
            const float n = noise.At(ox + x * 0.12f, oy + y * 0.12f);
            const float a = SmoothStep(1.0f, 0.25f, r + (n - 0.5f) * 0.6f) * (0.65f + 0.35f * n);
            const float shade = 0.8f + 0.2f * n;
            return Rgba{shade, shade, shade, a};
        });
    }
    return atlas;
}

// Row 0 glows of rising hardness, row 1 four-pointed stars, row 2 streaks along the cell's
// height, row 3 rings.
Image Glows()
{
    Image atlas(4 * CellSize, 4 * CellSize);
    for (unsigned i = 0; i < 4; ++i)
    {
        const float hardness = 1.0f + float(i) * 1.5f;
        PaintCell(atlas, i, 0, [=](float x, float y) {
            const float r = std::sqrt(x * x + y * y);
            return Rgba{1, 1, 1, std::pow(std::max(0.0f, 1.0f - r), hardness)};
        });
        PaintCell(atlas, i, 1, [=](float x, float y) {
            const float r = std::sqrt(x * x + y * y);
            const float rays = std::max(0.0f, 1.0f - std::fabs(x) * (12.0f + 6.0f * i)) * (1.0f - std::fabs(y)) +
                               std::max(0.0f, 1.0f - std::fabs(y) * (12.0f + 6.0f * i)) * (1.0f - std::fabs(x));
            return Rgba{1, 1, 1, std::min(1.0f, rays + std::pow(std::max(0.0f, 1.0f - r), 3.0f))};
        });
        PaintCell(atlas, i, 2, [=](float x, float y) {
            const float across = std::max(0.0f, 1.0f - std::fabs(x) * (2.0f + 2.0f * i));
            const float along = SmoothStep(1.0f, 0.6f, std::fabs(y));
            return Rgba{1, 1, 1, across * across * along};
        });
        PaintCell(atlas, i, 3, [=](float x, float y) {
            const float r = std::sqrt(x * x + y * y);
            const float width = 0.08f + 0.05f * float(i);
            return Rgba{1, 1, 1, std::max(0.0f, 1.0f - std::fabs(r - 0.75f) / width)};
        });
    }
    return atlas;
}

// Rock chunks: irregular grey shapes lit from the top left.
Image Chunks()
{
    Image atlas(2 * CellSize, 2 * CellSize);
    const Noise noise(43);
    for (unsigned i = 0; i < 4; ++i)
    {
        const float ox = 0.2f + float(i) * 0.15f;
        PaintCell(atlas, i % 2, i / 2, [&](float x, float y) {
            const float r = std::sqrt(x * x + y * y);
            // The outline reads the noise round a circle, so it closes without a seam.
            const float angle = std::atan2(y, x);
            const float edge = 0.55f + 0.35f * noise.At(ox + std::cos(angle) * 0.1f, 0.5f + std::sin(angle) * 0.1f);
            const float a = SmoothStep(edge, edge - 0.08f, r);
            const float light = 0.45f + 0.35f * (-x - y) * 0.5f + 0.2f * noise.At(ox + x * 0.1f, 0.5f + y * 0.1f);
            return Rgba{light * 0.9f, light * 0.85f, light * 0.8f, a};
        });
    }
    return atlas;
}

// Sixteen frames of a flickering flame, white-yellow at the core and red at the rim.
Image Flames()
{
    Image atlas(4 * CellSize, 4 * CellSize);
    const Noise noise(47);
    for (unsigned i = 0; i < 16; ++i)
    {
        const float phase = float(i) / 16.0f;
        PaintCell(atlas, i % 4, i / 4, [&](float x, float y) {
            const float n = noise.At(0.5f + x * 0.2f, 0.25f + y * 0.2f + phase * 0.5f);
            // A teardrop narrowing upwards (y is down).
            const float width = 0.55f * SmoothStep(-1.0f, 0.6f, y) + 0.05f;
            const float body = 1.0f - std::fabs(x + (n - 0.5f) * 0.3f * (1.0f - y)) / width;
            const float heat = std::clamp(body, 0.0f, 1.0f) * SmoothStep(1.0f, 0.6f, y) * (0.7f + 0.5f * n);
            return Rgba{1.0f, Mix(0.25f, 0.95f, heat), Mix(0.0f, 0.6f, heat * heat),
                        std::clamp(heat * 1.4f, 0.0f, 1.0f)};
        });
    }
    return atlas;
}

// Frames 0..count-1 of a burst in an 8 x 8 atlas; the cells after them stay empty.
Image Burst(unsigned count, unsigned seed, const std::function<Rgba(float, float, float, float)>& frame)
{
    Image atlas(8 * CellSize, 8 * CellSize);
    const Noise noise(seed);
    for (unsigned i = 0; i < count; ++i)
    {
        const float t = float(i) / float(count - 1);
        PaintCell(atlas, i % 8, i / 8, [&](float x, float y) {
            const float n = noise.At(0.3f + x * 0.25f + t * 0.2f, 0.5f + y * 0.25f);
            return frame(std::sqrt(x * x + y * y), n, t, std::atan2(y, x));
        });
    }
    return atlas;
}

// A fireball that grows, cools from white through orange to red, and thins out to smoke.
Rgba Fireball(float r, float n, float t, float)
{
    const float radius = Mix(0.35f, 0.95f, std::sqrt(t));
    const float body = SmoothStep(radius, radius * 0.4f, r + (n - 0.5f) * 0.35f);
    const float heat = std::clamp((1.0f - t * 1.2f) * (1.2f - r / radius) + n * 0.2f, 0.0f, 1.0f);
    const float smoke = 0.25f * t;
    return Rgba{Mix(smoke, 1.0f, std::sqrt(heat)), Mix(smoke, 0.85f, heat), Mix(smoke, 0.5f, heat * heat * heat),
                body * (1.0f - t * t)};
}

// A blue energy flash: a bright core that fades inside a widening shock ring.
Rgba EnergyBurst(float r, float n, float t, float angle)
{
    const float ringRadius = Mix(0.2f, 0.9f, t);
    const float ring = std::max(0.0f, 1.0f - std::fabs(r - ringRadius) / (0.08f + 0.1f * t)) *
                       (0.7f + 0.3f * std::sin(angle * 7.0f + n * 6.0f));
    const float core = SmoothStep(0.5f * (1.0f - t), 0.0f, r) * (1.0f - t);
    const float a = std::clamp(ring + core, 0.0f, 1.0f) * (1.0f - t * t * 0.8f);
    return Rgba{Mix(0.3f, 1.0f, core), Mix(0.6f, 1.0f, core), 1.0f, a};
}

// One spark: a thin bright line along the height with a soft glow around it.
Image Spark()
{
    Image image(CellSize, CellSize);
    PaintCell(image, 0, 0, [](float x, float y) {
        const float line = std::max(0.0f, 1.0f - std::fabs(x) * 8.0f);
        const float glow = std::max(0.0f, 1.0f - std::fabs(x) * 2.0f) * 0.35f;
        return Rgba{1.0f, 0.95f, 0.8f, (line + glow) * SmoothStep(1.0f, 0.5f, std::fabs(y))};
    });
    return image;
}

// Lines and ribbon trails. Lines read the top row only: brightest at the head of the motion.
// A ribbon runs along the width (newest at the right) and across the height: a bright band
// through the middle that thins towards the oldest end.
Image Trail()
{
    Image image(CellSize, CellSize);
    PaintCell(image, 0, 0, [](float x, float y) {
        const float along = (x + 1.0f) * 0.5f;
        if (y < -1.0f + 2.0f / float(CellSize))
            return Rgba{1.0f, 1.0f, 1.0f, Mix(0.4f, 1.0f, along)};
        const float across = std::max(0.0f, 1.0f - std::fabs(y) / Mix(0.3f, 0.9f, along));
        return Rgba{1.0f, 1.0f, 1.0f, across * across * Mix(0.2f, 1.0f, along)};
    });
    return image;
}

} // namespace

bool WriteParticleTextures(const std::filesystem::path& textures)
{
    DdsWriteOptions options;
    options.pixels = DdsPixels::Dxt5;
    const std::pair<const char*, std::function<Image()>> files[] = {
        {"prt_particles00.dds", Puffs},
        {"prt_particles01.dds", Glows},
        {"prt_particles02.dds", Chunks},
        {"prt_particles03.dds", Flames},
        {"prt_particlesexp00.dds", [] { return Burst(24, 53, Fireball); }},
        {"prt_particlesexp01.dds", [] { return Burst(24, 59, EnergyBurst); }},
        {"prt_sparks_00.dds", Spark},
        {"prt_trail_00.dds", Trail},
    };
    bool ok = true;
    for (const auto& [name, make] : files)
        ok &= WriteContentFile(textures / name, WriteDds(make(), options));
    return ok;
}
