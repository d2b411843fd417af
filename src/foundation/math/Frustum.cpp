#include "foundation/math/Frustum.h"

void Frustum::FromMatrix(const Matrix& m)
{
    if (_planes.size() < 6)
        return;
    const Vec4 c0 = m.GetColumn(0), c1 = m.GetColumn(1), c2 = m.GetColumn(2), c3 = m.GetColumn(3);
    const Vec4 rows[6] = {c3 - c0, c3 + c0, c3 + c1, c3 - c1, c3 - c2, c3 + c2};
    for (int i = 0; i < 6; ++i)
    {
        const Vec4& r = rows[i];
        const float k = _invsqrt(r.AsVec3().LengthSquared());
        _planes[size_t(i)] = Plane(r.x * k, r.y * k, r.z * k, r.w * k);
    }
}
