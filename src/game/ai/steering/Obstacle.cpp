#include "game/ai/steering/Obstacle.h"

#include "game/ai/steering/AbstractEntity.h"

namespace Pelloris {

// Steers sideways, away from a sphere that lies ahead within reach and across the entity's path.
SteerVec3 SphericalObstacle::SteerToAvoid(const AbstractEntity& entity, float minTimeToCollision) const
{
    const float minDistanceToCollision = minTimeToCollision * entity.GetSpeed();
    const SteerVec3 forward = entity.GetForward();
    const SteerVec3 localOffset = center - entity.GetPosition();
    const float forwardComponent = localOffset.Dot(forward);
    const SteerVec3 offForwardOffset = localOffset - forward * forwardComponent;
    const bool inCylinder = offForwardOffset.Length() < radius + entity.GetRadius();
    const bool nearby = forwardComponent < minDistanceToCollision + radius;
    const bool inFront = forwardComponent > 0;
    if (inCylinder && nearby && inFront)
        return -offForwardOffset;
    return SteerVec3::zero;
}

} // namespace Pelloris
