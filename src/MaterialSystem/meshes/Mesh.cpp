#include "MaterialSystem/meshes/Mesh.h"

#include "MaterialSystem/VertexBufferSet.h"
#include "MaterialSystem/VertexDecl.h"
#include "MaterialSystem/meshes/MeshRenderable.h"
#include "foundation/base/Dumper.h"

#include <cstring>

namespace {

// LODs of one format share a buffer range, one after the other.
struct LodGroup
{
    uint32_t format = 0;
    uint64_t vertices = 0;
    uint64_t indices = 0;
    VertexBuffer* buffer = nullptr;
    uint32_t nextVertex = 0;
    uint32_t nextIndex = 0;
};

} // namespace

Mesh::Mesh(const ResourceInfo& info, const MeshDesc& desc, const MeshLayout& layout, eStreamUsage usage,
           VertexBufferSet* pool, gfx::Device* device)
    : IResource(info), _radius(desc.radius), _bounds(desc.bounds), _format(desc.format),
      _totalVertices(desc.totalVertices), _totalIndices(desc.totalIndices), _materialCount(desc.materialCount),
      _lodCount(desc.lodCount), _strip(desc.strip), _pool(pool)
{
    std::memcpy(_materialNames, desc.materials, sizeof(_materialNames));
    std::vector<LodGroup> groups;
    unsigned groupOf[MeshDesc::MaxLods] = {};
    for (unsigned l = 0; l < _lodCount; ++l)
    {
        const MeshLodLayout& lod = layout[l];
        unsigned g = 0;
        while (g < groups.size() && groups[g].format != lod.format)
            ++g;
        if (g == groups.size())
            groups.push_back(LodGroup{lod.format});
        groups[g].vertices += lod.vertexCount;
        groups[g].indices += lod.indexCount;
        groupOf[l] = g;
    }
    for (LodGroup& group : groups)
    {
        const auto vertices = static_cast<unsigned>(group.vertices);
        const auto indices = static_cast<unsigned>(group.indices);
        group.buffer = pool->QuerySuitableBuffer(usage, group.format, vertices, indices);
        if (!group.buffer || !group.buffer->Reserve(vertices, indices, group.nextVertex, group.nextIndex))
        {
            group.buffer = nullptr;
            _placed = false;
            continue;
        }
        _ranges.push_back({group.buffer, group.nextVertex, vertices, group.nextIndex, indices});
    }
    for (unsigned l = 0; l < _lodCount; ++l)
    {
        const MeshLodLayout& lod = layout[l];
        LodGroup& group = groups[groupOf[l]];
        LodBindingDesc& binding = _lods[l];
        binding.firstVertex = group.nextVertex;
        binding.firstIndex = group.nextIndex;
        binding.vertexCount = lod.vertexCount;
        binding.indexCount = lod.indexCount;
        binding.format = lod.format;
        binding.buffer = group.buffer;
        group.nextVertex += lod.vertexCount;
        group.nextIndex += lod.indexCount;

        for (size_t s = 0; s < lod.subMeshes.size(); ++s)
        {
            MeshMaterial record;
            record.desc = lod.subMeshes[s];
            record.binding.baseVertex = static_cast<int32_t>(binding.firstVertex);
            record.binding.startIndex = binding.firstIndex + lod.subMeshFirstIndex[s];
            record.binding.buffer = binding.buffer;
            record.binding.AcquireDeclaration(lod.format, device);
            _subMeshes[l].push_back(record);
        }
    }
}

Mesh::Mesh(const Mesh& other, const ResourceInfo& info) : Mesh(other)
{
    _info = info;
    _builder = VertexIndexBuilder();
    _ranges.clear(); // the geometry stays the other mesh's
}

Mesh::~Mesh()
{
    for (const Range& range : _ranges)
        _pool->Release(range.buffer, range.firstVertex, range.vertices, range.firstIndex, range.indices);
}

void Mesh::SetDefaultMaterial(unsigned index, Material* material)
{
    if (index < MeshDesc::MaxMaterials)
        _materials[index] = material;
}

void* Mesh::LockVertices(unsigned lod, unsigned count)
{
    const LodBindingDesc& binding = _lods[ClampLod(lod)];
    if (!binding.buffer || binding.vertexCount == 0)
        return nullptr;
    if (count > binding.vertexCount)
        count = binding.vertexCount;
    if (!binding.buffer->ModifyVertices(binding.firstVertex, count, _builder))
        return nullptr;
    return _builder.GetBaseVertex();
}

void Mesh::UnlockVertices(unsigned lod)
{
    if (VertexBuffer* buffer = _lods[ClampLod(lod)].buffer)
        buffer->UnlockVertices(_builder);
}

unsigned short* Mesh::LockIndices(unsigned lod, unsigned subMesh, unsigned count)
{
    lod = ClampLod(lod);
    const LodBindingDesc& binding = _lods[lod];
    if (!binding.buffer)
        return nullptr;
    uint32_t first = binding.firstIndex;
    uint32_t available = binding.indexCount;
    if (subMesh != All)
    {
        const MeshMaterial* record = GetSubMesh(lod, subMesh);
        if (!record)
        {
            Dumper::Instance().Print(DUMP_ERROR, "Mesh \"%s\": LOD %u has no sub-mesh %u\n", _info.name, lod, subMesh);
            return nullptr;
        }
        first = record->binding.startIndex;
        available = record->desc.GetIndexCount();
    }
    if (count > available)
        count = available;
    if (count == 0 || !binding.buffer->ModifyIndices(first, count, _builder))
        return nullptr;
    return _builder.GetBaseIndex();
}

void Mesh::UnlockIndices(unsigned lod)
{
    if (VertexBuffer* buffer = _lods[ClampLod(lod)].buffer)
        buffer->UnlockIndices(_builder);
}

unsigned Mesh::GetMaterialCount(unsigned lod) const { return static_cast<unsigned>(_subMeshes[ClampLod(lod)].size()); }

bool Mesh::IsLodInstanced(unsigned lod) const { return (_lods[ClampLod(lod)].format & VF_INSTANCE) != 0; }

const Mesh::MeshMaterial* Mesh::GetSubMesh(unsigned lod, unsigned subMesh) const
{
    const auto& records = _subMeshes[ClampLod(lod)];
    return subMesh < records.size() ? &records[subMesh] : nullptr;
}

MeshRenderable* Mesh::CreateRenderable(unsigned lod, unsigned subMesh)
{
    const MeshMaterial* record = GetSubMesh(lod, subMesh);
    if (!record)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Mesh \"%s\": no sub-mesh %u in LOD %u for a renderable\n", _info.name,
                                 subMesh, ClampLod(lod));
        return nullptr;
    }
    return new MeshRenderable(this, record->desc, record->binding);
}

void Mesh::DestroyRenderable(MeshRenderable* renderable) { delete renderable; }
