#pragma once
// Plane a*x + b*y + c*z + d = 0; the positive side is the front.
#include "foundation/math/Intersection.h"
#include "foundation/math/Vec3.h"

struct Plane
{
    float a, b, c, d;

    constexpr Plane() : a(1.0f), b(1.0f), c(1.0f), d(1.0f) {}
    constexpr Plane(float a_, float b_, float c_, float d_) : a(a_), b(b_), c(c_), d(d_) {}
    Plane(const Vec3& p0, const Vec3& p1, const Vec3& p2) { BuildFromPoints(p0, p1, p2); }

    Vec3& Normal() { return *reinterpret_cast<Vec3*>(&a); }
    const Vec3& Normal() const { return *reinterpret_cast<const Vec3*>(&a); }

    float Dot(const Vec3& p) const { return a * p.x + b * p.y + c * p.z + d; }
    float DotNormal(const Vec3& v) const { return a * v.x + b * v.y + c * v.z; }
    float DistanceToPointNoABS(const Vec3& p) const { return Dot(p); }
    float DistanceToPoint(const Vec3& p) const
    {
        const float s = Dot(p);
        return s < 0.0f ? -s : s;
    }
    ePlaneSide Side(const Vec3& p, float epsilon) const
    {
        const float s = Dot(p);
        return s > epsilon ? FRONT : (s < -epsilon ? BACK : ON);
    }

    // Scales the normal to unit length; d is kept.
    void Normalize() { Normal().Normalize(); }
    void Normalized(Plane& out) const
    {
        out = *this;
        out.Normalize();
    }

    void BuildFromVector(const Vec3& point, const Vec3& normal);
    void BuildFromPoints(const Vec3& p0, const Vec3& p1, const Vec3& p2);

    // Whether segment a-b crosses the plane; on a crossing, out receives the crossing point.
    bool Intersect(const Vec3& pa, const Vec3& pb, Vec3& out) const;
    // The line where two planes meet; false for parallel planes.
    bool Intersect(const Plane& other, Vec3& point, Vec3& direction) const;

    Plane operator-() const { return {-a, -b, -c, -d}; }
    bool operator==(const Plane& p) const { return a == p.a && b == p.b && c == p.c && d == p.d; }
    bool operator!=(const Plane& p) const { return !(*this == p); }
};
