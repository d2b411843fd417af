#include "platform/font/Font.h"
#include "platform/font/FontLibrary.h"
#include "platform/font/GlyphAtlas.h"
#include "platform/font/TextLayout.h"
#include "platform/font/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

TEST(Utf8, DecodesValidAndReplacesMalformedSequences)
{
    struct Case
    {
        const char* name;
        std::string input;
        std::u32string expected;
    } cases[] = {
        {"ascii", "Ab", U"Ab"},
        {"two, three and four bytes", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", U"\u00E9\u20AC\U0001F600"},
        {"stray continuation", "a\x80z", U"a\uFFFDz"},
        {"overlong slash", "\xC0\xAF!", U"\uFFFD\uFFFD!"},
        {"truncated tail", "x\xE2\x82", U"x\uFFFD\uFFFD"},
        {"surrogate", "\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"invalid lead", "\xFF", U"\uFFFD"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeUtf8(c.input), c.expected) << c.name;
}

TEST(GlyphAtlas, GrowsWhenFullAndRefusesWhatCannotFit)
{
    GlyphAtlas atlas;
    std::vector<unsigned char> bitmap(100 * 100, 0xFF);
    unsigned x = 0, y = 0;
    const uint64_t version = atlas.GetVersion();
    // Four 100-pixel glyphs to a shelf: three shelves overflow the first 256 rows.
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(atlas.Insert(100, 100, bitmap.data(), 100, x, y));
    EXPECT_EQ(atlas.GetHeight(), 512u);
    EXPECT_GT(atlas.GetVersion(), version);
    EXPECT_EQ(atlas.GetPixels()[size_t(y) * atlas.GetWidth() + x], 0xFF);
    EXPECT_EQ(atlas.GetPixels()[size_t(y) * atlas.GetWidth() + x + 100], 0x00) << "padding stays clear";
    EXPECT_FALSE(atlas.Insert(600, 10, bitmap.data(), 600, x, y)) << "wider than the atlas";
    EXPECT_FALSE(atlas.Insert(10, 3000, bitmap.data(), 10, x, y)) << "taller than the largest atlas";
}

class FontTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        _library = FontLibrary::Create();
        ASSERT_TRUE(_library);
    }
    std::unique_ptr<Font> Make(const char* face, unsigned height, unsigned width = 0, unsigned weight = 400)
    {
        FontDesc desc;
        desc.face = face;
        desc.height = height;
        desc.width = width;
        desc.weight = weight;
        return Font::Create(*_library, desc);
    }
    // Bounding box of the placed glyphs.
    static TextBox Bounds(const std::vector<PlacedGlyph>& glyphs)
    {
        TextBox box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
        for (const PlacedGlyph& g : glyphs)
        {
            box.left = std::min(box.left, g.x);
            box.top = std::min(box.top, g.y);
            box.right = std::max(box.right, g.x + int(g.width));
            box.bottom = std::max(box.bottom, g.y + int(g.height));
        }
        return box;
    }

    std::unique_ptr<FontLibrary> _library;
};

TEST_F(FontTest, EngineFaceNamesResolveToInstalledFamilies)
{
    struct Case
    {
        const char* family;
        const char* file;
    } cases[] = {{"Arial", "LiberationSans"}, {"Courier New", "LiberationMono"}, {"OCRA", "OCRA"}};
    for (const Case& c : cases)
    {
        auto font = Make(c.family, 16);
        ASSERT_TRUE(font) << c.family;
        EXPECT_NE(font->GetFile().find(c.file), std::string::npos) << c.family << " -> " << font->GetFile();
    }
    auto bold = Make("Arial", 16, 0, 700);
    ASSERT_TRUE(bold);
    EXPECT_NE(bold->GetFile().find("Bold"), std::string::npos) << bold->GetFile();
}

TEST_F(FontTest, CellHeightAndAverageWidthFollowTheRequest)
{
    auto mono = Make("Courier New", 16, 8);
    ASSERT_TRUE(mono);
    EXPECT_EQ(mono->GetLineHeight(), 16);
    EXPECT_NEAR(mono->GetAverageWidth(), 8.0f, 0.01f);
    EXPECT_NEAR(mono->GetGlyph(U'x').advance, 8.0f, 0.5f);
    EXPECT_NEAR(mono->GetGlyph(U'W').advance, mono->GetGlyph(U'i').advance, 0.01f) << "monospaced";
    EXPECT_GT(mono->GetAscent(), 8);
    EXPECT_LT(mono->GetAscent(), 16);

    const Font::Glyph& h = mono->GetGlyph(U'H');
    ASSERT_GT(h.width * h.height, 0u);
    const GlyphAtlas& atlas = mono->GetAtlas();
    unsigned coverage = 0;
    for (unsigned row = 0; row < h.height; ++row)
    {
        for (unsigned col = 0; col < h.width; ++col)
        {
            coverage += atlas.GetPixels()[size_t(h.atlasY + row) * atlas.GetWidth() + h.atlasX + col];
        }
    }
    EXPECT_GT(coverage, 255u * 4) << "the glyph was rasterised into the atlas";
    EXPECT_EQ(mono->GetGlyph(U' ').width, 0u);
}

TEST_F(FontTest, AlignmentPlacesTheBlockInsideTheBox)
{
    auto font = Make("Arial", 20);
    ASSERT_TRUE(font);
    const TextBox box{100, 50, 400, 250};
    std::vector<PlacedGlyph> left;
    LayoutText(*font, "Hello", box, TF_LEFT, left);
    const TextBox l = Bounds(left);
    const int width = l.right - l.left;
    EXPECT_NEAR(l.left, box.left, 3);
    EXPECT_GE(l.top, box.top);
    EXPECT_LE(l.bottom, box.top + 20);

    std::vector<PlacedGlyph> centred;
    LayoutText(*font, "Hello", box, TF_CENTER | TF_VCENTER, centred);
    const TextBox c = Bounds(centred);
    EXPECT_NEAR((c.left + c.right) / 2, 250, 3);
    EXPECT_NEAR((c.top + c.bottom) / 2, 150, 5);
    EXPECT_EQ(c.right - c.left, width);

    std::vector<PlacedGlyph> right;
    LayoutText(*font, "Hello", box, TF_RIGHT | TF_BOTTOM, right);
    const TextBox r = Bounds(right);
    EXPECT_NEAR(r.right, box.right, 3);
    EXPECT_LE(r.bottom, box.bottom);
    EXPECT_GE(r.top, box.bottom - 20);

    std::vector<PlacedGlyph> bottomCentred;
    LayoutText(*font, "Hello", box, TF_CENTER | TF_BOTTOM, bottomCentred);
    EXPECT_NEAR(Bounds(bottomCentred).left, c.left, 1);
    EXPECT_NEAR(Bounds(bottomCentred).bottom, r.bottom, 1);
}

TEST_F(FontTest, LinesBreakAtNewlinesAndWrapAtWords)
{
    auto font = Make("Courier New", 16, 8);
    ASSERT_TRUE(font);
    auto lineTops = [&](const char* text, TextBox box, unsigned format) {
        std::vector<PlacedGlyph> glyphs;
        LayoutText(*font, text, box, format, glyphs);
        std::vector<int> lines;
        for (const PlacedGlyph& g : glyphs)
        {
            const int line = (g.y + int(g.height) - 1 - box.top) / 16;
            if (std::find(lines.begin(), lines.end(), line) == lines.end())
                lines.push_back(line);
        }
        return lines;
    };
    const TextBox narrow{0, 0, 8 * 7, 200}; // seven characters
    EXPECT_EQ(lineTops("aaa bbb ccc", narrow, TF_LEFT).size(), 1u) << "no wrapping without the flag";
    EXPECT_EQ(lineTops("aaa bbb ccc", narrow, TF_WORDBREAK), (std::vector<int>{0, 1}));
    EXPECT_EQ(lineTops("aaa\nbbb\r\nccc", narrow, TF_LEFT), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(lineTops("abcdefghijkl x", narrow, TF_WORDBREAK), (std::vector<int>{0, 1})) << "a long word stays whole";

    // A wrapped line starts at the box's left edge, its leading space dropped.
    std::vector<PlacedGlyph> glyphs;
    LayoutText(*font, "aaa aaaaaa", narrow, TF_WORDBREAK, glyphs);
    ASSERT_EQ(glyphs.size(), 9u);
    EXPECT_EQ(glyphs[3].x, glyphs[0].x);
    EXPECT_GT(glyphs[3].y, glyphs[0].y);
}

// The widest line's width is the narrowest box that wraps only at the newlines.
TEST_F(FontTest, MeasuredWidthIsTheNarrowestBoxThatKeepsEveryLineWhole)
{
    auto font = Make("Arial", 20, 9);
    ASSERT_TRUE(font);
    auto lines = [&](const char* text, int width) {
        std::vector<PlacedGlyph> glyphs;
        LayoutText(*font, text, TextBox{0, 0, width, 400}, TF_WORDBREAK | TF_EXPANDTABS, glyphs);
        std::vector<int> tops;
        for (const PlacedGlyph& g : glyphs)
        {
            const int line = (g.y + int(g.height) - 1) / font->GetLineHeight();
            if (std::find(tops.begin(), tops.end(), line) == tops.end())
                tops.push_back(line);
        }
        return tops.size();
    };
    for (const char* text : {"Turn to the red mark, press T", "short\nthe second line is the widest\r\nmid line",
                             "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xD0\xBC\xD0\xB8\xD1\x80"})
    {
        SCOPED_TRACE(text);
        const float width = MeasureText(*font, text, TF_WORDBREAK | TF_EXPANDTABS);
        const size_t newlines = size_t(std::count(text, text + std::strlen(text), '\n'));
        EXPECT_EQ(lines(text, int(std::ceil(width))), newlines + 1);
        EXPECT_GT(lines(text, int(std::floor(width)) - 1), newlines + 1);
    }
    EXPECT_EQ(MeasureText(*font, "", TF_LEFT), 0.0f);
    EXPECT_FLOAT_EQ(MeasureText(*font, "ab\nab", TF_LEFT), MeasureText(*font, "ab", TF_LEFT));
}

TEST_F(FontTest, TabsExpandToStopsOfEightAverageWidths)
{
    auto font = Make("Courier New", 16, 8);
    ASSERT_TRUE(font);
    std::vector<PlacedGlyph> expanded, plain;
    LayoutText(*font, "a\ta", TextBox{0, 0, 400, 100}, TF_EXPANDTABS, expanded);
    LayoutText(*font, "a\ta", TextBox{0, 0, 400, 100}, TF_LEFT, plain);
    ASSERT_EQ(expanded.size(), 2u);
    ASSERT_EQ(plain.size(), 2u);
    EXPECT_EQ(expanded[1].x - expanded[0].x, 64);
    EXPECT_EQ(plain[1].x - plain[0].x, 8);
}

TEST_F(FontTest, UnknownFamilyFallsBackToAnInstalledFace)
{
    auto font = Make("No Such Family 1234", 12);
    ASSERT_TRUE(font);
    std::vector<PlacedGlyph> glyphs;
    LayoutText(*font, "ok", TextBox{0, 0, 100, 20}, TF_LEFT, glyphs);
    EXPECT_EQ(glyphs.size(), 2u);
}
