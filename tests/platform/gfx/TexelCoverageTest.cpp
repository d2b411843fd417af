// The box around a texture's texels with alpha, followed through whole and partial uploads.
#include "platform/gfx/TexelCoverage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// An image of transparent texels whose colour is not black, with the given texels opaque.
std::vector<uint8_t> Image(unsigned width, unsigned height, std::initializer_list<std::pair<unsigned, unsigned>> alpha)
{
    std::vector<uint8_t> pixels(size_t(width) * height * 4, 0x7F);
    for (size_t i = 3; i < pixels.size(); i += 4)
        pixels[i] = 0;
    for (const auto& [x, y] : alpha)
        pixels[(size_t(y) * width + x) * 4 + 3] = 1;
    return pixels;
}

void ExpectBox(const gfx::TexelCoverage& coverage, int left, int top, int right, int bottom)
{
    ASSERT_TRUE(coverage.IsKnown());
    EXPECT_EQ(coverage.GetBox().left, left);
    EXPECT_EQ(coverage.GetBox().top, top);
    EXPECT_EQ(coverage.GetBox().right, right);
    EXPECT_EQ(coverage.GetBox().bottom, bottom);
}

TEST(TexelCoverage, TheBoxFollowsWholeAndPartialUploads)
{
    gfx::TexelCoverage coverage;
    EXPECT_FALSE(coverage.IsKnown());
    // A part before any whole image tells nothing.
    const std::vector<uint8_t> part = Image(4, 4, {{1, 1}});
    coverage.Update(130, 70, 10, 10, 4, 4, part.data(), 16);
    EXPECT_FALSE(coverage.IsKnown());

    // Texels on both sides of a 64-texel word boundary and in the last column and row.
    std::vector<uint8_t> whole = Image(130, 70, {{63, 5}, {64, 6}, {129, 69}});
    coverage.Update(130, 70, 0, 0, 130, 70, whole.data(), 130 * 4);
    ExpectBox(coverage, 63, 5, 130, 70);

    // A rectangle written with rows of a longer pitch clears the corner and adds a texel.
    std::vector<uint8_t> patch = Image(9, 3, {{0, 2}, {8, 0}});
    coverage.Update(130, 70, 122, 67, 8, 3, patch.data(), 9 * 4);
    ExpectBox(coverage, 63, 5, 123, 70);
    // Clearing every texel with alpha leaves an empty box, still known.
    const std::vector<uint8_t> clear = Image(130, 70, {});
    coverage.Update(130, 70, 0, 0, 130, 70, clear.data(), 130 * 4);
    ASSERT_TRUE(coverage.IsKnown());
    EXPECT_TRUE(coverage.GetBox().IsEmpty());
    // An image of another size starts again from a whole one only.
    coverage.Update(64, 64, 0, 0, 4, 4, part.data(), 16);
    EXPECT_FALSE(coverage.IsKnown());
    coverage.Update(130, 70, 0, 0, 130, 70, whole.data(), 130 * 4);
    coverage.Forget();
    EXPECT_FALSE(coverage.IsKnown());
}

} // namespace
