#include "game/world/parts/PartVisuals.h"

#include <cstring>

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/meshes/MeshMgr.h"
#include "MaterialSystem/meshes/MeshRenderable.h"
#include "game/core/game/Game.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Model.h"
#include "scene/nodes/RenderMesh.h"
#include "scene/particles/Emitter.h"
#include "scene/particles/EmitterMgr.h"
#include "scene/particles/ParticleSet.h"

namespace {

void AnimateSubtree(Node* node, float value)
{
    if (node->GetType() == NT_RENDERMESH)
        SetMeshAnimation(static_cast<RenderMesh*>(node), value);
    for (unsigned i = 0; i < node->GetNumChildren(); ++i)
        AnimateSubtree(node->GetChild(i), value);
}

} // namespace

RenderMesh* CreateMeshNode(const char* meshFile)
{
    RenderScene* scene = game.GetRenderScene();
    if (!scene)
        return nullptr;
    RenderMesh* mesh = scene->CreateMesh(SL_STAGE);
    MaterialSystem* render = game.GetRender();
    if (render && render->GetMeshMgr() && meshFile && meshFile[0])
        mesh->BindMesh(render->GetMeshMgr()->CreateMeshFromFile(meshFile), false);
    return mesh;
}

Emitter* CreateEmitterNode(const char* particleFile)
{
    RenderScene* scene = game.GetRenderScene();
    if (!scene)
        return nullptr;
    Emitter* emitter = scene->CreateEmitter(SL_STAGE);
    if (EmitterMgr* emitters = game.GetEmitterManager())
        emitters->Load(particleFile, emitter);
    return emitter;
}

ParticleSet* CreateParticleSetNode(Bone* parent, const char* material, float size, unsigned count)
{
    RenderScene* scene = game.GetRenderScene();
    if (!scene || !parent)
        return nullptr;
    ParticleSet* set = scene->CreateParticleSet(SL_STAGE);
    set->SetParticleShape(PS_BILLBOARD);
    set->SetDefaultSize(size);
    set->SetMaterial(LoadMaterial(material));
    set->SetMaxParticles(count);
    set->SetTintStrength(1.0f);
    parent->Attach(set);
    return set;
}

Material* LoadMaterial(const char* file)
{
    MaterialSystem* render = game.GetRender();
    return render && render->GetMaterialMgr() ? render->GetMaterialMgr()->CreateMaterialFromFile(file) : nullptr;
}

void SetMeshAnimation(RenderMesh* mesh, float value)
{
    if (!mesh)
        return;
    for (unsigned material = 0; material < mesh->GetMaterialCount(); ++material)
    {
        for (unsigned lod = 0; lod < RenderMesh::MaxLods; ++lod)
        {
            RenderSubMesh* sub = mesh->GetSubMesh(lod, material);
            if (sub && sub->renderable)
                sub->renderable->GetParams().SetAnimation(value);
        }
    }
}

void SetModelAnimation(Model* model, float value)
{
    if (model)
        AnimateSubtree(model, value);
}

Matrix RigidPose(const Matrix& pose)
{
    Matrix rigid = pose;
    for (int row = 0; row < 3; ++row)
    {
        const float length = rigid.GetRow3(row).Length();
        if (length > 0.0f)
            rigid.GetRow3(row) *= 1.0f / length;
    }
    return rigid;
}

Vec3 UnitOrZero(const Vec3& v)
{
    const float length = v.Length();
    return length > 0.0f ? v * (1.0f / length) : Vec3(0.0f);
}

bool StartsWith(const char* text, const char* prefix)
{
    return text && prefix && std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}
