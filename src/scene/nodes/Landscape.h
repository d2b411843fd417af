#pragma once

#include "MaterialSystem/Renderable.h"
#include "scene/nodes/Renode.h"

// A terrain node: renderable by interface, with no geometry of its own.
class Landscape : public Renode, public IRenderable
{
public:
    Landscape(Group* root, RenderScene* scene);

    eNodeType GetType() const override { return NT_LANDSCAPE; }
    void UpdateCameraBasedParams(Camera*, unsigned) override {}
    void UpdateBounds(const Matrix&) override {}
    void BatchBuild(VertexIndexBuilder&) override {}
    bool IsDynamic() override { return true; }
};
