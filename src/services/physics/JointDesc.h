#pragma once
// The game's description of a joint between two physics actors, kept by name in the space.
#include <cfloat>
#include <cstdint>

#include "foundation/base/Name.h"
#include "foundation/math/Vec3.h"

class PhysicsActor;

struct JointDesc
{
    explicit JointDesc(Name name_) : name(name_) {}

    Name name;
    PhysicsActor* actor0 = nullptr;
    PhysicsActor* actor1 = nullptr;
    Vec3 globalAnchor{0, 0, 0};
    Vec3 globalAxis{0, 0, 1};
    float maxForce = FLT_MAX; // unbreakable
    float maxTorque = FLT_MAX;
    uint8_t collide = 0; // 0: the jointed actors pass through each other
    float swingLimit = 0;
    float swingSpringDamper = 0;
};
