#pragma once
// The steering behaviours: each answers a steering force for the entity it is mixed into (seek,
// flee, pursuit, path following, obstacle and neighbour avoidance), over the annotation hooks
// through which an entity may show what it avoids.
#include <vector>

#include "game/ai/steering/AbstractEntity.h"
#include "game/ai/steering/Obstacle.h"
#include "game/ai/steering/Pathway.h"

namespace Pelloris {

template <class Super>
class AnnotationMixin : public Super
{
public:
    // Called when the entity steers around an obstacle or a close neighbour; they draw nothing
    // here.
    virtual void AnnotateAvoidObstacle(float /*minDistanceToCollision*/) {}
    virtual void AnnotateAvoidCloseNeighbour(const AbstractEntity& /*other*/, float /*additionalDistance*/) {}
};

template <class Super>
class SteerLibraryMixin : public Super
{
public:
    using Entities = std::vector<AbstractEntity*>;
    using Obstacles = std::vector<SphericalObstacle*>;

    SteerVec3 SeekPoint(const SteerVec3& target) const;
    SteerVec3 FleePoint(const SteerVec3& target) const;
    // The unit direction to the target times the present speed.
    SteerVec3 HeadForPoint(const SteerVec3& target) const;
    // Seeks where the quarry will be, predicting further the less the two are lined up.
    SteerVec3 PursueEntity(const AbstractEntity& quarry, float maxPredictionTime) const;
    // Direction +1 follows the path forwards, -1 backwards.
    SteerVec3 FollowPath(int direction, float predictionTime, const Pathway& path) const;
    SteerVec3 StayOnPath(float predictionTime, const Pathway& path) const;
    SteerVec3 AvoidObstacles(float minTimeToCollision, const Obstacles& obstacles);
    // Away from the first other entity that is too close; the entity itself may be in the list.
    SteerVec3 AvoidCloseNeighbours(float minSeparation, const Entities& others);
    // Close neighbours first, then sideways from the entity that will come nearest soonest.
    SteerVec3 AvoidNeighbours(float minTimeToCollision, const Entities& others);
};

// The base of every concrete entity.
using EntityBase = SteerLibraryMixin<AnnotationMixin<LocalSpaceMixin<AbstractEntity>>>;

} // namespace Pelloris
