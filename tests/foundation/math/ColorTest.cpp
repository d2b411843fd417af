#include <gtest/gtest.h>

#include "foundation/math/Color.h"

TEST(Color, UnpacksArgbWithTheSlightlyLargeScale)
{
    const Color c(0xff336699u);
    EXPECT_FLOAT_EQ(c.a, 1.0000002f);
    EXPECT_GT(c.a, 1.0f);
    EXPECT_NEAR(c.r, 0.2f, 1e-6);
    EXPECT_NEAR(c.g, 0.4f, 1e-6);
    EXPECT_NEAR(c.b, 0.6f, 1e-6);
    Color d;
    d = 0x80000000u;
    EXPECT_EQ(d.r, 0.0f);
    EXPECT_NEAR(d.a, 128 / 255.0f, 1e-6);
}

TEST(Color, PacksByTruncationAndWrapsOutOfRange)
{
    struct Case
    {
        Color c;
        uint32_t argb;
    };
    const Case cases[] = {
        {Color(), 0xffffffffu},
        {Color(0.5f, 0.5f, 0.5f, 1.0f), 0xff7f7f7fu}, // 127.5 truncates to 127
        {Color(0.999f, 0, 0, 0), 0x00fe0000u},
        {Color(-0.01f, 2.0f, 1.5f, 0), 0x00fefe7eu}, // -2.55 -> -2 -> 0xfe; 510 -> 0xfe; 382 -> 0x7e
        {Color(0.2f, 0.4f, 0.6f, 1.0f), 0xff336699u},
    };
    for (const Case& k : cases)
        EXPECT_EQ(k.c.ARGB(), k.argb) << std::hex << k.argb;

    const Color c(0x11 / 255.0f + 1e-4f, 0x22 / 255.0f + 1e-4f, 0x33 / 255.0f + 1e-4f, 0x44 / 255.0f + 1e-4f);
    EXPECT_EQ(c.ARGB(), 0x44112233u);
    EXPECT_EQ(c.ABGR(), 0x44332211u);
    EXPECT_EQ(c.BGRA(), 0x33221144u);
    EXPECT_EQ(c.RGBA(), 0x11223344u);
    // Values far past the integer range pack as zero rather than hitting an undefined conversion.
    EXPECT_EQ(Color(1e30f, 0, 0, 0).ARGB(), 0u);
}

TEST(Color, Adjustments)
{
    Color out;
    Color(1, 0, 0, 0.5f).AdjustSaturation(0, out);
    EXPECT_FLOAT_EQ(out.r, 0.2125f);
    EXPECT_FLOAT_EQ(out.g, 0.2125f);
    EXPECT_FLOAT_EQ(out.b, 0.2125f);
    EXPECT_EQ(out.a, 0.5f);

    Color c(0.1f, 0.9f, 0.3f, 0.0f);
    c.AdjustContrast(0);
    EXPECT_EQ(c, Color(0.5f, 0.5f, 0.5f, 0.5f)); // alpha included

    Color n(0.25f, 0.5f, 1.0f, 0.75f);
    EXPECT_EQ(-n, Color(0.75f, 0.5f, 0.0f, 0.25f));
    n.Lerp(Color(1, 1, 1, 1), 0.5f);
    EXPECT_EQ(n, Color(0.625f, 0.75f, 1.0f, 0.875f));
    EXPECT_EQ(Color(0.5f, 1, 2, 4) ^ Color(2, 2, 2, 0.5f), Color(1, 2, 4, 2));
    EXPECT_EQ(Color(1, 2, 3, 4) * 0.5f, Color(0.5f, 1, 1.5f, 2));
    EXPECT_EQ(Color(1, 2, 3, 4) - Color(1, 1, 1, 1) + Color(0.5f), Color(0.5f, 1.5f, 2.5f, 3.5f));
    EXPECT_EQ(Color(0.1f, 0.2f, 0.3f), Color(0.1f, 0.2f, 0.3f, 1.0f));
}

TEST(Color, OrderedBySum)
{
    EXPECT_TRUE(Color(1, 0, 0, 0) < Color(0, 1, 0, 0.5f));
    EXPECT_FALSE(Color(1, 0, 0, 0) > Color(0, 1, 0, 0.5f));
    EXPECT_FALSE(Color(1, 0, 0, 0) < Color(0, 0, 0, 1));
    EXPECT_NE(Color(1, 0, 0, 0), Color(0, 0, 0, 1));
}
