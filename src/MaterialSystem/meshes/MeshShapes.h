#pragma once

#include "MaterialSystem/meshes/MeshDesc.h"

#include <cstdint>
#include <vector>

// The meshes built in code, in the format position, normal, one texture coordinate set.
struct MeshVertex
{
    float position[3];
    float normal[3];
    float uv[2];
};

struct MeshGeometry
{
    std::vector<MeshVertex> vertices;
    std::vector<uint16_t> indices;
};

namespace MeshShapes {

constexpr uint32_t Format = 0x1009;

// A box of 6 faces with 4 vertices each, one list sub-mesh, material "$proxy".
MeshDesc BoxDesc(const Bounds& bounds);
MeshGeometry BoxGeometry(const Bounds& bounds);

// A sphere of LODs whose ring and segment counts are divided by (LOD + 1), each one strip with
// material "$proxy". False (the description untouched) when a LOD would have no ring or segment,
// or more vertices than 16-bit indices reach.
bool SphereDesc(unsigned rings, unsigned segments, float radius, unsigned lods, MeshDesc& out);
MeshGeometry SphereGeometry(unsigned rings, unsigned segments, float radius);

} // namespace MeshShapes
