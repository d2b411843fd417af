#pragma once

#include "DemoMeshes.h"

#include <vector>

// The hangar's meshes: the hall around the camera, and the pieces its ship models are built of
// (blocks, barrels, domes and drive nozzles in bare metal; wing plates and weapon pods in the
// plating of each race).
namespace HangarMeshes {

std::vector<DemoMesh> All();

} // namespace HangarMeshes
