#pragma once
// Bounding sphere; a negative radius is empty for AddPoint and Merge.
#include "foundation/math/Plane.h"

struct Bounds;

struct Sphere
{
    Vec3 center;
    float radius;

    Sphere() = default; // left uninitialised
    constexpr Sphere(const Vec3& c, float r) : center(c), radius(r) {}

    void SetCenter(const Vec3& c) { center = c; }
    void GetCenter(Vec3& out) const { out = center; }
    const Vec3& GetCenter() const { return center; }
    void SetRadius(float r) { radius = r; }
    float GetRadius() const { return radius; }
    void SetNull()
    {
        center = Vec3(0.0f);
        radius = 0.0f;
    }
    void SetUndefined()
    {
        center = Vec3(0.0f);
        radius = 3.4028235e38f;
    }
    void Translate(const Vec3& v) { center += v; }
    void Expand(float x) { radius += x; }
    void BuildFromBounds(const Bounds& b);

    bool Intersects(const Vec3& p) const { return center.DistanceSquared(p) <= radius * radius; }
    int Intersects(const Sphere& s) const
    {
        const float r = radius + s.radius;
        return center.DistanceSquared(s.center) <= r * r ? 1 : 0;
    }
    int Intersects(const Plane& p) const { return p.DistanceToPoint(center) <= radius ? 1 : 0; }
    ePlaneSide PlaneSide(const Plane& p, float epsilon) const;
    float PlaneDistance(const Plane& p) const;

    // Grows to enclose the point (an empty sphere becomes the point).
    void AddPoint(const Vec3& p);
    // Grows to the smallest sphere enclosing both (an empty sphere becomes the other).
    void Merge(const Sphere& other);
};
