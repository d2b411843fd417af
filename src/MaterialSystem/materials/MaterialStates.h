#pragma once

#include "platform/gfx/Device.h"

namespace fx {
class EffectPool;
}

// The render states a material sets: the standard states with those of its flags on top,
// recorded once and replayed on every apply (the material's state block). Alpha test,
// lighting and shading have no core-profile state: they go to the effects' pool.
struct MaterialStates
{
    bool depthTest = true;
    bool depthWrite = true;
    gfx::BlendState blend{false, gfx::BlendFactor::Zero, gfx::BlendFactor::Zero, gfx::BlendOp::Add};
    bool alphaTest = false;
    gfx::CmpFunc alphaFunc = gfx::CmpFunc::Greater;
    bool flatShading = false;
    gfx::FillMode fill = gfx::FillMode::Solid;
    gfx::CullMode cull = gfx::CullMode::Cw;
    bool lighting = true;

    bool operator==(const MaterialStates&) const = default;

    // The standard states, then those of each set flag.
    static MaterialStates FromFlags(unsigned flags);
    // Sets the states on the device, and alpha test, lighting and shading on the effects'
    // pool when given.
    void Apply(gfx::Device& device, fx::EffectPool* pool) const;
};
