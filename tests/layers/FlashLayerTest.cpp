#include "FlashFixture.h"

#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/base/Dumper.h"
#include "layers/FlashLayer.h"

namespace {

const char* const kStill = "function Draw(c) c:rect(0, 0, 400, 400, \"#ff0000\") end";

} // namespace

TEST_F(FlashTest, ANewFlashLayerShowsNothingUntilItsMovieIsDrawnTwice)
{
    WriteMovie("still", kStill);
    auto* layer = LayerManager::CreateFlashLayer("still", "swf//still.swf", Vec2(10, 20), Vec2(300, 200), 0.0f,
                                                 Color(1, 1, 1, 0.5f));
    UseTestClock(*layer->GetFC());
    LayerManager::GetRoot()->AddChild(layer);
    LayerManager::Update(0.0f);
    EXPECT_TRUE(_drawn.quads.empty()) << "drawn once, when it was made";
    Elapse(0.05);
    LayerManager::Update(0.0f);
    ASSERT_EQ(_drawn.quads.size(), 1u) << "the movie's first frame is drawn whole";
    const DrawRecorder::Quad& quad = _drawn.quads[0];
    EXPECT_NE(quad.material, nullptr);
    EXPECT_FLOAT_EQ(quad.pos.x, 10.0f);
    EXPECT_FLOAT_EQ(quad.size.x, 300.0f);
    EXPECT_EQ(quad.color, Color(1, 1, 1, 0.5f));
    const Vec2* uv = layer->GetFC()->getUV();
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_FLOAT_EQ(quad.uv[i].x, uv[i].x) << i;
        EXPECT_FLOAT_EQ(quad.uv[i].y, uv[i].y) << i;
    }
}

TEST_F(FlashTest, PositionsScaleOnRequestAndUv2MovesTheLeftEdge)
{
    _video->ScrWidth = 1920;
    _video->ScrHeight = 1440;
    LayerManager::Create(&Dumper::Instance(), _system.get());
    ASSERT_FLOAT_EQ(LayerManager::GetScaleFactor(), 1.5f);
    WriteMovie("still", kStill);
    auto* layer = LayerManager::CreateFlashLayer("gauge", "swf//still.swf", Vec2(100, 40), Vec2(300, 200), 0.0f,
                                                 Color(1, 1, 1, 1));
    LayerManager::GetRoot()->AddChild(layer);
    layer->SetDrawAnyway(true);
    layer->SetPosAutoScale(true);
    layer->SetUV2(Vec2(0.5f, 1), Vec2(0.5f, 1), Vec2(1, 1), Vec2(1, 1));
    LayerManager::Update(0.0f);
    ASSERT_EQ(_drawn.quads.size(), 1u);
    const DrawRecorder::Quad& quad = _drawn.quads[0];
    EXPECT_FLOAT_EQ(quad.pos.x, 150.0f);
    EXPECT_FLOAT_EQ(quad.pos.y, 60.0f);
    EXPECT_FLOAT_EQ(quad.size.x, 300.0f) << "the flag scales the position only";
    const float u = 300.0f / 512.0f, v = 200.0f / 256.0f;
    EXPECT_FLOAT_EQ(quad.uv[0].x, 0.5f * u);
    EXPECT_FLOAT_EQ(quad.uv[0].y, v);
    EXPECT_FLOAT_EQ(quad.uv[1].x, 0.5f * u);
    EXPECT_FLOAT_EQ(quad.uv[1].y, 0.0f);
    EXPECT_FLOAT_EQ(quad.uv[2].x, u);
    EXPECT_FLOAT_EQ(quad.uv[3].x, u);
}

TEST_F(FlashTest, RemovingAFlashLayerReleasesItsTextureAndMaterial)
{
    WriteMovie("still", kStill);
    auto* layer =
        LayerManager::CreateFlashLayer("still", "swf//still.swf", Vec2(0, 0), Vec2(64, 64), 0.0f, Color(1, 1, 1, 1));
    LayerManager::GetRoot()->AddChild(layer);
    const std::string texture = layer->GetFC()->getTexture()->GetInfo().name;
    ASSERT_NE(_system->GetTextureMgr()->GetResource(texture.c_str()), INVALID_RES_HANDLE);
    LayerManager::GetRoot()->RemoveChild(layer);
    EXPECT_EQ(_system->GetTextureMgr()->GetResource(texture.c_str()), INVALID_RES_HANDLE);
}

// Drawn for real: half-transparent red in the movie over a blue screen blends to purple, and the
// layer's colour fades it further.
class FlashFrameTest : public FlashTest
{
protected:
    void SetUp() override
    {
        _shaders = true;
        FlashTest::SetUp();
    }

    // One frame of the layers over a blue screen, read back.
    std::vector<uint32_t> Frame()
    {
        LayerManager::SetDrawTarget(nullptr);
        _system->Present(nullptr);
        _system->ClearTarget(gfx::ClearTarget | gfx::ClearDepth, 0xFF0000FFu, 1.0f);
        LayerManager::Update(0.0f);
        _system->Present(nullptr);
        std::vector<uint32_t> pixels(size_t(_windowWidth) * _windowHeight);
        gfx::Device* device = _system->GetDevice();
        EXPECT_TRUE(
            device->ReadPixels(device->GetBackBuffer(), gfx::Rect{0, 0, _windowWidth, _windowHeight}, pixels.data()));
        return pixels;
    }
    uint32_t Rgb(const std::vector<uint32_t>& pixels, int x, int y) const
    {
        return pixels[size_t(y) * _windowWidth + x] & 0xFFFFFFu;
    }
};

TEST_F(FlashFrameTest, MoviesBlendOverTheSceneWithStraightAlpha)
{
    WriteMovie("glass", R"(
function Draw(c)
    c:rect(0, 0, 50, 100, "#ff0000")
    c:rect(50, 0, 50, 100, "#ff000080")
end
)");
    auto* layer = LayerManager::CreateFlashLayer("glass", "swf//glass.swf", Vec2(20, 20), Vec2(100, 100), 0.0f,
                                                 Color(1, 1, 1, 1));
    layer->SetDrawAnyway(true);
    LayerManager::GetRoot()->AddChild(layer);
    std::vector<uint32_t> pixels = Frame();
    auto near = [](uint32_t rgb, int r, int g, int b) {
        return std::abs(int(rgb >> 16 & 0xFF) - r) <= 3 && std::abs(int(rgb >> 8 & 0xFF) - g) <= 3 &&
               std::abs(int(rgb & 0xFF) - b) <= 3;
    };
    EXPECT_TRUE(near(Rgb(pixels, 40, 60), 255, 0, 0)) << std::hex << Rgb(pixels, 40, 60);
    EXPECT_TRUE(near(Rgb(pixels, 90, 60), 128, 0, 127)) << std::hex << Rgb(pixels, 90, 60);
    EXPECT_EQ(Rgb(pixels, 10, 10), 0x0000FFu) << "nothing outside the layer";
    EXPECT_EQ(Rgb(pixels, 125, 60), 0x0000FFu);

    layer->SetColor(Color(1, 1, 1, 0.5f));
    pixels = Frame();
    EXPECT_TRUE(near(Rgb(pixels, 40, 60), 128, 0, 127)) << std::hex << Rgb(pixels, 40, 60);
    EXPECT_TRUE(near(Rgb(pixels, 90, 60), 64, 0, 191)) << std::hex << Rgb(pixels, 90, 60);
}
