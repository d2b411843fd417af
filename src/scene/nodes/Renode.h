#pragma once

#include "foundation/math/Bounds.h"
#include "scene/nodes/Node.h"

class Camera;
struct Matrix;

// A drawable leaf without a pose of its own: it sits where its parent bone is, keeps its world
// bounds and picks a level of detail from the camera's distance.
class Renode : public Node
{
public:
    Renode(Group* root, RenderScene* scene);

    bool AcceptVisitor(NodeVisitor& visitor) override;
    bool PostAcceptVisitor(NodeVisitor& visitor) override;

    // The squared distance to the camera, then the level in 0..maxLod whose reach, a multiple
    // of the bounds' size, covers it.
    virtual void UpdateCameraBasedParams(Camera* camera, unsigned maxLod);
    // Rebuilds the world bounds from the world matrix of the bone the node hangs on.
    virtual void UpdateBounds(const Matrix& parentWorld) = 0;

    const Bounds& GetWorldBounds() const { return _worldBounds; }
    float GetCameraDistance() const { return _cameraDistance; }
    unsigned GetCurrentLod() const { return _currentLod; }
    // The world matrix of the parent bone; the identity without one.
    const Matrix& GetParentWorldMatrix() const;
    // The global position of the parent bone; the origin without one.
    Vec3 GetParentPosition() const;

protected:
    Bounds _worldBounds;
    unsigned _currentLod = 0;
    float _cameraDistance = 0.0f;
};
