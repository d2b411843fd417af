#pragma once
// The meshes of the race ships: fighter and cruiser hulls of the Blg, Rtb and Ytg, the breakable
// parts of the large Ytg ships, the Ytg fighter's wreck and shards, and the crystal chunks.
#include "DemoMeshes.h"

#include <vector>

namespace RaceMeshes {

std::vector<DemoMesh> All();

} // namespace RaceMeshes
