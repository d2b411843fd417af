#pragma once

#include <vector>

#include "ObjectPhysAssets.h"

namespace RacePhysAssets {

// The bodies of the race ships named by their types, and of the breakable parts of the large
// Ytg ships.
std::vector<ObjectPhysAssets::Asset> All();

} // namespace RacePhysAssets
