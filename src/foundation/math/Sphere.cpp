#include "foundation/math/Sphere.h"

#include "foundation/math/Bounds.h"

void Sphere::BuildFromBounds(const Bounds& b)
{
    b.GetCenter(center);
    radius = center.Distance(b.max);
}

ePlaneSide Sphere::PlaneSide(const Plane& p, float epsilon) const
{
    const float s = p.Dot(center);
    if (s > radius + epsilon)
        return FRONT;
    if (s < -radius - epsilon)
        return BACK;
    return BOTH;
}

float Sphere::PlaneDistance(const Plane& p) const
{
    const float s = p.Dot(center);
    if (s > radius)
        return s - radius;
    if (s < -radius)
        return s + radius;
    return 0.0f;
}

void Sphere::AddPoint(const Vec3& p)
{
    if (radius < 0.0f)
    {
        center = p;
        radius = 0.0f;
        return;
    }
    const float d2 = center.DistanceSquared(p);
    if (d2 <= radius * radius)
        return;
    const float d = _sqrt(d2);
    center += (p - center) * (0.5f * (1.0f - radius / d));
    radius += (d - radius) * 0.5f;
}

void Sphere::Merge(const Sphere& other)
{
    if (radius < 0.0f)
    {
        *this = other;
        return;
    }
    if (other.radius < 0.0f)
        return;
    const float d = center.Distance(other.center);
    if (d + other.radius <= radius)
        return;                     // other already inside
    if (d + radius <= other.radius) // this inside other
    {
        *this = other;
        return;
    }
    const float newRadius = (d + radius + other.radius) * 0.5f;
    center += (other.center - center) * ((newRadius - radius) / d);
    radius = newRadius;
}
