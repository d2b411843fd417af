#pragma once

#include "scene/nodes/NodeTypes.h"

class Camera;
class MaterialSystem;

// An object that draws debug graphics for a layer while the scene renders it. The scene sets
// the registered flag while the object is in its list.
class IDebugRenderable
{
public:
    virtual ~IDebugRenderable() = default;
    virtual void OnRender(eSceneLayerType layer, Camera* camera, MaterialSystem* system) = 0;

    bool IsRegistered() const { return _registered != 0; }
    void SetRegistered(bool registered) { _registered = registered ? 1 : 0; }

protected:
    IDebugRenderable() = default;
    IDebugRenderable(const IDebugRenderable&) = default;
    IDebugRenderable& operator=(const IDebugRenderable&) = default;

private:
    unsigned _registered = 0;
};
