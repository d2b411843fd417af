#include "MaterialSystem/textures/DdsLayout.h"
#include "MaterialSystem/textures/TextureDesc.h"
#include "textures/DdsWriter.h"

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> Dds(unsigned w, unsigned h, DdsPixels pixels, bool mips, bool linear = false)
{
    DdsWriteOptions options;
    options.pixels = pixels;
    options.mips = mips;
    options.linearSize = linear;
    return WriteDds(MakeChecker(w, h, 4, 0xFF000000, 0xFFFFFFFF), options);
}

bool Layout(const std::vector<uint8_t>& file, int lod, DdsLayout& out, std::string& error)
{
    if (file.size() < kDdsHeaderSize)
        return false;
    return ReadDdsLayout(file.data(), file.size() - kDdsHeaderSize, lod, 0, out, error);
}

struct GoodCase
{
    const char* what;
    unsigned width, height;
    DdsPixels pixels;
    bool mips;
    int lod;
    uint32_t format;
    unsigned keptWidth, keptHeight, levels;
    std::vector<uint64_t> firstLevelBytes; // the first few kept levels
};

TEST(DdsLayout, LevelSizesComeFromFormatAndDimensions)
{
    const GoodCase cases[] = {
        {"argb with mips", 256, 256, DdsPixels::Argb32, true, 0, TEXFMT_A8R8G8B8, 256, 256, 9, {262144, 65536, 16384}},
        {"argb single level", 64, 32, DdsPixels::Argb32, false, 0, TEXFMT_A8R8G8B8, 64, 32, 1, {8192}},
        // Once the short side reaches one pixel the levels halve, not quarter.
        {"non-square", 256, 4, DdsPixels::Argb32, true, 0, TEXFMT_A8R8G8B8, 256, 4, 9, {4096, 1024, 256, 128, 64}},
        {"dxt1 small levels", 16, 16, DdsPixels::Dxt1, true, 0, TEXFMT_DXT1, 16, 16, 5, {128, 32, 8, 8, 8}},
        {"dxt5 small levels", 16, 8, DdsPixels::Dxt5, true, 0, TEXFMT_DXT5, 16, 8, 5, {128, 32, 16, 16, 16}},
        {"dxt1 non-square", 64, 8, DdsPixels::Dxt1, true, 0, TEXFMT_DXT1, 64, 8, 7, {256, 64, 32, 16}},
        {"lod 1 drops one level", 256, 256, DdsPixels::Argb32, true, 1, TEXFMT_A8R8G8B8, 128, 128, 8, {65536}},
        {"lod 2 drops two levels", 256, 64, DdsPixels::Dxt5, true, 2, TEXFMT_DXT5, 64, 16, 7, {1024}},
        {"lod never drops the last level", 2, 2, DdsPixels::Argb32, true, 5, TEXFMT_A8R8G8B8, 1, 1, 1, {4}},
        {"no mips ignores lod", 32, 32, DdsPixels::Argb32, false, 2, TEXFMT_A8R8G8B8, 32, 32, 1, {4096}},
    };
    for (const GoodCase& c : cases)
    {
        SCOPED_TRACE(c.what);
        DdsLayout layout;
        std::string error;
        ASSERT_TRUE(Layout(Dds(c.width, c.height, c.pixels, c.mips), c.lod, layout, error)) << error;
        EXPECT_EQ(layout.format, c.format);
        EXPECT_EQ(layout.width, c.keptWidth);
        EXPECT_EQ(layout.height, c.keptHeight);
        EXPECT_EQ(layout.levels, c.levels);
        ASSERT_EQ(layout.levelBytes.size(), layout.levels);
        for (size_t i = 0; i < c.firstLevelBytes.size(); ++i)
            EXPECT_EQ(layout.levelBytes[i], c.firstLevelBytes[i]);
        uint64_t all = layout.skipBytes;
        for (uint64_t bytes : layout.levelBytes)
            all += bytes;
        // Every level of the file is accounted for: skipped plus kept is the whole data.
        EXPECT_EQ(all, Dds(c.width, c.height, c.pixels, c.mips).size() - kDdsHeaderSize);
    }
}

// The caller's bound is on the size kept after the dropped levels, and is told from the header
// alone, before the data is looked at.
TEST(DdsLayout, ImagesPastTheCallersBoundAreTooLarge)
{
    struct Case
    {
        const char* what;
        unsigned width, height, mips;
        int lod;
        unsigned maxSide;
        const char* error; // null: accepted
    };
    const Case cases[] = {
        {"header of a huge dxt1", 20000, 20000, 0, 0, 16384, "image too large: 20000x20000 pixels, at most 16384"},
        {"one pixel too wide", 16385, 4, 0, 0, 16384, "image too large: 16385x4"},
        {"at the bound", 64, 64, 0, 0, 64, nullptr},
        {"fits once a level is dropped", 128, 128, 8, 1, 64, nullptr},
        {"still too large after the drop", 256, 256, 9, 1, 64, "image too large: 128x128"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        DdsRaw raw;
        raw.width = c.width;
        raw.height = c.height;
        raw.pixelFlags = 0x4;
        raw.fourCC = DdsFourCC('D', 'X', 'T', '1');
        if (c.mips)
        {
            raw.headerFlags |= 0x20000;
            raw.mipCount = c.mips;
        }
        // Pixels only where the file is meant to load.
        if (!c.error)
        {
            for (unsigned level = 0; level < std::max(c.mips, 1u); ++level)
                raw.levels.push_back(
                    std::vector<uint8_t>(DdsLevelBytes(TEXFMT_DXT1, c.width >> level, c.height >> level)));
        }
        const std::vector<uint8_t> file = WriteDdsRaw(raw);
        DdsLayout layout;
        std::string error;
        const bool read = ReadDdsLayout(file.data(), file.size() - kDdsHeaderSize, c.lod, c.maxSide, layout, error);
        EXPECT_EQ(read, c.error == nullptr) << error;
        if (c.error)
        {
            EXPECT_NE(error.find(c.error), std::string::npos) << error;
        }
    }
}

TEST(DdsLayout, LodOneSkipsTheTopLevelsData)
{
    DdsLayout layout;
    std::string error;
    ASSERT_TRUE(Layout(Dds(256, 256, DdsPixels::Argb32, true), 1, layout, error));
    EXPECT_EQ(layout.skipBytes, 256u * 256u * 4u);
}

TEST(DdsLayout, PitchAndLinearSizeFilesReadAlike)
{
    DdsLayout pitch, linear;
    std::string error;
    ASSERT_TRUE(Layout(Dds(64, 64, DdsPixels::Argb32, true, false), 0, pitch, error));
    ASSERT_TRUE(Layout(Dds(64, 64, DdsPixels::Argb32, true, true), 0, linear, error));
    EXPECT_EQ(pitch.levelBytes, linear.levelBytes);
    EXPECT_EQ(pitch.levelBytes[0], 64u * 64u * 4u);
}

TEST(DdsLayout, CountFieldWithoutItsFlagMeansOneLevel)
{
    DdsRaw raw;
    raw.width = raw.height = 8;
    raw.mipCount = 4; // flag 0x20000 not set
    raw.levels = {std::vector<uint8_t>(8 * 8 * 4), std::vector<uint8_t>(4 * 4 * 4)};
    DdsLayout layout;
    std::string error;
    ASSERT_TRUE(Layout(WriteDdsRaw(raw), 1, layout, error)) << error;
    EXPECT_EQ(layout.levels, 1u);
    EXPECT_EQ(layout.width, 8u);
    EXPECT_EQ(layout.skipBytes, 0u);
}

TEST(DdsLayout, RefusesWhatItCannotTrust)
{
    auto raw = [] {
        DdsRaw r;
        r.width = r.height = 4;
        r.levels = {std::vector<uint8_t>(64)};
        return r;
    };
    struct BadCase
    {
        const char* what;
        std::vector<uint8_t> file;
        const char* message;
    };
    std::vector<BadCase> cases;
    {
        auto file = WriteDdsRaw(raw());
        file[0] = 'X';
        cases.push_back({"bad magic", file, "bad magic"});
    }
    {
        auto file = WriteDdsRaw(raw());
        file[4] = 100;
        cases.push_back({"header size", file, "header size 100"});
    }
    {
        DdsRaw r = raw();
        r.bitCount = 24;
        r.levels = {std::vector<uint8_t>(48)};
        cases.push_back({"24-bit rgb", WriteDdsRaw(r), "24-bit RGB"});
    }
    {
        DdsRaw r = raw();
        r.pixelFlags = 0x4;
        r.fourCC = DdsFourCC('A', 'T', 'I', '2');
        cases.push_back({"unknown fourcc", WriteDdsRaw(r), "unknown pixel format"});
    }
    {
        DdsRaw r = raw();
        r.pixelFlags = 0x4;
        r.fourCC = DdsFourCC('Z', 'Z', 'Z', '3'); // numerically between DXT1 and DXT5
        cases.push_back({"fourcc between dxt1 and dxt5", WriteDdsRaw(r), "unknown pixel format"});
    }
    {
        DdsRaw r = raw();
        r.pixelFlags = 0x20; // palette
        r.bitCount = 8;
        cases.push_back({"palettised", WriteDdsRaw(r), "unknown pixel format"});
    }
    {
        DdsRaw r = raw();
        r.width = 0;
        cases.push_back({"zero width", WriteDdsRaw(r), "bad image size"});
    }
    {
        DdsRaw r = raw();
        r.width = r.height = 0x40000000;
        cases.push_back({"huge", WriteDdsRaw(r), "image too large: 1073741824x1073741824 pixels"});
    }
    {
        DdsRaw r = raw();
        r.headerFlags |= 0x20000;
        r.mipCount = 40;
        cases.push_back({"mip count beyond the chain", WriteDdsRaw(r), "more than the 3"});
    }
    {
        auto file = Dds(64, 64, DdsPixels::Argb32, true);
        file.resize(file.size() - 1);
        cases.push_back({"one byte short", file, "the file has"});
    }
    {
        auto file = Dds(64, 64, DdsPixels::Dxt1, true);
        file.resize(kDdsHeaderSize + 100);
        cases.push_back({"truncated dxt1", file, "needs 2744 bytes, the file has 100"});
    }
    for (const BadCase& c : cases)
    {
        SCOPED_TRACE(c.what);
        DdsLayout layout;
        std::string error;
        EXPECT_FALSE(Layout(c.file, 0, layout, error));
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
    }
}

} // namespace
