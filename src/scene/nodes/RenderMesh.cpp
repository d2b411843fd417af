#include "scene/nodes/RenderMesh.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/meshes/Mesh.h"
#include "MaterialSystem/meshes/MeshMgr.h"
#include "MaterialSystem/meshes/MeshRenderable.h"
#include "foundation/base/Dumper.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Bone.h"
#include "scene/nodes/NodeDesc.h"
#include "scene/visitors/NodeVisitor.h"

#include <algorithm>

RenderMesh::RenderMesh(Group* root, RenderScene* scene) : Renode(root, scene) {}

RenderMesh::~RenderMesh() { UnbindMesh(); }

bool RenderMesh::AcceptVisitor(NodeVisitor& visitor) { return visitor.Visit(*this); }

bool RenderMesh::PostAcceptVisitor(NodeVisitor& visitor) { return visitor.PostVisit(*this); }

void RenderMesh::WriteToDesc(NodeDesc& desc) const
{
    Node::WriteToDesc(desc);
    desc.SetSize(NodeDesc::RenderMeshSize);
    desc.SetText(NodeDesc::MeshName, _mesh ? _mesh->GetInfo().name : "");
}

void RenderMesh::ReadFromDesc(const NodeDesc& desc)
{
    Node::ReadFromDesc(desc);
    const char* name = desc.GetText(NodeDesc::MeshName);
    MaterialSystem* system = GetScene() ? GetScene()->GetMaterialSystem() : nullptr;
    MeshMgr* meshes = system ? system->GetMeshMgr() : nullptr;
    if (!meshes)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Mesh \"%s\" of node \"%s\" cannot be loaded: no mesh manager\n", name,
                                 GetName().Str());
        return;
    }
    BindMesh(meshes->CreateMeshFromFile(name), false);
}

void RenderMesh::BindMesh(Mesh* mesh, bool keepCommonMaterial)
{
    UnbindMesh();
    if (!keepCommonMaterial)
        _commonMaterial = nullptr;
    if (!mesh)
        return;
    _mesh = mesh;
    _currentLod = 0;
    _lodCount = std::min(mesh->GetLodLevels(), MaxLods);
    if (mesh->GetLodLevels() > MaxLods)
        Dumper::Instance().Print(DUMP_WARNING, "Mesh \"%s\": levels past the %u-th are not drawn\n",
                                 mesh->GetInfo().name, MaxLods);
    for (unsigned lod = 0; lod < _lodCount; ++lod)
    {
        _subMeshCounts[lod] = std::min(mesh->GetMaterialCount(lod), MaxMaterials);
        for (unsigned i = 0; i < _subMeshCounts[lod]; ++i)
        {
            RenderSubMesh& entry = _subMeshes[lod][i];
            entry.renderable = mesh->CreateRenderable(lod, i);
            entry.material = _commonMaterial ? _commonMaterial : mesh->GetDefaultMaterial(i);
        }
    }
}

void RenderMesh::UnbindMesh()
{
    if (!_mesh)
        return;
    for (unsigned lod = 0; lod < _lodCount; ++lod)
    {
        for (unsigned i = 0; i < _subMeshCounts[lod]; ++i)
        {
            RenderSubMesh& entry = _subMeshes[lod][i];
            if (entry.renderable)
                _mesh->DestroyRenderable(entry.renderable);
            entry = RenderSubMesh();
        }
        _subMeshCounts[lod] = 0;
    }
    _lodCount = 0;
    _mesh = nullptr;
    _currentLod = 0;
}

void RenderMesh::SetCommonMaterial(Material* material)
{
    _commonMaterial = material;
    for (unsigned lod = 0; lod < _lodCount; ++lod)
        for (unsigned i = 0; i < _subMeshCounts[lod]; ++i)
            _subMeshes[lod][i].material = material;
}

void RenderMesh::ResetMaterials()
{
    if (!_mesh)
        return;
    for (unsigned lod = 0; lod < _lodCount; ++lod)
        for (unsigned i = 0; i < _subMeshCounts[lod]; ++i)
            _subMeshes[lod][i].material = _mesh->GetDefaultMaterial(i);
}

void RenderMesh::SetMaterial(unsigned index, Material* material)
{
    for (unsigned lod = 0; lod < _lodCount; ++lod)
        if (index < _subMeshCounts[lod])
            _subMeshes[lod][index].material = material;
}

Material* RenderMesh::GetMaterial(unsigned index) const
{
    return index < _subMeshCounts[0] ? _subMeshes[0][index].material : nullptr;
}

unsigned RenderMesh::GetMaterialCount() const { return _mesh ? _mesh->GetTotalMaterials() : 0; }

RenderSubMesh* RenderMesh::GetSubMesh(unsigned lod, unsigned index)
{
    return lod < MaxLods && index < MaxMaterials ? &_subMeshes[lod][index] : nullptr;
}

void RenderMesh::UpdateCameraBasedParams(Camera* camera, unsigned maxLod)
{
    Renode::UpdateCameraBasedParams(camera, maxLod);
    const Bone* parent = GetParent();
    const Vec3 scale = parent ? parent->GetGlobalScale() : Vec3(1.0f);
    const bool flipped = scale.x * scale.y * scale.z < 0.0f;
    for (unsigned lod = 0; lod < _lodCount; ++lod)
        for (unsigned i = 0; i < _subMeshCounts[lod]; ++i)
            if (MeshRenderable* renderable = _subMeshes[lod][i].renderable)
                renderable->SetFlipped(flipped);
}

void RenderMesh::UpdateBounds(const Matrix& parentWorld)
{
    const Vec3& position = parentWorld.GetRow3(3);
    if (!_mesh)
    {
        _worldBounds.SetDimensions(position, position);
        return;
    }
    const Bone* parent = GetParent();
    const float scale = parent ? parent->GetGlobalScale().x : 1.0f;
    _worldBounds.SetUndefined();
    _worldBounds.Merge(Sphere(position, _mesh->GetRadius() * scale));
}
