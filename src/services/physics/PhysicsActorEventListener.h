#pragma once
// What every world actor hears from the physics space; all hooks do nothing by default.
#include "foundation/base/Name.h"
#include "foundation/math/Vec3.h"

class PhysicsActor;
class NxShape;
class NxContactStreamIterator;
struct NxRaycastHit;

class PhysicsActorEventListener
{
public:
    virtual ~PhysicsActorEventListener() = default;

    virtual void OnStartTouch(PhysicsActorEventListener&, PhysicsActor&, PhysicsActor&, Vec3&, Vec3&,
                              NxContactStreamIterator&)
    {}
    virtual void OnTouch(PhysicsActorEventListener&, PhysicsActor&, PhysicsActor&, Vec3&, Vec3&,
                         NxContactStreamIterator&)
    {}
    virtual void OnEndTouch(PhysicsActorEventListener&, PhysicsActor&, PhysicsActor&, Vec3&, Vec3&,
                            NxContactStreamIterator&)
    {}
    virtual void OnTriggerEnter(PhysicsActorEventListener&, NxShape&, NxShape&) {}
    virtual void OnTriggerStay(PhysicsActorEventListener&, NxShape&, NxShape&) {}
    virtual void OnTriggerLeave(PhysicsActorEventListener&, NxShape&, NxShape&) {}
    // Raised by raycast reports of the game world, not by the space.
    virtual void OnHit(PhysicsActorEventListener&, NxShape&, const NxRaycastHit&) {}
    virtual void OnJointBreak(float, Name, PhysicsActor* const) {}
};
