#include "QueueReference.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "MaterialSystem/meshes/Mesh.h"
#include "MaterialSystem/meshes/MeshRenderable.h"
#include "MaterialSystem/queue/RenderQueue.h"
#include "MaterialSystem/shaders/Shader.h"
#include "MaterialSystem/shaders/ShaderParamsGlobal.h"
#include "foundation/config/VideoSettings.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/RenderMesh.h"
#include "scene/visitors/NodeVisitor.h"

namespace {

// Every bound mesh whose bounds reach into the camera's view.
class MeshesInView : public NodeVisitor
{
public:
    explicit MeshesInView(const Camera& camera) : _camera(camera) {}

    using NodeVisitor::Visit;
    bool Visit(RenderMesh& node) override
    {
        if (node.GetBindedMesh() && node.GetLodCount() > 0 &&
            _camera.GetFrustum().Intersects(node.GetWorldBounds()) != OUTSIDE)
            meshes.push_back(&node);
        return true;
    }

    std::vector<RenderMesh*> meshes;

private:
    const Camera& _camera;
};

} // namespace

QueueReference::QueueReference(RenderScene* scene)
    : _scene(scene), _system(scene->GetMaterialSystem()), _queue(_system->CreateRenderQueue()),
      _globals(std::make_unique<ShaderParamsGlobal>()), _twins(_system)
{
    SunSource sun;
    if (scene->GetSunCount() > 0)
    {
        sun.direction = scene->GetSunDirection(0);
        sun.diffuse = scene->GetSunDiffuse(0);
        sun.ambient = scene->GetSunAmbient(0);
        sun.diffusePower = scene->GetSunDiffusePower(0);
        sun.ambientPower = scene->GetSunAmbientPower(0);
    }
    _globals->SetSunLighting(sun);
}

QueueReference::~QueueReference()
{
    for (auto& [key, entry] : _renderables)
        for (MeshRenderable* renderable : entry.first)
            std::get<0>(key)->DestroyRenderable(renderable);
    _system->DestroyRenderQueue(_queue);
}

MeshRenderable* QueueReference::Take(Mesh* mesh, unsigned lod, unsigned subMesh)
{
    auto& [pool, used] = _renderables[Key(mesh, lod, subMesh)];
    if (used == pool.size())
        pool.push_back(mesh->CreateRenderable(lod, subMesh));
    return pool[used++];
}

void QueueReference::Frame(Camera* camera)
{
    const VideoSettings* video = _system->GetSettings();
    _globals->SetScreenParams(float(video->ScrWidth), float(video->ScrHeight));
    _globals->SetViewTransform(&camera->GetViewMatrix());
    _globals->SetProjectionTransform(&camera->GetProjMatrix());
    _system->Present(_globals.get());
    _system->ClearTarget(3, 0, 1.0f);
    _queue->FlushContent();
    for (auto& [key, entry] : _renderables)
        entry.second = 0;
    MeshesInView view(*camera);
    _scene->GetStageRoot()->Traverse(view, TM_DEPTH_FIRST);
    for (RenderMesh* node : view.meshes)
    {
        const unsigned lod = node->GetCurrentLod();
        for (unsigned i = 0; i < node->GetSubMeshCount(lod); ++i)
        {
            const RenderSubMesh* entry = node->GetSubMesh(lod, i);
            if (!entry->renderable)
                continue;
            MeshRenderable* renderable = Take(node->GetBindedMesh(), lod, i);
            renderable->GetParams().QueryWorldTransform() = node->GetParentWorldMatrix();
            renderable->GetParams().SetViewDepth(node->GetCameraDistance());
            _queue->EnqueuePrim(renderable, _twins.Of(entry->material));
        }
    }
    _drawn = view.meshes.size();
    _queue->SortPrims(3);
    _queue->PreprocessPrims();
    _queue->RenderPrims(_globals.get());
}
