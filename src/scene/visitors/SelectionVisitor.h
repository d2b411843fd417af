#pragma once

#include "scene/nodes/OmniList.h"
#include "scene/visitors/NodeVisitor.h"

class IRenderable;
class Material;
class RenderQueue;

// The visibility pass: culls groups against the camera's frustum and queues what is left by
// material (frame-buffer users, translucent, deferred-lit, unlit; the glow flag also puts a
// prim into the extra queue); the omni lights in view are collected for the lighting stage.
class SelectionVisitor : public NodeVisitor
{
public:
    SelectionVisitor(Camera* camera, RenderQueue* unlit, RenderQueue* lit, RenderQueue* transparent,
                     RenderQueue* frameBuffer, RenderQueue* extra);

    OmniList& GetOmniList() { return _lights; }

    using NodeVisitor::PostVisit;
    using NodeVisitor::Visit;
    bool Visit(LensFlare& node) override;
    bool Visit(Omni& node) override;
    bool Visit(ParticleSet& node) override;
    bool Visit(RenderMesh& node) override;
    bool Visit(Group& node) override;
    bool PostVisit(Group& node) override;

private:
    void Enqueue(IRenderable* renderable, Material* material);

    Camera* _camera;
    RenderQueue* _unlit;
    RenderQueue* _lit;
    RenderQueue* _transparent;
    RenderQueue* _frameBuffer;
    RenderQueue* _extra;
    OmniList _lights;
    const Group* _visibleGroup = nullptr; // wholly inside the frustum: nothing below is tested
};
