#pragma once
// The concrete steering entity: a point mass that a steering force moves, with its force
// smoothed over a few frames, its turn limited at low speed, and its path curvature measured.
#include "game/ai/steering/SteerLibrary.h"

namespace Pelloris {

class SimpleEntity : public EntityBase
{
public:
    SimpleEntity();

    // Mass 1, speed 0, radius 0.5, maximum force 0.1, maximum speed 1, at the origin facing +z.
    void Reset();

    float GetMass() const override { return mass; }
    float SetMass(float m) override { return mass = m; }
    float GetRadius() const override { return radius; }
    float SetRadius(float r) override { return radius = r; }
    SteerVec3 GetVelocity() const override { return GetForward() * speed; }
    float GetSpeed() const override { return speed; }
    float SetSpeed(float s) override { return speed = s; }
    SteerVec3 PredictFuturePosition(float seconds) const override { return GetPosition() + GetVelocity() * seconds; }
    float GetMaxForce() const override { return maxForce; }
    float SetMaxForce(float f) override { return maxForce = f; }
    float GetMaxSpeed() const override { return maxSpeed; }
    float SetMaxSpeed(float s) override { return maxSpeed = s; }

    // Turns the frame to the new velocity (unchanged at a standstill).
    virtual void RegenerateLocalSpace(const SteerVec3& newVelocity, float seconds);
    // Below a fifth of the maximum speed a force may deviate from the forward direction only
    // within a cone that narrows to nothing at a standstill.
    virtual SteerVec3 AdjustRawSteering(const SteerVec3& force, float seconds);

    // Moves the entity by the force over the seconds. A mass of 0 or less counts as 1.
    void ApplySteering(const SteerVec3& force, float seconds);
    // Slows by the rate (at most the maximum force), down to a standstill.
    void ApplyBraking(float rate, float seconds);
    void MeasurePathCurvature(float seconds);

    float GetCurvature() const { return curvature; }

private:
    float mass = 1;
    float radius = 0.5f;
    float speed = 0;
    float maxForce = 0.1f;
    float maxSpeed = 1;
    float curvature = 0;
    SteerVec3 lastForward;
    SteerVec3 lastPosition;
    SteerVec3 smoothedPosition;
    float smoothedCurvature = 0;
    SteerVec3 smoothedAcceleration;
};

} // namespace Pelloris
