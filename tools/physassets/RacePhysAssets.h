#pragma once

#include <string>
#include <vector>

#include "services/physics/PhysicsAssetFormat.h"

namespace RacePhysAssets {

struct Asset
{
    std::string file;
    PhysicsAssetData data;
};

// The bodies of the race ships named by their types, and of the breakable parts of the large
// Ytg ships.
std::vector<Asset> All();

} // namespace RacePhysAssets
