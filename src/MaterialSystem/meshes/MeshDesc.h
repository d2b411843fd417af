#pragma once

#include "foundation/math/Bounds.h"

#include <cstddef>
#include <cstdint>
#include <string>

// One level of detail of a mesh file: its vertices are shared by its sub-meshes, and
// sub-mesh i draws primCounts[i] primitives with material i.
struct MeshLodDesc
{
    uint32_t vertexCount = 0;
    uint32_t subMeshCount = 0;
    uint32_t primCounts[16] = {};
};

// The description of a mesh, as a ".sms" file stores it after its two leading words, and as
// code hands it to MeshMgr::CreateMesh.
struct MeshDesc
{
    static constexpr unsigned MaxLods = 3;
    static constexpr unsigned MaxMaterials = 16;
    static constexpr unsigned NameSize = 32;
    static constexpr size_t FileHeaderSize = 788; // two words, then the description
    static constexpr size_t SerializedSize = 780;

    float radius = 0.0f;
    Bounds bounds;
    uint32_t format = 0;
    uint32_t totalVertices = 0;
    uint32_t totalIndices = 0;
    uint32_t materialCount = 0;
    uint32_t lodCount = 0;
    uint32_t strip = 0;
    char materials[MaxMaterials][NameSize] = {};
    MeshLodDesc lods[MaxLods];

    bool IsStrip() const { return strip != 0; }
    void SetMaterialName(unsigned index, const char* name);
};

// Indices one sub-mesh of `primitives` primitives takes, as a list or as a strip.
inline uint64_t SubMeshIndexCount(uint64_t primitives, bool strip) { return strip ? primitives + 2 : primitives * 3; }

// Reads the description out of a whole file header (FileHeaderSize bytes) and checks what the
// fixed arrays and the index width depend on: 1 to 3 LODs, at most 16 materials, every
// material name terminated within its field, 1 to 16 sub-meshes per LOD and no more than
// there are materials, a known non-empty vertex format. False with the reason in `error`.
bool ReadMeshHeader(const void* header, size_t size, MeshDesc& out, std::string& error);
// The same checks on a description made in code.
bool ValidateMeshDesc(const MeshDesc& desc, std::string& error);
