#include "../textures/TextureFixture.h"

#include "MaterialSystem/materials/MaterialFlags.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/textures/TextureDesc.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "MaterialSystem/shaders/Shader.h"
#include "MaterialSystem/shaders/ShaderLib.h"
#include "MaterialSystem/shaders/ShaderUsageFlags.h"
#include "platform/gfx/Buffer.h"
#include "platform/gfx/VertexLayout.h"
#include "textures/DdsWriter.h"

#include <cstring>
#include <fstream>

namespace {

// A material shader drawing a textured quad given in clip space.
const char* kTexQuadShader = R"(
texture DiffuseMap : BASE_MAP;
sampler base_sampler { Texture = DiffuseMap; MinFilter = Point; MagFilter = Point; MipFilter = None; }

vertex vs_quad {
    layout(location = GFX_LOC_POSITION) in vec3 inPosition;
    layout(location = GFX_LOC_TEXCOORD0) in vec2 inTexCoord;
    out vec2 vTexCoord;
    void main() { gl_Position = vec4(inPosition, 1.0); vTexCoord = inTexCoord; }
}

fragment fs_quad {
    in vec2 vTexCoord;
    void main() { fx_Target0 = texture(base_sampler, vTexCoord); }
}

technique Quad {
    pass p0 { VertexShader = vs_quad; FragmentShader = fs_quad; }
}
)";

class MaterialTest : public TextureTest
{
protected:
    void SetUp() override
    {
        TextureTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        Mats()->SetRootDir((_root.string() + "/").c_str());
    }
    void WriteExtraFiles() override { std::ofstream(_root / "mat_texquad.fx") << kTexQuadShader; }

    MaterialMgr* Mats() const { return _system->GetMaterialMgr(); }
    void WriteScript(const std::string& name, const std::string& text) const { std::ofstream(_root / name) << text; }
    Shader* ProxyShader() const { return Mats()->GetShaderLib()->GetProxyShader(); }

    // Applies the material and draws it over the whole back buffer; the texture's top row
    // is at the top of the screen.
    void DrawQuad(Material* material)
    {
        gfx::Device* device = _system->GetDevice();
        if (!_quad)
        {
            _layout =
                gfx::VertexLayout::Create(*device, {{0, gfx::VertexType::Float3, gfx::VertexUsage::Position, 0},
                                                    {12, gfx::VertexType::Float2, gfx::VertexUsage::TexCoord, 0}});
            const float quad[] = {-1, -1, 0.5f, 0, 1, 1, -1, 0.5f, 1, 1, -1, 1, 0.5f, 0, 0,
                                  1,  -1, 0.5f, 1, 1, 1, 1,  0.5f, 1, 0, -1, 1, 0.5f, 0, 0};
            _quad = gfx::Buffer::Create(*device, gfx::BufferType::Vertex, gfx::BufferUsage::Static, sizeof(quad));
            std::memcpy(_quad->Lock(0, sizeof(quad), gfx::LockNone), quad, sizeof(quad));
            _quad->Unlock();
        }
        device->SetRenderTarget(0, nullptr);
        device->SetVertexLayout(_layout.get());
        device->SetStreamSource(_quad.get(), 0, 20);
        material->ApplyToShader(nullptr);
        Shader* shader = material->GetBindedShader();
        ASSERT_EQ(shader->Begin(0), 1u);
        shader->BeginPass(0);
        device->DrawPrimitive(gfx::PrimitiveType::TriangleList, 0, 2);
        shader->EndPass();
        shader->End();
    }
    void ClearBackBuffer(uint32_t argb)
    {
        _system->GetDevice()->SetRenderTarget(0, nullptr);
        _system->GetDevice()->Clear(gfx::ClearTarget | gfx::ClearDepth, argb);
    }
    uint32_t Pixel(int x, int y) const
    {
        gfx::Device* device = _system->GetDevice();
        uint32_t value = 0;
        EXPECT_TRUE(device->ReadPixels(device->GetBackBuffer(), gfx::Rect{x, y, 1, 1}, &value));
        return value & 0xFFFFFF;
    }

    std::unique_ptr<gfx::VertexLayout> _layout;
    std::unique_ptr<gfx::Buffer> _quad;
};

TEST_F(MaterialTest, BuiltInMaterials)
{
    Material* proxy = Mats()->GetProxyMaterial();
    ASSERT_TRUE(proxy);
    EXPECT_TRUE(proxy->IsInitialized());
    EXPECT_TRUE(proxy->IsTwoSided());
    EXPECT_EQ(proxy->GetBindedShader(), ProxyShader());
    EXPECT_EQ(proxy->FindValue("BASE_MAP")->texture, Mgr()->GetMaterialProxyTexture());
    Material* wire = Mats()->GetWireMaterial();
    EXPECT_TRUE(wire->MaterialFlags() == (MF_WIREFRAME | MF_TWO_SIDED | MF_UNLIT));
    EXPECT_EQ(wire->FindValue("BASE_MAP")->texture, Mgr()->GetWhiteTexture());
}

TEST_F(MaterialTest, ScriptFillsTheMaterial)
{
    WriteTextureFile("stone.dds", WriteDds(MakeChecker(8, 8, 2, 0xFF000000, 0xFFFFFFFF), DdsWriteOptions{}));
    WriteScript("stone.mat", R"(
Material = {
    Surface = "rock",
    Flags = { MF_TRANSLUCENT, MF_ADDITIVE, MF_TWO_SIDED, MF_BACK_SIDED },
    Maps = { BASE_MAP = "stone.dds", NORMAL_MAP = "missing.dds" },
    Params = { TINT_COLOR = { 1, 0.5, 0.25, 1 }, OFFSET = { 1, 2, 3 }, SCALE = 2.5, ENABLED = true },
    ShaderFlags = { "use_tint", "TINT", "INSTANCING" },
    Technique = "MAT_texquad.fx",
}
)");
    LogLines().clear();
    Material* material = Mats()->CreateMaterialFromFile("stone.mat");
    ASSERT_NE(material, Mats()->GetProxyMaterial());
    EXPECT_TRUE(material->IsInitialized());
    EXPECT_EQ(material->GetSurfaceType(), Name("rock"));
    EXPECT_TRUE(material->IsTranslucent());
    EXPECT_TRUE(material->IsTwoSided());
    EXPECT_EQ(material->FindValue("BASE_MAP")->texture, Mgr()->CreateTextureFromFile("stone.dds"));
    EXPECT_EQ(material->FindValue("NORMAL_MAP")->texture->GetTexHandle(), Mgr()->GetProxyTexture()->GetTexHandle());
    EXPECT_EQ(material->FindValue("TINT_COLOR")->type, ShaderVar::TYPE_COLOR);
    EXPECT_EQ(material->FindValue("OFFSET")->type, ShaderVar::TYPE_VECTOR);
    EXPECT_FLOAT_EQ(material->FindValue("SCALE")->value[0], 2.5f);
    EXPECT_EQ(material->FindValue("ENABLED")->type, ShaderVar::TYPE_INT);
    EXPECT_EQ(material->FindValue("ENABLED")->intValue, 1);
    // "use_tint" and "TINT" are one flag.
    EXPECT_STREQ(material->GetUsageFlags()->GetText(), "USE_TINT|USE_INSTANCING");
    EXPECT_TRUE(material->IsInstanced());
    EXPECT_STREQ(material->GetShaderName(), "MAT_texquad.fx");
    EXPECT_NE(material->GetBindedShader(), ProxyShader());
    EXPECT_FALSE(LogHas("errors while parsing material script"));

    // Translucent wins over additive; two-sided over back-sided.
    material->ApplyToShader(nullptr);
    const MaterialStates* states = material->GetStateBlock();
    ASSERT_TRUE(states);
    EXPECT_EQ(states->blend.source, gfx::BlendFactor::SrcAlpha);
    EXPECT_EQ(states->blend.destination, gfx::BlendFactor::InvSrcAlpha);
    EXPECT_EQ(states->cull, gfx::CullMode::None);
    // Cached: the same material, not filled again.
    EXPECT_EQ(Mats()->CreateMaterialFromFile("STONE.mat"), material);
}

TEST_F(MaterialTest, ScriptErrorsGiveTheirLines)
{
    struct Case
    {
        const char* what;
        const char* body; // inside Material = { ... }
        std::vector<const char*> lines;
        bool proxyShader;
    };
    const char* noTechnique = "WARNING: Technique for material is not specified";
    const Case cases[] = {
        {"surface",
         "Surface = 3, Technique = \"MAT_texquad.fx\"",
         {"SYNTAX_ERROR: Surface should be specified as <string>"},
         false},
        {"flags", "Flags = 4", {"SYNTAX_ERROR: Material flags should be specified as <array>", noTechnique}, true},
        {"flag element",
         "Flags = { MF_UNLIT, \"x\" }",
         {"SYNTAX_ERROR: One of material flags is not a number", noTechnique},
         true},
        {"flag beyond a flag word",
         "Flags = { 0/0, 1e300, -1 }",
         {"SYNTAX_ERROR: One of material flags is not a number", "SYNTAX_ERROR: One of material flags is not a number",
          "SYNTAX_ERROR: One of material flags is not a number", noTechnique},
         true},
        {"maps", "Maps = \"a.dds\"", {"SYNTAX_ERROR: Material maps should be specified as <array>", noTechnique}, true},
        {"maps array",
         "Maps = { \"a.dds\" }",
         {"SYNTAX_ERROR: Material maps cannot be represented as <array>", noTechnique},
         true},
        {"map value",
         "Maps = { BASE_MAP = 5 }",
         {"SYNTAX_ERROR: Material maps can be specified only as string parameters!", noTechnique},
         true},
        {"params", "Params = 1", {"SYNTAX_ERROR: Material params should be specified as <table>", noTechnique}, true},
        {"params array",
         "Params = { 1, 2 }",
         {"SYNTAX_ERROR: Material params cannot be represented as <array>", noTechnique},
         true},
        {"colour",
         "Params = { C = { 1, 2, \"x\", 4 } }",
         {"SYNTAX_ERROR: One of color components of \"C\" is not a number",
          "SYNTAX_ERROR: Unknown parameter type \"C\"", noTechnique},
         true},
        {"vector",
         "Params = { V = { 1, \"y\", 3 } }",
         {"SYNTAX_ERROR: One of vector components of \"V\" is not a number", noTechnique},
         true},
        {"unknown param",
         "Params = { S = \"text\" }",
         {"SYNTAX_ERROR: Unknown parameter type \"S\"", noTechnique},
         true},
        {"shader flags",
         "ShaderFlags = \"FOG\"",
         {"SYNTAX_ERROR: Shader flags should be specified as <array>", noTechnique},
         true},
        {"empty shader flags",
         "ShaderFlags = {}",
         {"SYNTAX_ERROR: Material shader flags should be represented as <array>", noTechnique},
         true},
        {"shader flag element",
         "ShaderFlags = { 1 }",
         {"SYNTAX_ERROR: One of material shader flags is not a string", noTechnique},
         true},
        {"other type",
         "Technique = \"PP_glow.fx\"",
         {"LOOKUP_ERROR: Shader \"PP_glow.fx\" is not a material shader. Use proxy shader"},
         true},
        {"not loaded",
         "Technique = \"MAT_nothing.fx\"",
         {"LOOKUP_ERROR: Shader \"MAT_nothing.fx\" not found in ShaderLib"},
         true},
        {"technique type", "Technique = 7", {"SYNTAX_ERROR: Technique should be specified as <string>"}, true},
        {"no technique", "", {noTechnique}, true},
    };
    int index = 0;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        const std::string file = "case" + std::to_string(index++) + ".mat";
        WriteScript(file, std::string("Material = { ") + c.body + " }\n");
        LogLines().clear();
        Material* material = Mats()->CreateMaterialFromFile(file.c_str());
        std::string expected;
        for (const char* line : c.lines)
            expected += std::string(line) + "\n";
        EXPECT_EQ(material->GetErrorText(), expected);
        EXPECT_TRUE(LogHas("There were some errors while parsing material script \"" + file + "\":"));
        EXPECT_TRUE(LogHas(expected));
        EXPECT_EQ(material->GetBindedShader() == ProxyShader(), c.proxyShader);
        EXPECT_TRUE(material->IsInitialized());
    }
}

TEST_F(MaterialTest, FailuresFallBackToTheProxy)
{
    // A missing file: a material that looks like "$proxy", under the asked name.
    Material* missing = Mats()->CreateMaterialFromFile("missing.mat");
    EXPECT_TRUE(missing->IsInitialized());
    EXPECT_EQ(missing->GetBindedShader(), ProxyShader());
    EXPECT_EQ(missing->FindValue("BASE_MAP")->texture, Mgr()->GetMaterialProxyTexture());
    EXPECT_EQ(Mats()->CreateMaterialFromFile("missing.mat"), missing);

    // A script that does not run keeps nothing and takes the proxy shader.
    WriteScript("broken.mat", "Material = { Flags = { \n");
    Material* broken = Mats()->CreateMaterialFromFile("broken.mat");
    EXPECT_EQ(broken->GetBindedShader(), ProxyShader());

    // An unknown shader name never binds the invalid handle.
    Material* coded = Mats()->CreateMaterial("coded");
    EXPECT_FALSE(coded->IsInitialized());
    coded->BindShaderEx("MAT_nothing.fx", nullptr);
    EXPECT_EQ(coded->GetBindedShader(), ProxyShader());
    EXPECT_TRUE(Mats()->CreateMaterial("$coded")->IsInitialized());
}

TEST_F(MaterialTest, FrameBufferReadersAreKnownOnceBound)
{
    Material* material = Mats()->CreateMaterial("reader");
    material->AddTexture("BASE_MAP", Mgr()->GetFrameBufferTexture());
    EXPECT_FALSE(material->NeedsFrameBuffer());
    material->BindShaderEx("MAT_texquad.fx", nullptr);
    EXPECT_TRUE(material->NeedsFrameBuffer());
}

TEST_F(MaterialTest, StatesFollowFlagsAndSurviveAReset)
{
    Material* material = Mats()->CreateMaterial("states");
    material->BindShaderEx("MAT_texquad.fx", nullptr);
    material->MaterialFlags() = Flags(MF_NOZCULL | MF_NOZWRITE | MF_ADDITIVE | MF_BACK_SIDED | MF_WIREFRAME);
    material->ApplyToShader(nullptr);
    const MaterialStates* states = material->GetStateBlock();
    ASSERT_TRUE(states);
    EXPECT_FALSE(states->depthTest);
    EXPECT_FALSE(states->depthWrite);
    EXPECT_EQ(states->blend.source, gfx::BlendFactor::One);
    EXPECT_EQ(states->blend.destination, gfx::BlendFactor::One);
    EXPECT_EQ(states->cull, gfx::CullMode::Ccw);
    EXPECT_EQ(states->fill, gfx::FillMode::Wireframe);

    ASSERT_TRUE(_system->RestartSystem());
    // Recorded again with the standard states; the flags are turned into states on the next apply.
    ASSERT_TRUE(material->GetStateBlock());
    EXPECT_TRUE(material->GetStateBlock()->depthTest);
    material->ApplyToShader(nullptr);
    EXPECT_FALSE(material->GetStateBlock()->depthTest);
}

TEST_F(MaterialTest, TexturedQuadShowsTheTexturePixels)
{
    // Left half red, right half blue, as a DXT1 file.
    Image image(8, 8);
    for (unsigned y = 0; y < 8; ++y)
        for (unsigned x = 0; x < 8; ++x)
            image.At(x, y) = x < 4 ? 0xFFFF0000 : 0xFF0000FF;
    DdsWriteOptions options;
    options.pixels = DdsPixels::Dxt1;
    WriteTextureFile("halves.dds", WriteDds(image, options));
    WriteScript("quad.mat", "Material = { Flags = { MF_TWO_SIDED, MF_NOZCULL }, Maps = { BASE_MAP = \"halves.dds\" }, "
                            "Technique = \"MAT_texquad.fx\" }\n");
    Material* material = Mats()->CreateMaterialFromFile("quad.mat");
    ASSERT_NE(material->GetBindedShader(), ProxyShader());

    ClearBackBuffer(0xFF00FF00);
    DrawQuad(material);
    EXPECT_EQ(Pixel(40, 120), 0xFF0000u);
    EXPECT_EQ(Pixel(280, 120), 0x0000FFu);
}

TEST_F(MaterialTest, StateBlockIsReplayedOnEveryApply)
{
    Texture* halfRed = Mgr()->CreateSolidTexture("halfred", 2, 2, 0x80FF0000);
    auto make = [&](const char* name, unsigned flags) {
        Material* material = Mats()->CreateMaterial(name);
        material->AddTexture("BASE_MAP", halfRed);
        material->BindShaderEx("MAT_texquad.fx", nullptr);
        material->MaterialFlags() = Flags(flags);
        return material;
    };
    Material* glass = make("glass", MF_TRANSLUCENT | MF_TWO_SIDED | MF_NOZCULL);
    Material* solid = make("solid", MF_TWO_SIDED | MF_NOZCULL);
    // Half red over blue.
    auto expectBlended = [&] {
        const uint32_t pixel = Pixel(10, 10);
        EXPECT_NEAR(int(pixel >> 16), 0x80, 1);
        EXPECT_NEAR(int(pixel & 0xFF), 0x7F, 1);
    };

    ClearBackBuffer(0xFF0000FF);
    DrawQuad(glass);
    expectBlended();

    // Unchanged flags: the recorded states are put back over whatever the device had.
    _system->GetDevice()->SetBlend({false, gfx::BlendFactor::One, gfx::BlendFactor::Zero, gfx::BlendOp::Add});
    ClearBackBuffer(0xFF0000FF);
    DrawQuad(glass);
    expectBlended();

    // Every block holds the standard states, so the next material undoes the blending.
    DrawQuad(solid);
    EXPECT_EQ(Pixel(10, 10), 0xFF0000u);
}

Material* SolidMaterial(MaterialMgr* mats, TextureMgr* textures, const char* name, uint32_t color, unsigned flags)
{
    Material* material = mats->CreateMaterial(name);
    material->AddTexture("BASE_MAP", textures->CreateSolidTexture(name, 2, 2, color));
    material->BindShaderEx("MAT_texquad.fx", nullptr);
    material->MaterialFlags() = Flags(flags);
    return material;
}

TEST_F(MaterialTest, ScreenAlignedQuadCoversItsFixedCorners)
{
    // Its corners are (-0.5, -0.5) and (2, 2) in clip space: the right three quarters and the
    // top three quarters of the screen.
    Material* red = SolidMaterial(Mats(), Mgr(), "red", 0xFFFF0000, MF_TWO_SIDED | MF_NOZCULL);
    ClearBackBuffer(0xFF000000);
    _system->RenderScreenAlignedQuad(red);
    EXPECT_EQ(Pixel(300, 10), 0xFF0000u);
    EXPECT_EQ(Pixel(81, 179), 0xFF0000u);
    EXPECT_EQ(Pixel(78, 100), 0u);
    EXPECT_EQ(Pixel(200, 181), 0u);
}

TEST_F(MaterialTest, RenderAndDepthTargetsReachTheBackBufferThroughACopy)
{
    TextureDesc colour;
    colour.kind = TEXKIND_RENDERTARGET;
    colour.width = 320;
    colour.height = 240;
    Texture* target = Mgr()->CreateTexture("target", colour);
    TextureDesc depthDesc = colour;
    depthDesc.kind = TEXKIND_DEPTHSTENCIL;
    Texture* depth = Mgr()->CreateTexture("depth", depthDesc);
    Material* red = SolidMaterial(Mats(), Mgr(), "red", 0xFFFF0000, MF_TWO_SIDED);

    // The depth target holds the near plane, the device's own depth buffer the far plane.
    _system->SetRenderTarget(target, 0);
    _system->SetDepthTarget(depth);
    _system->ClearTarget(gfx::ClearDepth, 0, 0.0f);
    _system->SetDepthTarget(nullptr);
    _system->ClearTarget(gfx::ClearTarget | gfx::ClearDepth, 0xFF00FF00u, 1.0f);
    _system->SetDepthFunc(CMP_LESS);

    // Against the depth target the quad is hidden; against the device's it is drawn.
    const struct
    {
        Texture* depth;
        uint32_t quad;
    } passes[] = {{depth, 0x00FF00u}, {nullptr, 0xFF0000u}};
    for (const auto& pass : passes)
    {
        _system->SetRenderTarget(target, 0);
        _system->SetDepthTarget(pass.depth);
        _system->RenderScreenAlignedQuad(red);
        _system->SetBackBuffer();
        _system->ClearTarget(gfx::ClearTarget, 0xFF000000u, 1.0f);
        _system->CopyTexture(target, nullptr);
        EXPECT_EQ(Pixel(300, 10), pass.quad) << (pass.depth ? "depth target" : "device depth");
        EXPECT_EQ(Pixel(20, 230), 0x00FF00u) << "outside the quad";
    }
    _system->SetDepthFunc(CMP_LESSEQUAL);
}

} // namespace
