#pragma once
// Obstacles that entities steer around: spheres.
#include "game/ai/steering/SteerVec3.h"

namespace Pelloris {

class AbstractEntity;

class Obstacle
{
public:
    virtual ~Obstacle() = default;
    // The steering that keeps the entity clear of the obstacle over the coming seconds; zero
    // when it is not in the way.
    virtual SteerVec3 SteerToAvoid(const AbstractEntity& entity, float minTimeToCollision) const = 0;
};

class SphericalObstacle : public Obstacle
{
public:
    SteerVec3 SteerToAvoid(const AbstractEntity& entity, float minTimeToCollision) const override;

    float radius = 1;
    SteerVec3 center;
};

} // namespace Pelloris
