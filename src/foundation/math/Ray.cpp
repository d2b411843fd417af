#include "foundation/math/Ray.h"

#include <cmath>

bool Ray::Intersects(const Vec3& p0, const Vec3& p1, const Vec3& p2, float& t, float& u, float& v) const
{
    const Vec3 e1 = p1 - p0, e2 = p2 - p0;
    const Vec3 p = direction ^ e2;
    const float det = e1.Dot(p);
    if (std::fabs(det) <= 1.1754944e-38f)
        return false;
    const float inv = 1.0f / det;
    const Vec3 s = origin - p0;
    u = s.Dot(p) * inv;
    if (u < 0.0f || u > 1.0f)
        return false;
    const Vec3 q = s ^ e1;
    v = direction.Dot(q) * inv;
    if (v < 0.0f || u + v > 1.0f)
        return false;
    t = e2.Dot(q) * inv;
    return t >= 0.0f;
}

bool Ray::Intersects(const Bounds& b, float& t) const
{
    const Vec3& o = origin;
    if (o.x > b.min.x && o.x < b.max.x && o.y > b.min.y && o.y < b.max.y && o.z > b.min.z && o.z < b.max.z)
    {
        t = 0.0f;
        return true;
    }
    bool hit = false;
    float best = 0.0f;
    // Faces in the order min-x, max-x, min-y, max-y, min-z, max-z.
    for (int axis = 0; axis < 3; ++axis)
    {
        const int a1 = (axis + 1) % 3, a2 = (axis + 2) % 3;
        for (int side = 0; side < 2; ++side)
        {
            const float face = side == 0 ? b.min[axis] : b.max[axis];
            const bool facing =
                side == 0 ? (face > o[axis] && direction[axis] > 0.0f) : (face < o[axis] && direction[axis] < 0.0f);
            if (!facing)
                continue;
            const float s = (face - o[axis]) / direction[axis];
            if (s <= 0.0f)
                continue;
            const Vec3 h = o + direction * s;
            if (h[a1] < b.min[a1] || h[a1] > b.max[a1] || h[a2] < b.min[a2] || h[a2] > b.max[a2])
                continue;
            if (!hit || s < best)
                best = s;
            hit = true;
        }
    }
    t = best;
    return hit;
}

bool Ray::Intersects(const Sphere& s, float&) const
{
    const Vec3 o = origin - s.center;
    const float a = direction.Dot(direction), b = direction.Dot(o), c = o.Dot(o);
    return b * b - a * (c - s.radius * s.radius) >= 0.0f;
}

bool Ray::Intersects(const Plane& p, float&) const { return p.DotNormal(direction) != 0.0f; }
