#pragma once

#include "services/physics/PhysicsAssetFormat.h"

#include <string>
#include <vector>

namespace WeaponPhysAssets {

struct Asset
{
    std::string file;
    PhysicsAssetData data;
};

// The bodies of rockets and torpedoes: one trigger sphere each, which reports the hulls it
// enters and passes through the sensor spheres of fighters and other rockets.
std::vector<Asset> All();

} // namespace WeaponPhysAssets
