#pragma once

#include "MaterialSystem/Renderable.h"

class Mesh;
class VertexIndexBuilder;

// The renderable of one sub-mesh of one LOD: its geometry already lives in the mesh's
// buffers, so there is nothing to build per frame.
class MeshRenderable : public IRenderable
{
public:
    MeshRenderable(Mesh* mesh, const RenderableDesc& desc, const StreamBinding& binding);

    void BatchBuild(VertexIndexBuilder&) override {}
    bool IsDynamic() override { return false; }
    bool IsFlipped() override { return _flipped; }
    void SetFlipped(bool flipped) { _flipped = flipped; }
    Mesh* GetMesh() const { return _mesh; }

private:
    Mesh* _mesh;
    bool _flipped = false;
};
