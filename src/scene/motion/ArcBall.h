#pragma once

#include "foundation/math/Sphere.h"

class Bone;
class Timer;

// How the arc-ball turns its target.
enum eArcBallMode : unsigned
{
    ABM_RELATIVE = 0,  // this frame's motion, about the target's own axes
    ABM_PITCH_YAW = 1, // the accumulated pitch in world space, then the yaw about the own axis
    ABM_YAW_PITCH = 2, // the accumulated yaw in world space, then the pitch about the own axis
};

// Turns a bone (not owned) from mouse motion and keeps it on a sphere around an anchor, looking
// at it: a model shown in the hangar, or the camera orbiting it.
class ArcBall
{
public:
    ArcBall() = default;
    ArcBall(Bone* target, const Sphere& sphere) : _target(target), _sphere(sphere) {}
    ArcBall(Bone* target, const Vec3& anchor, float radius) : _target(target), _sphere(anchor, radius) {}

    void SetTarget(Bone* target) { _target = target; }
    Bone* GetTarget() const { return _target; }
    void SetAnchor(const Vec3& anchor) { _sphere.center = anchor; }
    const Vec3& GetAnchor() const { return _sphere.center; }
    void SetRadius(float radius) { _sphere.radius = radius; }
    float GetRadius() const { return _sphere.radius; }
    void SetArcSphere(const Sphere& sphere) { _sphere = sphere; }
    const Sphere& GetArcSphere() const { return _sphere; }
    void SetRotationSpeed(float speed) { _speed = speed; }
    float GetRotationSpeed() const { return _speed; }
    void SetRotationMode(eArcBallMode mode) { _mode = mode; }
    eArcBallMode GetRotationMode() const { return _mode; }

    // dx and dy are this frame's motion; the angles change by them times the speed and the
    // frame time (degrees).
    void UpdateRotation(float dx, float dy, const Timer& timer);

private:
    Bone* _target = nullptr;
    Sphere _sphere{Vec3(0.0f), 0.0f};
    eArcBallMode _mode = ABM_RELATIVE;
    float _speed = 1.0f;
    float _yaw = 0.0f;
    float _pitch = 0.0f;
};
