// The post chain: the effects the settings build, in order; an effect that cannot be built left
// out while the others run; and what the chain does to a frame.
#include "../SceneFixture.h"

#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/shaders/Shader.h"
#include "MaterialSystem/textures/Texture.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "scene/nodes/Bone.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/RenderMesh.h"
#include "scene/post/PPEffects.h"
#include "scene/post/PostProcessingStage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
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

// Bloom that composites over the whole screen, as it did before it drew only where it adds.
class WholeScreenBloom : public PPEffect_Blur
{
public:
    using PPEffect_Blur::PPEffect_Blur;
    void Render() override
    {
        for (unsigned i = 0; i < GetPassCount(); ++i)
            DrawPass(i);
    }
};

// Bloom whose marks of the texels that add can be asked for.
class BloomMarks : public PPEffect_Blur
{
public:
    using PPEffect_Blur::MarkAdding;
    using PPEffect_Blur::PPEffect_Blur;
};

// Pixels of two pictures that differ in some channel, and by how much at most.
struct Difference
{
    int pixels = 0;
    int largest = 0;
};

Difference Compare(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b)
{
    Difference d;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
    {
        int most = 0;
        for (int shift : {0, 8, 16})
            most = std::max(most, std::abs(int(a[i] >> shift & 0xFF) - int(b[i] >> shift & 0xFF)));
        d.pixels += most != 0;
        d.largest = std::max(d.largest, most);
    }
    return d;
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

    // Makes the bloom the chain's only effect (the others draw nothing in these frames anyway),
    // keyed at the threshold; null, with a failure, when it cannot be built.
    template <class Bloom>
    Bloom* UseBloom(float threshold)
    {
        PostProcessingStage& stage = *_scene->GetPostProcessingStage();
        stage.Clear();
        auto owned = std::make_unique<Bloom>(_scene.get());
        Bloom* bloom = owned.get();
        if (!stage.Add(std::move(owned)))
        {
            ADD_FAILURE() << "the bloom cannot be built";
            return nullptr;
        }
        // As though the colour key's effect declared it: every draw applies the shader's defaults.
        ShaderParams* defaults = bloom->GetPass(3).material->GetBindedShader()->GetDefaultParams();
        defaults->SetFloat("BLOOM_THRESHOLD", threshold);
        defaults->ApplyToShader(nullptr);
        return bloom;
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

// Bloom drawn only where it adds is the whole-screen composite, for a sphere of each channel.
// Luminance weighs red and blue unlike (0.299, 0.114), so each is keyed where its own weight
// makes it bright and the other's would not: red 200 is 0.235 against 0.1 (0.089 weighed as
// blue), blue 200 is 0.089 against 0.02.
TEST_F(PostChainTest, BloomDrawnWhereItAddsIsTheWholeScreenComposite)
{
    _camera = FrontCamera();
    RenderMesh* sphere = static_cast<RenderMesh*>(WhiteSphere(Vec3(0, 0, 10), 2, true)->GetChild(0));
    struct Case
    {
        const char* name;
        uint32_t color;
        float threshold;
    };
    const Case cases[] = {
        {"white", 0xFFFFFFFFu, 0.25f},
        {"red", 0xFFC80000u, 0.1f},
        {"blue", 0xFF0000C8u, 0.02f},
    };
    for (const Case& c : cases)
    {
        const std::string texture = std::string("$bloom_") + c.name;
        sphere->GetMaterial(0)->AddTexture(
            "BASE_MAP", _system->GetTextureMgr()->CreateSolidTexture(texture.c_str(), 2, 2, c.color));
        const std::vector<uint32_t> plain = Render(false);
        ASSERT_TRUE(UseBloom<WholeScreenBloom>(c.threshold));
        const std::vector<uint32_t> whole = Render(true);
        ASSERT_TRUE(UseBloom<PPEffect_Blur>(c.threshold));
        const std::vector<uint32_t> drawn = Render(true);
        EXPECT_GE(Compare(whole, plain).largest, 4) << c.name << ": the bloom shows";
        const Difference d = Compare(drawn, whole);
        EXPECT_EQ(d.pixels, 0) << c.name << ": pixels differ from the whole-screen composite, by up to " << d.largest;
    }
    EXPECT_TRUE(SceneLog::Lines().empty()) << SceneLog::Lines().front();
}

// Filtering and the key's float luminance round: a texel within a step of the threshold (a
// quarter, 63.75 steps) adds where it is sampled; one past that step adds nothing anywhere.
TEST_F(PostChainTest, BloomMarksTexelsFromAStepUnderTheThreshold)
{
    const BloomMarks* bloom = UseBloom<BloomMarks>(0.25f);
    ASSERT_TRUE(bloom);
    struct Case
    {
        const char* name;
        uint32_t texel;
        bool adds;
    };
    const Case cases[] = {
        {"grey 64, over the threshold", 0xFF404040u, true},
        {"grey 63, within a step under it", 0xFF3F3F3Fu, true},
        {"grey 62, past the step", 0xFF3E3E3Eu, false},
        {"red 214, over by its own weight", 0xFFD60000u, true},
        {"blue 255, under by its own weight", 0xFF0000FFu, false},
    };
    std::vector<uint32_t> texels;
    for (const Case& c : cases)
        texels.push_back(c.texel);
    std::vector<uint8_t> adds(texels.size());
    bloom->MarkAdding(texels, adds);
    for (size_t i = 0; i < texels.size(); ++i)
        EXPECT_EQ(adds[i] != 0, cases[i].adds) << cases[i].name;
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

// The game's effect library copied without some effects and with others added.
class LibraryPostChainTest : public PostChainTest
{
protected:
    void SetUp() override
    {
        _folder = fs::temp_directory_path() / ("bm_post_shaders_" + std::to_string(getpid()));
        fs::remove_all(_folder);
        fs::create_directories(_folder);
        for (const fs::directory_entry& entry : fs::directory_iterator(std::string(GAME_DATA_DIR) + "/shaderlib"))
            if (std::find(_leftOut.begin(), _leftOut.end(), entry.path().filename()) == _leftOut.end())
                fs::copy_file(entry.path(), _folder / entry.path().filename());
        for (const auto& [name, text] : _added)
            std::ofstream(_folder / name) << text;
        _shaderRoot = _folder.string() + "/";
        PostChainTest::SetUp();
    }
    void TearDown() override
    {
        PostChainTest::TearDown();
        fs::remove_all(_folder);
    }
    fs::path _folder;
    std::vector<std::string> _leftOut;
    std::vector<std::pair<std::string, std::string>> _added;
};

// Without the glow's effect: the glow is left out, the others run.
class BrokenPostChainTest : public LibraryPostChainTest
{
protected:
    void SetUp() override
    {
        _leftOut = {"pp_glow.fx"};
        LibraryPostChainTest::SetUp();
    }
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

namespace {

// A deferred effect that writes an unlit black surface with a white emissive colour; the
// declaration says so or not.
std::string EmissiveEffect(bool declared)
{
    return std::string("#include \"SharedParams\"\nfloat usingDeferredShading;\n") +
           (declared ? "float usingEmissive;\n" : "") + R"(
vertex vs_mesh {
    layout(location = GFX_LOC_POSITION) in vec3 inPosition;
    out vec2 vDepth;
    void main()
    {
        gl_Position = matViewProj * (WorldOf(0.0) * vec4(inPosition, 1.0));
        vDepth = gl_Position.zw;
    }
}
fragment fs_mesh {
    in vec2 vDepth;
    void main()
    {
        fx_Target0 = vec4(vDepth.x / vDepth.y, 0.0, 0.0, 1.0);
        fx_Target1 = vec4(0.5, 0.5, 0.0, 0.0);
        fx_Target2 = vec4(0.0, 0.0, 0.0, 1.0);
        fx_Target3 = vec4(1.0);
    }
}
technique Emissive { pass p0 { VertexShader = vs_mesh; FragmentShader = fs_mesh; } }
)";
}

// Without the bloom, so that only the glow spreads light.
class GlowTest : public LibraryPostChainTest
{
protected:
    void SetUp() override
    {
        _leftOut = {"pp_bloomcolorkey.fx"};
        _added = {{"test_emissive.fx", EmissiveEffect(true)}, {"test_dark.fx", EmissiveEffect(false)}};
        LibraryPostChainTest::SetUp();
    }
};

// The glow spreads the emissive colour of a prim whose effect declares one past its edge; for
// an effect that writes none it is not run, and the post chain leaves the frame as it was.
TEST_F(GlowTest, TheGlowRunsForPrimsThatWriteAnEmissiveColour)
{
    ASSERT_EQ(EffectNames(*_scene->GetPostProcessingStage()),
              (std::vector<std::string>{"PPEffect_Antialias", "PPEffect_Glow", "PPEffect_MotionBlur"}));
    _camera = FrontCamera();
    Bone* sphere = WhiteSphere(Vec3(0, 0, 10), 2);
    for (const auto& [effect, declared] : {std::pair{"test_emissive.fx", true}, std::pair{"test_dark.fx", false}})
    {
        Material* material = _system->GetMaterialMgr()->CreateMaterial(effect);
        material->BindShaderEx(effect, nullptr);
        static_cast<RenderMesh*>(sphere->GetChild(0))->SetCommonMaterial(material);
        const std::vector<uint32_t> plain = Render(false);
        const std::vector<uint32_t> post = Render(true);
        const int cx = _width / 2, cy = _height / 2;
        ASSERT_GT(Pixel(plain, cx, cy) & 0xFF, 200u) << effect;
        int edge = cx;
        while (edge < _width && Pixel(plain, edge, cy) != 0)
            ++edge;
        ASSERT_LT(edge, cx + 60) << effect;
        int spread = 0;
        for (int x = edge; x < edge + 4; ++x)
            spread += (Pixel(post, x, cy) & 0xFF) > 4;
        EXPECT_EQ(spread > 2, declared) << effect;
        EXPECT_EQ(post == plain, !declared) << effect;
    }
    EXPECT_TRUE(SceneLog::Lines().empty()) << SceneLog::Lines().front();
}

} // namespace
