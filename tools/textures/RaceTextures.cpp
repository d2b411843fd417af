#include "textures/RaceTextures.h"

#include "ContentFile.h"
#include "textures/DdsWriter.h"
#include "textures/Image.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

uint32_t Channel(uint32_t color, int shift) { return (color >> shift) & 0xFF; }

uint32_t Scale(uint32_t color, float factor)
{
    auto scaled = [&](int shift) {
        return uint32_t(std::clamp(float(Channel(color, shift)) * factor, 0.0f, 255.0f)) << shift;
    };
    return 0xFF000000u | scaled(16) | scaled(8) | scaled(0);
}

uint32_t Add(uint32_t a, uint32_t b)
{
    auto sum = [&](int shift) { return std::min(Channel(a, shift) + Channel(b, shift), 255u) << shift; };
    return 0xFF000000u | sum(16) | sum(8) | sum(0);
}

// Noisy plating divided into panels by dark seams, with a light rivet at each corner.
Image Plating(unsigned seed, uint32_t dark, uint32_t light, unsigned panel)
{
    Image image = MakeNoise(256, 256, seed, dark, light);
    for (unsigned y = 0; y < image.height; ++y)
        for (unsigned x = 0; x < image.width; ++x)
        {
            const unsigned px = x % panel, py = y % (panel / 2);
            if (px == 0 || py == 0)
                image.At(x, y) = Scale(image.At(x, y), 0.45f);
            else if (px == 3 && py == 3)
                image.At(x, y) = Scale(image.At(x, y), 1.6f);
        }
    return image;
}

// A small generator of its own, so the stars do not depend on the engine's.
struct Stars
{
    uint32_t state;
    unsigned Next(unsigned modulo)
    {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % modulo;
    }
};

// Bilinear enlargement: the noise's small cells become wide soft clouds.
Image Enlarge(const Image& small, unsigned width, unsigned height)
{
    Image image(width, height);
    for (unsigned y = 0; y < height; ++y)
        for (unsigned x = 0; x < width; ++x)
        {
            const float u = float(x) * float(small.width) / float(width);
            const float v = float(y) * float(small.height - 1) / float(height - 1);
            const unsigned x0 = unsigned(u) % small.width, x1 = (x0 + 1) % small.width;
            const unsigned y0 = std::min(unsigned(v), small.height - 1), y1 = std::min(y0 + 1, small.height - 1);
            const float fu = u - std::floor(u), fv = v - float(y0);
            auto mix = [&](int shift) {
                const float top =
                    float(Channel(small.At(x0, y0), shift)) * (1 - fu) + float(Channel(small.At(x1, y0), shift)) * fu;
                const float bottom =
                    float(Channel(small.At(x0, y1), shift)) * (1 - fu) + float(Channel(small.At(x1, y1), shift)) * fu;
                return uint32_t(top * (1 - fv) + bottom * fv) << shift;
            };
            image.At(x, y) = 0xFF000000u | mix(16) | mix(8) | mix(0);
        }
    return image;
}

// Two clouds of colour over black, strewn with stars of a few brightnesses.
Image Nebula()
{
    const unsigned width = 1024, height = 512;
    const Image blue = Enlarge(MakeNoise(64, 32, 41, 0xFF000000, 0xFF2a4890), width, height);
    const Image red = Enlarge(MakeNoise(48, 24, 43, 0xFF000000, 0xFF7a2050), width, height);
    Image image(width, height);
    for (size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = Add(Scale(blue.pixels[i], 0.7f), Scale(red.pixels[i], 0.5f));
    Stars stars{7};
    for (int i = 0; i < 3000; ++i)
    {
        const unsigned x = stars.Next(width), y = stars.Next(height);
        const unsigned level = 90 + stars.Next(166);
        const uint32_t star = 0xFF000000u | level << 16 | level << 8 | std::min(level + 20, 255u);
        image.At(x, y) = Add(image.At(x, y), star);
    }
    return image;
}

// Pale blue, brightest along its facets.
Image Crystal()
{
    Image image = MakeNoise(64, 64, 47, 0xFF3070A0, 0xFFC0F0FF);
    for (unsigned y = 0; y < image.height; ++y)
        for (unsigned x = 0; x < image.width; ++x)
            if ((x + y) % 16 == 0)
                image.At(x, y) = 0xFFE8FFFF;
    return image;
}

} // namespace

bool WriteRaceTextures(const std::filesystem::path& textures)
{
    DdsWriteOptions options;
    options.pixels = DdsPixels::Dxt1;
    bool ok = true;
    ok &= WriteContentFile(textures / "blg_hull.dds", WriteDds(Plating(51, 0xFF28384C, 0xFF8CA8C8, 32), options));
    ok &= WriteContentFile(textures / "rtb_hull.dds", WriteDds(Plating(53, 0xFF4C2418, 0xFFC8804C, 24), options));
    ok &= WriteContentFile(textures / "ytg_hull.dds", WriteDds(Plating(55, 0xFF1C3018, 0xFF78A050, 48), options));
    ok &=
        WriteContentFile(textures / "ytg_hull_damaged.dds", WriteDds(Plating(57, 0xFF080808, 0xFF503820, 48), options));
    ok &= WriteContentFile(textures / "crystal_debris.dds", WriteDds(Crystal(), options));
    DdsWriteOptions sky;
    sky.pixels = DdsPixels::Argb32;
    ok &= WriteContentFile(textures / "sky/nebula.dds", WriteDds(Nebula(), sky));
    return ok;
}
