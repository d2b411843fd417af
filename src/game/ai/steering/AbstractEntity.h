#pragma once
// A steering entity: a local space with mass, radius, speed and the limits of its motion.
#include "game/ai/steering/LocalSpace.h"

namespace Pelloris {

class AbstractEntity : public AbstractLocalSpace
{
public:
    virtual float GetMass() const = 0;
    virtual float SetMass(float mass) = 0;
    virtual float GetRadius() const = 0;
    virtual float SetRadius(float radius) = 0;
    // Forward times speed.
    virtual SteerVec3 GetVelocity() const = 0;
    virtual float GetSpeed() const = 0;
    virtual float SetSpeed(float speed) = 0;
    // Where the entity will be after the seconds at its present velocity.
    virtual SteerVec3 PredictFuturePosition(float seconds) const = 0;
    virtual float GetMaxForce() const = 0;
    virtual float SetMaxForce(float force) = 0;
    virtual float GetMaxSpeed() const = 0;
    virtual float SetMaxSpeed(float speed) = 0;
};

} // namespace Pelloris
