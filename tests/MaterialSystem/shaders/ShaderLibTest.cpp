#include "ShaderFixture.h"

#include "MaterialSystem/shaders/ShaderUsageFlags.h"
#include "foundation/base/Dumper.h"
#include "platform/effect/Effect.h"
#include "platform/gfx/Buffer.h"
#include "platform/gfx/Texture.h"

#include <cstring>

namespace {

const std::string kGameShaderRoot =
    (std::filesystem::path(TEST_DATA_DIR) / ".." / ".." / "data" / "shaderlib").lexically_normal().string();

// Draws a flat colour: red without flags, green with USE_GREEN; a "Dummy" technique first and
// a "Restore" pass that puts every colour channel back.
const char* kVariantShader = R"(#include "SharedParams"
technique Dummy { pass p { ZEnable = false; } }
vertex vs {
    layout(location = GFX_LOC_POSITION) in vec3 inPosition;
    void main() { gl_Position = vec4(inPosition, 1.0); }
}
fragment fs {
    void main() {
#ifdef USE_GREEN
        fx_Target0 = vec4(0.0, 1.0, 0.0, 1.0);
#else
        fx_Target0 = vec4(1.0, 0.0, 0.0, 1.0);
#endif
    }
}
technique Flat {
    pass p0 { VertexShader = vs; FragmentShader = fs; ColorWriteEnable = Red|Green|Alpha; }
    pass Restore { ColorWriteEnable = All; }
}
)";

} // namespace

// Every effect of the game's library compiles and has a technique to run, with the variants
// the scene asks for; the log carries the validation lines.
TEST_F(ShaderLibTest, GameLibraryPrecachesAndValidates)
{
    ShaderLib* library = Init(kGameShaderRoot);
    ASSERT_TRUE(library->GetProxyShader());
    EXPECT_NE(library->GetWorldInstancesHandle(), fx::kNoHandle);
    EXPECT_TRUE(library->PrecacheShaders());
    library->ValidateShaders(&Dumper::Instance());
    EXPECT_TRUE(LogHas("\t  Shader \"inc_sharedparams.fx\": Include shaders dont't need validation\n"));
    EXPECT_TRUE(LogHas("\t  Shader \"mat_screenquadflash.fx\": Valid technique found <ScreenQuadFlash>\n"));
    EXPECT_TRUE(LogHas("\t  Shader \"$proxy\": Valid technique found <SimpleDiffuseMapAndDirectionalLight>\n"));
    EXPECT_TRUE(LogHas("All render shaders were successfully validated!\n"));
    EXPECT_FALSE(LogHas("There were some errors"));

    for (const char* name : {"MAT_ScreenQuadFlash.fx", "SYS_DeferredShading.fx", "SYS_OmniShape.fx", "SYS_SpotShape.fx",
                             "PP_Antialias.fx", "PP_DownSampler.fx", "PP_Bloor.fx", "PP_BloomColorKey.fx", "PP_Glow.fx",
                             "PP_MotionBloor.fx", "MAT_Diffuse.fx"})
    {
        Shader* shader = library->FindOptimalShader(name, nullptr);
        ASSERT_NE(shader, reinterpret_cast<Shader*>(INVALID_RES_HANDLE)) << name;
        EXPECT_NE(shader, library->GetProxyShader()) << name;
        EXPECT_TRUE(shader->GetDefaultParams()) << name;
    }
    const std::pair<const char*, const char*> variants[] = {{"SYS_DeferredShading.fx", "DIRECTIONAL_LIGHTING"},
                                                            {"SYS_DeferredShading.fx", "OMNI_LIGHTING"},
                                                            {"SYS_DeferredShading.fx", "SPOT_LIGHTING"},
                                                            {"MAT_Diffuse.fx", "USE_INSTANCING"},
                                                            {"MAT_Diffuse.fx", "USE_DEFERRED"}};
    for (const auto& [name, flag] : variants)
    {
        ShaderUsageFlags flags;
        flags.Add(flag);
        Shader* variant = library->FindOptimalShader(name, &flags);
        EXPECT_NE(variant, library->GetProxyShader()) << name << " " << flag;
        EXPECT_NE(variant, library->FindOptimalShader(name, nullptr)) << name << " " << flag;
        EXPECT_EQ(variant, library->FindOptimalShader(name, &flags)) << "a variant is compiled once";
        EXPECT_EQ(variant->UsesDeferredShading(), std::string(flag) == "USE_DEFERRED") << name << " " << flag;
    }
}

// A syntax error is logged with its file and line; the shader stays loaded without an effect,
// and whoever asks for it (or a variant of it) gets the proxy shader, every time.
TEST_F(ShaderLibTest, BrokenShaderGivesFileLineAndProxy)
{
    WriteShader("mat_broken.fx",
                "#include \"SharedParams\"\nvertex vs {\n  void main() { gl_Position = vec4(0.0) }\n}\n"
                "fragment fs { void main() { fx_Target0 = vec4(1.0); } }\n"
                "technique t { pass p { VertexShader = vs; FragmentShader = fs; } }\n");
    WriteShader("mat_noinclude.fx", "#include \"Nowhere\"\ntechnique t { pass p { ZEnable = true; } }\n");
    const std::string longName = "mat_" + std::string(160, 'l') + ".fx";
    WriteShader(longName, "technique t { pass p { ZEnable = true; } }\n");
    ShaderLib* library = Init();
    library->PrecacheShaders();
    EXPECT_TRUE(LogHas("There were some errors while parsing shader script \"mat_broken.fx\"\n"));
    EXPECT_TRUE(LogHas("mat_broken.fx(3)"));
    EXPECT_TRUE(LogHas("#include directive is unable to compile - file not found \"INC_Nowhere.fx\"\n"));

    ShaderUsageFlags flags;
    flags.Add("USE_ANYTHING");
    for (int request = 0; request < 2; ++request)
    {
        EXPECT_EQ(library->FindOptimalShader("MAT_Broken.fx", nullptr), library->GetProxyShader());
        EXPECT_EQ(library->FindOptimalShader("mat_broken.fx", &flags), library->GetProxyShader());
        EXPECT_EQ(library->FindOptimalShader("MAT_NoInclude.fx", nullptr), library->GetProxyShader());
    }
    EXPECT_EQ(library->FindOptimalShader("MAT_Unknown.fx", nullptr), reinterpret_cast<Shader*>(INVALID_RES_HANDLE));
    EXPECT_EQ(library->FindOptimalShader("MAT_Unknown.fx", &flags), reinterpret_cast<Shader*>(INVALID_RES_HANDLE));
    EXPECT_TRUE(LogHas("Shader \"MAT_Unknown.fx\" is not in the shader library\n"));

    // A variant whose name and flags pass the room of a resource name is never filed under a
    // cut name (where the next request could not find it): the proxy stands in, every time.
    ASSERT_NE(library->FindOptimalShader(longName.c_str(), nullptr), reinterpret_cast<Shader*>(INVALID_RES_HANDLE));
    ShaderUsageFlags longFlags;
    longFlags.Add(("USE_" + std::string(90, 'F')).c_str());
    for (int request = 0; request < 2; ++request)
        EXPECT_EQ(library->FindOptimalShader(longName.c_str(), &longFlags), library->GetProxyShader());
    EXPECT_TRUE(LogHas("has too long a name: the proxy shader stands in"));

    library->ValidateShaders(&Dumper::Instance());
    EXPECT_TRUE(LogHas("\t  Shader \"mat_broken.fx\": Valid technique not found!\n"));
    EXPECT_TRUE(LogHas("Not all render shaders were validated properly, some runtime rendering errors may occur\n"));
}

// Variants with and without a flag draw differently; "Dummy" is passed over; the restore pass
// is not counted and runs at End.
TEST_F(ShaderLibTest, VariantsDummyAndRestore)
{
    WriteShader("mat_variant.fx", kVariantShader);
    WriteShader("mat_blue.fx", "vertex vs {\n layout(location = GFX_LOC_POSITION) in vec3 p;\n"
                               " void main() { gl_Position = vec4(p, 1.0); }\n}\n"
                               "fragment fs { void main() { fx_Target0 = vec4(0.0, 0.0, 1.0, 1.0); } }\n"
                               "technique t { pass p { VertexShader = vs; FragmentShader = fs; } }\n");
    ShaderLib* library = Init();
    library->PrecacheShaders();
    Shader* plain = library->FindOptimalShader("MAT_Variant.fx", nullptr);
    ASSERT_NE(plain, library->GetProxyShader());
    std::string technique;
    ASSERT_TRUE(plain->SelectFirstValidTechnique(&technique));
    EXPECT_EQ(technique, "Flat");
    EXPECT_EQ(plain->GetNumValidTechniques(), 2u);
    EXPECT_EQ(plain->GetNumPasses(), 1u);
    EXPECT_TRUE(plain->HasRestorePass());

    ShaderUsageFlags flags;
    flags.Add("USE_GREEN");
    Shader* green = library->FindOptimalShader("MAT_Variant.fx", &flags);
    ASSERT_NE(green, library->GetProxyShader());
    ASSERT_TRUE(green->SelectFirstValidTechnique(&technique));
    Shader* blue = library->FindOptimalShader("MAT_Blue.fx", nullptr);
    ASSERT_NE(blue, library->GetProxyShader());

    _device->Clear(gfx::ClearTarget, 0xFF0000FF);
    Draw(*green, Quad(), [] {});
    EXPECT_EQ(Pixel(5, 5), 0x00FFFFu) << "blue is masked by the pass";
    Draw(*plain, Quad(), [] {});
    EXPECT_EQ(Pixel(5, 5), 0xFF00FFu);
    // The restore pass put every channel back at End: a shader without states writes blue.
    Draw(*blue, Quad(), [] {});
    EXPECT_EQ(Pixel(5, 5), 0x0000FFu);
}

// System and post-process passes are drawn on the screen-aligned quad: four position-only
// vertices (-0.5, 2), (-0.5, -0.5), (2, 2), (2, -0.5) as a strip. The pass covers the whole
// target and reads its input with the top-left texel in the top-left corner.
TEST_F(ShaderLibTest, ScreenAlignedPassesCoverTheTarget)
{
    ShaderLib* library = Init(kGameShaderRoot);
    library->PrecacheShaders();
    Shader* glow = library->FindOptimalShader("PP_Glow.fx", nullptr);
    ASSERT_NE(glow, library->GetProxyShader());

    gfx::TextureDesc desc;
    desc.width = desc.height = 2;
    auto input = gfx::Texture::Create(*_device, desc);
    ASSERT_TRUE(input);
    const uint32_t texels[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
    ASSERT_TRUE(input->Upload(0, texels, sizeof(texels)));
    fx::Effect* effect = glow->GetD3DEffect();
    ASSERT_TRUE(effect->SetTexture(effect->GetParameterBySemantic("Glow_Map"), input.get()));

    const float corners[] = {-0.5f, 2.0f, 0.0f, -0.5f, -0.5f, 0.0f, 2.0f, 2.0f, 0.0f, 2.0f, -0.5f, 0.0f};
    auto buffer = gfx::Buffer::Create(*_device, gfx::BufferType::Vertex, gfx::BufferUsage::Static, sizeof(corners));
    ASSERT_TRUE(buffer);
    std::memcpy(buffer->Lock(0, sizeof(corners), gfx::LockNone), corners, sizeof(corners));
    buffer->Unlock();
    auto layout = gfx::VertexLayout::Create(*_device, {{0, gfx::VertexType::Float3, gfx::VertexUsage::Position, 0}});
    _device->SetVertexLayout(layout.get());
    _device->SetStreamSource(buffer.get(), 0, 12);
    const unsigned passes = glow->Begin(0);
    ASSERT_EQ(passes, 1u);
    glow->BeginPass(0);
    glow->ApplyChanges();
    _device->DrawPrimitive(gfx::PrimitiveType::TriangleStrip, 0, 2);
    glow->EndPass();
    glow->End();

    EXPECT_EQ(Pixel(1, 1), 0xFF0000u);
    EXPECT_EQ(Pixel(kSize - 2, 1), 0x00FF00u);
    EXPECT_EQ(Pixel(1, kSize - 2), 0x0000FFu);
    EXPECT_EQ(Pixel(kSize - 2, kSize - 2), 0xFFFFFFu);
}
