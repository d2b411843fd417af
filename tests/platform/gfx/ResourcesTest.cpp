#include "GfxFixture.h"

#include "platform/gfx/BmpWriter.h"
#include "platform/gfx/Query.h"

using ResourceTest = GfxTest;

TEST_P(ResourceTest, BufferLocksAreBoundedAndHonourDiscard)
{
    auto buffer = gfx::Buffer::Create(*_device, gfx::BufferType::Vertex, gfx::BufferUsage::Dynamic, 64);
    ASSERT_TRUE(buffer);
    // Past the end, zero bytes, an offset beyond the buffer, a second lock: all refused.
    EXPECT_EQ(buffer->Lock(60, 8, gfx::LockNone), nullptr);
    EXPECT_EQ(buffer->Lock(0, 0, gfx::LockNone), nullptr);
    EXPECT_EQ(buffer->Lock(0xFFFFFFF0u, 32, gfx::LockNone), nullptr);
    ASSERT_NE(buffer->Lock(0, 64, gfx::LockNone), nullptr);
    EXPECT_EQ(buffer->Lock(0, 4, gfx::LockNone), nullptr);
    buffer->Unlock();

    const uint8_t first[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    std::memcpy(buffer->Lock(0, 8, gfx::LockDiscard), first, 8);
    buffer->Unlock();
    // No-overwrite appends without touching what is already there.
    const uint8_t second[8] = {9, 10, 11, 12, 13, 14, 15, 16};
    std::memcpy(buffer->Lock(8, 8, gfx::LockNoOverwrite), second, 8);
    buffer->Unlock();
    uint8_t out[16];
    ASSERT_TRUE(buffer->Read(0, 16, out));
    EXPECT_EQ(0, std::memcmp(out, first, 8));
    EXPECT_EQ(0, std::memcmp(out + 8, second, 8));
    // Discard restarts the buffer: only the new range is defined afterwards.
    std::memcpy(buffer->Lock(8, 8, gfx::LockDiscard), first, 8);
    buffer->Unlock();
    ASSERT_TRUE(buffer->Read(8, 8, out));
    EXPECT_EQ(0, std::memcmp(out, first, 8));
}

TEST_P(ResourceTest, IndexedDrawWithBaseVertex)
{
    const Vertex vertices[] = {{0, 0, 0, 0},
                               {0, 0, 0, 0}, // skipped by the base vertex
                               {-1, 1, 0.5f, 0xFF00FF00},
                               {0, 1, 0.5f, 0xFF00FF00},
                               {-1, 0, 0.5f, 0xFF00FF00}};
    const uint16_t indices[] = {7, 7, 0, 1, 2};
    auto vb = gfx::Buffer::Create(*_device, gfx::BufferType::Vertex, gfx::BufferUsage::Static, sizeof(vertices));
    auto ib = gfx::Buffer::Create(*_device, gfx::BufferType::Index16, gfx::BufferUsage::Static, sizeof(indices));
    std::memcpy(vb->Lock(0, sizeof(vertices), gfx::LockNone), vertices, sizeof(vertices));
    vb->Unlock();
    std::memcpy(ib->Lock(0, sizeof(indices), gfx::LockNone), indices, sizeof(indices));
    ib->Unlock();
    _device->SetStreamSource(vb.get(), 0, sizeof(Vertex));
    _device->SetIndices(ib.get());
    _device->DrawIndexedPrimitive(gfx::PrimitiveType::TriangleList, 2, 2, 1);
    EXPECT_EQ(PixelAt(ReadBack(), 2, 2), 0x00FF00u);

    // A draw reaching past either buffer is refused whole, though its first triangle fits.
    struct Case
    {
        bool indexed;
        unsigned first, primitives;
    };
    for (const Case& c : {Case{false, 2, 2}, Case{false, 3, 1}, Case{true, 2, 2}})
    {
        _device->Clear(gfx::ClearTarget, 0xFF000000u);
        if (c.indexed)
        {
            _device->DrawIndexedPrimitive(gfx::PrimitiveType::TriangleList, 2, c.first, c.primitives);
        }
        else
        {
            _device->DrawPrimitive(gfx::PrimitiveType::TriangleList, c.first, c.primitives);
        }
        EXPECT_EQ(PixelAt(ReadBack(), 2, 2), 0u) << c.indexed << " " << c.first;
    }
    _device->DrawPrimitive(gfx::PrimitiveType::TriangleList, 2, 1);
    EXPECT_EQ(PixelAt(ReadBack(), 2, 2), 0x00FF00u) << "the last vertices of the buffer still draw";
}

TEST_P(ResourceTest, TexturesRefuseBadSizesAndFormats)
{
    gfx::TextureDesc desc;
    desc.width = 0;
    EXPECT_FALSE(gfx::Texture::Create(*_device, desc));
    desc.width = 4;
    desc.height = 4;
    desc.format = gfx::Format::D32; // not renderable in OpenGL 3.3
    desc.renderTarget = true;
    EXPECT_FALSE(gfx::Texture::Create(*_device, desc));
    desc.format = gfx::Format::A8R8G8B8;
    desc.renderTarget = false;
    desc.levels = 0;
    auto texture = gfx::Texture::Create(*_device, desc);
    ASSERT_TRUE(texture);
    EXPECT_EQ(texture->GetLevels(), 3u);
    EXPECT_FALSE(texture->Upload(0, "short", 5));
    EXPECT_FALSE(texture->Upload(3, "\0\0\0\0", 4));
    // A lock returns the level as it is, so a partial write keeps the rest.
    const uint32_t pixels[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    ASSERT_TRUE(texture->Upload(0, pixels, sizeof(pixels)));
    unsigned pitch = 0;
    auto* locked = static_cast<uint32_t*>(texture->Lock(0, pitch));
    ASSERT_TRUE(locked);
    EXPECT_EQ(pitch, 16u);
    EXPECT_EQ(locked[5], 6u);
    locked[0] = 0xFFFFFFFF;
    texture->Unlock(0);
    EXPECT_NE(texture->Lock(0, pitch), nullptr);
    texture->Unlock(0);
}

TEST_P(ResourceTest, RectUploadsFollowTheSourcePitch)
{
    gfx::TextureDesc desc;
    desc.width = desc.height = 4;
    auto texture = gfx::Texture::Create(*_device, desc);
    ASSERT_TRUE(texture);
    const uint32_t zero[16] = {};
    ASSERT_TRUE(texture->Upload(0, zero, sizeof(zero)));
    // Two rows of two pixels, each source row three pixels long: the third is not taken.
    const uint32_t source[6] = {1, 2, 99, 3, 4, 99};
    ASSERT_TRUE(texture->UploadRect(0, gfx::Rect{1, 2, 2, 2}, source, 12));
    unsigned pitch = 0;
    const auto* texels = static_cast<const uint32_t*>(texture->Lock(0, pitch));
    ASSERT_TRUE(texels);
    const uint32_t expected[16] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 0, 0, 3, 4, 0};
    EXPECT_EQ(std::vector<uint32_t>(texels, texels + 16), std::vector<uint32_t>(expected, expected + 16));
    texture->Unlock(0);
    // Past the edge, rows shorter than the rectangle, a pitch that splits a pixel: refused.
    EXPECT_FALSE(texture->UploadRect(0, gfx::Rect{3, 0, 2, 1}, source, 12));
    EXPECT_FALSE(texture->UploadRect(0, gfx::Rect{0, 0, 4, 1}, source, 12));
    EXPECT_FALSE(texture->UploadRect(0, gfx::Rect{0, 0, 2, 1}, source, 10));
}

TEST_P(ResourceTest, CompressedTexturesUpload)
{
    if (!_device->SupportsCompressedTextures())
        GTEST_SKIP() << "no S3TC";
    gfx::TextureDesc desc;
    desc.format = gfx::Format::DXT1;
    desc.width = desc.height = 8;
    desc.levels = 0;
    auto texture = gfx::Texture::Create(*_device, desc);
    ASSERT_TRUE(texture);
    std::vector<uint8_t> level(32, 0xFF);
    EXPECT_TRUE(texture->Upload(0, level.data(), 32));
    EXPECT_TRUE(texture->Upload(3, level.data(), 8)); // 1x1 still takes one 8-byte block
}

TEST_P(ResourceTest, OcclusionQueryCountsVisibleSamples)
{
    auto query = _device->CreateOcclusionQuery();
    ASSERT_TRUE(query);
    query->Begin();
    DrawTriangles({{-1, 1, 0.5f, 0xFFFFFFFF}, {1, 1, 0.5f, 0xFFFFFFFF}, {-1, -1, 0.5f, 0xFFFFFFFF}});
    query->End();
    unsigned samples = 0;
    ASSERT_TRUE(query->GetResult(samples, true));
    EXPECT_GT(samples, kWidth * kHeight / 3);
    // Behind what is already drawn: nothing passes.
    query->Begin();
    DrawTriangles({{-1, 1, 0.9f, 0xFFFFFFFF}, {-0.5f, 1, 0.9f, 0xFFFFFFFF}, {-1, 0.5f, 0.9f, 0xFFFFFFFF}});
    query->End();
    ASSERT_TRUE(query->GetResult(samples, true));
    EXPECT_EQ(samples, 0u);

    _graphics->GetFaults().noOcclusionQueries = true;
    EXPECT_FALSE(_device->CreateOcclusionQuery());
}

// A float target read back a pixel at a time where drawn and where not, and rectangles that
// reach outside the target refused whole.
TEST_P(ResourceTest, FloatReadBacksTakeARectangleOfTheTarget)
{
    gfx::TextureDesc desc;
    desc.format = gfx::Format::R32F;
    desc.width = 64;
    desc.height = 32;
    desc.renderTarget = true;
    auto target = gfx::Texture::Create(*_device, desc);
    ASSERT_TRUE(target);
    _device->SetRenderTarget(0, target.get());
    _device->SetDepthTarget(nullptr);
    _device->Clear(gfx::ClearTarget, 0);
    constexpr uint32_t red = 0xFFFF0000;
    DrawTriangles({{-1, 1, 0.5f, red}, {0, 1, 0.5f, red}, {-1, 0, 0.5f, red}});
    float value = -1.0f;
    ASSERT_TRUE(_device->ReadFloatPixels(target.get(), gfx::Rect{1, 1, 1, 1}, &value));
    EXPECT_FLOAT_EQ(value, 1.0f);
    ASSERT_TRUE(_device->ReadFloatPixels(target.get(), gfx::Rect{62, 30, 1, 1}, &value));
    EXPECT_FLOAT_EQ(value, 0.0f);
    float row[64];
    ASSERT_TRUE(_device->ReadFloatPixels(target.get(), gfx::Rect{0, 2, 64, 1}, row));
    EXPECT_FLOAT_EQ(row[0], 1.0f);
    EXPECT_FLOAT_EQ(row[63], 0.0f);
    for (const gfx::Rect& outside : {gfx::Rect{-1, 0, 1, 1}, gfx::Rect{0, -1, 1, 1}, gfx::Rect{64, 0, 1, 1},
                                     gfx::Rect{0, 32, 1, 1}, gfx::Rect{60, 0, 5, 1}, gfx::Rect{0, 0, 0, 1}})
        EXPECT_FALSE(_device->ReadFloatPixels(target.get(), outside, &value))
            << outside.x << "," << outside.y << " " << outside.width << "x" << outside.height;
    EXPECT_FALSE(_device->ReadFloatPixels(nullptr, gfx::Rect{0, 0, 1, 1}, &value));
    _device->SetRenderTarget(0, nullptr);
    _device->SetDepthTarget(_device->GetDepthBuffer());
}

TEST_P(ResourceTest, AdapterCapsFromTheDriver)
{
    gfx::AdapterCaps caps;
    ASSERT_TRUE(_graphics->GetAdapterCaps(0, caps));
    EXPECT_FALSE(caps.description.empty());
    EXPECT_GE(caps.maxTextureWidth, 1024u);
    EXPECT_LE(caps.maxTextureUnits, 16u);
    EXPECT_GE(caps.maxRenderTargets, 4u);
    EXPECT_TRUE(caps.CanRenderTo(gfx::Format::A8R8G8B8));
    EXPECT_TRUE(caps.CanRenderTo(gfx::Format::R32F));
    EXPECT_FALSE(caps.CanRenderTo(gfx::Format::R5G6B5));
    EXPECT_TRUE(caps.CanDepth(gfx::Format::D24S8));
    EXPECT_FALSE(caps.CanDepth(gfx::Format::D32));
    EXPECT_FALSE(_graphics->GetAdapterCaps(_graphics->GetAdapterCount(), caps));
}

INSTANTIATE_TEST_SUITE_P(Device, ResourceTest, ::testing::Values(false));

TEST(FormatTest, SizesOfLevels)
{
    struct Case
    {
        gfx::Format format;
        unsigned width, height, bytes;
    };
    for (const Case& c : {Case{gfx::Format::A8R8G8B8, 4, 2, 32}, Case{gfx::Format::R5G6B5, 3, 3, 18},
                          Case{gfx::Format::DXT1, 8, 8, 32}, Case{gfx::Format::DXT1, 1, 1, 8},
                          Case{gfx::Format::DXT5, 5, 4, 32}, Case{gfx::Format::A32B32G32R32F, 2, 1, 32}})
    {
        EXPECT_EQ(gfx::LevelBytes(c.format, c.width, c.height), c.bytes) << gfx::FormatName(c.format);
    }
    EXPECT_EQ(gfx::PrimitiveVertexCount(gfx::PrimitiveType::TriangleStrip, 2), 4u);
    EXPECT_EQ(gfx::PrimitiveVertexCount(gfx::PrimitiveType::LineStrip, 0), 0u);
}

TEST(BmpTest, RowsBottomUpPaddedToFourBytes)
{
    const uint32_t pixels[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, // top row
                               0xFF010203, 0xFF040506, 0xFF070809};
    const std::vector<uint8_t> bmp = EncodeBmp(3, 2, pixels);
    ASSERT_EQ(bmp.size(), 54u + 2 * 12);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(bmp[2] | bmp[3] << 8, 78);
    EXPECT_EQ(bmp[28], 24); // bits per pixel
    // First stored row is the bottom one, as blue, green, red.
    EXPECT_EQ(bmp[54], 0x03);
    EXPECT_EQ(bmp[55], 0x02);
    EXPECT_EQ(bmp[56], 0x01);
    EXPECT_EQ(bmp[63], 0); // padding
    EXPECT_EQ(bmp[66], 0x00);
    EXPECT_EQ(bmp[68], 0xFF); // top-left red
}

// The engine may drop resources after the device (and even the context) is gone.
TEST_P(ResourceTest, ResourcesMayOutliveTheirDevice)
{
    auto buffer = gfx::Buffer::Create(*_device, gfx::BufferType::Vertex, gfx::BufferUsage::Static, 16);
    gfx::TextureDesc desc;
    auto texture = gfx::Texture::Create(*_device, desc);
    auto lateTexture = gfx::Texture::Create(*_device, desc);
    _device->SetTexture(0, texture.get());
    _device->SetStreamSource(buffer.get(), 0, 16);
    _program.reset();
    _layout.reset();
    _device.reset();
    buffer.reset();
    texture.reset();
    _graphics.reset();
    lateTexture.reset();
}
