#include "foundation/math/Plane.h"

#include <cmath>

void Plane::BuildFromVector(const Vec3& point, const Vec3& normal)
{
    Normal() = normal;
    Normal().Normalize();
    d = -Normal().Dot(point);
}

void Plane::BuildFromPoints(const Vec3& p0, const Vec3& p1, const Vec3& p2)
{
    Normal() = (p0 - p1) ^ (p2 - p1);
    Normal().Normalize();
    d = -Normal().Dot(p1);
}

bool Plane::Intersect(const Vec3& pa, const Vec3& pb, Vec3& out) const
{
    const float sa = Dot(pa), sb = Dot(pb);
    if (sa == sb || (sa > 0.0f && sb > 0.0f) || (sa < 0.0f && sb < 0.0f))
        return false;
    const float t = sa / (sa - sb);
    if (t < 0.0f || t > 1.0f)
        return false;
    out = pa + (pb - pa) * t;
    return true;
}

bool Plane::Intersect(const Plane& other, Vec3& point, Vec3& direction) const
{
    const Vec3& n1 = Normal();
    const Vec3& n2 = other.Normal();
    const float A = n1.Dot(n1), B = n1.Dot(n2), C = n2.Dot(n2);
    const float det = A * C - B * B;
    if (std::fabs(det) < 1e-6f)
        return false;
    direction = n1 ^ n2;
    point = n1 * ((other.d * B - d * C) / det) + n2 * ((B * d - other.d * A) / det);
    return true;
}
