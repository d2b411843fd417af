#include "TextureFixture.h"

#include "MaterialSystem/DriverInfo.h"
#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/textures/DdsLayout.h"
#include "MaterialSystem/textures/DxtDecoder.h"
#include "MaterialSystem/textures/ColorWriter.h"
#include "foundation/config/VideoSettings.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Texture.h"
#include "textures/DdsWriter.h"

#include <cstring>

namespace {

uint32_t Word(const std::vector<uint8_t>& bytes, size_t pixel)
{
    const uint8_t* p = &bytes[pixel * 4];
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// The bytes of level `level` inside a file written by WriteDds.
std::vector<uint8_t> FileLevel(const std::vector<uint8_t>& file, uint64_t offset, uint64_t size)
{
    return std::vector<uint8_t>(file.begin() + long(128 + offset), file.begin() + long(128 + offset + size));
}

DdsWriteOptions Options(DdsPixels pixels, bool mips)
{
    DdsWriteOptions options;
    options.pixels = pixels;
    options.mips = mips;
    return options;
}

TEST_F(TextureTest, BuiltInTexturesExist)
{
    struct Case
    {
        const char* name;
        unsigned width, levels;
        uint32_t firstPixel;
    };
    const Case cases[] = {
        {"$proxy", 128, 8, 0x80FFFFFF}, {"$proxy_mat", 128, 8, 0x80FF0000}, {"$pureblack", 2, 1, 0x00000000},
        {"$black", 2, 1, 0xFF000000},   {"$white", 2, 1, 0xFFFFFFFF},       {"$grey", 2, 1, 0xFF7F7F7F},
        {"$red", 2, 1, 0xFFFF0000},     {"$green", 2, 1, 0xFF00FF00},       {"$blue", 2, 1, 0xFF0000FF},
        {"$normal", 2, 1, 0xFF8080FF},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        IResource* resource = Mgr()->GetResource(c.name);
        ASSERT_NE(resource, INVALID_RES_HANDLE);
        auto* texture = dynamic_cast<Texture*>(resource);
        ASSERT_TRUE(texture);
        EXPECT_EQ(texture->GetWidth(), c.width);
        EXPECT_EQ(texture->GetMipLevels(), c.levels);
        EXPECT_EQ(Word(LevelBytes(texture, 0), 0), c.firstPixel);
    }
    EXPECT_EQ(Mgr()->GetProxyTexture(), Mgr()->GetResource("$proxy"));
    Texture* frameBuffer = Mgr()->GetFrameBufferTexture();
    ASSERT_TRUE(frameBuffer && frameBuffer->GetTexHandle());
    EXPECT_EQ(frameBuffer->GetType(), TEXKIND_RENDERTARGET);
    EXPECT_EQ(frameBuffer->GetWidth(), 320u);
    EXPECT_EQ(frameBuffer->GetHeight(), 240u);
}

TEST_F(TextureTest, GeneratedVariantsLoadLevelByLevel)
{
    struct Case
    {
        const char* file;
        Image image;
        DdsWriteOptions options;
        uint32_t format;
        unsigned levels;
    };
    const Case cases[] = {
        {"mips.dds", MakeChecker(64, 64, 8, 0xFF102030, 0xFFF0E0D0), Options(DdsPixels::Argb32, true), TEXFMT_A8R8G8B8,
         7},
        {"flat.dds", MakeGradient(32, 16, 0xFF000000, 0xFFFFFFFF), Options(DdsPixels::Argb32, false), TEXFMT_A8R8G8B8,
         1},
        {"wide.dds", MakeNoise(256, 4, 1, 0xFF000000, 0xFFFFFFFF), Options(DdsPixels::Argb32, true), TEXFMT_A8R8G8B8,
         9},
        {"dxt1.dds", MakeNoise(64, 32, 2, 0xFF000000, 0xFFFFFFFF), Options(DdsPixels::Dxt1, true), TEXFMT_DXT1, 7},
        {"dxt5.dds", MakeGradient(16, 64, 0x00FF0000, 0xFF00FF00), Options(DdsPixels::Dxt5, true), TEXFMT_DXT5, 7},
    };
    // Compressed levels are held as they are, but for a device that samples them slowly or not
    // at all, which holds them decoded.
    const gfx::Device* device = _system->GetDevice();
    const bool decodes = !device->SupportsCompressedTextures() || device->IsSoftware();
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.file);
        const std::vector<uint8_t> file = WriteDds(c.image, c.options);
        WriteTextureFile(c.file, file);
        Texture* texture = Mgr()->CreateTextureFromFile(c.file);
        ASSERT_NE(texture->GetTexHandle(), Mgr()->GetProxyTexture()->GetTexHandle());
        const bool decoded = decodes && c.format != TEXFMT_A8R8G8B8;
        EXPECT_EQ(texture->GetFormat(), decoded ? uint32_t(TEXFMT_A8R8G8B8) : c.format);
        EXPECT_EQ(texture->GetWidth(), c.image.width);
        EXPECT_EQ(texture->GetHeight(), c.image.height);
        ASSERT_EQ(texture->GetMipLevels(), c.levels);
        uint64_t offset = 0;
        for (unsigned level = 0; level < c.levels; ++level)
        {
            const unsigned w = texture->GetWidth(level), h = texture->GetHeight(level);
            const uint64_t bytes = DdsLevelBytes(c.format, w, h);
            std::vector<uint8_t> want = FileLevel(file, offset, bytes);
            if (decoded)
            {
                std::vector<uint8_t> pixels;
                ASSERT_TRUE(DecodeDxt(c.format, w, h, want.data(), want.size(), pixels));
                want = pixels;
            }
            ASSERT_EQ(LevelBytes(texture, level), want) << "level " << level;
            offset += bytes;
        }
        EXPECT_EQ(128 + offset, file.size());
        // Cached by name, in any letter case.
        EXPECT_EQ(Mgr()->CreateTextureFromFile(c.file), texture);
    }
    EXPECT_EQ(Word(LevelBytes(Mgr()->CreateTextureFromFile("MIPS.DDS"), 0), 0), 0xFF102030u);
}

TEST_F(TextureTest, LodSkipsTopLevels)
{
    const Image image = MakeChecker(256, 256, 16, 0xFF000000, 0xFFFFFFFF);
    const std::vector<uint8_t> file = WriteDds(image, Options(DdsPixels::Argb32, true));
    WriteTextureFile("lod.dds", file);
    _video->TextureLod = 1;
    _video->UseAutoMips = false;
    TextureMgr lodMgr(_system.get(), _system->GetDevice());
    // The driver can make mips, but the setting does not ask for them.
    EXPECT_TRUE(_system->GetDriverInfo().SupportsAutoMips());
    EXPECT_FALSE(lodMgr.GetLimits().autoMips);
    lodMgr.SetRootDir((_root.string() + "/").c_str());
    Texture* texture = lodMgr.CreateTextureFromFile("lod.dds");
    ASSERT_TRUE(texture->GetTexHandle());
    EXPECT_EQ(texture->GetWidth(), 128u);
    EXPECT_EQ(texture->GetMipLevels(), 8u);
    EXPECT_EQ(LevelBytes(texture, 0), FileLevel(file, 256 * 256 * 4, 128 * 128 * 4));
    // Checkers drop the same levels.
    EXPECT_EQ(lodMgr.GetProxyTexture()->GetWidth(), 64u);
}

TEST_F(TextureTest, BadFilesGiveTheProxyAndALogLine)
{
    DdsRaw rgb24;
    rgb24.width = rgb24.height = 4;
    rgb24.bitCount = 24;
    rgb24.levels = {std::vector<uint8_t>(48)};
    DdsRaw unknown = rgb24;
    unknown.pixelFlags = 0x4;
    unknown.fourCC = DdsFourCC('A', 'T', 'I', '1');
    std::vector<uint8_t> truncated = WriteDds(MakeChecker(64, 64, 8, 0, ~0u), Options(DdsPixels::Dxt5, true));
    truncated.resize(truncated.size() / 2);
    std::vector<uint8_t> corrupt = WriteDds(MakeChecker(8, 8, 2, 0, ~0u), Options(DdsPixels::Argb32, false));
    corrupt[1] = 'Z';
    // Past the largest texture the device takes: refused from the header, no pixels needed.
    DdsRaw past;
    past.width = Mgr()->GetLimits().maxWidth + 1;
    past.height = 4;
    past.pixelFlags = 0x4;
    past.fourCC = DdsFourCC('D', 'X', 'T', '1');
    struct Case
    {
        const char* file;
        std::vector<uint8_t> bytes;
        const char* line; // expected in the log
    };
    const Case cases[] = {
        {"truncated.dds", truncated, "Texture \"truncated.dds\": data of 7 levels needs"},
        {"corrupt.dds", corrupt, "Texture \"corrupt.dds\": not a DDS file"},
        {"rgb24.dds", WriteDdsRaw(rgb24), "Texture \"rgb24.dds\": 24-bit RGB pixels are not supported"},
        {"unknown.dds", WriteDdsRaw(unknown), "Texture \"unknown.dds\": unknown pixel format"},
        {"tiny.dds", std::vector<uint8_t>(20, 'D'), "Failed to load resource"},
        {"past.dds", WriteDdsRaw(past), "Texture \"past.dds\": image too large"},
    };
    gfx::Texture* proxy = Mgr()->GetProxyTexture()->GetTexHandle();
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.file);
        WriteTextureFile(c.file, c.bytes);
        LogLines().clear();
        Texture* texture = Mgr()->CreateTextureFromFile(c.file);
        EXPECT_EQ(texture->GetTexHandle(), proxy);
        EXPECT_TRUE(LogHas(c.line));
        // The failure is remembered under its name and not reported again.
        LogLines().clear();
        EXPECT_EQ(Mgr()->CreateTextureFromFile(c.file), texture);
        EXPECT_TRUE(LogLines().empty());
    }
    EXPECT_EQ(Mgr()->CreateTextureFromFile("missing.dds")->GetTexHandle(), proxy);
    // Cleaning up drops the names but never the proxy itself.
    Mgr()->Cleanup();
    EXPECT_EQ(Mgr()->GetProxyTexture()->GetTexHandle(), proxy);
    EXPECT_EQ(Mgr()->GetResource("truncated.dds"), INVALID_RES_HANDLE);
}

TEST_F(TextureTest, CodeMadeTextures)
{
    TextureDesc desc;
    desc.width = desc.height = 8;
    Texture* first = Mgr()->CreateTexture("", desc);
    Texture* second = Mgr()->CreateTexture(nullptr, desc);
    EXPECT_STREQ(first->GetInfo().name, "unnamedtexture00");
    EXPECT_STREQ(second->GetInfo().name, "unnamedtexture01");
    EXPECT_EQ(first->GetInfo().location, 3);
    EXPECT_EQ(Mgr()->GetResource("UnnamedTexture01"), second);

    TextureDesc target;
    target.kind = TEXKIND_RENDERTARGET;
    target.width = target.height = 50;
    target.screenRelative = 1;
    Texture* half = Mgr()->CreateTexture("half", target);
    EXPECT_EQ(half->GetWidth(), 160u);
    EXPECT_EQ(half->GetHeight(), 120u);

    TextureDesc depth;
    depth.kind = TEXKIND_DEPTHSTENCIL;
    depth.width = 64;
    depth.height = 32;
    EXPECT_TRUE(Mgr()->CreateTexture("depth", depth)->GetTexHandle());

    // No device format: logged, and a texture without a handle that is safe to use.
    TextureDesc palette = desc;
    palette.format = TEXFMT_P8;
    LogLines().clear();
    Texture* refused = Mgr()->CreateTexture("palette", palette);
    EXPECT_FALSE(refused->GetTexHandle());
    EXPECT_EQ(refused->GetMipLevels(), 0u);
    EXPECT_FALSE(refused->FillPixelData(0, "x", 1));
    EXPECT_TRUE(LogHas("Texture format 2 has no device format"));

    Mgr()->Cleanup();
    EXPECT_STREQ(Mgr()->CreateTexture("", desc)->GetInfo().name, "unnamedtexture00");
}

TEST_F(TextureTest, ResetRemakesDefaultPoolTexturesAtTheNewSize)
{
    Texture* image = Mgr()->CreateSolidTexture("solid", 4, 4, 0xFF123456);
    gfx::Texture* imageHandle = image->GetTexHandle();
    _video->ScrWidth = 400;
    _video->ScrHeight = 300;
    ASSERT_TRUE(_system->RestartSystem());
    Texture* frameBuffer = Mgr()->GetFrameBufferTexture();
    ASSERT_TRUE(frameBuffer->GetTexHandle());
    EXPECT_EQ(frameBuffer->GetWidth(), 400u);
    EXPECT_EQ(frameBuffer->GetHeight(), 300u);
    // Images are kept, contents and all.
    EXPECT_EQ(image->GetTexHandle(), imageHandle);
    EXPECT_EQ(Word(LevelBytes(image, 0), 5), 0xFF123456u);
}

TEST_F(TextureTest, CheckerRunsToItsOwnHeight)
{
    Texture* checker = Mgr()->CreateChecker("wide", 64, 16, 0xFF000000, 0xFFFFFFFF, TILE_STRIDE_4);
    ASSERT_EQ(checker->GetHeight(), 16u);
    const std::vector<uint8_t> level = LevelBytes(checker, 0);
    ASSERT_EQ(level.size(), 64u * 16u * 4u);
    // Tiles of 16 pixels: the top-left tile is colour B, the one to its right colour A.
    EXPECT_EQ(Word(level, 0), 0xFFFFFFFFu);
    EXPECT_EQ(Word(level, 16), 0xFF000000u);
    EXPECT_EQ(Word(level, 15 * 64 + 15), 0xFFFFFFFFu);
}

TEST_F(TextureTest, ColorWriterPacksEachFormat)
{
    struct Case
    {
        uint32_t format;
        std::vector<uint8_t> bytes; // of the colour r=0x12 g=0x34 b=0x56 a=0x78, little-endian
    };
    const Case cases[] = {
        {TEXFMT_R5G6B5, {0xAA, 0x11}},
        {TEXFMT_A4R4G4B4, {0x35, 0x71}},
        {TEXFMT_A1R5G5B5, {0xCA, 0x08}},
        {TEXFMT_A8R8G8B8, {0x56, 0x34, 0x12, 0x78}},
        {TEXFMT_A8, {0x78}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.format);
        TextureDesc desc;
        desc.kind = TEXKIND_PROCEDURAL;
        desc.format = c.format;
        desc.width = 3;
        desc.height = 2;
        Texture* texture = Mgr()->CreateTexture("", desc);
        {
            ColorWriter writer(texture, 0);
            ASSERT_TRUE(writer.IsLocked());
            writer.Seek(2, 1);
            writer.WriteColor(0x12, 0x34, 0x56, 0x78);
            writer.WriteColor(0xFFFFFFFFul); // past the end: ignored
        }
        const std::vector<uint8_t> level = LevelBytes(texture, 0);
        const size_t at = 5 * c.bytes.size();
        ASSERT_EQ(level.size(), 6 * c.bytes.size());
        EXPECT_EQ(std::vector<uint8_t>(level.begin() + long(at), level.end()), c.bytes);
    }
}

TEST_F(TextureTest, FillPixelDataRefusesWhatDoesNotFit)
{
    Texture* texture = Mgr()->CreateSolidTexture("fill", 4, 4, 0xFF000000);
    const std::vector<uint32_t> tooMany(17, 0xFFFFFFFF);
    LogLines().clear();
    EXPECT_FALSE(texture->FillPixelData(0, tooMany.data(), unsigned(tooMany.size() * 4)));
    EXPECT_TRUE(LogHas("do not fit level 0"));
    EXPECT_FALSE(texture->FillPixelData(1, tooMany.data(), 4));
    // A partial fill keeps the rest of the level.
    EXPECT_TRUE(texture->FillPixelData(0, tooMany.data(), 8));
    const std::vector<uint8_t> level = LevelBytes(texture, 0);
    EXPECT_EQ(Word(level, 1), 0xFFFFFFFFu);
    EXPECT_EQ(Word(level, 2), 0xFF000000u);
}

TEST_F(TextureTest, NormalMapOfAFlatHeightFieldPointsUp)
{
    Texture* texture = Mgr()->CreateSolidTexture("height", 4, 4, 0xFF808080);
    texture->GenerateNormalmap();
    EXPECT_TRUE(texture->IsNormalMap());
    const std::vector<uint8_t> level = LevelBytes(texture, 0);
    // (0, 0, 1) -> 128, 128, 255 with the height 128/255 in alpha; the last column is kept.
    EXPECT_EQ(Word(level, 0), 0x808080FFu);
    EXPECT_EQ(Word(level, 3), 0xFF808080u);
}

} // namespace
