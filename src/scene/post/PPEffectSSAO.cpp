#include "scene/post/PPEffectSSAO.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/textures/Texture.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/config/VideoSettings.h"
#include "scene/RenderScene.h"

namespace {

constexpr unsigned kQuad = 3; // no depth test or writes
constexpr unsigned kClearColor = 1;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

} // namespace

int PPEffect_SSAO::Initialize()
{
    TextureMgr* textures = _materialSystem->GetTextureMgr();
    TextureDesc half;
    half.kind = TEXKIND_RENDERTARGET;
    half.format = TEXFMT_R32F;
    half.width = half.height = 50;
    half.screenRelative = 1;
    Texture* nearDepth = textures->CreateTexture("$downsampled_DB", half);
    if (!nearDepth->GetTexHandle())
    {
        textures->DestroyTexture(nearDepth);
        return 0;
    }
    // The openness at the screen's size, as the video settings give it.
    const VideoSettings* video = _materialSystem->GetSettings();
    TextureDesc full;
    full.kind = TEXKIND_RENDERTARGET;
    full.format = TEXFMT_A8R8G8B8;
    full.width = video ? static_cast<uint32_t>(video->ScrWidth) : 0;
    full.height = video ? static_cast<uint32_t>(video->ScrHeight) : 0;
    Texture* openness = textures->CreateTexture("$SSAO_without_blur", full);

    Texture *depth = nullptr, *emissive = nullptr;
    _scene->GetMRTs(&depth, nullptr, nullptr, &emissive);
    Texture* randomNormals = textures->CreateTextureFromFile("pp_SSAO_RandomNormals4x4MIPs.dds");
    // Every pass takes its target, so that the effect releases both targets whatever fails.
    bool built = SetPass(0, "$SSAO_downsample_DB", nearDepth, false, kQuad, {{"DEPTH_MAP", depth}},
                         "PP_SSAO_Pass0_DownsampleDB.fx");
    built &= SetPass(1, "$SSAO_core", openness, false, kQuad,
                     {{"DEPTH_MAP", depth}, {"DEPTH_DS_MAP", nearDepth}, {"RANDNORMALS4X4_MAP", randomNormals}},
                     "PP_SSAO_Pass1_CoreAlg.fx");
    built &= SetPass(2, "$SSAO_final_pass", nullptr, false, kQuad,
                     {{"DEPTH_MAP", depth},
                      {"SSAO_WO_BLUR_MAP", openness},
                      {"FRAME_MAP", textures->GetFrameBufferTexture()},
                      {"EMISSIVE_MAP", emissive}},
                     "PP_SSAO_Pass2_BlurFinal.fx");
    return built && openness->GetTexHandle() ? 1 : 0;
}

void PPEffect_SSAO::Render()
{
    for (unsigned i = 0; i < GetPassCount(); ++i)
    {
        const PPPass& pass = GetPass(i);
        if (pass.target)
            _materialSystem->SetRenderTarget(pass.target, 0);
        else
            _materialSystem->SetBackBuffer();
        _materialSystem->ClearTarget(kClearColor, kWhite, 1.0f);
        _materialSystem->RenderScreenAlignedQuad(pass.material);
    }
}
