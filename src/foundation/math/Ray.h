#pragma once
// Ray from an origin along a direction (not necessarily unit length), for picking.
#include "foundation/math/Bounds.h"

class Frustum;

struct Ray
{
    Vec3 origin;
    Vec3 direction;

    constexpr Ray() : origin(0.0f), direction(0.0f, 0.0f, 1.0f) {}
    constexpr Ray(const Vec3& o, const Vec3& d) : origin(o), direction(d) {}

    void SetOrigin(const Vec3& o) { origin = o; }
    const Vec3& GetOrigin() const { return origin; }
    void GetOrigin(Vec3& out) const { out = origin; }
    void SetDirection(const Vec3& d) { direction = d; }
    const Vec3& GetDirection() const { return direction; }
    void GetDirection(Vec3& out) const { out = direction; }
    void GetPointAlong(float t, Vec3& out) const { out = origin + direction * t; }
    Vec3 operator*(float t) const { return origin + direction * t; }
    // Origin at zero, direction reversed.
    Ray operator-() const { return {Vec3(0.0f), -direction}; }

    // Triangle test; t, u, v are written as far as they were computed. A hit needs t >= 0.
    bool Intersects(const Vec3& p0, const Vec3& p1, const Vec3& p2, float& t, float& u, float& v) const;
    // t = distance to the nearest face hit (0 from inside or on a miss).
    bool Intersects(const Bounds& b, float& t) const;
    // Whether the infinite line meets the sphere; t is left untouched.
    bool Intersects(const Sphere& s, float& t) const;
    // Whether the ray is not parallel to the plane; t is left untouched.
    bool Intersects(const Plane& p, float& t) const;
    // Always true (no frustum test is made); t is left untouched.
    bool Intersects(const Frustum&, float&) const { return true; }

    bool operator==(const Ray& r) const { return origin == r.origin && direction == r.direction; }
    bool operator!=(const Ray& r) const { return !(*this == r); }
};
