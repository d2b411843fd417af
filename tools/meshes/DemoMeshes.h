#pragma once

#include "SmsWriter.h"

#include <string>
#include <vector>

// The demo meshes of the game data, each with the file name it is written under in meshes/.
struct DemoMesh
{
    std::string file;
    SmsMesh mesh;
};

namespace DemoMeshes {

SmsMesh Box();
SmsMesh Sphere();   // three LODs, one strip each
SmsMesh Asteroid(); // two flat-shaded LODs
SmsMesh Hull();     // one LOD of two sub-meshes: the hull and its exhaust glow

std::vector<DemoMesh> All();

} // namespace DemoMeshes
