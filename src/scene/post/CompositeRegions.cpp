#include "scene/post/CompositeRegions.h"

#include <algorithm>
#include <cmath>

namespace {

// The first texel a bilinear sample at the centre of pixel `pixel` reads, of the two along the
// axis; a texel more on either side covers the rounding of the sample's position.
int FirstTap(unsigned pixel, unsigned pixels, unsigned texels)
{
    return int(std::floor((double(pixel) + 0.5) / pixels * texels - 0.5));
}

} // namespace

uint32_t CompositeRegions::Count(int first, int last, int top, int bottom) const
{
    first = std::clamp(first, 0, int(_width) - 1);
    last = std::clamp(last, 0, int(_width) - 1);
    top = std::clamp(top, 0, int(_height) - 1);
    bottom = std::clamp(bottom, 0, int(_height) - 1);
    const auto at = [this](int x, int y) { return _sums[size_t(y) * (_width + 1) + x]; };
    return at(last + 1, bottom + 1) - at(first, bottom + 1) - at(last + 1, top) + at(first, top);
}

void CompositeRegions::Build(const std::vector<uint8_t>& adds, unsigned width, unsigned height, unsigned targetWidth,
                             unsigned targetHeight)
{
    _rects.clear();
    if (!width || !height || adds.size() < size_t(width) * height || !targetWidth || !targetHeight)
        return;
    _width = width;
    _height = height;
    _sums.assign(size_t(width + 1) * (height + 1), 0);
    for (unsigned y = 0; y < height; ++y)
    {
        uint32_t row = 0;
        for (unsigned x = 0; x < width; ++x)
        {
            row += adds[size_t(y) * width + x] ? 1 : 0;
            _sums[size_t(y + 1) * (width + 1) + x + 1] = _sums[size_t(y) * (width + 1) + x + 1] + row;
        }
    }
    const unsigned tileWidth = (targetWidth + TilesAcross - 1) / TilesAcross;
    const unsigned tileHeight = (targetHeight + TilesAcross - 1) / TilesAcross;
    // The rectangles still growing downwards, by the run they came from.
    std::vector<PixelRect> open, next;
    for (unsigned y0 = 0; y0 < targetHeight; y0 += tileHeight)
    {
        const unsigned y1 = std::min(y0 + tileHeight, targetHeight);
        const int top = FirstTap(y0, targetHeight, height) - 1, bottom = FirstTap(y1 - 1, targetHeight, height) + 2;
        next.clear();
        for (unsigned x0 = 0; x0 < targetWidth;)
        {
            const unsigned x1 = std::min(x0 + tileWidth, targetWidth);
            const int first = FirstTap(x0, targetWidth, width) - 1, last = FirstTap(x1 - 1, targetWidth, width) + 2;
            if (!Count(first, last, top, bottom))
            {
                x0 = x1;
                continue;
            }
            // A run of tiles that add.
            PixelRect run{int(x0), int(y0), int(x1), int(y1)};
            for (x0 = x1; x0 < targetWidth; x0 = run.right)
            {
                const unsigned end = std::min(x0 + tileWidth, targetWidth);
                if (!Count(FirstTap(x0, targetWidth, width) - 1, FirstTap(end - 1, targetWidth, width) + 2, top,
                           bottom))
                    break;
                run.right = int(end);
            }
            x0 = unsigned(run.right);
            const auto above = std::find_if(open.begin(), open.end(), [&](const PixelRect& r) {
                return r.left == run.left && r.right == run.right && r.bottom == run.top;
            });
            if (above != open.end())
            {
                run.top = above->top;
                open.erase(above);
            }
            next.push_back(run);
        }
        _rects.insert(_rects.end(), open.begin(), open.end());
        open.swap(next);
    }
    _rects.insert(_rects.end(), open.begin(), open.end());
}
