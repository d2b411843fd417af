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

// A body of one box of the half extents about the centre, in the file "<name>.mdl".
Asset Block(const std::string& name, const Vec3& half, const Vec3& centre = Vec3(0, 0, 0));
// A body of one sphere, named after the file.
Asset Ball(const std::string& file, float radius);

// The bodies of the world objects, of their breakable parts and of the station shields.
std::vector<Asset> All();

} // namespace ObjectPhysAssets
