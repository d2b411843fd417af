#include "scene/post/PPEffects.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/shaders/Shader.h"
#include "MaterialSystem/shaders/ShaderParamsGlobal.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/config/VideoSettings.h"
#include "foundation/math/Projection.h"
#include "platform/effect/Effect.h"
#include "scene/RenderScene.h"

#include <algorithm>
#include <cmath>

namespace {

// Material flags of the passes: no depth test or writes, then blended or added.
constexpr unsigned kQuad = 3;
constexpr unsigned kBlended = 7;
constexpr unsigned kAdded = 11;

struct Targets
{
    Texture* depth = nullptr;
    Texture* color = nullptr;
    Texture* normal = nullptr;
    Texture* material = nullptr;
};

Targets SceneTargets(const RenderScene* scene)
{
    Targets t;
    scene->GetMRTs(&t.depth, &t.color, &t.normal, &t.material);
    return t;
}

Texture* FrameBuffer(MaterialSystem* system) { return system->GetTextureMgr()->GetFrameBufferTexture(); }

} // namespace

int PPEffect_Antialias::Initialize()
{
    _active = _materialSystem->GetSettings()->Antialias != 0;
    if (!_active)
        return 1;
    const Targets t = SceneTargets(_scene);
    return SetPass(0, "$pp_antialias", nullptr, false, kQuad,
                   {{"FRAME_MAP", FrameBuffer(_materialSystem)}, {"NORMAL_MAP", t.normal}, {"DEPTH_MAP", t.depth}},
                   "PP_Antialias.fx");
}

void PPEffect_Antialias::Render()
{
    if (_active)
        DrawPass(0);
}

// Blur steps go across, then down.
int PPEffectBlurred::Build(const Names& names, Texture* input)
{
    Texture* first = NewTarget(names.targets[0]);
    Texture* second = NewTarget(names.targets[1]);
    const bool built =
        SetPass(0, names.materials[0], first, false, kQuad, {{"FRAME_MAP", input}}, "PP_DownSampler.fx") &&
        SetPass(1, names.materials[1], second, false, kQuad, {{"bloor_MAP", first}}, "PP_Bloor.fx") &&
        SetPass(2, names.materials[2], first, true, kQuad, {{"bloor_MAP", second}}, "PP_Bloor.fx") &&
        SetPass(3, names.materials[3], nullptr, false, kAdded, {{names.compositeInput, first}}, names.compositeShader);
    if (!built || !first || !second)
        return 0;
    GetPass(1).material->AddVector("BLOOR_DIRECTION", Vec3(1.0f, 0.0f, 0.0f));
    GetPass(2).material->AddVector("BLOOR_DIRECTION", Vec3(0.0f, 1.0f, 0.0f));
    return 1;
}

void PPEffectBlurred::Render()
{
    const unsigned composite = GetPassCount() - 1;
    for (unsigned i = 0; i < composite; ++i)
        DrawPass(i);
    // The composite would wait for the blurred target anyway: reading it back costs no more.
    Texture* blurred = GetPass(0).target;
    const VideoSettings* video = _materialSystem->GetSettings();
    if (!ReadTarget(blurred, _texels))
    {
        DrawPass(composite);
        return;
    }
    _adds.resize(_texels.size());
    MarkAdding(_texels, _adds);
    _regions.Build(_adds, blurred->GetWidth(), blurred->GetHeight(), unsigned(video->ScrWidth),
                   unsigned(video->ScrHeight));
    _materialSystem->SetBackBuffer();
    for (const PixelRect& rect : _regions.GetRects())
    {
        const Rect scissor = rect.ToRect();
        _materialSystem->SetScissors(false, &scissor);
        _materialSystem->RenderScreenAlignedQuad(GetPass(composite).material);
    }
    _materialSystem->SetScissors(false, nullptr);
}

int PPEffect_Blur::Initialize()
{
    const Names names{{"$pp_downSampler", "$pp_bloor1", "$pp_bloor2", "$pp_bloom"},
                      {"$bloorBuffer1", "$bloorBuffer2"},
                      "bloor_MAP",
                      "PP_BloomColorKey.fx"};
    return Build(names, FrameBuffer(_materialSystem));
}

// A bilinear sample's luminance is at most its brightest texel's, give or take the rounding of
// 8-bit filtering; a texel within a step of the threshold counts as bright. Luminance in
// thousandths of a step: 299 red + 587 green + 114 blue.
void PPEffect_Blur::MarkAdding(const std::vector<uint32_t>& texels, std::vector<uint8_t>& adds) const
{
    float threshold = 0.0f;
    const Shader* shader = GetPass(3).material->GetBindedShader();
    const fx::Effect* effect = shader ? shader->GetD3DEffect() : nullptr;
    if (!effect || !effect->GetValue(effect->GetParameterBySemantic("BLOOM_THRESHOLD"), &threshold, sizeof(threshold)))
    {
        std::fill(adds.begin(), adds.end(), 1);
        return;
    }
    const double limit = std::floor((double(threshold) - 1.0 / 255.0) * 255.0 * 1000.0);
    for (size_t i = 0; i < texels.size(); ++i)
    {
        const uint32_t t = texels[i];
        const int64_t luminance =
            299 * int64_t(t >> 16 & 0xFF) + 587 * int64_t(t >> 8 & 0xFF) + 114 * int64_t(t & 0xFF);
        adds[i] = double(luminance) > limit;
    }
}

int PPEffect_Glow::Initialize()
{
    const Names names{{"$pp_glow_bloor1", "$pp_glow_bloor2", "$pp_glow_bloor3", "$pp_glow"},
                      {"$glowTextureBloor2", "$glowTextureBloor1"},
                      "GLOW_MAP",
                      "PP_Glow.fx"};
    return Build(names, SceneTargets(_scene).material);
}

void PPEffect_Glow::MarkAdding(const std::vector<uint32_t>& texels, std::vector<uint8_t>& adds) const
{
    for (size_t i = 0; i < texels.size(); ++i)
        adds[i] = (texels[i] & 0xFFFFFFu) != 0;
}

void PPEffect_Glow::Render()
{
    if (_scene->DrewEmissive())
        PPEffectBlurred::Render();
}

int PPEffect_MotionBlur::Initialize()
{
    Texture* mask = _materialSystem->GetTextureMgr()->CreateTextureFromFile("pp_motionbloor_mask.dds");
    return SetPass(0, "$pp_motionbloor", nullptr, false, kBlended,
                   {{"FRAME_MAP", FrameBuffer(_materialSystem)}, {"MASK_MAP", mask}}, "PP_MotionBloor.fx");
}

void PPEffect_MotionBlur::Render()
{
    if (_scene->GetGlobals()->GetMotionBloorKoef() > 0.0f)
        DrawPass(0);
}
