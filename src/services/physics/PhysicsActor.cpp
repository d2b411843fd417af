#include "services/physics/PhysicsActor.h"

#include <LinearMath/btTransform.h>

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

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

namespace {

// The pose is read and written every frame. Its rows go straight between the engine's transform
// and a matrix, each stored whole: a row stored piecewise stalls the reader that loads it whole.

// Rows x, y, z become the columns of the 3x3 block of rows a, b, c; fourth elements are 0.
void TransposeRows(const float* a, const float* b, const float* c, float* x, float* y, float* z)
{
#if defined(__SSE__)
    __m128 r0 = _mm_setr_ps(a[0], a[1], a[2], 0), r1 = _mm_setr_ps(b[0], b[1], b[2], 0);
    __m128 r2 = _mm_setr_ps(c[0], c[1], c[2], 0), r3 = _mm_setzero_ps();
    _MM_TRANSPOSE4_PS(r0, r1, r2, r3);
    _mm_storeu_ps(x, r0);
    _mm_storeu_ps(y, r1);
    _mm_storeu_ps(z, r2);
#else
    const float* rows[3] = {a, b, c};
    float* columns[3] = {x, y, z};
    for (int i = 0; i < 3; ++i)
    {
        for (int j = 0; j < 3; ++j)
            columns[i][j] = rows[j][i];
        columns[i][3] = 0;
    }
#endif
}

void StoreRow(float* row, float x, float y, float z, float w)
{
#if defined(__SSE__)
    _mm_storeu_ps(row, _mm_setr_ps(x, y, z, w));
#else
    row[0] = x;
    row[1] = y;
    row[2] = z;
    row[3] = w;
#endif
}

} // namespace

Matrix PhysicsActor::GetGlobalPose() const
{
    const btTransform& transform = WorldTransform();
    const btMatrix3x3& basis = transform.getBasis();
    const btVector3& origin = transform.getOrigin();
    Matrix pose;
    TransposeRows(basis[0], basis[1], basis[2], &pose.m[0], &pose.m[4], &pose.m[8]);
    StoreRow(&pose.m[12], origin.x(), origin.y(), origin.z(), 1);
    return pose;
}

void PhysicsActor::SetGlobalPose(const Matrix& pose)
{
    btTransform transform;
    btMatrix3x3& basis = transform.getBasis();
    TransposeRows(&pose.m[0], &pose.m[4], &pose.m[8], basis[0], basis[1], basis[2]);
    StoreRow(transform.getOrigin(), pose.m[12], pose.m[13], pose.m[14], 0);
    SetWorldTransform(transform);
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
