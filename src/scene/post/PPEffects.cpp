#include "scene/post/PPEffects.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/shaders/ShaderParamsGlobal.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "foundation/config/VideoSettings.h"
#include "scene/RenderScene.h"

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

// The two blur steps of an effect go across, then down.
void SetBlurDirections(const PPEffect& effect)
{
    effect.GetPass(1).material->AddVector("BLOOR_DIRECTION", Vec3(1.0f, 0.0f, 0.0f));
    effect.GetPass(2).material->AddVector("BLOOR_DIRECTION", Vec3(0.0f, 1.0f, 0.0f));
}

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

int PPEffect_Blur::Initialize()
{
    Texture* first = NewTarget("$bloorBuffer1");
    Texture* second = NewTarget("$bloorBuffer2");
    const bool built = SetPass(0, "$pp_downSampler", first, false, kQuad, {{"FRAME_MAP", FrameBuffer(_materialSystem)}},
                               "PP_DownSampler.fx") &&
                       SetPass(1, "$pp_bloor1", second, false, kQuad, {{"bloor_MAP", first}}, "PP_Bloor.fx") &&
                       SetPass(2, "$pp_bloor2", first, true, kQuad, {{"bloor_MAP", second}}, "PP_Bloor.fx") &&
                       SetPass(3, "$pp_bloom", nullptr, false, kAdded, {{"bloor_MAP", first}}, "PP_BloomColorKey.fx");
    if (!built || !first || !second)
        return 0;
    SetBlurDirections(*this);
    return 1;
}

void PPEffect_Blur::Render()
{
    for (unsigned i = 0; i < 4; ++i)
        DrawPass(i);
}

int PPEffect_Glow::Initialize()
{
    Texture* first = NewTarget("$glowTextureBloor2");
    Texture* second = NewTarget("$glowTextureBloor1");
    const bool built = SetPass(0, "$pp_glow_bloor1", first, false, kQuad,
                               {{"FRAME_MAP", SceneTargets(_scene).material}}, "PP_DownSampler.fx") &&
                       SetPass(1, "$pp_glow_bloor2", second, false, kQuad, {{"bloor_MAP", first}}, "PP_Bloor.fx") &&
                       SetPass(2, "$pp_glow_bloor3", first, true, kQuad, {{"bloor_MAP", second}}, "PP_Bloor.fx") &&
                       SetPass(3, "$pp_glow", nullptr, false, kAdded, {{"GLOW_MAP", first}}, "PP_Glow.fx");
    if (!built || !first || !second)
        return 0;
    SetBlurDirections(*this);
    return 1;
}

void PPEffect_Glow::Render()
{
    for (unsigned i = 0; i < 4; ++i)
        DrawPass(i);
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
