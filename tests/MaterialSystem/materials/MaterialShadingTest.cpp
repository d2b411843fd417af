#include "../textures/TextureFixture.h"

#include "MaterialSystem/materials/MaterialFlags.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/shaders/Shader.h"
#include "MaterialSystem/shaders/ShaderLib.h"
#include "MaterialSystem/shaders/ShaderUsageFlags.h"
#include "platform/effect/Effect.h"
#include "platform/gfx/Buffer.h"
#include "platform/gfx/Texture.h"
#include "platform/gfx/VertexLayout.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace {

// Position, normal, texture coordinate.
using Vertex = std::array<float, 8>;

// Materials on the game's diffuse shader, drawn with identity matrices so that positions are
// in clip space, under a sun with ambient 0.1 and diffuse 0.4.
class MaterialShadingTest : public TextureTest
{
protected:
    void WriteExtraFiles() override
    {
        const auto shaders =
            (std::filesystem::path(TEST_DATA_DIR) / ".." / ".." / "data" / "shaderlib").lexically_normal();
        for (const char* name : {"mat_diffuse.fx", "sys_deferredshading.fx", "inc_screenquad.fx"})
            std::filesystem::copy_file(shaders / name, _root / name);
    }

    // `usage`: a usage flag of the shader variant, or null.
    Material* Make(const char* name, unsigned flags, const char* usage = nullptr)
    {
        Material* material = _system->GetMaterialMgr()->CreateMaterial(name);
        material->AddTexture("BASE_MAP", Mgr()->CreateSolidTexture("base", 2, 2, 0xFFC08040));
        ShaderUsageFlags variant;
        if (usage)
            variant.Add(usage);
        material->BindShaderEx("MAT_Diffuse.fx", usage ? &variant : nullptr);
        material->MaterialFlags() = Flags(flags | MF_TWO_SIDED);
        return material;
    }

    void SetSun(const float (&direction)[3])
    {
        Shader* shader = _system->GetMaterialMgr()->GetShaderLib()->FindOptimalShader("MAT_Diffuse.fx", nullptr);
        ASSERT_TRUE(shader && shader->GetD3DEffect());
        fx::Effect& effect = *shader->GetD3DEffect();
        const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
        const float ambient[4] = {0.1f, 0.1f, 0.1f, 1}, diffuse[4] = {0.4f, 0.4f, 0.4f, 1};
        effect.SetMatrix(effect.GetParameterByName("matViewProj"), identity);
        effect.SetMatrix(effect.GetParameterByName("matWorld"), identity);
        effect.SetValue(effect.GetParameterByName("vecSunDir"), direction, sizeof(direction));
        effect.SetVector(effect.GetParameterByName("vecSunAmbient"), ambient);
        effect.SetVector(effect.GetParameterByName("vecSunDiffuse"), diffuse);
        effect.SetFloat(effect.GetParameterByName("fSunAmbientPower"), 1.0f);
        effect.SetFloat(effect.GetParameterByName("fSunDiffusePower"), 1.0f);
    }

    // Draws into the back buffer, or into the given targets (0 to 3).
    void Draw(Material* material, const std::vector<Vertex>& vertices, const std::vector<gfx::Texture*>& targets = {})
    {
        gfx::Device* device = _system->GetDevice();
        if (!_layout)
            _layout =
                gfx::VertexLayout::Create(*device, {{0, gfx::VertexType::Float3, gfx::VertexUsage::Position, 0},
                                                    {12, gfx::VertexType::Float3, gfx::VertexUsage::Normal, 0},
                                                    {24, gfx::VertexType::Float2, gfx::VertexUsage::TexCoord, 0}});
        device->SetRenderTarget(0, nullptr);
        for (unsigned i = 0; i < targets.size(); ++i)
            device->SetRenderTarget(i, targets[i]);
        device->Clear(gfx::ClearTarget | gfx::ClearDepth, 0xFF000000);
        material->ApplyToShader(nullptr);
        DrawWith(*material->GetBindedShader(), *_layout, vertices.data(), vertices.size(), sizeof(Vertex));
        for (unsigned i = 1; i < targets.size(); ++i)
            device->SetRenderTarget(i, nullptr);
        device->SetRenderTarget(0, nullptr);
    }

    void DrawWith(Shader& shader, gfx::VertexLayout& layout, const void* vertices, size_t count, unsigned stride)
    {
        gfx::Device* device = _system->GetDevice();
        const unsigned bytes = static_cast<unsigned>(count * stride);
        auto buffer = gfx::Buffer::Create(*device, gfx::BufferType::Vertex, gfx::BufferUsage::Static, bytes);
        ASSERT_TRUE(buffer);
        std::memcpy(buffer->Lock(0, bytes, gfx::LockNone), vertices, bytes);
        buffer->Unlock();
        device->SetVertexLayout(&layout);
        device->SetStreamSource(buffer.get(), 0, stride);
        ASSERT_EQ(shader.Begin(0), 1u);
        shader.BeginPass(0);
        device->DrawPrimitive(gfx::PrimitiveType::TriangleList, 0, static_cast<unsigned>(count / 3));
        shader.EndPass();
        shader.End();
    }

    uint32_t Pixel(int x, int y) const
    {
        gfx::Device* device = _system->GetDevice();
        uint32_t value = 0;
        EXPECT_TRUE(device->ReadPixels(device->GetBackBuffer(), gfx::Rect{x, y, 1, 1}, &value));
        return value & 0xFFFFFF;
    }

    std::unique_ptr<gfx::VertexLayout> _layout;
};

// A quad over the screen facing the viewer.
const std::vector<Vertex> kQuad = {{-1, -1, 0.5f, 0, 0, -1, 0, 0}, {1, -1, 0.5f, 0, 0, -1, 0, 0},
                                   {-1, 1, 0.5f, 0, 0, -1, 0, 0},  {1, -1, 0.5f, 0, 0, -1, 0, 0},
                                   {1, 1, 0.5f, 0, 0, -1, 0, 0},   {-1, 1, 0.5f, 0, 0, -1, 0, 0}};

// Two triangles that face apart (the lower left half and the upper right), with a different
// normal at every corner.
Vertex TentCorner(float x, float y, float z) { return {x, y, z, x * 0.5f, y * 0.5f, -1, 0, 0}; }
const std::vector<Vertex> kTent = {TentCorner(-1, -1, 0), TentCorner(1, -1, 0), TentCorner(-1, 1, 0.5f),
                                   TentCorner(1, -1, 0),  TentCorner(1, 1, 0),  TentCorner(-1, 1, 0.5f)};

TEST_F(MaterialShadingTest, UnlitShowsTheBaseColourWithoutLight)
{
    SetSun({0, 0, 1});
    Material* lit = Make("lit", 0);
    Material* unlit = Make("unlit", MF_UNLIT);
    auto expectLit = [&] {
        // Ambient and full diffuse: half the base colour.
        const uint32_t pixel = Pixel(160, 120);
        EXPECT_NEAR(int(pixel >> 16), 0x60, 1);
        EXPECT_NEAR(int(pixel >> 8 & 0xFF), 0x40, 1);
        EXPECT_NEAR(int(pixel & 0xFF), 0x20, 1);
    };
    Draw(lit, kQuad);
    expectLit();
    Draw(unlit, kQuad);
    EXPECT_EQ(Pixel(160, 120), 0xC08040u);
    // The next material's states turn lighting on again.
    Draw(lit, kQuad);
    expectLit();
}

TEST_F(MaterialShadingTest, FlatShadingGivesOneColourPerTriangle)
{
    SetSun({0, -1, 0.5f});
    const std::pair<int, int> first[] = {{20, 220}, {150, 220}, {20, 130}, {70, 180}};
    const std::pair<int, int> second[] = {{300, 20}, {300, 110}, {170, 20}, {250, 60}};
    auto spread = [&](const auto& points) {
        int low = 255, high = 0;
        for (const auto& [x, y] : points)
        {
            const int red = int(Pixel(x, y) >> 16);
            low = std::min(low, red);
            high = std::max(high, red);
        }
        return high - low;
    };

    Draw(Make("smooth", 0), kTent);
    EXPECT_GT(spread(first), 4);
    EXPECT_GT(spread(second), 4);

    Draw(Make("flat", MF_FLAT), kTent);
    EXPECT_LE(spread(first), 1);
    EXPECT_LE(spread(second), 1);
    EXPECT_GT(std::abs(int(Pixel(20, 220) >> 16) - int(Pixel(300, 20) >> 16)), 4);
}

// The deferred variant marks pixels whose lighting is off in the normal target; the sun pass
// of the lighting stage gives them their albedo as it is.
TEST_F(MaterialShadingTest, DeferredLightingStageHonoursUnlit)
{
    SetSun({0, 0, 1});
    gfx::Device* device = _system->GetDevice();
    std::vector<std::unique_ptr<gfx::Texture>> targets;
    std::vector<gfx::Texture*> bound;
    for (int i = 0; i < 4; ++i)
    {
        gfx::TextureDesc desc;
        desc.width = 320;
        desc.height = 240;
        desc.renderTarget = true;
        targets.push_back(gfx::Texture::Create(*device, desc));
        ASSERT_TRUE(targets.back());
        bound.push_back(targets.back().get());
    }
    ShaderUsageFlags sun;
    sun.Add("USE_DIRECTIONAL_LIGHTING");
    Shader* stage = _system->GetMaterialMgr()->GetShaderLib()->FindOptimalShader("SYS_DeferredShading.fx", &sun);
    ASSERT_TRUE(stage && stage->GetD3DEffect());
    fx::Effect& effect = *stage->GetD3DEffect();
    const char* semantics[] = {"DEPTH_MRT", "NORMAL_MRT", "COLOR_MRT", "MATERIAL_MRT"};
    for (int i = 0; i < 4; ++i)
        effect.SetTexture(effect.GetParameterBySemantic(semantics[i]), bound[i]);
    auto layout = gfx::VertexLayout::Create(*device, {{0, gfx::VertexType::Float3, gfx::VertexUsage::Position, 0}});
    ASSERT_TRUE(layout);
    const float screen[] = {-0.5f, -0.5f, 0, 2, -0.5f, 0, -0.5f, 2, 0, 2, -0.5f, 0, 2, 2, 0, -0.5f, 2, 0};

    struct Case
    {
        unsigned flags;
        uint32_t color;
    };
    // Lit: ambient and full diffuse, half the albedo.
    for (const Case& c : {Case{0, 0x604020u}, Case{MF_UNLIT, 0xC08040u}})
    {
        Draw(Make(c.flags ? "deferred unlit" : "deferred lit", c.flags | MF_NOZCULL, "USE_DEFERRED"), kQuad, bound);
        device->Clear(gfx::ClearTarget, 0xFF000000);
        device->SetDepthTest(false);
        DrawWith(*stage, *layout, screen, 6, 12);
        const uint32_t pixel = Pixel(160, 120);
        for (int shift : {16, 8, 0})
            EXPECT_NEAR(int(pixel >> shift & 0xFF), int(c.color >> shift & 0xFF), 1) << c.flags;
    }
}

} // namespace
