// The post chain: the effects the settings build, in order; an effect that cannot be built left
// out while the others run; and what the chain does to a frame.
#include "../SceneFixture.h"

#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/textures/Texture.h"
#include "scene/nodes/Camera.h"
#include "scene/post/PPEffects.h"
#include "scene/post/PostProcessingStage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> EffectNames(const PostProcessingStage& stage)
{
    std::vector<std::string> names;
    for (unsigned i = 0; i < stage.GetEffectCount(); ++i)
        names.push_back(stage.GetEffect(i)->GetName());
    return names;
}

class PostChainTest : public DeviceTest
{
protected:
    // A white sphere, unlit, before a camera at the origin, on black.
    void Build()
    {
        _camera = FrontCamera();
        WhiteSphere(Vec3(0, 0, 10), 2, true);
    }

    std::vector<uint32_t> Render(bool post)
    {
        _render->EnablePostEffects = post;
        Frame(_camera);
        return ReadBackBuffer();
    }

    Camera* _camera = nullptr;
};

TEST_F(PostChainTest, TheSettingsBuildTheEffectsInOrder)
{
    PostProcessingStage& stage = *_scene->GetPostProcessingStage();
    const std::vector<std::string> all = {"PPEffect_Antialias", "PPEffect_Blur", "PPEffect_Glow",
                                          "PPEffect_MotionBlur"};
    EXPECT_EQ(EffectNames(stage), all);
    // Without the antialias option the effect stays in the chain and draws nothing.
    EXPECT_FALSE(static_cast<PPEffect_Antialias*>(stage.GetEffect(0))->IsActive());
    EXPECT_EQ(stage.GetEffect(0)->GetPass(0).material, nullptr);
    _video->Antialias = 1;
    stage.Prepare();
    EXPECT_EQ(EffectNames(stage), all);
    EXPECT_TRUE(static_cast<PPEffect_Antialias*>(stage.GetEffect(0))->IsActive());
    // Antialias reads the depth and normal targets, glow the emissive one.
    const auto input = [&](unsigned effect, const char* semantic) {
        const ShaderVar* var = stage.GetEffect(effect)->GetPass(0).material->FindValue(semantic);
        return std::string(var && var->texture ? var->texture->GetInfo().name : "");
    };
    EXPECT_EQ(input(0, "DEPTH_MAP"), "$depthmrt");
    EXPECT_EQ(input(0, "NORMAL_MAP"), "$normalmrt");
    EXPECT_EQ(input(2, "FRAME_MAP"), "$materialmrt");
    Texture* color = nullptr;
    _scene->GetMRTs(nullptr, &color, nullptr, nullptr);
    ASSERT_NE(color, nullptr);
    EXPECT_STREQ(color->GetInfo().name, "$colormrt");
    // Bloom reduces into its own target, blurs back and forth, and adds onto the back buffer.
    const PPEffect& blur = *stage.GetEffect(1);
    EXPECT_NE(blur.GetPass(0).target, nullptr);
    EXPECT_EQ(blur.GetPass(2).target, blur.GetPass(0).target);
    EXPECT_TRUE(blur.GetPass(2).borrowedTarget);
    EXPECT_EQ(blur.GetPass(3).target, nullptr);
    EXPECT_TRUE(SceneLog::Lines().empty()) << SceneLog::Lines().front();
}

// Bloom spreads the lit sphere's light past its edge; with post effects off the black there
// stays black.
TEST_F(PostChainTest, BloomSpreadsLightBeyondTheEdge)
{
    Build();
    const std::vector<uint32_t> plain = Render(false);
    const std::vector<uint32_t> post = Render(true);
    const int cx = _width / 2, cy = _height / 2;
    ASSERT_GT(Pixel(plain, cx, cy) & 0xFF, 200u);
    int edge = cx;
    while (edge < _width && Pixel(plain, edge, cy) != 0)
        ++edge;
    ASSERT_LT(edge, cx + 60);
    int spread = 0;
    for (int x = edge; x < edge + 4; ++x)
        spread += (Pixel(post, x, cy) & 0xFF) > 4;
    EXPECT_GT(spread, 2);
}

TEST_F(PostChainTest, MotionBlurDrawsOnlyAboveZero)
{
    Build();
    const std::vector<uint32_t> still = Render(true);
    _scene->ChangeMotionBloorKoef(1.0f);
    const std::vector<uint32_t> blurred = Render(true);
    _scene->ChangeMotionBloorKoef(0.0f);
    EXPECT_NE(blurred, still);
    EXPECT_EQ(Render(true), still);
}

// An effect library without the glow's effect: the glow is left out, the others run.
class BrokenPostChainTest : public PostChainTest
{
protected:
    void SetUp() override
    {
        _folder = fs::temp_directory_path() / ("bm_post_shaders_" + std::to_string(getpid()));
        fs::remove_all(_folder);
        fs::create_directories(_folder);
        for (const fs::directory_entry& entry : fs::directory_iterator(std::string(GAME_DATA_DIR) + "/shaderlib"))
            if (entry.path().filename() != "pp_glow.fx")
                fs::copy_file(entry.path(), _folder / entry.path().filename());
        _shaderRoot = _folder.string() + "/";
        PostChainTest::SetUp();
    }
    void TearDown() override
    {
        PostChainTest::TearDown();
        fs::remove_all(_folder);
    }
    fs::path _folder;
};

TEST_F(BrokenPostChainTest, AnEffectThatCannotBeBuiltIsLeftOut)
{
    EXPECT_EQ(EffectNames(*_scene->GetPostProcessingStage()),
              (std::vector<std::string>{"PPEffect_Antialias", "PPEffect_Blur", "PPEffect_MotionBlur"}));
    Build();
    const std::vector<uint32_t> post = Render(true);
    const std::vector<uint32_t> plain = Render(false);
    EXPECT_NE(post, plain);
}

} // namespace
