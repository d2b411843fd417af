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

// Appends a flat triangle facing `outward`, fixing its winding so that it is front-facing
// (counter-clockwise on screen) when seen from that side.
void AddFace(SmsLod& lod, Vec3 a, Vec3 b, Vec3 c, const Vec3& outward);
// A list mesh of one material per sub-mesh (primitive counts per LOD and sub-mesh), bounds and
// radius from its vertices.
SmsMesh ListMesh(std::vector<SmsLod> lods, std::vector<const char*> materials,
                 std::vector<std::vector<uint32_t>> prims);

SmsMesh Box();
SmsMesh Sphere();   // three LODs, one strip each
SmsMesh Asteroid(); // two flat-shaded LODs
SmsMesh Hull();     // one LOD of two sub-meshes: the hull and its exhaust glow
// A flat-shaded rock of one LOD, its bumps picked by the seed.
SmsMesh Rock(float radius, unsigned seed, const char* material);
// The small rocks of the debris kinds (under "env/asteroids/"), that drift past the cockpit.
std::vector<DemoMesh> DebrisRocks();

std::vector<DemoMesh> All();

} // namespace DemoMeshes
