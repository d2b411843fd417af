#pragma once
// The HUD radar's four models, "radar1.mod" .. "radar4.mod": each a bone with one render mesh
// of rings, spokes or ticks (tools/meshes' radar meshes).
#include "DemoModels.h"

namespace RadarModels {

std::vector<DemoModel> All();

} // namespace RadarModels
