#include "services/physics/shim/NxPhysicsSDK.h"

#include <algorithm>

#include "services/physics/shim/NxScene.h"

NxPhysicsSDK::NxPhysicsSDK() = default;
NxPhysicsSDK::~NxPhysicsSDK() = default;

NxScene* NxPhysicsSDK::createScene(const NxSceneDesc& desc)
{
    _scenes.push_back(std::make_unique<NxScene>(desc));
    return _scenes.back().get();
}

void NxPhysicsSDK::releaseScene(NxScene& scene)
{
    auto it = std::find_if(_scenes.begin(), _scenes.end(),
                           [&](const std::unique_ptr<NxScene>& s) { return s.get() == &scene; });
    if (it != _scenes.end())
        _scenes.erase(it);
}

bool NxPhysicsSDK::setParameter(NxU32 parameter, NxReal value)
{
    _parameters[parameter] = value;
    return true;
}

NxReal NxPhysicsSDK::getParameter(NxU32 parameter) const
{
    auto it = _parameters.find(parameter);
    return it == _parameters.end() ? 0.0f : it->second;
}

NxPhysicsSDK* NxCreatePhysicsSDK() { return new NxPhysicsSDK(); }

void NxReleasePhysicsSDK(NxPhysicsSDK* sdk) { delete sdk; }
