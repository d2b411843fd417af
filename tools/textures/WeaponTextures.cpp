#include "textures/WeaponTextures.h"

#include "ContentFile.h"
#include "textures/DdsWriter.h"
#include "textures/Image.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr unsigned Size = 128;
constexpr float Pi = 3.14159265f;

// White with the given opacity (0..1): the materials tint and add it.
uint32_t WhiteWithAlpha(float alpha)
{
    const uint32_t a = static_cast<uint32_t>(std::clamp(alpha, 0.0f, 1.0f) * 255.0f + 0.5f);
    return a << 24 | 0x00FFFFFFu;
}

// Fills a square of `size` pixels at (left, top) from the opacity at each point, given as
// the distance from the square's centre (0 at the centre, 1 at the edge's middle) and the angle.
void Paint(Image& image, unsigned left, unsigned top, unsigned size, const std::function<float(float, float)>& alpha)
{
    for (unsigned y = 0; y < size; ++y)
    {
        for (unsigned x = 0; x < size; ++x)
        {
            const float dx = (static_cast<float>(x) + 0.5f) / static_cast<float>(size) * 2 - 1;
            const float dy = (static_cast<float>(y) + 0.5f) / static_cast<float>(size) * 2 - 1;
            image.At(left + x, top + y) = WhiteWithAlpha(alpha(std::sqrt(dx * dx + dy * dy), std::atan2(dy, dx)));
        }
    }
}

Image Glow()
{
    Image image(Size, Size);
    Paint(image, 0, 0, Size, [](float r, float) {
        const float falloff = std::max(0.0f, 1 - r);
        return falloff * falloff;
    });
    return image;
}

// Cell i has 6 + 2i rays, thinner the more there are, over a small glow.
Image Rays()
{
    const unsigned cell = Size / 2;
    Image image(Size, Size);
    for (unsigned i = 0; i < 4; ++i)
    {
        const float rays = static_cast<float>(6 + 2 * i);
        Paint(image, (i % 2) * cell, (i / 2) * cell, cell, [rays](float r, float angle) {
            const float ray = std::pow(std::fabs(std::cos(angle * rays * 0.5f)), 24.0f);
            const float fade = std::max(0.0f, 1 - r);
            return fade * (ray + 0.3f * fade * fade);
        });
    }
    return image;
}

// A thin bright ring near the edge with a faint inside.
Image ShockRing()
{
    Image image(Size, Size);
    Paint(image, 0, 0, Size, [](float r, float angle) {
        const float ring = std::max(0.0f, 1 - std::fabs(r - 0.8f) / 0.12f);
        const float ripple = 0.85f + 0.15f * std::sin(angle * 9 + Pi * r);
        return ring * ripple + (r < 0.8f ? 0.1f * r : 0.0f);
    });
    return image;
}

} // namespace

bool WriteWeaponTextures(const std::filesystem::path& textures)
{
    DdsWriteOptions options;
    options.pixels = DdsPixels::Dxt5;
    const std::pair<const char*, std::function<Image()>> files[] = {
        {"flare_glow.dds", Glow},
        {"rays.dds", Rays},
        {"exp_distortion.dds", ShockRing},
    };
    bool ok = true;
    for (const auto& [name, make] : files)
        ok &= WriteContentFile(textures / name, WriteDds(make(), options));
    return ok;
}
