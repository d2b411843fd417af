#include "textures/ObjectTextures.h"

#include "ContentFile.h"
#include "textures/DdsWriter.h"
#include "textures/Image.h"

#include <algorithm>
#include <cmath>

namespace {

uint32_t Argb(float a, float r, float g, float b)
{
    auto channel = [](float x) { return uint32_t(std::clamp(x, 0.0f, 1.0f) * 255.0f + 0.5f); };
    return channel(a) << 24 | channel(r) << 16 | channel(g) << 8 | channel(b);
}

// A white core fading through red to nothing at the rim.
Image Glow(unsigned size)
{
    Image image(size, size);
    for (unsigned y = 0; y < size; ++y)
        for (unsigned x = 0; x < size; ++x)
        {
            const float dx = (float(x) + 0.5f) / float(size) * 2.0f - 1.0f;
            const float dy = (float(y) + 0.5f) / float(size) * 2.0f - 1.0f;
            const float falloff = std::max(0.0f, 1.0f - std::sqrt(dx * dx + dy * dy));
            const float core = std::pow(falloff, 4.0f);
            image.At(x, y) = Argb(falloff * falloff, 1.0f, core + 0.25f, core + 0.2f);
        }
    return image;
}

// Each cell a bluish fork from the top edge to the bottom, jagged its own way.
Image Lightning(unsigned cell)
{
    Image image(2 * cell, 2 * cell);
    for (unsigned i = 0; i < 4; ++i)
    {
        const unsigned left = (i % 2) * cell, top = (i / 2) * cell;
        for (unsigned y = 0; y < cell; ++y)
        {
            const float t = float(y) / float(cell);
            // The path zigzags across the cell; a branch leaves it halfway down.
            const float path = 0.5f + 0.25f * std::sin(t * (9.0f + 3.0f * float(i))) * std::cos(t * 4.0f + float(i));
            const float branch = 0.5f + (t - 0.5f) * (i % 2 ? 0.8f : -0.8f);
            for (unsigned x = 0; x < cell; ++x)
            {
                const float u = float(x) / float(cell);
                float glow = std::max(0.0f, 1.0f - std::fabs(u - path) * 24.0f);
                if (t > 0.5f)
                    glow = std::max(glow, std::max(0.0f, 1.0f - std::fabs(u - branch) * 32.0f) * (1.0f - t) * 2.0f);
                image.At(left + x, top + y) = Argb(glow, 0.7f + 0.3f * glow, 0.8f + 0.2f * glow, 1.0f);
            }
        }
    }
    return image;
}

} // namespace

bool WriteObjectTextures(const std::filesystem::path& textures)
{
    DdsWriteOptions options;
    options.pixels = DdsPixels::Dxt5;
    return WriteContentFile(textures / "ytg_baken_glow_00.dds", WriteDds(Glow(64), options)) &&
           WriteContentFile(textures / "lighting.dds", WriteDds(Lightning(64), options));
}
