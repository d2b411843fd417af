#pragma once

#include "DemoMeshes.h"

#include <vector>

namespace ObjectMeshes {

// The meshes of the world objects: the default energy shield and the energy capsule.
std::vector<DemoMesh> All();

} // namespace ObjectMeshes
