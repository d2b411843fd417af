#pragma once

#include "platform/effect/EffectDesc.h"
#include "platform/effect/EffectPool.h"
#include "platform/gfx/Device.h"

#include <optional>
#include <string>
#include <vector>

namespace fx {

// The render states one pass sets. Blend and stencil are set as whole groups: keys of a
// group that the pass does not name take their defaults.
struct PassStates
{
    std::optional<bool> depthTest, depthWrite;
    std::optional<gfx::CmpFunc> depthFunc;
    std::optional<gfx::BlendState> blend;
    std::optional<gfx::CullMode> cull;
    std::optional<gfx::FillMode> fill;
    std::optional<unsigned> colorWrite;
    std::optional<gfx::StencilState> stencil;
    std::optional<bool> alphaTest;
    std::optional<gfx::CmpFunc> alphaFunc;
    std::optional<unsigned> alphaReference;
};

// False with the name of the first unknown state or bad value in `error`.
bool ParsePassStates(const std::vector<StateAssign>& assigns, PassStates& out, std::string& error, int& errorLine);

} // namespace fx
