#pragma once

#include "MaterialSystem/Renderable.h"
#include "MaterialSystem/meshes/MeshDesc.h"

#include <array>
#include <string>
#include <cstdint>
#include <vector>

class MaterialSystem;

// How a mesh description becomes geometry: the instancing options of the video settings,
// and per LOD the sub-mesh draw descriptions, the counts in the buffers and the bytes the
// file stores for it.
struct InstancingRules
{
    static constexpr unsigned MinBatchPrimitives = 50;

    bool useInstancing = false;
    unsigned primitiveThreshold = 200;
    const MaterialSystem* system = nullptr; // sizes the batches; none: one copy

    static InstancingRules From(const MaterialSystem* system);
    unsigned InstanceCount(uint32_t primitives, uint32_t format) const;
};

struct MeshLodLayout
{
    uint32_t format = 0;      // the mesh's format, with the instance bit when batched
    bool batched = false;     // turned into an instanced batch by the rules
    uint32_t instances = 1;   // copies of the file's vertices in the buffer
    uint32_t vertexCount = 0; // in the buffer, every copy
    uint32_t indexCount = 0;
    std::vector<RenderableDesc> subMeshes;
    std::vector<uint32_t> subMeshFirstIndex; // relative to the LOD's first index
    uint64_t fileVertexCount = 0;            // vertices the file stores
    uint32_t fileVertexSize = 0;
    uint64_t fileIndexCount = 0;

    uint64_t FileBytes() const { return fileVertexCount * fileVertexSize + fileIndexCount * 2; }
};

using MeshLayout = std::array<MeshLodLayout, MeshDesc::MaxLods>;

// Lays out the LODs of a validated description. False when a LOD cannot be addressed with
// 16-bit indices or its counts overflow.
bool LayoutMeshLods(const MeshDesc& desc, const InstancingRules& rules, MeshLayout& out, std::string& error);
