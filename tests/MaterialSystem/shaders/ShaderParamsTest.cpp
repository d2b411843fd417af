#include "ShaderFixture.h"

#include "MaterialSystem/shaders/ShaderParamsGlobal.h"
#include "MaterialSystem/shaders/ShaderParamsInstance.h"
#include "MaterialSystem/shaders/ShaderUsageFlags.h"
#include "platform/effect/Effect.h"
#include "platform/gfx/Buffer.h"
#include "platform/gfx/Texture.h"

#include <cstring>

namespace {

// Colour = the sun's diffuse x a material tint; position through the object's (or the
// instance's) world matrix and the view-projection.
const char* kLitShader = R"(#include "SharedParams"
vec4 tint : TINT_COLOR = {1, 1, 1, 1};
literal float fixedScale : FIXED_SCALE = 2;
float noSemantic = 3;
vec3 offset : OFFSET = {1, 2, 3};
mat4 extra : EXTRA_MATRIX;
int count : COUNT = 7;
vertex vs {
    layout(location = GFX_LOC_POSITION) in vec3 inPosition;
    layout(location = GFX_LOC_TEXCOORD0) in float inInstance;
    void main() { gl_Position = matViewProj * (WorldOf(inInstance) * vec4(inPosition, 1.0)); }
}
fragment fs {
    void main() { fx_Target0 = vecSunDiffuse * tint; }
}
technique Lit { pass p0 { VertexShader = vs; FragmentShader = fs; } }
)";

// Scale by a half and move by (x, 0): the quad covers one half of the target.
Matrix HalfAt(float x)
{
    Matrix m(0.5f);
    m.m[15] = 1.0f;
    m.Translate(x, 0.0f, 0.0f);
    return m;
}

} // namespace

class ShaderParamsTest : public ShaderLibTest
{
protected:
    void SetUp() override
    {
        ShaderLibTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        WriteShader("mat_lit.fx", kLitShader);
        _library = Init();
        _library->PrecacheShaders();
        _shader = _library->FindOptimalShader("MAT_Lit.fx", nullptr);
        ASSERT_NE(_shader, _library->GetProxyShader());
    }
    ShaderLib* _library = nullptr;
    Shader* _shader = nullptr;
};

// Per frame (sun), per material (tint) and per object (world) values meet in one draw; the
// batch's matrices place several instances at once.
TEST_F(ShaderParamsTest, FrameMaterialObjectAndBatch)
{
    ShaderParamsGlobal global;
    SunSource sun;
    sun.diffuse = Color(1, 1, 0, 1);
    global.SetSunLighting(sun);
    global.SetViewTransform(nullptr);
    global.SetProjectionTransform(nullptr);
    global.ApplyToShader(nullptr);

    ShaderParams material;
    material.AddColor("Tint_Color", Color(0, 1, 1, 1));
    material.BindShader(_shader, ShaderParams::BIND_RESOLVE);
    ShaderParamsInstance object;
    object.QueryWorldTransform() = HalfAt(-0.5f);

    Draw(*_shader, Quad(), [&] {
        _shader->GetDefaultParams()->ApplyToShader(nullptr);
        material.ApplyToShader(nullptr);
        object.ApplyToShader(&global);
    });
    EXPECT_EQ(Pixel(10, 32), 0x00FF00u);
    EXPECT_EQ(Pixel(54, 32), 0u);

    // Without the material only the defaults apply: the sun's yellow.
    _device->Clear(gfx::ClearTarget, 0xFF000000);
    Draw(*_shader, Quad(), [&] {
        _shader->GetDefaultParams()->ApplyToShader(nullptr);
        object.ApplyToShader(&global);
    });
    EXPECT_EQ(Pixel(10, 32), 0xFFFF00u);

    ShaderUsageFlags flags;
    flags.Add("USE_INSTANCING");
    Shader* instanced = _library->FindOptimalShader("MAT_Lit.fx", &flags);
    ASSERT_NE(instanced, _library->GetProxyShader());
    const Matrix left = HalfAt(-0.5f), right = HalfAt(0.5f);
    ShaderParamsBatch batch;
    batch.AddInstanceMatrix(&left);
    batch.AddInstanceMatrix(&right);
    _device->Clear(gfx::ClearTarget, 0xFF000000);
    std::vector<float> two = Quad(0.0f);
    const std::vector<float> second = Quad(1.0f);
    two.insert(two.end(), second.begin(), second.end());
    Draw(*instanced, two, [&] { batch.ApplyToShader(); });
    EXPECT_EQ(Pixel(10, 32), 0xFFFF00u);
    EXPECT_EQ(Pixel(54, 32), 0xFFFF00u);
    EXPECT_EQ(batch.GetInstanceCount(), 0u);
}

// Defaults are collected by value under their semantics, but not shared, literal or unnamed
// parameters, and not textures or arrays.
TEST_F(ShaderParamsTest, DefaultsCollectedFromTheEffect)
{
    const ShaderParams* defaults = _shader->GetDefaultParams();
    ASSERT_TRUE(defaults);
    struct Case
    {
        const char* name;
        bool present;
        ShaderVar::eType type;
    };
    const Case cases[] = {{"TINT_COLOR", true, ShaderVar::TYPE_COLOR},
                          {"OFFSET", true, ShaderVar::TYPE_VECTOR},
                          {"EXTRA_MATRIX", true, ShaderVar::TYPE_MATRIX},
                          {"COUNT", true, ShaderVar::TYPE_INT},
                          {"FIXED_SCALE", false, {}},
                          {"noSemantic", false, {}},
                          {"World", false, {}},
                          {"WorldInstances", false, {}}};
    for (const Case& c : cases)
    {
        const ShaderVar* var = defaults->FindValue(c.name);
        EXPECT_EQ(var != nullptr, c.present) << c.name;
        if (var && c.present)
        {
            EXPECT_EQ(var->type, c.type) << c.name;
        }
    }
    EXPECT_EQ(defaults->FindValue("COUNT")->intValue, 7);
    EXPECT_FLOAT_EQ(defaults->FindValue("OFFSET")->value[2], 3.0f);
    EXPECT_EQ(defaults->GetChangeFlags(), 0u);
}

// By-value and by-reference bookkeeping, and the values the global set derives.
TEST_F(ShaderParamsTest, ValuesReferencesAndDerivedValues)
{
    ShaderParams params;
    params.AddColor("C", Color(1, 0, 0, 1));
    params.ClearChangeFlags();
    params.SetFloat("C", 5.0f);
    EXPECT_EQ(params.GetChangeFlags(), 0u) << "a different type leaves the value alone";
    EXPECT_FLOAT_EQ(params.FindValue("C")->value[0], 1.0f);
    params.SetColor("C", Color(0, 1, 0, 1));
    EXPECT_EQ(params.GetChangeFlags(), ShaderParams::CHANGED_VALUE);

    params.AddTexture("BASE_MAP", nullptr);
    params.AddTexture("BASE_MAP", nullptr);
    EXPECT_EQ(params.GetTextureCount(), 2u);
    EXPECT_TRUE(params.FindValue("BASE_MAP"));
    params.Remove("BASE_MAP");
    EXPECT_FALSE(params.FindValue("BASE_MAP"));

    // References stay tied to their names when one before them is removed.
    float a = 1;
    const Color tint(0.25f, 0.5f, 0.75f, 1.0f);
    params.AddFloatRef("A", &a);
    params.AddColorRef("TINT_COLOR", &tint);
    params.RemoveRef("A");
    params.BindShader(_shader, ShaderParams::BIND_RESOLVE);
    params.ApplyToShader(nullptr);
    float read[4] = {};
    fx::Effect* effect = _shader->GetD3DEffect();
    ASSERT_TRUE(effect->GetValue(effect->GetParameterBySemantic("TINT_COLOR"), read, sizeof(read)));
    EXPECT_FLOAT_EQ(read[2], 0.75f);

    ShaderParamsGlobal global;
    const std::pair<std::pair<float, float>, float> weights[] = {
        {{800, 600}, 3.5f}, {{1024, 768}, 3.0f}, {{1280, 960}, 1.0f}, {{1280, 1024}, 3.0f}};
    for (const auto& [size, weight] : weights)
    {
        global.SetScreenParams(size.first, size.second);
        EXPECT_FLOAT_EQ(global.GetAAWeight(), weight) << size.first << "x" << size.second;
    }
    Matrix view(1.0f);
    view.Translate(0, 0, 10);
    global.SetViewTransform(&view);
    global.SetProjectionTransform(nullptr);
    global.ApplyToShader(nullptr);
    EXPECT_FLOAT_EQ(global.GetEyePosition().z, -10.0f);
    EXPECT_FLOAT_EQ(global.GetEyeDirection().z, 1.0f);
    EXPECT_FLOAT_EQ(global.GetViewProjection().m[14], 10.0f);

    // An instance applied without the frame's set keeps the last world-view-projection.
    ShaderParamsInstance object;
    object.QueryWorldTransform().Translate(1, 2, 3);
    object.ApplyToShader(&global);
    const Matrix kept = ShaderParamsInstance::matWorldViewProj;
    EXPECT_FLOAT_EQ(kept.m[14], 13.0f);
    ShaderParamsInstance other;
    other.ApplyToShader(nullptr);
    EXPECT_EQ(ShaderParamsInstance::matWorldViewProj, kept);
}

// The proxy lights its base map as the fixed-function pipeline did: ambient x {1.3, 0.3, 0.3}
// plus diffuse x {1.85, 0.85, 0.85} x N.L, clamped, times the texture.
TEST_F(ShaderParamsTest, ProxyLightsItsBaseMap)
{
    Shader* proxy = _library->GetProxyShader();
    fx::Effect* effect = proxy->GetD3DEffect();
    gfx::TextureDesc desc;
    auto white = gfx::Texture::Create(*_device, desc);
    const uint32_t texel = 0xFFFFFFFF;
    ASSERT_TRUE(white->Upload(0, &texel, 4));
    ASSERT_TRUE(effect->SetTexture(effect->GetParameterBySemantic("base_map"), white.get()));

    auto layout = gfx::VertexLayout::Create(*_device, {{0, gfx::VertexType::Float3, gfx::VertexUsage::Position, 0},
                                                       {12, gfx::VertexType::Float3, gfx::VertexUsage::Normal, 0},
                                                       {24, gfx::VertexType::Float2, gfx::VertexUsage::TexCoord, 0}});
    _device->SetVertexLayout(layout.get());
    std::vector<float> quad;
    const std::vector<float> corners = Quad();
    for (size_t v = 0; v < corners.size(); v += 4)
        quad.insert(quad.end(), {corners[v], corners[v + 1], corners[v + 2], 0.0f, 0.0f, -1.0f, 0.5f, 0.5f});
    const auto draw = [&](const SunSource& sun) {
        ShaderParamsGlobal global;
        global.SetSunLighting(sun);
        global.ApplyToShader(nullptr);
        ShaderParamsInstance object;
        const unsigned bytes = static_cast<unsigned>(quad.size() * 4);
        auto buffer = gfx::Buffer::Create(*_device, gfx::BufferType::Vertex, gfx::BufferUsage::Static, bytes);
        std::memcpy(buffer->Lock(0, bytes, gfx::LockNone), quad.data(), bytes);
        buffer->Unlock();
        _device->SetStreamSource(buffer.get(), 0, 32);
        proxy->Begin(fx::DoNotSaveState);
        proxy->BeginPass(0);
        object.ApplyToShader(&global);
        proxy->ApplyChanges();
        _device->DrawPrimitive(gfx::PrimitiveType::TriangleList, 0, 2);
        proxy->EndPass();
        proxy->End();
        return Pixel(32, 32);
    };
    SunSource facing;
    facing.direction = Vec3(0, 0, 1); // travelling away from the viewer onto a face turned to it
    facing.diffuse = Color(1, 1, 1, 1);
    facing.ambient = Color(0, 0, 0, 1);
    EXPECT_EQ(draw(facing), 0xFFD9D9u);
    SunSource behind = facing;
    behind.direction = Vec3(0, 0, -1);
    behind.ambient = Color(0.5f, 0.5f, 0.5f, 1);
    EXPECT_EQ(draw(behind), 0xA62626u); // ambient only: {0.65, 0.15, 0.15}
}
