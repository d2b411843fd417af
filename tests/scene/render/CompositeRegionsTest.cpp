// Where a composite that samples a small texture bilinearly over the whole screen can add
// something: every pixel whose sample reads a texel that adds lies in a region.
#include "scene/post/CompositeRegions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

bool Inside(const std::vector<PixelRect>& rects, int x, int y)
{
    for (const PixelRect& r : rects)
    {
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return true;
    }
    return false;
}

// The two texels along an axis that a bilinear sample at the pixel's centre reads.
void Taps(int pixel, int pixels, int texels, int taps[2])
{
    const int first = int(std::floor((pixel + 0.5) / pixels * texels - 0.5));
    taps[0] = std::clamp(first, 0, texels - 1);
    taps[1] = std::clamp(first + 1, 0, texels - 1);
}

TEST(CompositeRegions, EveryPixelThatReadsABrightTexelIsCovered)
{
    const unsigned size = 256;
    struct Case
    {
        const char* name;
        std::vector<std::pair<unsigned, unsigned>> texels;
        unsigned width, height;
        double most; // the largest share of the screen the regions may cover
    };
    const Case cases[] = {
        {"dark", {}, 1024, 768, 0.0},
        {"one texel", {{100, 50}}, 1024, 768, 0.01},
        {"the corners", {{0, 0}, {255, 255}}, 1280, 960, 0.01},
        {"a few", {{3, 200}, {128, 128}, {129, 128}, {250, 7}}, 1920, 1080, 0.02},
    };
    for (const Case& c : cases)
    {
        std::vector<uint8_t> texels(size * size, 0);
        for (const auto& [x, y] : c.texels)
            texels[y * size + x] = 1;
        CompositeRegions regions;
        regions.Build(texels, size, size, c.width, c.height);
        const std::vector<PixelRect>& rects = regions.GetRects();
        int64_t area = 0;
        for (const PixelRect& r : rects)
            area += r.Area();
        EXPECT_LE(double(area) / (double(c.width) * c.height), c.most) << c.name;
        for (int y = 0; y < int(c.height); ++y)
        {
            int ty[2];
            Taps(y, int(c.height), int(size), ty);
            for (int x = 0; x < int(c.width); ++x)
            {
                int tx[2];
                Taps(x, int(c.width), int(size), tx);
                bool reads = false;
                for (int a : tx)
                {
                    for (int b : ty)
                        reads = reads || texels[size_t(b) * size + a] != 0;
                }
                if (reads && !Inside(rects, x, y))
                {
                    ADD_FAILURE() << c.name << ": pixel " << x << "," << y << " reads a bright texel";
                    return;
                }
            }
        }
    }
    // A texture bright everywhere covers the screen with one region.
    const std::vector<uint8_t> all(size * size, 1);
    CompositeRegions regions;
    regions.Build(all, size, size, 1024, 768);
    ASSERT_EQ(regions.GetRects().size(), 1u);
    EXPECT_EQ(regions.GetRects()[0].right, 1024);
    EXPECT_EQ(regions.GetRects()[0].bottom, 768);
}

} // namespace
