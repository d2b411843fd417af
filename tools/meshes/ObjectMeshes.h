#pragma once

#include "DemoMeshes.h"

#include <vector>

namespace ObjectMeshes {

// The meshes of the world objects: parts and modules, shields, the energy capsule, the Ytg sun
// and portal, and the comet's head.
std::vector<DemoMesh> All();

} // namespace ObjectMeshes
