#include "game/ai/steering/SteerLibrary.h"

#include <algorithm>

namespace Pelloris {

namespace {
// How far ahead to predict a quarry, in direct travel times, by where it is (rows: behind,
// aside, ahead) and how it heads (columns: opposite, across, the same way).
constexpr float PursuitTimeFactor[3][3] = {{2.0f, 2.0f, 0.5f}, {4.0f, 0.8f, 1.0f}, {0.85f, 1.8f, 4.0f}};
constexpr float Cos45 = 0.707f;
} // namespace

template <class Super>
SteerVec3 SteerLibraryMixin<Super>::SeekPoint(const SteerVec3& target) const
{
    return (target - this->GetPosition()) - this->GetVelocity();
}

template <class Super>
SteerVec3 SteerLibraryMixin<Super>::FleePoint(const SteerVec3& target) const
{
    return (this->GetPosition() - target) - this->GetVelocity();
}

template <class Super>
SteerVec3 SteerLibraryMixin<Super>::HeadForPoint(const SteerVec3& target) const
{
    return (target - this->GetPosition()).Normalize() * this->GetSpeed();
}

template <class Super>
SteerVec3 SteerLibraryMixin<Super>::PursueEntity(const AbstractEntity& quarry, float maxPredictionTime) const
{
    const SteerVec3 offset = quarry.GetPosition() - this->GetPosition();
    const float distance = offset.Length();
    // On top of the quarry there is no direction to judge: seek where it is.
    if (distance <= 0)
        return SeekPoint(quarry.GetPosition());
    const SteerVec3 forward = this->GetForward();
    const float forwardness = forward.Dot(offset / distance);
    const float parallelness = forward.Dot(quarry.GetForward());
    const int f = IntervalComparison(forwardness, -Cos45, Cos45);
    const int p = IntervalComparison(parallelness, -Cos45, Cos45);
    // At a standstill the travel time is infinite and the cap decides.
    const float speed = this->GetSpeed();
    const float directTravelTime = speed > 0 ? distance / speed : maxPredictionTime;
    const float predictionTime = std::min(directTravelTime * PursuitTimeFactor[f + 1][p + 1], maxPredictionTime);
    return SeekPoint(quarry.PredictFuturePosition(predictionTime));
}

template <class Super>
SteerVec3 SteerLibraryMixin<Super>::FollowPath(int direction, float predictionTime, const Pathway& path) const
{
    const float pathDistanceOffset = static_cast<float>(direction) * predictionTime * this->GetSpeed();
    const SteerVec3 futurePosition = this->PredictFuturePosition(predictionTime);
    const float nowPathDistance = path.MapPointToPathDistance(this->GetPosition());
    const float futurePathDistance = path.MapPointToPathDistance(futurePosition);
    const bool rightWay =
        pathDistanceOffset > 0 ? nowPathDistance < futurePathDistance : nowPathDistance > futurePathDistance;
    SteerVec3 tangent;
    float outside = 0;
    path.MapPointToPath(futurePosition, tangent, outside);
    if (outside < 0 && rightWay)
        return SteerVec3::zero;
    return SeekPoint(path.MapPathDistanceToPoint(nowPathDistance + pathDistanceOffset));
}

template <class Super>
SteerVec3 SteerLibraryMixin<Super>::StayOnPath(float predictionTime, const Pathway& path) const
{
    SteerVec3 tangent;
    float outside = 0;
    const SteerVec3 onPath = path.MapPointToPath(this->PredictFuturePosition(predictionTime), tangent, outside);
    if (outside < 0)
        return SteerVec3::zero;
    return SeekPoint(onPath);
}

template <class Super>
SteerVec3 SteerLibraryMixin<Super>::AvoidObstacles(float minTimeToCollision, const Obstacles& obstacles)
{
    const float detectionDistance = this->GetSpeed() * minTimeToCollision;
    const SphericalObstacle* nearest = nullptr;
    float nearestDistance = 0;
    for (const SphericalObstacle* obstacle : obstacles)
    {
        // Where the forward line enters the sphere widened by the entity's radius.
        const SteerVec3 local = this->LocalizePosition(obstacle->center);
        const float b = -2 * local.z;
        const float c = local.LengthSquared() - Square(obstacle->radius + this->GetRadius());
        const float d = b * b - 4 * c;
        if (d < 0)
            continue;
        const float root = std::sqrt(d);
        const float p = (-b + root) / 2;
        const float q = (-b - root) / 2;
        if (p < 0 && q < 0)
            continue;
        const float distance = q > 0 ? q : p; // q <= p: the nearer entry, else the exit ahead
        if (!nearest || distance < nearestDistance)
        {
            nearest = obstacle;
            nearestDistance = distance;
        }
    }
    if (!nearest || nearestDistance >= detectionDistance)
        return SteerVec3::zero;
    this->AnnotateAvoidObstacle(detectionDistance);
    const SteerVec3 forward = this->GetForward();
    const SteerVec3 lateral = (this->GetPosition() - nearest->center).PerpendicularComponent(forward);
    const float maxForce = this->GetMaxForce();
    return lateral.Normalize() * maxForce + forward * maxForce * 0.75f;
}

template <class Super>
SteerVec3 SteerLibraryMixin<Super>::AvoidCloseNeighbours(float minSeparation, const Entities& others)
{
    const SteerVec3 position = this->GetPosition();
    for (const AbstractEntity* other : others)
    {
        if (other == this)
            continue;
        const float sumOfRadii = this->GetRadius() + other->GetRadius();
        const SteerVec3 offset = position - other->GetPosition();
        if (offset.LengthSquared() < Square(minSeparation + sumOfRadii))
        {
            this->AnnotateAvoidCloseNeighbour(*other, minSeparation);
            return offset.PerpendicularComponent(this->GetForward());
        }
    }
    return SteerVec3::zero;
}

template <class Super>
SteerVec3 SteerLibraryMixin<Super>::AvoidNeighbours(float minTimeToCollision, const Entities& others)
{
    const SteerVec3 separation = AvoidCloseNeighbours(0, others);
    if (separation != SteerVec3::zero)
        return separation;

    const SteerVec3 position = this->GetPosition();
    const SteerVec3 velocity = this->GetVelocity();
    const float collisionDistance = 2 * this->GetRadius();
    const AbstractEntity* threat = nullptr;
    float minTime = minTimeToCollision;
    SteerVec3 ownAtThreat, threatAtThreat;
    for (const AbstractEntity* other : others)
    {
        if (other == this)
            continue;
        // The time of the two entities' nearest approach.
        const SteerVec3 relativeVelocity = other->GetVelocity() - velocity;
        const float relativeSpeed = relativeVelocity.Length();
        const float time = relativeSpeed > 0
                               ? (relativeVelocity / relativeSpeed).Dot(position - other->GetPosition()) / relativeSpeed
                               : 0;
        if (time < 0 || time >= minTime)
            continue;
        const SteerVec3 own = position + velocity * time;
        const SteerVec3 theirs = other->GetPosition() + other->GetVelocity() * time;
        if (Distance(own, theirs) < collisionDistance)
        {
            threat = other;
            minTime = time;
            ownAtThreat = own;
            threatAtThreat = theirs;
        }
    }
    if (!threat)
        return SteerVec3::zero;

    const SteerVec3 side = this->GetSide();
    const float parallelness = this->GetForward().Dot(threat->GetForward());
    float sideDot = 0;
    if (parallelness < -Cos45) // head on
        sideDot = (threatAtThreat - ownAtThreat).Dot(side);
    else if (parallelness > Cos45) // the same way
        sideDot = (threat->GetPosition() - position).Dot(side);
    else if (threat->GetSpeed() <= this->GetSpeed()) // crossing: the faster one gives way
        sideDot = side.Dot(threat->GetVelocity());
    else
        return SteerVec3::zero;
    return side * (sideDot > 0 ? -1.0f : 1.0f);
}

template class SteerLibraryMixin<AnnotationMixin<LocalSpaceMixin<AbstractEntity>>>;

} // namespace Pelloris
