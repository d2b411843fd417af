#include "../RenderFixture.h"

#include "MaterialSystem/draw/FixedPrograms.h"
#include "MaterialSystem/draw/FontCache.h"
#include "MaterialSystem/draw/HelperGeometry.h"
#include "MaterialSystem/draw/ScreenPrims.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/shaders/ShaderLib.h"
#include "platform/effect/EffectPool.h"
#include "foundation/base/Timer.h"
#include "foundation/math/Color.h"
#include "foundation/math/Matrix.h"
#include "foundation/math/Vec2.h"
#include "foundation/math/Vec4.h"
#include "platform/font/TextLayout.h"
#include "platform/gfx/Texture.h"

#include <cstdint>
#include <vector>

namespace {

constexpr int W = 320, H = 240;

std::vector<uint32_t> ReadBack(MaterialSystem& system)
{
    std::vector<uint32_t> pixels(W * H);
    gfx::Device* device = system.GetDevice();
    EXPECT_TRUE(device->ReadPixels(device->GetBackBuffer(), gfx::Rect{0, 0, W, H}, pixels.data()));
    return pixels;
}

uint32_t Rgb(const std::vector<uint32_t>& pixels, int x, int y) { return pixels[y * W + x] & 0xFFFFFFu; }

// Pixels of the rectangle [left, right) x [top, bottom) that are not black.
int Lit(const std::vector<uint32_t>& pixels, int left, int top, int right, int bottom)
{
    int lit = 0;
    for (int y = top; y < bottom; ++y)
    {
        for (int x = left; x < right; ++x)
            lit += Rgb(pixels, x, y) != 0;
    }
    return lit;
}

class DrawTest : public RenderTest
{
protected:
    // Opens a frame on a black back buffer.
    void BeginFrame()
    {
        Init();
        _system->Present(nullptr);
        _system->ClearTarget(gfx::ClearTarget | gfx::ClearDepth, 0xFF000000u, 1.0f);
    }
    ScreenPrims& Screen()
    {
        if (!_programs)
        {
            _programs = FixedPrograms::Create(*_system->GetDevice());
            _fonts = std::make_unique<FontCache>(*_system->GetDevice());
            _screen = std::make_unique<ScreenPrims>(*_system->GetDevice(), *_programs, *_fonts);
        }
        return *_screen;
    }
    void TearDown() override
    {
        _screen.reset();
        _fonts.reset();
        _programs.reset();
        RenderTest::TearDown();
    }

    std::unique_ptr<FixedPrograms> _programs;
    std::unique_ptr<FontCache> _fonts;
    std::unique_ptr<ScreenPrims> _screen;
};

const Vec2 kUnitUv[4] = {{0, 1}, {0, 0}, {1, 1}, {1, 0}};

} // namespace

TEST_F(DrawTest, QuadCornersFollowTheHalfPixelRule)
{
    Init();
    ScreenPrims& screen = Screen();
    ASSERT_TRUE(screen.AddQuad(nullptr, Vec2(10, 20), Vec2(100, 50), kUnitUv, 0.0f, 0xFFFFFFFFu, 0));
    const ScreenVertex* v = screen.GetVertices();
    EXPECT_FLOAT_EQ(v[0].x, 9.5f);
    EXPECT_FLOAT_EQ(v[0].y, 69.5f);
    EXPECT_FLOAT_EQ(v[3].x, 109.5f);
    EXPECT_FLOAT_EQ(v[3].y, 19.5f);
    EXPECT_FLOAT_EQ(v[1].v, 0.0f);
    // Rotated: corners around the position at half the diagonal, offsets in whole pixels.
    ASSERT_TRUE(screen.AddQuad(nullptr, Vec2(100, 100), Vec2(60, 80), kUnitUv, 90.0f, 0xFFFFFFFFu, 0));
    EXPECT_FLOAT_EQ(v[4].x, 100.0f + 35.0f); // 90 + 225 degrees, radius 50
    EXPECT_FLOAT_EQ(v[4].y, 100.0f - 35.0f);
    EXPECT_EQ(screen.GetVertexCount(), 8u);
    screen.Flush(false);
    EXPECT_EQ(screen.GetVertexCount(), 0u);
    EXPECT_EQ(screen.GetRecordCount(), 0u);
}

TEST_F(DrawTest, QuadsBeyondTheFramesRoomAreDroppedWithOneWarning)
{
    Init();
    ScreenPrims& screen = Screen();
    int added = 0;
    for (int i = 0; i < 600; ++i)
        added += screen.AddQuad(nullptr, Vec2(0, 0), Vec2(1, 1), kUnitUv, 0, ~0u, 0);
    EXPECT_EQ(added, 512);
    EXPECT_EQ(screen.GetRecordCount(), 512u);
    int warnings = 0;
    for (const std::string& line : LogLines())
        warnings += line.find("screen quads in one frame") != std::string::npos;
    EXPECT_EQ(warnings, 1);
    screen.Flush(true);
    EXPECT_TRUE(screen.AddQuad(nullptr, Vec2(0, 0), Vec2(1, 1), kUnitUv, 0, ~0u, 0)) << "the next frame has room";
}

// Quads in both layers, text in the three faces, and helper lines, read back after Present.
TEST_F(DrawTest, FrameShowsLayersTextAndHelpersWhereTheyBelong)
{
    BeginFrame();
    const Color white(1.0f, 1.0f, 1.0f, 1.0f);
    // Queued before the red quad, but on layer 1: drawn over it.
    RenderText* over =
        _system->DrawD3DText("Arial", 20, 0, false, "MMMM", Vec4(15, 25, 105, 55), TA_TOP_LEFT, false, white);
    ASSERT_NE(over, nullptr);
    over->layer = 1;
    // Green is queued first but on layer 1: it covers the red quad where they overlap.
    _system->RenderQuad(nullptr, Vec2(60, 40), Vec2(100, 50), 0.0f, Color(0.0f, 1.0f, 0.0f, 1.0f), 1);
    _system->RenderQuad(nullptr, Vec2(10, 20), Vec2(100, 50), 0.0f, Color(1.0f, 0.0f, 0.0f, 1.0f), 0);

    const char* faces[] = {"Arial", "Courier New", "OCRA"};
    for (int i = 0; i < 3; ++i)
    {
        const float top = 110.0f + 30.0f * i;
        _system->DrawD3DText(faces[i], 20, 0, false, "WWWWWWWWWWWWWWWWWWWW", Vec4(200, top, 260, top + 24), TA_TOP_LEFT,
                             false, white);
    }
    HelperLine lines[2] = {{{Vec3(-1.0f, -0.9f, 0.5f), Vec3(1.0f, -0.9f, 0.5f)}, 0xFF0000FFu},
                           {{Vec3(-1.0f, -0.5f, 0.5f), Vec3(1.0f, -0.5f, 0.5f)}, 0x00FFFFFFu}};
    _system->DrawLines(lines, 2);
    _system->Present(nullptr);
    const auto pixels = ReadBack(*_system);

    EXPECT_EQ(Rgb(pixels, 10, 20), 0xFF0000u);
    EXPECT_EQ(Rgb(pixels, 59, 69), 0xFF0000u);
    EXPECT_EQ(Rgb(pixels, 9, 20), 0u);
    EXPECT_EQ(Rgb(pixels, 10, 19), 0u);
    EXPECT_EQ(Rgb(pixels, 60, 40), 0x00FF00u) << "layer 1 over layer 0";
    EXPECT_EQ(Rgb(pixels, 159, 89), 0x00FF00u);
    EXPECT_EQ(Rgb(pixels, 160, 89), 0u);
    EXPECT_EQ(Rgb(pixels, 159, 90), 0u);

    for (int i = 0; i < 3; ++i)
    {
        const int top = 110 + 30 * i;
        EXPECT_GT(Lit(pixels, 200, top, 260, top + 24), 60) << faces[i] << " inside its rectangle";
        EXPECT_EQ(Lit(pixels, 260, top - 4, 320, top + 28), 0) << faces[i] << " clipped at the right";
        EXPECT_EQ(Lit(pixels, 190, top - 4, 200, top + 28), 0) << faces[i] << " nothing left of it";
    }
    int whitePixels = 0;
    for (int y = 25; y < 45; ++y)
    {
        for (int x = 15; x < 60; ++x)
            whitePixels += Rgb(pixels, x, y) == 0xFFFFFFu;
    }
    EXPECT_GT(whitePixels, 20) << "layer-1 text over the layer-0 quad";

    // y = -0.9 in clip space is row 228; the transparent line stays invisible at row 180.
    EXPECT_GE(pixels[228 * W + 160] & 0xFFu, 0xF0u);
    EXPECT_EQ(Rgb(pixels, 160, 180), 0u);
}

TEST_F(DrawTest, ScreenLinesTrianglesAndPointsLandOnTheirPixels)
{
    BeginFrame();
    _system->DrawTriangle2D(Vec2(20, 20), Vec2(120, 20), Vec2(20, 120), Color(1.0f, 0.0f, 0.0f, 1.0f));
    // Screen positions name pixel centres, as the device's screen-space vertices always did.
    _system->DrawLine2D(Vec2(200, 50), Vec2(300, 50), Color(0.0f, 1.0f, 0.0f, 1.0f), Color(0.0f, 1.0f, 0.0f, 1.0f));
    _system->DrawPoint2D(Vec2(250, 200), Color(0.0f, 0.0f, 1.0f, 1.0f));
    _system->Present(nullptr);
    const auto pixels = ReadBack(*_system);

    EXPECT_EQ(Rgb(pixels, 40, 40), 0xFF0000u);
    EXPECT_EQ(Rgb(pixels, 110, 110), 0u) << "beyond the triangle's long edge";
    EXPECT_EQ(Rgb(pixels, 250, 50), 0x00FF00u);
    EXPECT_EQ(Lit(pixels, 200, 45, 300, 50) + Lit(pixels, 200, 51, 300, 56), 0) << "one pixel thick";
    EXPECT_EQ(Rgb(pixels, 250, 200), 0x0000FFu);
    EXPECT_EQ(Lit(pixels, 240, 190, 260, 210), 1) << "a single pixel";
}

TEST_F(DrawTest, TextClipRectangleCutsTheText)
{
    BeginFrame();
    const Color white(1.0f, 1.0f, 1.0f, 1.0f);
    const char* line = "WWWWWWWWWWWWWWWWWWWW";
    RenderText* clipped =
        _system->DrawD3DText("Arial", 20, 0, false, line, Vec4(20, 40, 300, 64), TA_TOP_LEFT, false, white);
    ASSERT_NE(clipped, nullptr);
    clipped->clip = true;
    clipped->clipRect[0] = 20;
    clipped->clipRect[1] = 40;
    clipped->clipRect[2] = 100;
    clipped->clipRect[3] = 64;
    _system->DrawD3DText("Arial", 20, 0, false, line, Vec4(20, 140, 300, 164), TA_TOP_LEFT, false, white);
    _system->Present(nullptr);
    const auto pixels = ReadBack(*_system);

    EXPECT_GT(Lit(pixels, 20, 40, 100, 64), 60);
    EXPECT_EQ(Lit(pixels, 100, 36, 320, 68), 0) << "cut at the clip rectangle's right edge";
    EXPECT_GT(Lit(pixels, 100, 140, 300, 164), 60) << "the same text without a clip runs on";
}

TEST_F(DrawTest, ResetStatesTurnTheEmulatedLightingAndShadingOff)
{
    BeginFrame();
    fx::EffectPool* pool = _system->GetMaterialMgr()->GetShaderLib()->GetEffectPool();
    ASSERT_NE(pool, nullptr);
    // As a lit, flat-shaded material leaves them; what follows without a state block of its
    // own must not inherit them.
    pool->SetShading({true, true});
    pool->SetAlphaTest({true, gfx::CmpFunc::Greater, 100});
    _system->Present(nullptr);
    EXPECT_EQ(pool->GetShading(), (fx::Shading{false, false}));
    EXPECT_FALSE(pool->GetAlphaTest().enable);
}

TEST_F(DrawTest, FontsAreSharedByDescription)
{
    Init();
    const Vec4 rect(0, 0, 100, 20);
    const Color white(1.0f, 1.0f, 1.0f, 1.0f);
    RenderText* a = _system->DrawD3DText("Courier New", 16, 8, false, "a", rect, TA_TOP_LEFT, false, white);
    RenderText* b = _system->DrawD3DText("Courier New", 16, 8, 400, false, "b", rect, TA_CENTER, true, white);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->font, b->font);
    EXPECT_EQ(_system->GetFontCount(), 1u);
    _system->DrawD3DText("Courier New", 16, 8, 700, false, "c", rect, TA_TOP_LEFT, false, white);
    EXPECT_EQ(_system->GetFontCount(), 2u);
    EXPECT_EQ(b->format, unsigned(TF_CENTER | TF_VCENTER | TF_WORDBREAK | TF_EXPANDTABS));
}

TEST_F(DrawTest, HelperStreamsDropWhatExceedsTheirRoom)
{
    Init();
    HelperGeometry helpers(*_system->GetDevice());
    helpers.Lock();
    std::vector<HelperLine> lines(20000, HelperLine{{Vec3(0.0f), Vec3(1.0f)}, 0xFFFFFFFFu});
    helpers.DrawLines(lines.data(), static_cast<unsigned>(lines.size()));
    EXPECT_EQ(helpers.GetLineCount(), (HelperGeometry::MaxVertices - 1) / 2);
    helpers.DrawLines(lines.data(), 1);
    EXPECT_EQ(helpers.GetLineCount(), (HelperGeometry::MaxVertices - 1) / 2);
    EXPECT_TRUE(LogHas("Helper geometry"));
    helpers.Unlock();
    helpers.DrawPoints(nullptr, 0);
    EXPECT_EQ(helpers.GetPointCount(), 0u);
}

TEST_F(DrawTest, ScissorsAndViewportsCountFromTheTopLeft)
{
    BeginFrame();
    struct Case
    {
        bool percent;
        Rect rect;
        int left, top, right, bottom; // expected pixels [left, right) x [top, bottom)
    } cases[] = {
        {false, {10.7f, 12.2f, 20.0f, 30.0f}, 10, 12, 30, 42},
        {true, {50.0f, 50.0f, 25.0f, 25.0f}, 160, 120, 240, 180},
    };
    for (const Case& c : cases)
    {
        _system->ClearTarget(gfx::ClearTarget, 0xFF000000u, 1.0f);
        _system->SetScissors(c.percent, &c.rect);
        _system->ClearTarget(gfx::ClearTarget, 0xFFFFFFFFu, 1.0f);
        _system->SetScissors(false, nullptr);
        const auto pixels = ReadBack(*_system);
        EXPECT_EQ(Lit(pixels, 0, 0, W, H), (c.right - c.left) * (c.bottom - c.top));
        EXPECT_NE(Rgb(pixels, c.left, c.top), 0u);
        EXPECT_NE(Rgb(pixels, c.right - 1, c.bottom - 1), 0u);
    }
    float width = 0, height = 0;
    _system->GetCurrentRenderTargetDimensions(width, height);
    EXPECT_FLOAT_EQ(width, 319.5f);
    EXPECT_FLOAT_EQ(height, 239.5f);

    // A viewport on the lower-right quarter: a quad in clip space fills exactly that quarter.
    const Rect quarter{50.0f, 50.0f, 50.0f, 50.0f};
    _system->ClearTarget(gfx::ClearTarget, 0xFF000000u, 1.0f);
    _system->SetViewport(&quarter);
    HelperTriangle triangles[2] = {{{Vec3(-1, -1, 0.5f), Vec3(-1, 1, 0.5f), Vec3(1, 1, 0.5f)}, 0xFFFFFFFFu},
                                   {{Vec3(-1, -1, 0.5f), Vec3(1, 1, 0.5f), Vec3(1, -1, 0.5f)}, 0xFFFFFFFFu}};
    _system->DrawTriangles(triangles, 2);
    _system->Present(nullptr);
    const auto pixels = ReadBack(*_system);
    EXPECT_EQ(Lit(pixels, 0, 0, W, H), 160 * 120);
    EXPECT_NE(Rgb(pixels, 160, 120), 0u);
    EXPECT_EQ(Rgb(pixels, 159, 120), 0u);
}

TEST_F(DrawTest, OcclusionTestsReportHiddenPoints)
{
    BeginFrame();
    bool visible = true, hidden = false, unasked = false;
    _system->RequestOcclusionTest(Vec3(0.0f, 0.0f, 0.5f), &visible, Matrix::Ident(), Matrix::Ident());
    _system->Present(nullptr);
    EXPECT_FALSE(visible);

    _system->ClearTarget(gfx::ClearDepth, 0, 0.25f);
    _system->RequestOcclusionTest(Vec3(0.0f, 0.0f, 0.5f), &hidden, Matrix::Ident(), Matrix::Ident());
    _system->Present(nullptr);
    EXPECT_TRUE(hidden);
    EXPECT_FALSE(unasked);
}

// The frame rate line: white over a black shadow one pixel down and right, from (40, 20).
TEST_F(DrawTest, StatisticsDrawTheFrameRate)
{
    BeginFrame();
    _video->DrawFPS = true;
    _video->DrawStats = false;
    Timer timer;
    timer.Start(60.0f);
    _system->RenderStats(&timer);
    EXPECT_EQ(_system->GetFontCount(), 1u);
    _system->ClearTarget(gfx::ClearTarget, 0xFF404040u, 1.0f);
    _system->Present(nullptr);
    const auto pixels = ReadBack(*_system);
    int white = 0, black = 0;
    for (int y = 20; y < 40; ++y)
    {
        for (int x = 40; x < 120; ++x)
        {
            white += Rgb(pixels, x, y) == 0xFFFFFFu;
            const uint32_t c = Rgb(pixels, x, y);
            black += (c & 0xFF) < 0x30 && ((c >> 8) & 0xFF) < 0x30 && (c >> 16) < 0x30;
        }
    }
    EXPECT_GT(white, 10);
    EXPECT_GT(black, 5) << "the shadow shows beside the text";
    EXPECT_EQ(Rgb(pixels, 20, 30), 0x404040u);
    EXPECT_EQ(Rgb(pixels, 60, 60), 0x404040u) << "one line only";
}
