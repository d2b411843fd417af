#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// A picture of ARGB words, top row first, and the procedural patterns of the demo textures.
struct Image
{
    unsigned width = 0;
    unsigned height = 0;
    std::vector<uint32_t> pixels;

    Image() = default;
    Image(unsigned w, unsigned h, uint32_t fill = 0) : width(w), height(h), pixels(size_t(w) * h, fill) {}
    uint32_t& At(unsigned x, unsigned y) { return pixels[size_t(y) * width + x]; }
    uint32_t At(unsigned x, unsigned y) const { return pixels[size_t(y) * width + x]; }
};

// Squares of `tile` pixels, `a` in the top-left one.
Image MakeChecker(unsigned width, unsigned height, unsigned tile, uint32_t a, uint32_t b);
// Left to right from `left` to `right`, each channel interpolated (alpha too).
Image MakeGradient(unsigned width, unsigned height, uint32_t left, uint32_t right);
// Smoothed value noise between `dark` and `light`, the same for the same seed.
Image MakeNoise(unsigned width, unsigned height, unsigned seed, uint32_t dark, uint32_t light);
// A round badge on a transparent ground: a light ring around a disc of `color` with `spokes`
// light rays from its centre.
Image MakeEmblem(unsigned size, uint32_t color, unsigned spokes);
// A pilot's portrait: head and shoulders in `figure` on a ground fading from `ground` at the top
// to black at the bottom.
Image MakePortrait(unsigned size, uint32_t figure, uint32_t ground);
// A fighter seen from above, nose up, in `hull` with a light canopy, on a transparent ground.
Image MakeShipPicture(unsigned size, uint32_t hull);
// Half the size (at least 1), each pixel the mean of the ones it covers.
Image Downsample(const Image& image);
// The image and its mip chain down to 1x1.
std::vector<Image> MipChain(const Image& image);
