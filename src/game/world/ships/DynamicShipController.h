#pragma once
// Steers a fighter's physics body toward target velocities, per axis of the ship's own frame,
// with bounded acceleration and damping. Ships and the AI set the targets; the ship's update
// runs UpdateController once a frame. The body keeps a pointer to it.
#include "foundation/math/Vec3.h"

class PhysicsActor;

class DynamicShipController
{
public:
    explicit DynamicShipController(PhysicsActor* actor);

    // Every bound, acceleration and damping back to zero.
    void SetToDefault();
    PhysicsActor* GetControllableActor() const { return _actor; }

    void SetLinMinMaxAbsVel(const Vec3& min, const Vec3& max);
    void SetAngMinMaxAbsVel(const Vec3& min, const Vec3& max);
    void SetLinAccDmp(const Vec3& acc, const Vec3& dmp);
    void SetAngAccDmp(const Vec3& acc, const Vec3& dmp);

    // One axis of a target, bounded by that axis's minimum and maximum.
    void SetAngVelX(float velocity);
    void SetAngVelY(float velocity);
    void SetAngVelZ(float velocity);
    void SetLinVelX(float velocity);
    void SetLinVelZ(float velocity);
    // The body's velocity becomes its previous one minus `velocity`.
    void SetAbsLinVel(const Vec3& velocity);
    // At once, on the body.
    void SetLocalAngularVelocity(const Vec3& velocity);

    // One step toward the targets; then the roll target returns to zero.
    void UpdateController(float dt, float unused = 0);
    void RotateToDir(const Vec3& dir, float unused = 0);
    void RotateToDirUp(const Vec3& dir, float unused, const Vec3& up);

    const Vec3& GetLinearTarget() const { return _linTarget; }
    const Vec3& GetAngularTarget() const { return _angTarget; }
    const Vec3& GetLinMin() const { return _linMin; }
    const Vec3& GetLinMax() const { return _linMax; }
    const Vec3& GetAngMin() const { return _angMin; }
    const Vec3& GetAngMax() const { return _angMax; }
    const Vec3& GetLinAcc() const { return _linAcc; }
    const Vec3& GetLinDmp() const { return _linDmp; }
    const Vec3& GetAngAcc() const { return _angAcc; }
    const Vec3& GetAngDmp() const { return _angDmp; }

private:
    PhysicsActor* _actor; // not owned
    Vec3 _linTarget{0, 0, 0};
    Vec3 _angTarget{0, 0, 0};  // radians per second
    Vec3 _linCurrent{0, 0, 0}; // the body's local velocities while an update runs
    Vec3 _angCurrent{0, 0, 0};
    Vec3 _linMin{0, 0, 0}, _linMax{0, 0, 0};
    Vec3 _angMin{0, 0, 0}, _angMax{0, 0, 0};
    Vec3 _linAcc{0, 0, 0}, _linDmp{0, 0, 0};
    Vec3 _angAcc{0, 0, 0}, _angDmp{0, 0, 0};
};
