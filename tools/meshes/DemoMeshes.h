#pragma once

#include "SmsWriter.h"

#include <cstdint>
#include <string>
#include <vector>

// The demo meshes of the game data, each with the file name it is written under in meshes/.
struct DemoMesh
{
    std::string file;
    SmsMesh mesh;
};

namespace DemoMeshes {

// A list mesh of one material per sub-mesh (prims: per LOD, the triangles of each sub-mesh), its
// bounds and radius taken from the vertices.
SmsMesh ListMesh(std::vector<SmsLod> lods, std::vector<const char*> materials,
                 std::vector<std::vector<uint32_t>> prims);

SmsMesh Box();
SmsMesh Sphere();   // three LODs, one strip each
SmsMesh Asteroid(); // two flat-shaded LODs
SmsMesh Hull();     // one LOD of two sub-meshes: the hull and its exhaust glow

std::vector<DemoMesh> All();

} // namespace DemoMeshes
