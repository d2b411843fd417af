#include "GfxFixture.h"

namespace {

constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;

} // namespace

// Clip-space y up lands at the top rows of the target; depth runs 0..1 and the nearer
// fragment wins whatever the drawing order.
TEST_P(GfxTest, TopLeftOriginAndDepthRange)
{
    // A triangle covering the upper-left corner of the screen.
    DrawTriangles({{-1, 1, 0.5f, kRed}, {0, 1, 0.5f, kRed}, {-1, 0, 0.5f, kRed}});
    auto pixels = ReadBack();
    EXPECT_EQ(PixelAt(pixels, 2, 2), 0xFF0000u);
    EXPECT_EQ(PixelAt(pixels, 2, kHeight - 3), 0u);
    EXPECT_EQ(PixelAt(pixels, kWidth - 3, 2), 0u);

    // Depth 0..1: z = -0.5 is in front of the near plane and clipped; z = 0.9 is drawn.
    _device->Clear(gfx::ClearTarget | gfx::ClearDepth, 0xFF000000);
    DrawTriangles({{-1, -1, -0.5f, kBlue},
                   {1, -1, -0.5f, kBlue},
                   {-1, 1, -0.5f, kBlue},
                   {1, 1, 0.9f, kGreen},
                   {-1, 1, 0.9f, kGreen},
                   {1, -1, 0.9f, kGreen}});
    pixels = ReadBack();
    EXPECT_EQ(PixelAt(pixels, 5, kHeight - 5), 0u) << "geometry before the near plane must be clipped";
    EXPECT_EQ(PixelAt(pixels, kWidth - 5, 5), 0x00FF00u);

    // Near (0.2) drawn first, far (0.8) second: the far one fails the test.
    _device->Clear(gfx::ClearTarget | gfx::ClearDepth, 0xFF000000);
    const std::vector<Vertex> quad = {{-1, -1, 0, 0}, {1, -1, 0, 0}, {-1, 1, 0, 0},
                                      {1, -1, 0, 0},  {1, 1, 0, 0},  {-1, 1, 0, 0}};
    auto at = [&](float z, uint32_t color) {
        auto v = quad;
        for (auto& p : v)
        {
            p.z = z;
            p.color = color;
        }
        return v;
    };
    DrawTriangles(at(0.2f, kGreen));
    DrawTriangles(at(0.8f, kBlue));
    EXPECT_EQ(PixelAt(ReadBack(), kWidth / 2, kHeight / 2), 0x00FF00u);
    _device->SetDepthTest(false);
    DrawTriangles(at(0.8f, kBlue));
    EXPECT_EQ(PixelAt(ReadBack(), kWidth / 2, kHeight / 2), 0x0000FFu);
}

TEST_P(GfxTest, CullingByScreenWinding)
{
    // Left: clockwise as seen on screen; right: counter-clockwise.
    const std::vector<Vertex> triangles = {{-0.9f, 0.9f, 0.5f, kRed},   {-0.1f, 0.9f, 0.5f, kRed},
                                           {-0.9f, -0.9f, 0.5f, kRed},  {0.1f, 0.9f, 0.5f, kGreen},
                                           {0.1f, -0.9f, 0.5f, kGreen}, {0.9f, 0.9f, 0.5f, kGreen}};
    struct Case
    {
        gfx::CullMode mode;
        bool clockwiseShown, counterShown;
    };
    for (const Case& c : {Case{gfx::CullMode::Ccw, true, false}, Case{gfx::CullMode::Cw, false, true},
                          Case{gfx::CullMode::None, true, true}})
    {
        _device->Clear(gfx::ClearTarget | gfx::ClearDepth, 0xFF000000);
        _device->SetCullMode(c.mode);
        DrawTriangles(triangles);
        auto pixels = ReadBack();
        EXPECT_EQ(PixelAt(pixels, 40, 40) != 0, c.clockwiseShown) << int(c.mode);
        EXPECT_EQ(PixelAt(pixels, kWidth / 2 + 20, 40) != 0, c.counterShown) << int(c.mode);
    }
}

// Row vectors: the translation sits in the last row and still moves the geometry.
TEST_P(GfxTest, RowVectorMatrices)
{
    const float moveRightDown[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, -1, 0, 1};
    _program->SetMatrix(_matrixLocation, moveRightDown);
    DrawTriangles({{-1, 1, 0.5f, kRed}, {0, 1, 0.5f, kRed}, {-1, 0, 0.5f, kRed}});
    auto pixels = ReadBack();
    EXPECT_EQ(PixelAt(pixels, kWidth / 2 + 2, kHeight / 2 + 2), 0xFF0000u);
    EXPECT_EQ(PixelAt(pixels, 2, 2), 0u);
}

// A quad given in pixels with the -0.5 shift covers exactly its pixels, and its texture
// coordinates hit texel centres: a 4x4 texture drawn at 4x4 pixels reproduces every texel.
TEST_P(GfxTest, ScreenQuadsArePixelExact)
{
    const char* vs = R"(
layout(location = GFX_LOC_POSITION) in vec4 inPosition;
layout(location = GFX_LOC_TEXCOORD0) in vec2 inUv;
out vec2 uv;
void main() { gl_Position = gfx_PixelToClip(inPosition); uv = inUv; }
)";
    const char* fs = R"(
uniform sampler2D image;
in vec2 uv;
out vec4 fragColor;
void main() { fragColor = texture(image, uv); }
)";
    std::string log;
    auto program = gfx::Program::Create(*_device, vs, fs, &log);
    ASSERT_TRUE(program) << log;
    auto layout = gfx::VertexLayout::Create(*_device, {{0, gfx::VertexType::Float4, gfx::VertexUsage::Position, 0},
                                                       {16, gfx::VertexType::Float2, gfx::VertexUsage::TexCoord, 0}});
    gfx::TextureDesc desc;
    desc.width = desc.height = 4;
    auto texture = gfx::Texture::Create(*_device, desc);
    ASSERT_TRUE(texture);
    uint32_t texels[16];
    for (uint32_t i = 0; i < 16; ++i)
        texels[i] = 0xFF000000 | (i * 16) << 16 | (255 - i * 16);
    ASSERT_TRUE(texture->Upload(0, texels, sizeof(texels)));

    const float x = 10, y = 20, w = 4, h = 4;
    const float quad[4][6] = {{x - 0.5f, y + h - 0.5f, 0, 1, 0, 1},
                              {x - 0.5f, y - 0.5f, 0, 1, 0, 0},
                              {x + w - 0.5f, y + h - 0.5f, 0, 1, 1, 1},
                              {x + w - 0.5f, y - 0.5f, 0, 1, 1, 0}};
    auto buffer = gfx::Buffer::Create(*_device, gfx::BufferType::Vertex, gfx::BufferUsage::Dynamic, sizeof(quad));
    std::memcpy(buffer->Lock(0, sizeof(quad), gfx::LockDiscard), quad, sizeof(quad));
    buffer->Unlock();
    gfx::SamplerState point;
    point.minFilter = point.magFilter = gfx::TextureFilter::Point;
    point.mipFilter = gfx::TextureFilter::None;
    _device->SetSamplerState(0, point);
    _device->SetTexture(0, texture.get());
    _device->SetProgram(program.get());
    _device->SetVertexLayout(layout.get());
    _device->SetStreamSource(buffer.get(), 0, sizeof(quad[0]));
    _device->DrawPrimitive(gfx::PrimitiveType::TriangleStrip, 0, 2);

    auto pixels = ReadBack();
    for (unsigned ty = 0; ty < 4; ++ty)
    {
        for (unsigned tx = 0; tx < 4; ++tx)
        {
            EXPECT_EQ(PixelAt(pixels, 10 + tx, 20 + ty), texels[ty * 4 + tx] & 0xFFFFFF) << tx << "," << ty;
        }
    }
    EXPECT_EQ(PixelAt(pixels, 9, 20), 0u);
    EXPECT_EQ(PixelAt(pixels, 14, 20), 0u);
    EXPECT_EQ(PixelAt(pixels, 10, 19), 0u);
    EXPECT_EQ(PixelAt(pixels, 10, 24), 0u);
}

// What is rendered into a texture target keeps the same orientation as uploads, and the
// presented image survives a present.
TEST_P(GfxTest, RenderTargetsAndCopiesKeepOrientation)
{
    gfx::TextureDesc desc;
    desc.width = 64;
    desc.height = 32;
    desc.renderTarget = true;
    auto target = gfx::Texture::Create(*_device, desc);
    ASSERT_TRUE(target);
    _device->SetRenderTarget(0, target.get());
    _device->SetDepthTarget(nullptr);
    unsigned w = 0, h = 0;
    _device->GetTargetSize(w, h);
    EXPECT_EQ(w, 64u);
    _device->Clear(gfx::ClearTarget, 0xFF000000);
    DrawTriangles({{-1, 1, 0.5f, kRed}, {0, 1, 0.5f, kRed}, {-1, 0, 0.5f, kRed}});
    auto pixels = ReadBack(target.get());
    EXPECT_EQ(PixelAt(pixels, 1, 1, 64), 0xFF0000u);
    EXPECT_EQ(PixelAt(pixels, 1, 30, 64), 0u);

    // Stretch the target over the back buffer: the red corner stays top-left.
    _device->SetRenderTarget(0, nullptr);
    _device->SetDepthTarget(_device->GetDepthBuffer());
    ASSERT_TRUE(_device->CopySurface(target.get(), _device->GetBackBuffer(), false));
    pixels = ReadBack();
    EXPECT_EQ(PixelAt(pixels, 3, 3), 0xFF0000u);
    EXPECT_EQ(PixelAt(pixels, 3, kHeight - 3), 0u);
    EXPECT_TRUE(_device->Present());
    EXPECT_EQ(PixelAt(ReadBack(), 3, 3), 0xFF0000u);
}

INSTANTIATE_TEST_SUITE_P(ClipPaths, GfxTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "ShaderFallback" : "ClipControl"; });
