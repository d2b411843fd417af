#pragma once

#include "common/ForwardTwins.h"

#include <map>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

class Camera;
class Material;
class MaterialSystem;
class Mesh;
class MeshRenderable;
class RenderQueue;
class RenderScene;
class ShaderParamsGlobal;

// The yardstick of a mission frame: the meshes the scene's stage holds in view, each at the
// level of detail the scene chose and at its bone's world matrix, drawn straight through one
// render queue with forward-lit twins of their materials and the sun alone (as bench/frame's
// reference does), then presented.
class QueueReference
{
public:
    explicit QueueReference(RenderScene* scene);
    ~QueueReference();
    QueueReference(const QueueReference&) = delete;
    QueueReference& operator=(const QueueReference&) = delete;

    void Frame(Camera* camera);
    // Meshes drawn by the last frame.
    size_t GetDrawn() const { return _drawn; }

private:
    // A renderable of the mesh's level and sub-mesh that no other prim of this frame uses.
    MeshRenderable* Take(Mesh* mesh, unsigned lod, unsigned subMesh);

    RenderScene* _scene;
    MaterialSystem* _system;
    RenderQueue* _queue;
    std::unique_ptr<ShaderParamsGlobal> _globals;
    ForwardTwins _twins;
    using Key = std::tuple<Mesh*, unsigned, unsigned>;
    std::map<Key, std::pair<std::vector<MeshRenderable*>, size_t>> _renderables;
    size_t _drawn = 0;
};
