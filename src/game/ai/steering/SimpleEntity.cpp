#include "game/ai/steering/SimpleEntity.h"

#include <algorithm>

namespace Pelloris {

SteerVec3 LimitDeviationAngle(bool inside, const SteerVec3& source, float cosineOfConeAngle, const SteerVec3& basis)
{
    const float length = source.Length();
    if (length == 0)
        return source;
    const float cosine = (source / length).Dot(basis);
    if (inside ? cosine >= cosineOfConeAngle : cosine <= cosineOfConeAngle)
        return source;
    const SteerVec3 perpendicular = source.PerpendicularComponent(basis).Normalize();
    const float sine = std::sqrt(std::max(0.0f, 1 - cosineOfConeAngle * cosineOfConeAngle));
    return (basis * cosineOfConeAngle + perpendicular * sine) * length;
}

SimpleEntity::SimpleEntity() { Reset(); }

void SimpleEntity::Reset()
{
    ResetLocalSpace();
    mass = 1;
    speed = 0;
    radius = 0.5f;
    maxForce = 0.1f;
    maxSpeed = 1;
    smoothedPosition.SetZero();
    lastForward.SetZero();
    lastPosition.SetZero();
    curvature = smoothedCurvature = 0;
    smoothedAcceleration.SetZero();
}

void SimpleEntity::RegenerateLocalSpace(const SteerVec3& newVelocity, float)
{
    if (speed > 0)
        RegenerateBasisFromUnitForward(newVelocity / speed);
}

SteerVec3 SimpleEntity::AdjustRawSteering(const SteerVec3& force, float)
{
    const float threshold = 0.2f * maxSpeed;
    if (speed > threshold || force == SteerVec3::zero || threshold <= 0)
        return force;
    const float range = speed / threshold;
    const float cosine = Interpolate(std::pow(range, 20.0f), 1.0f, -1.0f);
    return LimitDeviationAngle(true, force, cosine, GetForward());
}

void SimpleEntity::ApplySteering(const SteerVec3& force, float seconds)
{
    const SteerVec3 adjusted = AdjustRawSteering(force, seconds);
    const SteerVec3 clipped = adjusted.TruncateLength(maxForce);
    const SteerVec3 acceleration = clipped / (mass > 0 ? mass : 1.0f);
    if (seconds > 0)
        BlendIntoAccumulator(Clip(9 * seconds, 0.15f, 0.4f), acceleration, smoothedAcceleration);
    const SteerVec3 newVelocity = (GetVelocity() + smoothedAcceleration * seconds).TruncateLength(maxSpeed);
    speed = newVelocity.Length();
    SetPosition(GetPosition() + newVelocity * seconds);
    RegenerateLocalSpace(newVelocity, seconds);
    MeasurePathCurvature(seconds);
    BlendIntoAccumulator(seconds * 0.06f, GetPosition(), smoothedPosition);
}

void SimpleEntity::ApplyBraking(float rate, float seconds)
{
    const float braking = std::min(speed * rate, maxForce);
    speed = std::max(0.0f, speed - braking * seconds);
}

void SimpleEntity::MeasurePathCurvature(float seconds)
{
    if (seconds <= 0)
        return;
    const SteerVec3 position = GetPosition();
    const SteerVec3 forward = GetForward();
    const float moved = Distance(lastPosition, position);
    // Without motion there is no curve to measure.
    if (moved > 0)
    {
        const SteerVec3 turn = (lastForward - forward) / moved;
        const SteerVec3 lateral = turn.PerpendicularComponent(forward);
        const float sign = lateral.Dot(GetSide()) >= 0 ? -1.0f : 1.0f;
        curvature = lateral.Length() * sign;
        BlendIntoAccumulator(seconds * 4, curvature, smoothedCurvature);
    }
    lastForward = forward;
    lastPosition = position;
}

} // namespace Pelloris
