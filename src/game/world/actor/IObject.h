#pragma once
// What every thing of a mission is to the services: a listener of the physics space, a debug
// drawing of the scene, a flag word of kind bits, and the holder of its physics body.
#include "foundation/base/Flags.h"
#include "scene/nodes/IDebugRenderable.h"
#include "services/physics/PhysicsActorEventListener.h"
#include "services/physics/shim/NxTypes.h"

class PhysicsActor;

class IObject : public PhysicsActorEventListener, public IDebugRenderable, public Flags
{
public:
    IObject() = default;
    ~IObject() override = default;

    void OnRender(eSceneLayerType, Camera*, MaterialSystem*) override {}

    // Null until a derived class makes one.
    PhysicsActor* GetPhysEntity() const { return _physEntity; }

    // Hand the vector and the mode to the body, waking it; nothing without a body.
    void AddForce(const Vec3& force, NxForceMode mode);
    void AddLocalForce(const Vec3& force, NxForceMode mode);
    void AddForceAtPos(const Vec3& force, const Vec3& position, NxForceMode mode);
    void AddTorque(const Vec3& torque, NxForceMode mode);
    // Always as a plain force, whatever mode it is given.
    void AddTorqueForce(const Vec3& torque, NxForceMode mode);

protected:
    IObject(const IObject&) = default;
    IObject& operator=(const IObject&) = default;

    PhysicsActor* _physEntity = nullptr; // released by the derived class that made it
};
