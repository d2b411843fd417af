#include "services/physics/PhysicsActor.h"

#include "services/physics/PhysicsActorData.h"

Matrix PhysicsActor::ToMatrix(const NxMat34& pose)
{
    Matrix m;
    for (int r = 0; r < 3; ++r)
    {
        for (int c = 0; c < 3; ++c)
            m(r, c) = pose.M[c][r];
        m(r, 3) = 0;
    }
    m(3, 0) = pose.t.x;
    m(3, 1) = pose.t.y;
    m(3, 2) = pose.t.z;
    m(3, 3) = 1;
    return m;
}

NxMat34 PhysicsActor::ToPose(const Matrix& matrix)
{
    NxMat34 pose;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            pose.M[r][c] = matrix(c, r);
    pose.t = {matrix(3, 0), matrix(3, 1), matrix(3, 2)};
    return pose;
}

PhysicsActorEventListener* PhysicsActor::GetListener() const
{
    const auto* data = static_cast<const PhysicsActorData*>(userData);
    return data ? data->listener : nullptr;
}

void PhysicsActor::AddController(DynamicShipController* controller)
{
    if (auto* data = static_cast<PhysicsActorData*>(userData))
        data->controller = controller;
}

DynamicShipController* PhysicsActor::GetController() const
{
    const auto* data = static_cast<const PhysicsActorData*>(userData);
    return data ? data->controller : nullptr;
}

Quaternion PhysicsActor::GetGlobalOrientationQuat() const
{
    const NxQuat q = getGlobalOrientationQuat();
    return {q.x, q.y, q.z, q.w};
}

void PhysicsActor::SetGlobalOrientationQuat(Quaternion& orientation)
{
    setGlobalOrientationQuat({orientation.x, orientation.y, orientation.z, orientation.w});
}

Vec3 PhysicsActor::GetLocalLinearVelocity() const
{
    Quaternion inverse;
    GetGlobalOrientationQuat().UnitInversed(inverse);
    return inverse * GetGlobalLinearVelocity();
}

Vec3 PhysicsActor::GetLocalAngularVelocity() const
{
    Quaternion inverse;
    GetGlobalOrientationQuat().UnitInversed(inverse);
    return inverse * GetGlobalAngularVelocity();
}

void PhysicsActor::SetLocalLinearVelocity(const Vec3& velocity)
{
    SetGlobalLinearVelocity(GetGlobalOrientationQuat() * velocity);
}

void PhysicsActor::SetLocalAngularVelocity(const Vec3& velocity)
{
    SetGlobalAngularVelocity(GetGlobalOrientationQuat() * velocity);
}
