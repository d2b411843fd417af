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
    for (unsigned i = 0; i < GetPassCount(); ++i)
        DrawPass(i);
}

int PPEffect_Blur::Initialize()
{
    const Names names{{"$pp_downSampler", "$pp_bloor1", "$pp_bloor2", "$pp_bloom"},
                      {"$bloorBuffer1", "$bloorBuffer2"},
                      "bloor_MAP",
                      "PP_BloomColorKey.fx"};
    return Build(names, FrameBuffer(_materialSystem));
}

int PPEffect_Glow::Initialize()
{
    const Names names{{"$pp_glow_bloor1", "$pp_glow_bloor2", "$pp_glow_bloor3", "$pp_glow"},
                      {"$glowTextureBloor2", "$glowTextureBloor1"},
                      "GLOW_MAP",
                      "PP_Glow.fx"};
    return Build(names, SceneTargets(_scene).material);
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
