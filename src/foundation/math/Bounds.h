#pragma once
// Axis-aligned box (min, max) of nodes, meshes and particle sets.
#include "foundation/math/Matrix.h"
#include "foundation/math/Sphere.h"

struct Bounds
{
    Vec3 min;
    Vec3 max;

    constexpr Bounds() : min(0.0f), max(0.0f) {}
    constexpr Bounds(const Vec3& mn, const Vec3& mx) : min(mn), max(mx) {}

    static const Bounds identityBox;
    // Scratch corners of the last Transform (main thread only).
    static Vec3 _corners[8];

    void SetMin(const Vec3& v) { min = v; }
    void SetMin(float x, float y, float z) { min.Set(x, y, z); }
    void SetMax(const Vec3& v) { max = v; }
    void SetMax(float x, float y, float z) { max.Set(x, y, z); }
    void GetMin(Vec3& out) const { out = min; }
    const Vec3& GetMin() const { return min; }
    void GetMax(Vec3& out) const { out = max; }
    const Vec3& GetMax() const { return max; }
    void SetDimensions(const Vec3& mn, const Vec3& mx)
    {
        min = mn;
        max = mx;
    }
    void SetDimensions(float x0, float y0, float z0, float x1, float y1, float z1)
    {
        min.Set(x0, y0, z0);
        max.Set(x1, y1, z1);
    }
    void Set(const Vec3& centre, const Vec3& size)
    {
        min = centre - size * 0.5f;
        max = centre + size * 0.5f;
    }

    void GetCenter(Vec3& out) const { out = (min + max) * 0.5f; }
    void GetSize(Vec3& out) const { out = max - min; }
    float GetDiagonal() const { return min.Distance(max); }
    float GetDiagonalSquared() const { return min.DistanceSquared(max); }
    // Zero for a flat or inverted box.
    float GetVolume() const;

    void SetNull() { min = max = Vec3(0.0f); }
    // Inverted to the float limits so that the first AddPoint sets both corners.
    void SetUndefined()
    {
        min = Vec3(3.4028235e38f);
        max = Vec3(-3.4028235e38f);
    }

    void AddPoint(const Vec3& p)
    {
        if (p.x < min.x)
            min.x = p.x;
        if (p.y < min.y)
            min.y = p.y;
        if (p.z < min.z)
            min.z = p.z;
        if (p.x > max.x)
            max.x = p.x;
        if (p.y > max.y)
            max.y = p.y;
        if (p.z > max.z)
            max.z = p.z;
    }
    void Merge(const Bounds& b)
    {
        AddPoint(b.min);
        AddPoint(b.max);
    }
    void Merge(const Sphere& s)
    {
        AddPoint(s.center + Vec3(s.radius));
        AddPoint(s.center - Vec3(s.radius));
    }
    void Expand(float x)
    {
        min -= Vec3(x);
        max += Vec3(x);
    }
    void Translate(const Vec3& v)
    {
        min += v;
        max += v;
    }
    // Box around the eight corners transformed as points (with the division by w).
    void Transform(const Matrix& m);

    // Inclusive on every face.
    bool Intersects(const Vec3& p) const
    {
        return min.x <= p.x && p.x <= max.x && min.y <= p.y && p.y <= max.y && min.z <= p.z && p.z <= max.z;
    }
    // OUTSIDE when separated on some axis, otherwise PARTIAL.
    eIntersection Intersects(const Bounds& b) const
    {
        if (min.x > b.max.x || max.x < b.min.x || min.y > b.max.y || max.y < b.min.y || min.z > b.max.z ||
            max.z < b.min.z)
            return OUTSIDE;
        return PARTIAL;
    }
    // INSIDE when the whole box is on the front side.
    eIntersection Intersects(const Plane& p) const
    {
        const float nearX = p.a >= 0.0f ? min.x : max.x, farX = p.a >= 0.0f ? max.x : min.x;
        const float nearY = p.b >= 0.0f ? min.y : max.y, farY = p.b >= 0.0f ? max.y : min.y;
        const float nearZ = p.c >= 0.0f ? min.z : max.z, farZ = p.c >= 0.0f ? max.z : min.z;
        if (p.a * nearX + p.b * nearY + p.c * nearZ + p.d >= 0.0f)
            return INSIDE;
        if (p.a * farX + p.b * farY + p.c * farZ + p.d >= 0.0f)
            return PARTIAL;
        return OUTSIDE;
    }
    ePlaneSide PlaneSide(const Plane& p, float epsilon) const;
    float PlaneDistance(const Plane& p) const;

    bool operator==(const Bounds& b) const { return min == b.min && max == b.max; }
    bool operator!=(const Bounds& b) const { return !(*this == b); }
};
