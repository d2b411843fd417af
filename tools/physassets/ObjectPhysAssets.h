#pragma once

#include <string>
#include <vector>

#include "services/physics/PhysicsAssetFormat.h"

namespace ObjectPhysAssets {

struct Asset
{
    std::string file;
    PhysicsAssetData data;
};

// The bodies of the world objects, of their breakable parts and of the station shields.
std::vector<Asset> All();

} // namespace ObjectPhysAssets
