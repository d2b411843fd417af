#include "textures/CockpitTextures.h"

#include "ContentFile.h"
#include "textures/DdsWriter.h"
#include "textures/Image.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// A grey level 0..1 as an opaque warm white.
uint32_t Warm(float level)
{
    const auto channel = [level](float tint) { return uint32_t(std::clamp(level * tint, 0.0f, 1.0f) * 255.0f + 0.5f); };
    return 0xFF000000u | channel(1.0f) << 16 | channel(0.95f) << 8 | channel(0.85f);
}

// Each pixel from its place in -1..1 on both axes.
Image Paint(unsigned size, const std::function<float(float x, float y)>& level)
{
    Image image(size, size);
    for (unsigned y = 0; y < size; ++y)
    {
        for (unsigned x = 0; x < size; ++x)
        {
            const float px = (float(x) + 0.5f) / float(size) * 2.0f - 1.0f;
            const float py = (float(y) + 0.5f) / float(size) * 2.0f - 1.0f;
            image.At(x, y) = Warm(level(px, py));
        }
    }
    return image;
}

float Radius(float x, float y) { return std::sqrt(x * x + y * y); }

} // namespace

bool WriteCockpitTextures(const std::filesystem::path& textures)
{
    DdsWriteOptions options;
    options.pixels = DdsPixels::Argb32;
    options.mips = true;
    const Image glare = Paint(128, [](float x, float y) { return 0.25f * std::max(0.0f, 1.0f - Radius(x, y)); });
    const Image flare = Paint(128, [](float x, float y) {
        const float r = Radius(x, y);
        return std::pow(std::max(0.0f, 1.0f - r), 2.0f) + (r < 0.15f ? 0.5f : 0.0f);
    });
    const Image streak = Paint(
        256, [](float x, float y) { return std::max(0.0f, 1.0f - std::fabs(x)) * std::exp(-std::fabs(y) * 60.0f); });
    bool ok = true;
    ok &= WriteContentFile(textures / "sun_glare.dds", WriteDds(glare, options));
    ok &= WriteContentFile(textures / "sun_flare.dds", WriteDds(flare, options));
    ok &= WriteContentFile(textures / "sun_streak.dds", WriteDds(streak, options));
    return ok;
}
