// Screen quads of an effect that draws nothing where its texture is clear are drawn only over
// the pixels whose samples read a texel with alpha: the picture is the one the whole quad gives.
#include "../SceneFixture.h"

#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/materials/MaterialFlags.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/textures/Texture.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/math/Color.h"
#include "foundation/math/Vec2.h"
#include "platform/gfx/Texture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

class ScreenQuadCoverageTest : public DeviceTest
{
protected:
    // A 64 x 48 texture, clear but for a block of texels of varied colour and alpha; its clear
    // texels hold colour, as images may.
    Texture* BlockTexture(const char* name)
    {
        TextureDesc desc;
        desc.kind = TEXKIND_IMAGE;
        desc.format = TEXFMT_A8R8G8B8;
        desc.width = 64;
        desc.height = 48;
        desc.mipLevels = 1;
        Texture* texture = _system->GetTextureMgr()->CreateTexture(name, desc);
        std::vector<uint32_t> pixels(64 * 48, 0x00C08040u);
        for (unsigned y = 20; y < 27; ++y)
        {
            for (unsigned x = 40; x < 51; ++x)
            {
                const uint32_t alpha = 40 + (x * 37 + y * 11) % 200;
                const uint32_t red = alpha * ((x * 7) % 5) / 4, blue = alpha * ((y * 3) % 4) / 3;
                pixels[y * 64 + x] = alpha << 24 | red << 16 | (alpha / 2) << 8 | blue;
            }
        }
        texture->FillPixelData(0, pixels.data(), unsigned(pixels.size() * 4));
        return texture;
    }

    Material* QuadMaterial(const char* name, Texture* texture, unsigned flags)
    {
        Material* material = _system->GetMaterialMgr()->CreateMaterial(name);
        material->AddTexture("Base_Map", texture);
        material->MaterialFlags() = Flags(flags);
        material->BindShaderEx("MAT_ScreenQuadFlash.fx", nullptr);
        material->ApplyToShader(nullptr);
        return material;
    }

    std::vector<uint32_t> Draw(Material* material, const Vec2& pos, const Vec2& size, const Vec2 uv[4],
                               const Color& color)
    {
        _system->Present(nullptr);
        _system->ClearTarget(3, 0xFF305070u, 1.0f);
        Vec2 corners[4] = {uv[0], uv[1], uv[2], uv[3]};
        _system->RenderQuadAdvanced(material, pos, size, corners[0], corners[1], corners[2], corners[3], 0.0f, color,
                                    0);
        _system->Present(nullptr);
        return ReadBackBuffer();
    }
};

TEST_F(ScreenQuadCoverageTest, QuadsLookAsDrawnWhole)
{
    Texture* known = BlockTexture("$coverage_known");
    Texture* unknown = BlockTexture("$coverage_unknown");
    // A texture the device has drawn into is drawn whole, as every quad used to be.
    unknown->GetTexHandle()->ForgetCoverage();
    ASSERT_TRUE(known->GetTexHandle()->GetCoverage().IsKnown());
    struct Blend
    {
        const char* name;
        unsigned flags;
    };
    // A Flash layer's and the sun's glare's.
    const Blend blends[] = {
        {"mixed by alpha", MF_NOZCULL | MF_NOZWRITE | MF_TRANSLUCENT | MF_ALPHA_MASKED | MF_BACK_SIDED},
        {"added", MF_NOZCULL | MF_NOZWRITE | MF_ADDITIVE | MF_UNLIT | MF_TWO_SIDED}};
    struct Case
    {
        const char* name;
        Vec2 pos, size;
        Vec2 uv[4];
        Color color;
    };
    const Case cases[] = {
        {"magnified", {10, 12}, {250, 190}, {{0, 1}, {0, 0}, {1, 1}, {1, 0}}, Color(1, 1, 1, 1)},
        {"minified at a fraction of a pixel",
         {30.4f, 7.7f},
         {41, 29},
         {{0, 1}, {0, 0}, {1, 1}, {1, 0}},
         Color(0.8f, 1, 0.6f, 0.7f)},
        {"turned over", {20, 20}, {200, 150}, {{1, 0}, {1, 1}, {0, 0}, {0, 1}}, Color(1, 1, 1, 1)},
        {"a part of the texture",
         {-60, -20},
         {300, 260},
         {{0.5f, 0.7f}, {0.5f, 0.3f}, {0.9f, 0.7f}, {0.9f, 0.3f}},
         Color(1, 1, 1, 1)},
        {"clamped past its edge", {0, 0}, {320, 240}, {{-1, 2}, {-1, -1}, {2, 2}, {2, -1}}, Color(1, 1, 1, 1)},
    };
    int material = 0;
    for (const Blend& blend : blends)
    {
        const std::string a = "$coverage_a" + std::to_string(material), b = "$coverage_b" + std::to_string(material);
        ++material;
        Material* culled = QuadMaterial(a.c_str(), known, blend.flags);
        Material* whole = QuadMaterial(b.c_str(), unknown, blend.flags);
        for (const Case& c : cases)
        {
            const std::vector<uint32_t> expected = Draw(whole, c.pos, c.size, c.uv, c.color);
            const std::vector<uint32_t> drawn = Draw(culled, c.pos, c.size, c.uv, c.color);
            int changed = 0, different = 0;
            for (size_t i = 0; i < drawn.size(); ++i)
            {
                changed += expected[i] != 0x305070u;
                different += drawn[i] != expected[i];
            }
            EXPECT_GT(changed, 20) << blend.name << ", " << c.name << ": the quad shows";
            EXPECT_EQ(different, 0) << blend.name << ", " << c.name;
        }
    }
}

} // namespace
