#include "MaterialSystem/materials/MaterialStates.h"

#include "MaterialSystem/materials/MaterialFlags.h"
#include "platform/effect/EffectPool.h"

namespace {

constexpr MaterialFlagName kFlagNames[] = {
    {"MF_NOZCULL", MF_NOZCULL},
    {"MF_NOZWRITE", MF_NOZWRITE},
    {"MF_TRANSLUCENT", MF_TRANSLUCENT},
    {"MF_ADDITIVE", MF_ADDITIVE},
    {"MF_ALPHA_MASKED", MF_ALPHA_MASKED},
    {"MF_UNLIT", MF_UNLIT},
    {"MF_FLAT", MF_FLAT},
    {"MF_BACK_SIDED", MF_BACK_SIDED},
    {"MF_TWO_SIDED", MF_TWO_SIDED},
    {"MF_WIREFRAME", MF_WIREFRAME},
    {"MF_SHADOW_CASTER", MF_SHADOW_CASTER},
    {"MF_SHADOW_RECEIVER", MF_SHADOW_RECEIVER},
    {"MF_GLOW", MF_GLOW},
    {"MF_DONT_APPLY_STDSTATEBLOCK", MF_DONT_APPLY_STDSTATEBLOCK},
    {"MF_NEED_FRESH_FRAMEBUFFER", MF_NEED_FRESH_FRAMEBUFFER},
};

} // namespace

const MaterialFlagName* GetMaterialFlagNames(unsigned& count)
{
    count = sizeof(kFlagNames) / sizeof(kFlagNames[0]);
    return kFlagNames;
}

MaterialStates MaterialStates::FromFlags(unsigned flags)
{
    MaterialStates states;
    if (flags & MF_NOZCULL)
        states.depthTest = false;
    if (flags & MF_NOZWRITE)
        states.depthWrite = false;
    if (flags & MF_TRANSLUCENT)
    {
        states.blend = {true, gfx::BlendFactor::SrcAlpha, gfx::BlendFactor::InvSrcAlpha, gfx::BlendOp::Add};
    }
    else if (flags & MF_ADDITIVE)
    {
        states.blend = {true, gfx::BlendFactor::One, gfx::BlendFactor::One, gfx::BlendOp::Add};
    }
    if (flags & MF_ALPHA_MASKED)
        states.alphaTest = true;
    if (flags & MF_UNLIT)
        states.lighting = false;
    if (flags & MF_FLAT)
        states.flatShading = true;
    if (flags & MF_TWO_SIDED)
    {
        states.cull = gfx::CullMode::None;
    }
    else if (flags & MF_BACK_SIDED)
    {
        states.cull = gfx::CullMode::Ccw;
    }
    if (flags & MF_WIREFRAME)
        states.fill = gfx::FillMode::Wireframe;
    return states;
}

void MaterialStates::Apply(gfx::Device& device, fx::EffectPool* pool) const
{
    device.SetDepthWrite(depthWrite);
    device.SetDepthTest(depthTest);
    device.SetBlend(blend);
    device.SetFillMode(fill);
    device.SetCullMode(cull);
    if (pool)
    {
        fx::AlphaTest test = pool->GetAlphaTest();
        test.enable = alphaTest;
        test.func = alphaFunc;
        pool->SetAlphaTest(test);
        pool->SetShading({lighting, flatShading});
    }
}
