#include "scene/visitors/SelectionVisitor.h"

#include "MaterialSystem/materials/Material.h"
#include "MaterialSystem/materials/MaterialFlags.h"
#include "MaterialSystem/meshes/MeshRenderable.h"
#include "MaterialSystem/queue/RenderQueue.h"
#include "MaterialSystem/shaders/Shader.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/Group.h"
#include "scene/nodes/LensFlare.h"
#include "scene/nodes/Omni.h"
#include "scene/nodes/RenderMesh.h"

SelectionVisitor::SelectionVisitor(Camera* camera, RenderQueue* unlit, RenderQueue* lit, RenderQueue* transparent,
                                   RenderQueue* frameBuffer, RenderQueue* extra)
    : _camera(camera), _unlit(unlit), _lit(lit), _transparent(transparent), _frameBuffer(frameBuffer), _extra(extra)
{}

void SelectionVisitor::Enqueue(IRenderable* renderable, Material* material)
{
    if (!renderable || !material)
        return;
    const Shader* shader = material->GetBindedShader();
    RenderQueue* queue = _unlit;
    if (material->NeedsFrameBuffer())
        queue = _frameBuffer;
    else if (material->IsTranslucent())
        queue = _transparent;
    else if (shader && shader->UsesDeferredShading())
        queue = _lit;
    if (queue)
        queue->EnqueuePrim(renderable, material);
    if (_extra && material->MaterialFlags().HasFlag(MF_GLOW))
        _extra->EnqueuePrim(renderable, material);
}

bool SelectionVisitor::Visit(Group& node)
{
    if (_visibleGroup)
        return true;
    switch (_camera->GetFrustum().Intersects(node.GetWorldBounds()))
    {
    case INSIDE: _visibleGroup = &node; return true;
    case PARTIAL: return true;
    default: return false;
    }
}

bool SelectionVisitor::PostVisit(Group& node)
{
    if (&node == _visibleGroup)
        _visibleGroup = nullptr;
    return true;
}

// A mesh that is not bound (yet, or any more) has nothing to draw.
bool SelectionVisitor::Visit(RenderMesh& node)
{
    if (!node.GetBindedMesh() || node.GetLodCount() == 0)
        return true;
    node.UpdateCameraBasedParams(_camera, node.GetLodCount() - 1);
    const unsigned lod = node.GetCurrentLod();
    const Matrix& world = node.GetParentWorldMatrix();
    for (unsigned i = 0; i < node.GetSubMeshCount(lod); ++i)
    {
        RenderSubMesh* entry = node.GetSubMesh(lod, i);
        if (!entry->renderable)
            continue;
        ShaderParamsInstance& params = entry->renderable->GetParams();
        params.QueryWorldTransform() = world;
        params.SetViewDepth(node.GetCameraDistance());
        Enqueue(entry->renderable, entry->material);
    }
    return true;
}

bool SelectionVisitor::Visit(ParticleSet& node)
{
    const unsigned total = node.GetTotalParticles();
    if (total == 0 || (node.GetParticleShape() == PS_RIBBON_TRAIL && total < 2))
        return true;
    node.UpdateCameraBasedParams(_camera, node.GetLodLevels());
    const bool local = node.GetCoordSpace() == CS_PARENT || node.GetCoordSpace() == CS_LOCAL;
    node.GetParams().QueryWorldTransform() = local ? node.GetParentWorldMatrix() : Matrix::Ident();
    node.GetParams().SetViewDepth(node.GetCameraDistance());
    Enqueue(&node, node.GetMaterial());
    return true;
}

bool SelectionVisitor::Visit(LensFlare& node)
{
    node.UpdateCameraBasedParams(_camera, 0);
    if (!node.IsDrawNeeded())
        return true;
    node.GetParams().QueryWorldTransform() = node.GetParentWorldMatrix();
    node.GetParams().SetViewDepth(node.GetCameraDistance());
    Enqueue(&node, node.GetMaterial());
    return true;
}

bool SelectionVisitor::Visit(Omni& node)
{
    node.UpdateCameraBasedParams(_camera, 2);
    if (MeshRenderable* shape = node.GetShape())
    {
        Matrix& world = shape->GetParams().QueryWorldTransform();
        world.FromScaling(node.GetRange(), node.GetRange(), node.GetRange());
        world.Translate(node.GetParentPosition());
        shape->GetParams().SetViewDepth(node.GetCameraDistance());
    }
    _lights.Add(&node);
    return true;
}
