#pragma once
// The meshes of the HUD's four radar models: thin glowing rings, spokes and ticks in the
// horizontal plane. radar1 is made a tenth of its size and the others a hundred times theirs,
// since the radar scales them by 10 and by 0.01.
#include "DemoMeshes.h"

namespace RadarMeshes {

std::vector<DemoMesh> All();

} // namespace RadarMeshes
