#pragma once

#include "scene/nodes/Renode.h"

class Material;
class Mesh;
class MeshRenderable;

// One sub-mesh of one level of detail, drawn with its material.
struct RenderSubMesh
{
    MeshRenderable* renderable = nullptr;
    Material* material = nullptr;
};

// A loaded mesh (not owned) in the tree: one renderable and one material per sub-mesh and
// level of detail, queued by the selection pass at the chosen level.
class RenderMesh : public Renode
{
public:
    static constexpr unsigned MaxLods = 3;
    static constexpr unsigned MaxMaterials = 16;

    RenderMesh(Group* root, RenderScene* scene);
    ~RenderMesh() override;

    bool AcceptVisitor(NodeVisitor& visitor) override;
    bool PostAcceptVisitor(NodeVisitor& visitor) override;
    eNodeType GetType() const override { return NT_RENDERMESH; }
    // The bound mesh's resource name, or an empty one.
    void WriteToDesc(NodeDesc& desc) const override;
    // Binds the named mesh of the scene's mesh manager.
    void ReadFromDesc(const NodeDesc& desc) override;
    // Also flips the culling of every sub-mesh when the parent bone's scale mirrors.
    void UpdateCameraBasedParams(Camera* camera, unsigned maxLod) override;
    // A sphere of the mesh's radius (times the bone's x scale) at the matrix's position.
    void UpdateBounds(const Matrix& parentWorld) override;

    // Each sub-mesh takes the common material when `keepCommonMaterial` is set and there is
    // one, else the mesh's default; without keeping, the common material is dropped.
    void BindMesh(Mesh* mesh, bool keepCommonMaterial);
    void UnbindMesh();
    Mesh* GetBindedMesh() const { return _mesh; }

    void SetCommonMaterial(Material* material);
    void ResetMaterials();
    // Material `index` of every level that has that many.
    void SetMaterial(unsigned index, Material* material);
    // Of level 0; null past its sub-meshes.
    Material* GetMaterial(unsigned index) const;
    // All the mesh's materials; 0 without a mesh.
    unsigned GetMaterialCount() const;
    // Null outside the table; an entry past the mesh's sub-meshes is empty.
    RenderSubMesh* GetSubMesh(unsigned lod, unsigned index);
    // The levels and the sub-meshes of a level that the table holds for the bound mesh.
    unsigned GetLodCount() const { return _lodCount; }
    unsigned GetSubMeshCount(unsigned lod) const { return lod < MaxLods ? _subMeshCounts[lod] : 0; }

private:
    Mesh* _mesh = nullptr;
    Material* _commonMaterial = nullptr;
    unsigned _lodCount = 0;
    unsigned _subMeshCounts[MaxLods] = {};
    RenderSubMesh _subMeshes[MaxLods][MaxMaterials];
};
