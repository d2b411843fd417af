#pragma once
// A rigid body of the game: the engine actor itself, with pose and velocity in the game's
// types. Matrices hold the transposed rotation and the position in the fourth row.
#include "foundation/math/Matrix.h"
#include "foundation/math/Quaternion.h"
#include "services/physics/shim/NxActor.h"

class PhysicsActorEventListener;
class DynamicShipController;

class PhysicsActor : public NxActor
{
public:
    static Matrix ToMatrix(const NxMat34& pose);
    static NxMat34 ToPose(const Matrix& matrix);

    // Null when the actor carries no record.
    PhysicsActorEventListener* GetListener() const;
    void AddController(DynamicShipController* controller);
    DynamicShipController* GetController() const;

    Matrix GetGlobalPose() const;
    void SetGlobalPose(const Matrix& pose);
    void MoveGlobalPose(const Matrix& pose) { moveGlobalPose(ToPose(pose)); }
    Vec3 GetGlobalPosition() const { return getGlobalPosition(); }
    void SetGlobalPosition(Vec3& position) { setGlobalPosition(position); }
    Quaternion GetGlobalOrientationQuat() const;
    void SetGlobalOrientationQuat(Quaternion& orientation);

    Vec3 GetGlobalLinearVelocity() const { return getLinearVelocity(); }
    Vec3 GetGlobalAngularVelocity() const { return getAngularVelocity(); }
    void SetGlobalLinearVelocity(const Vec3& velocity) { setLinearVelocity(velocity); }
    void SetGlobalAngularVelocity(const Vec3& velocity) { setAngularVelocity(velocity); }
    // Body-frame velocities: the global ones turned by the inverse orientation, and back.
    Vec3 GetLocalLinearVelocity() const;
    Vec3 GetLocalAngularVelocity() const;
    void SetLocalLinearVelocity(const Vec3& velocity);
    void SetLocalAngularVelocity(const Vec3& velocity);

private:
    friend class NxScene;
    PhysicsActor() = default;
};
