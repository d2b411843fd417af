#include "foundation/math/Bounds.h"

#include <cmath>

const Bounds Bounds::identityBox(Vec3(-1.0f), Vec3(1.0f));
Vec3 Bounds::_corners[8];

float Bounds::GetVolume() const
{
    const Vec3 e = max - min;
    if (e.x <= 0.0f || e.y <= 0.0f || e.z <= 0.0f)
        return 0.0f;
    return e.x * e.y * e.z;
}

void Bounds::Transform(const Matrix& m)
{
    _corners[0].Set(min.x, min.y, min.z);
    _corners[1].Set(min.x, min.y, max.z);
    _corners[2].Set(max.x, min.y, max.z);
    _corners[3].Set(max.x, min.y, min.z);
    _corners[4].Set(min.x, max.y, min.z);
    _corners[5].Set(min.x, max.y, max.z);
    _corners[6].Set(max.x, max.y, max.z);
    _corners[7].Set(max.x, max.y, min.z);
    SetUndefined();
    for (Vec3& c : _corners)
    {
        m.Transform(c, c);
        AddPoint(c);
    }
}

namespace {
// Signed distance of the centre and the box's extent along the plane normal.
void CentreAndExtent(const Bounds& b, const Plane& p, float& s, float& e)
{
    Vec3 c;
    b.GetCenter(c);
    s = p.Dot(c);
    e = float(std::fabs(double(b.max.x - c.x) * p.a) + std::fabs(double(b.max.y - c.y) * p.b) +
              std::fabs(double(b.max.z - c.z) * p.c));
}
} // namespace

ePlaneSide Bounds::PlaneSide(const Plane& p, float epsilon) const
{
    float s, e;
    CentreAndExtent(*this, p, s, e);
    if (epsilon < s - e)
        return FRONT;
    if (-epsilon > s + e)
        return BACK;
    return BOTH;
}

float Bounds::PlaneDistance(const Plane& p) const
{
    float s, e;
    CentreAndExtent(*this, p, s, e);
    if (s - e > 0.0f)
        return s - e;
    if (s + e < 0.0f)
        return s + e;
    return 0.0f;
}
