#pragma once

#include "MaterialSystem/Renderable.h"
#include "MaterialSystem/VertexBuffer.h"
#include "MaterialSystem/VertexDecl.h"
#include "MaterialSystem/VertexIndexBuilder.h"
#include "MaterialSystem/meshes/MeshDesc.h"
#include "MaterialSystem/meshes/MeshLayout.h"
#include "ResourceSystem/IResource.h"

#include <cstdint>
#include <vector>

class Material;
class MeshRenderable;
class VertexBufferSet;
namespace gfx {
class Device;
}

// A static mesh of up to three LODs, each a list of sub-meshes (one per material) sharing the
// LOD's vertices. The geometry lives in ranges of the manager's shared buffers, reserved when
// the mesh is built, filled through LockVertices / LockIndices and given back when it goes.
class Mesh : public IResource
{
public:
    static constexpr unsigned All = 0xFFFFFFFFu;

    // One sub-mesh: what to draw and where its geometry is.
    struct MeshMaterial
    {
        RenderableDesc desc;
        StreamBinding binding;
    };

    // Where one LOD lives in its buffer, after instancing.
    struct LodBindingDesc
    {
        uint32_t firstVertex = 0;
        uint32_t firstIndex = 0;
        uint32_t vertexCount = 0;
        uint32_t indexCount = 0;
        uint32_t format = 0;
        VertexBuffer* buffer = nullptr;
    };

    // Reserves the geometry of a validated, laid-out description in the pool's buffers; see
    // IsPlaced for whether the pool had room.
    Mesh(const ResourceInfo& info, const MeshDesc& desc, const MeshLayout& layout, eStreamUsage usage,
         VertexBufferSet* pool, gfx::Device* device);
    // Another name for the same geometry and materials (the geometry stays the other mesh's).
    Mesh(const Mesh& other, const ResourceInfo& info);
    ~Mesh() override;

    // False when the pool had no room for some of the geometry.
    bool IsPlaced() const { return _placed; }

    float GetRadius() const { return _radius; }
    const Bounds& GetBounds() const { return _bounds; }
    uint32_t GetVertexFormat() const { return _format; }
    uint32_t GetTotalVertices() const { return _totalVertices; }
    uint32_t GetTotalIndices() const { return _totalIndices; }
    uint32_t GetTotalMaterials() const { return _materialCount; }
    uint32_t GetLodLevels() const { return _lodCount; }
    const LodBindingDesc& GetLodDesc(unsigned lod) const { return _lods[ClampLod(lod)]; }
    bool IsInitialized() const { return _initialized; }
    bool IsFormatInstanced() const { return (_format & VF_INSTANCE) != 0; }

    Material* GetDefaultMaterial(unsigned index) const
    {
        return index < MeshDesc::MaxMaterials ? _materials[index] : nullptr;
    }
    void SetDefaultMaterial(unsigned index, Material* material);
    // The material resource name stored for slot `index` ("" past the mesh's materials).
    const char* GetMaterialName(unsigned index) const { return index < _materialCount ? _materialNames[index] : ""; }

    // Each clamps a LOD past the last to the last. Null when nothing can be locked.
    void* LockVertices(unsigned lod, unsigned count);
    void UnlockVertices(unsigned lod);
    unsigned short* LockIndices(unsigned lod, unsigned subMesh, unsigned count);
    void UnlockIndices(unsigned lod);

    unsigned GetMaterialCount(unsigned lod) const;
    bool IsLodInstanced(unsigned lod) const;
    const MeshMaterial* GetSubMesh(unsigned lod, unsigned subMesh) const;
    // A new renderable of one sub-mesh; null (and a logged error) for a sub-mesh the LOD lacks.
    MeshRenderable* CreateRenderable(unsigned lod, unsigned subMesh);
    void DestroyRenderable(MeshRenderable* renderable);

private:
    friend class MeshMgr;

    unsigned ClampLod(unsigned lod) const { return lod < _lodCount ? lod : _lodCount - 1; }

    // A range this mesh reserved, to give back.
    struct Range
    {
        VertexBuffer* buffer;
        unsigned firstVertex, vertices, firstIndex, indices;
    };

    float _radius;
    Bounds _bounds;
    uint32_t _format;
    uint32_t _totalVertices;
    uint32_t _totalIndices;
    uint32_t _materialCount;
    uint32_t _lodCount;
    uint32_t _strip;
    LodBindingDesc _lods[MeshDesc::MaxLods];
    std::vector<MeshMaterial> _subMeshes[MeshDesc::MaxLods];
    char _materialNames[MeshDesc::MaxMaterials][MeshDesc::NameSize] = {};
    Material* _materials[MeshDesc::MaxMaterials] = {};
    bool _initialized = false;
    bool _placed = true;
    VertexBufferSet* _pool = nullptr;
    std::vector<Range> _ranges;
    VertexIndexBuilder _builder;
};
