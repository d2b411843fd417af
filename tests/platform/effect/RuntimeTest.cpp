#include "EffectFixture.h"

#include "platform/gfx/Texture.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

std::string ColorEffect(const std::string& declarations, const std::string& color, const std::string& pass = "")
{
    return declarations + R"(
vertex vs {
    layout(location = GFX_LOC_POSITION) in vec3 inPosition;
    layout(location = GFX_LOC_TEXCOORD0) in float inIndex;
    void main() { gl_Position = vec4(inPosition, 1.0); }
}
fragment fs {
    void main() { fx_Target0 = )" +
           color + R"(; }
}
technique Main {
    pass p0 { VertexShader = vs; FragmentShader = fs; )" +
           pass + R"( }
}
)";
}

// Draws the texture parameter BASE_MAP over the whole target.
const char* const kTextureEffect = R"(
texture Map : BASE_MAP;
sampler map_sampler { Texture = Map; MinFilter = Point; MagFilter = Point; MipFilter = None; AddressU = Clamp; AddressV = Clamp; }
vertex vs {
    layout(location = GFX_LOC_POSITION) in vec3 inPosition;
    out vec2 uv;
    void main() { gl_Position = vec4(inPosition, 1.0); uv = inPosition.xy * 0.5 + 0.5; }
}
fragment fs {
    in vec2 uv;
    void main() { fx_Target0 = texture(map_sampler, uv); }
}
technique t { pass p { VertexShader = vs; FragmentShader = fs; } }
)";

// A 1x1 texture of one A8R8G8B8 colour; null when it cannot be made.
std::unique_ptr<gfx::Texture> OnePixel(gfx::Device& device, uint32_t argb)
{
    gfx::TextureDesc desc;
    auto texture = gfx::Texture::Create(device, desc);
    return texture && texture->Upload(0, &argb, 4) ? std::move(texture) : nullptr;
}

} // namespace

// A shared parameter set through one effect is what every other effect of the pool reads.
TEST_F(EffectTest, SharedParametersReachEveryEffect)
{
    auto a = Make(ColorEffect("shared vec4 SunColor : SUN_COLOR;", "SunColor"));
    auto b = Make(ColorEffect("shared vec4 SunColor : Sun_Color;\nvec4 own : OWN = {0, 0, 1, 1};", "SunColor + own"));
    ASSERT_TRUE(a && b);
    const float red[4] = {1, 0, 0, 1};
    a->SetVector(a->GetParameterBySemantic("SUN_COLOR"), red);
    DrawQuad(*b);
    EXPECT_EQ(Pixel(5, 5), 0xFF00FFu);

    // A different type under the same shared name is refused.
    std::string errors;
    EXPECT_FALSE(Make(ColorEffect("shared vec3 SunColor;", "vec4(SunColor, 1.0)"), {}, &errors));
    EXPECT_NE(errors.find("SunColor"), std::string::npos) << errors;
}

// Macros choose the code of a variant, in the effect's structure and in its GLSL.
TEST_F(EffectTest, MacrosSelectVariants)
{
    const std::string source =
        ColorEffect("#ifdef USE_BLUE\nvec4 c = {0, 0, 1, 1};\n#else\nvec4 c = {1, 0, 0, 1};\n#endif\n",
                    "c\n#if defined(USE_GREEN) && !defined(USE_BLUE)\n + vec4(0, 1, 0, 0)\n#endif\n");
    struct Case
    {
        std::vector<fx::Macro> macros;
        uint32_t color;
    };
    const Case cases[] = {{{}, 0xFF0000u},
                          {{{"USE_BLUE", "1"}}, 0x0000FFu},
                          {{{"USE_GREEN", "1"}}, 0xFFFF00u},
                          {{{"USE_GREEN", "1"}, {"USE_BLUE", "1"}}, 0x0000FFu}};
    for (const Case& c : cases)
    {
        auto effect = Make(source, c.macros);
        ASSERT_TRUE(effect);
        DrawQuad(*effect);
        EXPECT_EQ(Pixel(5, 5), c.color) << c.macros.size();
    }
}

// One hundred matrices reach the program through a uniform buffer; an index per vertex picks one.
TEST_F(EffectTest, MatrixPointerArrayOfOneHundred)
{
    const char* source = R"(
shared mat4 WorldInstances[100] : WORLDINSTANCES;
vertex vs {
    layout(location = GFX_LOC_POSITION) in vec3 inPosition;
    layout(location = GFX_LOC_TEXCOORD0) in float inIndex;
    out vec4 color;
    void main() {
        gl_Position = vec4(inPosition, 1.0);
        color = WorldInstances[int(inIndex)] * vec4(1.0, 0.0, 0.0, 0.0);
    }
}
fragment fs {
    in vec4 color;
    void main() { fx_Target0 = vec4(color.rgb, 1.0); }
}
technique t { pass p { VertexShader = vs; FragmentShader = fs; } }
)";
    auto effect = Make(source);
    ASSERT_TRUE(effect);
    const fx::Handle instances = effect->GetParameterBySemantic("WorldInstances");
    ASSERT_NE(instances, fx::kNoHandle);
    EXPECT_EQ(effect->GetParameterDesc(instances)->elements, 100u);
    // Row 0 of matrix i carries its colour: M * (1,0,0,0) in GLSL reads that row.
    std::vector<float> matrices(100 * 16, 0.0f);
    std::vector<const float*> pointers;
    for (unsigned i = 0; i < 100; ++i)
    {
        float* m = &matrices[i * 16];
        m[0] = i == 99 ? 1.0f : 0.0f;
        m[1] = i == 42 ? 1.0f : 0.0f;
        m[2] = 0.5f;
        pointers.push_back(m);
    }
    EXPECT_TRUE(effect->SetMatrixPointerArray(instances, pointers.data(), 100));
    DrawQuad(*effect, 42.0f);
    EXPECT_EQ(Pixel(5, 5), 0x00FF80u);
    DrawQuad(*effect, 99.0f);
    EXPECT_EQ(Pixel(5, 5), 0xFF0080u);
    // More than declared is cut, never written past the array.
    std::vector<const float*> tooMany(101, &matrices[0]);
    EXPECT_FALSE(effect->SetMatrixPointerArray(instances, tooMany.data(), 101));
}

// Alpha test from the pass states and from the pool (the engine's render state).
TEST_F(EffectTest, AlphaTestDiscards)
{
    auto fromPass = Make(ColorEffect("vec4 c : COLOR = {1, 0, 0, 0.25};", "c",
                                     "AlphaTestEnable = true; AlphaFunc = Greater; AlphaRef = 128;"));
    ASSERT_TRUE(fromPass);
    DrawQuad(*fromPass);
    EXPECT_EQ(Pixel(5, 5), 0u);
    const float opaque[4] = {1, 0, 0, 0.75f};
    fromPass->SetVector(fromPass->GetParameterBySemantic("color"), opaque);
    DrawQuad(*fromPass);
    EXPECT_EQ(Pixel(5, 5), 0xFF0000u);

    _pool->SetAlphaTest({});
    auto plain = Make(ColorEffect("vec4 c = {0, 1, 0, 0.0};", "c"));
    DrawQuad(*plain);
    EXPECT_EQ(Pixel(5, 5), 0x00FF00u);
    _pool->SetAlphaTest({true, gfx::CmpFunc::Greater, 0});
    _device->Clear(gfx::ClearTarget, 0xFF000000);
    DrawQuad(*plain);
    EXPECT_EQ(Pixel(5, 5), 0u);
    // And the test off again: the same effect draws.
    _pool->SetAlphaTest({});
    DrawQuad(*plain);
    EXPECT_EQ(Pixel(5, 5), 0x00FF00u);
}

// A parameter block replays the values recorded into it.
TEST_F(EffectTest, ParameterBlocksReplay)
{
    auto effect = Make(ColorEffect("vec4 c : COLOR = {1, 0, 0, 1};\nfloat k : K = 1;", "c * k"));
    ASSERT_TRUE(effect);
    const fx::Handle c = effect->GetParameterBySemantic("COLOR");
    const float blue[4] = {0, 0, 1, 1}, green[4] = {0, 1, 0, 1};
    effect->BeginParameterBlock();
    effect->SetVector(c, blue);
    const fx::Handle block = effect->EndParameterBlock();
    ASSERT_NE(block, fx::kNoHandle);
    effect->SetVector(c, green);
    DrawQuad(*effect);
    EXPECT_EQ(Pixel(5, 5), 0x00FF00u);
    EXPECT_TRUE(effect->ApplyParameterBlock(block));
    DrawQuad(*effect);
    EXPECT_EQ(Pixel(5, 5), 0x0000FFu);
    effect->DeleteParameterBlock(block);
    EXPECT_FALSE(effect->ApplyParameterBlock(block));
}

// Passes set their states; End puts them back unless told not to save them.
TEST_F(EffectTest, PassStatesAndRestore)
{
    auto effect = Make(ColorEffect("vec4 c = {0, 0, 1, 1};", "c", "ColorWriteEnable = Red|Alpha;"));
    ASSERT_TRUE(effect);
    _device->Clear(gfx::ClearTarget, 0xFF00FF00);
    DrawQuad(*effect, 0.0f, 0); // blue masked off: green stays, red gets 0
    EXPECT_EQ(Pixel(5, 5), 0x00FF00u);
    // States were restored: a plain effect now writes every channel.
    auto plain = Make(ColorEffect("vec4 c = {0, 0, 1, 1};", "c"));
    DrawQuad(*plain);
    EXPECT_EQ(Pixel(5, 5), 0x0000FFu);
    // Without saving, the mask stays after End.
    _device->Clear(gfx::ClearTarget, 0xFF00FF00);
    DrawQuad(*effect, 0.0f, fx::DoNotSaveState);
    DrawQuad(*plain);
    EXPECT_EQ(Pixel(5, 5), 0x00FF00u);
}

// A sampler reads the texture parameter it names, with its filter and address states.
TEST_F(EffectTest, SamplersReadTextures)
{
    auto effect = Make(kTextureEffect);
    ASSERT_TRUE(effect);
    auto texture = OnePixel(*_device, 0xFFFF00FF);
    ASSERT_TRUE(texture);
    const fx::Handle map = effect->GetParameterBySemantic("base_map");
    EXPECT_TRUE(effect->SetTexture(map, texture.get()));
    EXPECT_EQ(effect->GetTexture(map), texture.get());
    EXPECT_FALSE(effect->SetFloat(map, 1.0f));
    DrawQuad(*effect);
    EXPECT_EQ(Pixel(30, 30), 0xFF00FFu);
    effect.reset();
}

// A destroyed texture leaves the parameter and the recorded block that held it: neither
// reaches the freed texture nor shows a texture made after it.
TEST_F(EffectTest, ADestroyedTextureLeavesItsParameters)
{
    auto effect = Make(kTextureEffect);
    ASSERT_TRUE(effect);
    auto texture = OnePixel(*_device, 0xFFFF00FF);
    ASSERT_TRUE(texture);
    const fx::Handle map = effect->GetParameterBySemantic("BASE_MAP");
    effect->BeginParameterBlock();
    effect->SetTexture(map, texture.get());
    const fx::Handle block = effect->EndParameterBlock();
    DrawQuad(*effect);
    ASSERT_EQ(Pixel(30, 30), 0xFF00FFu);
    texture.reset();
    EXPECT_EQ(effect->GetTexture(map), nullptr);
    // Its memory and its name may go to the next texture.
    auto next = OnePixel(*_device, 0xFF00FF00);
    ASSERT_TRUE(next);
    for (const bool replay : {false, true})
    {
        if (replay)
        {
            EXPECT_TRUE(effect->ApplyParameterBlock(block));
        }
        EXPECT_EQ(effect->GetTexture(map), nullptr) << replay;
        DrawQuad(*effect);
        EXPECT_EQ(Pixel(30, 30), 0u) << replay;
    }
}

// Techniques are listed in order; names and passes are reported, Begin answers the count.
TEST_F(EffectTest, TechniquesAndPasses)
{
    const std::string source = ColorEffect("vec4 c = {1, 1, 1, 1};", "c") +
                               "technique Dummy { pass p { ZEnable = false; } }\n"
                               "technique Second { pass a { ZEnable = true; } pass Restore { ZEnable = true; } }\n";
    auto effect = Make(source);
    ASSERT_TRUE(effect);
    EXPECT_EQ(effect->GetTechniqueCount(), 3u);
    EXPECT_EQ(effect->GetCurrentTechnique(), 0);
    fx::Handle t = effect->FindNextValidTechnique(fx::kNoHandle);
    std::vector<std::string> names;
    for (; t != fx::kNoHandle; t = effect->FindNextValidTechnique(t))
        names.push_back(effect->GetTechniqueName(t));
    EXPECT_EQ(names, (std::vector<std::string>{"Main", "Dummy", "Second"}));
    const fx::Handle second = effect->GetTechniqueByName("Second");
    EXPECT_STREQ(effect->GetPassName(second, 1), "Restore");
    EXPECT_TRUE(effect->SetTechnique(second));
    EXPECT_EQ(effect->Begin(fx::DoNotSaveState), 2u);
    EXPECT_TRUE(effect->BeginPass(1));
    EXPECT_FALSE(effect->BeginPass(2));
    effect->End();
    EXPECT_FALSE(effect->SetTechnique(7));
}

// Scalars convert between int and float; numbers beyond the int range saturate.
TEST_F(EffectTest, ScalarsConvertAndSaturate)
{
    auto effect = Make(ColorEffect("int n : N = 1e30;\nfloat f : F = 0.5;", "vec4(float(n), f, 0, 1)"));
    ASSERT_TRUE(effect);
    const fx::Handle n = effect->GetParameterBySemantic("N"), f = effect->GetParameterBySemantic("F");
    const auto readInt = [&] {
        int32_t value = 0;
        EXPECT_TRUE(effect->GetValue(n, &value, 4));
        return value;
    };
    EXPECT_EQ(readInt(), INT32_MAX);
    const std::pair<float, int32_t> cases[] = {{-1e30f, INT32_MIN}, {std::nanf(""), 0}, {-2.75f, -2}, {3.5f, 3}};
    for (const auto& [given, held] : cases)
    {
        EXPECT_TRUE(effect->SetFloat(n, given));
        EXPECT_EQ(readInt(), held) << given;
    }
    EXPECT_TRUE(effect->SetInt(f, 7));
    float value = 0;
    EXPECT_TRUE(effect->GetValue(f, &value, 4));
    EXPECT_FLOAT_EQ(value, 7.0f);
}
