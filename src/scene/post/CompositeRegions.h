#pragma once

#include "scene/PixelRect.h"

#include <cstdint>
#include <vector>

// Where a pass that adds a bilinear sample of a small texture to every pixel of a larger target
// can change the target. The target is taken in tiles; a tile whose samples read only texels
// that add nothing is left out, and the rest comes as rectangles, runs of neighbouring tiles in
// a row, merged with the same runs of the rows below.
class CompositeRegions
{
public:
    static constexpr unsigned TilesAcross = 32;

    // `adds`: for each texel of the texture, rows top first, whether it adds something wherever
    // a sample reads it.
    void Build(const std::vector<uint8_t>& adds, unsigned width, unsigned height, unsigned targetWidth,
               unsigned targetHeight);
    const std::vector<PixelRect>& GetRects() const { return _rects; }

private:
    // The texels that add in columns first..last and rows top..bottom, each clamped to the texture.
    uint32_t Count(int first, int last, int top, int bottom) const;

    unsigned _width = 0, _height = 0;
    std::vector<uint32_t> _sums; // (width + 1) x (height + 1) prefix sums of the texels that add
    std::vector<PixelRect> _rects;
};
