#include "game/world/ships/DynamicShipController.h"

#include <cmath>

#include "services/physics/PhysicsActor.h"

namespace {

// Below the minimum a target is lifted to it (zero counts as negative); above the maximum it is
// cut to it.
float Bound(float value, float minimum, float maximum)
{
    if (std::fabs(value) < minimum)
        return value > 0 ? minimum : -minimum;
    if (std::fabs(value) > maximum)
        return value > 0 ? maximum : -maximum;
    return value;
}

// A speed beyond the maximum brakes harder, by how many times the maximum it is. Without a
// maximum there is nothing to compare with, and the damping stays as it is.
float Braking(float damping, float current, float maximum)
{
    if (maximum != 0 && std::fabs(current) > maximum)
        return damping * std::fabs(current / maximum);
    return damping;
}

// A sideways axis: damped toward the target; acceleration plays no part.
float StepLateral(float current, float target, float minimum, float maximum, float damping)
{
    const float diff = target - current;
    if (std::fabs(diff) <= damping)
        return target;
    damping = Braking(damping, current, maximum);
    if (std::fabs(current) > minimum)
        current += diff > 0 ? damping : -damping;
    return current;
}

// The forward axis: speeds up by the acceleration, slows by the damping.
float StepForward(float current, float target, float minimum, float maximum, float acceleration, float damping)
{
    damping = Braking(damping, current, maximum);
    const float diff = target - current;
    if (diff > 0)
    {
        if (diff <= acceleration)
            return target;
        return current < maximum ? current + acceleration : current - damping;
    }
    if (-diff <= damping)
        return target;
    return current > minimum ? current - damping : current + acceleration;
}

float StepAngular(float current, float target, float maximum, float acceleration, float damping)
{
    const float diff = target - current;
    if (std::fabs(diff) <= acceleration)
        return target;
    if (current > maximum)
        return current - damping;
    if (current < -maximum)
        return current + damping;
    const bool slowingDown = target * current >= 0 && std::fabs(current) > std::fabs(target);
    const float step = slowingDown ? damping : acceleration;
    return current + (diff > 0 ? step : -step);
}

// A world direction in the frame of a pose, and back.
Vec3 ToBodyFrame(const Matrix& pose, const Vec3& direction)
{
    return {direction.Dot(pose.Right()), direction.Dot(pose.Up()), direction.Dot(pose.Dir())};
}

Vec3 ToWorldFrame(const Matrix& pose, const Vec3& direction)
{
    return pose.Right() * direction.x + pose.Up() * direction.y + pose.Dir() * direction.z;
}

} // namespace

DynamicShipController::DynamicShipController(PhysicsActor* actor) : _actor(actor) { SetToDefault(); }

void DynamicShipController::SetToDefault()
{
    const Vec3 zero(0, 0, 0);
    _linMin = _linMax = _angMin = _angMax = zero;
    _linAcc = _linDmp = _angAcc = _angDmp = zero;
}

void DynamicShipController::SetLinMinMaxAbsVel(const Vec3& min, const Vec3& max)
{
    _linMin = min;
    _linMax = max;
}

void DynamicShipController::SetAngMinMaxAbsVel(const Vec3& min, const Vec3& max)
{
    _angMin = min;
    _angMax = max;
}

void DynamicShipController::SetLinAccDmp(const Vec3& acc, const Vec3& dmp)
{
    _linAcc = acc;
    _linDmp = dmp;
}

void DynamicShipController::SetAngAccDmp(const Vec3& acc, const Vec3& dmp)
{
    _angAcc = acc;
    _angDmp = dmp;
}

void DynamicShipController::SetAngVelX(float velocity) { _angTarget.x = Bound(velocity, _angMin.x, _angMax.x); }

void DynamicShipController::SetAngVelY(float velocity) { _angTarget.y = Bound(velocity, _angMin.y, _angMax.y); }

void DynamicShipController::SetAngVelZ(float velocity) { _angTarget.z = Bound(velocity, _angMin.z, _angMax.z); }

void DynamicShipController::SetLinVelX(float velocity) { _linTarget.x = Bound(velocity, _linMin.x, _linMax.x); }

void DynamicShipController::SetLinVelZ(float velocity) { _linTarget.z = Bound(velocity, _linMin.z, _linMax.z); }

void DynamicShipController::SetAbsLinVel(const Vec3& velocity)
{
    if (!_actor)
        return;
    const Vec3 before = _actor->GetLocalLinearVelocity();
    _actor->SetGlobalLinearVelocity(velocity);
    const Vec3 given = _actor->GetLocalLinearVelocity();
    _actor->SetLocalLinearVelocity(before - given);
}

void DynamicShipController::SetLocalAngularVelocity(const Vec3& velocity)
{
    if (_actor)
        _actor->SetLocalAngularVelocity(velocity);
}

void DynamicShipController::UpdateController(float dt, float)
{
    if (_actor)
    {
        // The body's frame, read once for all four conversions.
        const Matrix pose = _actor->GetGlobalPose();
        _linCurrent = ToBodyFrame(pose, _actor->GetGlobalLinearVelocity());
        _angCurrent = ToBodyFrame(pose, _actor->GetGlobalAngularVelocity());

        const Vec3 linDamping = _linDmp * dt;
        _linCurrent.x = StepLateral(_linCurrent.x, _linTarget.x, _linMin.x, _linMax.x, linDamping.x);
        _linCurrent.y = StepLateral(_linCurrent.y, _linTarget.y, _linMin.y, _linMax.y, linDamping.y);
        _linCurrent.z = StepForward(_linCurrent.z, _linTarget.z, _linMin.z, _linMax.z, _linAcc.z * dt, linDamping.z);

        const Vec3 angAcceleration = _angAcc * dt;
        const Vec3 angDamping = _angDmp * dt;
        _angCurrent.x = StepAngular(_angCurrent.x, _angTarget.x, _angMax.x, angAcceleration.x, angDamping.x);
        _angCurrent.y = StepAngular(_angCurrent.y, _angTarget.y, _angMax.y, angAcceleration.y, angDamping.y);
        _angCurrent.z = StepAngular(_angCurrent.z, _angTarget.z, _angMax.z, angAcceleration.z, angDamping.z);

        _actor->SetGlobalLinearVelocity(ToWorldFrame(pose, _linCurrent));
        _actor->SetGlobalAngularVelocity(ToWorldFrame(pose, _angCurrent));
    }
    SetAngVelZ(0);
}

void DynamicShipController::RotateToDir(const Vec3& dir, float)
{
    if (!_actor)
        return;
    const Vec3 d = ToBodyFrame(_actor->GetGlobalPose(), dir);
    SetAngVelX(-3 * std::atan2(d.y, d.z));
    SetAngVelY(3 * std::atan2(d.x, d.z));
}

void DynamicShipController::RotateToDirUp(const Vec3& dir, float, const Vec3& up)
{
    if (!_actor)
        return;
    const Matrix pose = _actor->GetGlobalPose();
    const Vec3 d = ToBodyFrame(pose, dir);
    const Vec3 u = ToBodyFrame(pose, Vec3(up.x, up.y, 0));
    SetAngVelX(-std::atan2(d.y, d.z));
    SetAngVelY(std::atan2(d.x, d.z));
    SetAngVelZ(-std::atan2(u.x, u.y));
}
