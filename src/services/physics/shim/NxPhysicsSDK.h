#pragma once
// The physics engine object: makes and releases scenes and keeps the engine parameters, which
// this engine stores without acting on them (they only switched visualisation).
#include <map>
#include <memory>
#include <vector>

#include "services/physics/shim/NxDescs.h"

class NxScene;

class NxPhysicsSDK
{
public:
    NxPhysicsSDK();
    NxPhysicsSDK(const NxPhysicsSDK&) = delete;
    NxPhysicsSDK& operator=(const NxPhysicsSDK&) = delete;
    ~NxPhysicsSDK();

    NxScene* createScene(const NxSceneDesc& desc);
    void releaseScene(NxScene& scene);
    bool setParameter(NxU32 parameter, NxReal value);
    NxReal getParameter(NxU32 parameter) const;

private:
    std::vector<std::unique_ptr<NxScene>> _scenes;
    std::map<NxU32, NxReal> _parameters;
};

NxPhysicsSDK* NxCreatePhysicsSDK();
void NxReleasePhysicsSDK(NxPhysicsSDK* sdk);
