#pragma once

#include "DemoMeshes.h"

#include <vector>

namespace WeaponMeshes {

// The meshes of the weapons and explosions: the plasma bolt, rocket and torpedo bodies, the
// shock-wave rings and the wreckage chunks of ytg structures.
std::vector<DemoMesh> All();

} // namespace WeaponMeshes
