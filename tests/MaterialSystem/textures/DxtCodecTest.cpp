#include "MaterialSystem/textures/DxtDecoder.h"
#include "MaterialSystem/textures/TextureDesc.h"
#include "textures/DxtEncoder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

uint32_t Pixel(const std::vector<uint8_t>& argb, unsigned width, unsigned x, unsigned y)
{
    const uint8_t* p = &argb[(size_t(y) * width + x) * 4];
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

int Channel(uint32_t c, int shift) { return int((c >> shift) & 0xFF); }

// Largest difference of any channel between the source and the decoded image.
int MaxError(const Image& source, const std::vector<uint8_t>& decoded)
{
    int worst = 0;
    for (unsigned y = 0; y < source.height; ++y)
    {
        for (unsigned x = 0; x < source.width; ++x)
        {
            for (int shift = 0; shift < 32; shift += 8)
            {
                worst = std::max(worst, std::abs(Channel(source.At(x, y), shift) -
                                                 Channel(Pixel(decoded, source.width, x, y), shift)));
            }
        }
    }
    return worst;
}

TEST(DxtCodec, RoundTripsStayCloseToTheSource)
{
    struct Case
    {
        const char* what;
        Image image;
        uint32_t format;
        int tolerance;
    };
    const Case cases[] = {
        // Two exactly representable colours per block decode exactly.
        {"dxt1 checker", MakeChecker(16, 8, 2, 0xFF000000, 0xFFFFFFFF), TEXFMT_DXT1, 0},
        {"dxt1 gradient", MakeGradient(32, 4, 0xFF000000, 0xFFFFFFFF), TEXFMT_DXT1, 16},
        {"dxt5 alpha gradient", MakeGradient(32, 4, 0x00FF0000, 0xFFFF0000), TEXFMT_DXT5, 20},
        {"dxt5 noise", MakeNoise(16, 16, 3, 0x40202020, 0xF0E0E0E0), TEXFMT_DXT5, 40},
        {"dxt1 odd size", MakeChecker(5, 3, 1, 0xFF0000FF, 0xFFFFFF00), TEXFMT_DXT1, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        const std::vector<uint8_t> blocks = c.format == TEXFMT_DXT1 ? EncodeDxt1(c.image) : EncodeDxt5(c.image);
        std::vector<uint8_t> decoded;
        ASSERT_TRUE(DecodeDxt(c.format, c.image.width, c.image.height, blocks.data(), blocks.size(), decoded));
        ASSERT_EQ(decoded.size(), size_t(c.image.width) * c.image.height * 4);
        EXPECT_LE(MaxError(c.image, decoded), c.tolerance);
    }
}

TEST(DxtCodec, Dxt1KeepsOneBitOfAlpha)
{
    Image image = MakeChecker(4, 4, 1, 0xFFFF0000, 0x00000000);
    const std::vector<uint8_t> blocks = EncodeDxt1(image);
    std::vector<uint8_t> decoded;
    ASSERT_TRUE(DecodeDxt(TEXFMT_DXT1, 4, 4, blocks.data(), blocks.size(), decoded));
    EXPECT_EQ(Pixel(decoded, 4, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(Pixel(decoded, 4, 1, 0), 0x00000000u);
}

TEST(DxtCodec, ExplicitAlphaTakesLowNibblesFirst)
{
    // Alphas 0..15 in pixel order over an all-red colour block.
    const std::vector<uint8_t> block = {0x10, 0x32, 0x54, 0x76, 0x98, 0xBA, 0xDC, 0xFE,
                                        0x00, 0xF8, 0x00, 0xF8, 0x00, 0x00, 0x00, 0x00};
    for (uint32_t format : {TEXFMT_DXT2, TEXFMT_DXT3})
    {
        SCOPED_TRACE(format);
        std::vector<uint8_t> decoded;
        ASSERT_TRUE(DecodeDxt(format, 4, 4, block.data(), block.size(), decoded));
        for (unsigned i = 0; i < 16; ++i)
            EXPECT_EQ(Pixel(decoded, 4, i % 4, i / 4), (i * 17) << 24 | 0xFF0000u);
    }
}

TEST(DxtCodec, RefusesShortData)
{
    const std::vector<uint8_t> blocks(15);
    std::vector<uint8_t> decoded;
    EXPECT_FALSE(DecodeDxt(TEXFMT_DXT5, 4, 4, blocks.data(), blocks.size(), decoded));
    EXPECT_FALSE(DecodeDxt(TEXFMT_DXT1, 8, 4, blocks.data(), blocks.size(), decoded));
    EXPECT_FALSE(DecodeDxt(TEXFMT_A8R8G8B8, 4, 4, blocks.data(), blocks.size(), decoded));
}

} // namespace
