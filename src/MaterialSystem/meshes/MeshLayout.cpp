#include "MaterialSystem/meshes/MeshLayout.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/VertexDecl.h"
#include "foundation/base/Format.h"
#include "foundation/config/VideoSettings.h"

#include <algorithm>

namespace {

// Indices are 16-bit and relative to the LOD's first vertex.
constexpr uint64_t MaxLodVertices = 65536;

bool LodShouldBeInstanced(const MeshDesc& desc, const MeshLodDesc& lod, const InstancingRules& rules)
{
    if ((desc.format & VF_INSTANCE) || desc.IsStrip() || !rules.useInstancing || lod.subMeshCount != 1)
        return false;
    const uint32_t primitives = lod.primCounts[0];
    if (primitives <= InstancingRules::MinBatchPrimitives || primitives > rules.primitiveThreshold)
        return false;
    // Copies whose indices would not fit 16 bits stay a single copy.
    const uint64_t copies = rules.InstanceCount(primitives, desc.format | VF_INSTANCE);
    return copies * lod.vertexCount <= MaxLodVertices;
}

} // namespace

InstancingRules InstancingRules::From(const MaterialSystem* system)
{
    InstancingRules rules;
    rules.system = system;
    if (const VideoSettings* video = system ? system->GetSettings() : nullptr)
    {
        rules.useInstancing = video->UseInstancing;
        rules.primitiveThreshold = static_cast<unsigned>(std::max(video->InstancingPrimitiveThreshold, 0));
    }
    return rules;
}

unsigned InstancingRules::InstanceCount(uint32_t primitives, uint32_t format) const
{
    return system ? std::max(system->CalculateInstanceCount(primitives, format), 1u) : 1;
}

bool LayoutMeshLods(const MeshDesc& desc, const InstancingRules& rules, MeshLayout& out, std::string& error)
{
    out = MeshLayout();
    const uint32_t fileVertexSize = VertexDecl::QueryFormatSize(desc.format);
    for (unsigned l = 0; l < desc.lodCount; ++l)
    {
        const MeshLodDesc& lod = desc.lods[l];
        MeshLodLayout& layout = out[l];
        layout.batched = LodShouldBeInstanced(desc, lod, rules);
        layout.format = layout.batched ? desc.format | VF_INSTANCE : desc.format;
        layout.fileVertexSize = fileVertexSize;

        uint64_t vertices = lod.vertexCount;
        uint64_t indices = 0;
        uint64_t fileIndices = 0;
        for (unsigned s = 0; s < lod.subMeshCount; ++s)
        {
            RenderableDesc record;
            record.format = layout.format;
            record.primType = desc.IsStrip() ? gfx::PrimitiveType::TriangleStrip : gfx::PrimitiveType::TriangleList;
            record.primCount = lod.primCounts[s];
            record.vertexCount = lod.vertexCount;
            record.instances = rules.InstanceCount(record.primCount, layout.format);
            const uint64_t perCopy = SubMeshIndexCount(record.primCount, desc.IsStrip());
            layout.subMeshFirstIndex.push_back(static_cast<uint32_t>(std::min<uint64_t>(indices, UINT32_MAX)));
            indices += perCopy * record.instances;
            fileIndices += perCopy;
            // Every record of the LOD shares its vertices: the LOD holds the most copies any asks.
            vertices = std::max(vertices, uint64_t(lod.vertexCount) * record.instances);
            layout.instances = std::max(layout.instances, record.instances);
            layout.subMeshes.push_back(record);
        }
        if (vertices > MaxLodVertices || indices > UINT32_MAX)
        {
            error = Format("LOD %u needs %llu vertices and %llu indices (at most %llu vertices)", l,
                           static_cast<unsigned long long>(vertices), static_cast<unsigned long long>(indices),
                           static_cast<unsigned long long>(MaxLodVertices));
            return false;
        }
        layout.vertexCount = static_cast<uint32_t>(vertices);
        layout.indexCount = static_cast<uint32_t>(indices);
        // A batch is stored once; a format that already carries the instance index stores every copy.
        layout.fileVertexCount = layout.batched ? lod.vertexCount : vertices;
        layout.fileIndexCount = layout.batched ? fileIndices : indices;
    }
    return true;
}
