#include "textures/RaceTextures.h"

#include "ContentFile.h"
#include "textures/DdsWriter.h"
#include "textures/Image.h"

#include <algorithm>
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

// Two clouds of colour over black, strewn with stars of a few brightnesses.
Image Nebula()
{
    const Image blue = MakeNoise(512, 256, 41, 0xFF000000, 0xFF203a78);
    const Image red = MakeNoise(512, 256, 43, 0xFF000000, 0xFF6a2048);
    Image image(512, 256);
    for (size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = Add(Scale(blue.pixels[i], 0.8f), Scale(red.pixels[i], 0.6f));
    Stars stars{7};
    for (int i = 0; i < 1400; ++i)
    {
        const unsigned x = stars.Next(image.width), y = stars.Next(image.height);
        const unsigned level = 120 + stars.Next(136);
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
    ok &= WriteContentFile(textures / "sky/nebula.dds", WriteDds(Nebula(), options));
    return ok;
}
