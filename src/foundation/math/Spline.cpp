#include "foundation/math/Spline.h"

namespace {
// Segment and local parameter of a whole-curve parameter; out-of-range t stays on the curve's ends.
void Locate(float t, int count, int& segment, float& local)
{
    const float u = t * float(count - 1);
    segment = int(u);
    if (segment < 0)
        segment = 0;
    if (segment > count - 1)
        segment = count - 1;
    local = u - float(segment);
}
} // namespace

CatmullRomSpline::CatmullRomSpline() : _coeffs(2, -2, 1, 1, -3, 3, -2, -1, 0, 0, 1, 0, 1, 0, 0, 0) {}

void CatmullRomSpline::RecalculateTangents()
{
    const size_t n = _points.size();
    if (n < 2)
        return;
    _closed = _points[0] == _points[n - 1];
    _tangents.resize(n);
    for (size_t i = 1; i + 1 < n; ++i)
        _tangents[i] = (_points[i + 1] - _points[i - 1]) * 0.5f;
    if (_closed)
    {
        _tangents[0] = (_points[1] - _points[n - 2]) * 0.5f;
        _tangents[n - 1] = _tangents[0];
    }
    else
    {
        _tangents[0] = (_points[1] - _points[0]) * 0.5f;
        _tangents[n - 1] = (_points[n - 1] - _points[n - 2]) * 0.5f;
    }
}

void CatmullRomSpline::Interpolate(int i, float t, Vec3& out) const
{
    if (size_t(i) + 1 == _points.size() || t == 0.0f)
    {
        out = _points[size_t(i)];
        return;
    }
    if (t == 1.0f)
    {
        out = _points[size_t(i) + 1];
        return;
    }
    const Matrix p(Vec4(_points[size_t(i)], 1.0f), Vec4(_points[size_t(i) + 1], 1.0f), Vec4(_tangents[size_t(i)], 1.0f),
                   Vec4(_tangents[size_t(i) + 1], 1.0f));
    const Matrix hp = _coeffs * p;
    const float t2 = t * t;
    const Vec4 powers(t2 * t, t2, t, 1.0f);
    Vec4 r;
    for (int c = 0; c < 4; ++c)
        r[c] = powers.x * hp(0, c) + powers.y * hp(1, c) + powers.z * hp(2, c) + powers.w * hp(3, c);
    out = r.AsVec3();
}

void CatmullRomSpline::Interpolate(float t, Vec3& out) const
{
    if (_points.empty())
        return;
    int segment;
    float local;
    Locate(t, GetPointCount(), segment, local);
    Interpolate(segment, local, out);
}

void RotationSpline::RecalculateTangents()
{
    const size_t n = _points.size();
    if (n < 2)
        return;
    _closed = _points[0] == _points[n - 1];
    _tangents.resize(n);
    for (size_t i = 0; i < n; ++i)
    {
        const Quaternion& p = _points[i];
        Quaternion pInv;
        p.Inversed(pInv);
        const Quaternion& next = i + 1 < n ? _points[i + 1] : (_closed ? _points[1] : p);
        const Quaternion& prev = i > 0 ? _points[i - 1] : (_closed ? _points[n - 2] : p);
        const Quaternion sum = (pInv * next).Log() + (pInv * prev).Log();
        _tangents[i] = p * (sum * -0.25f).Exp();
    }
}

void RotationSpline::Interpolate(int i, float t, Quaternion& out) const
{
    if (size_t(i) + 1 == _points.size() || t == 0.0f)
    {
        out = _points[size_t(i)];
        return;
    }
    if (t == 1.0f)
    {
        out = _points[size_t(i) + 1];
        return;
    }
    Quaternion::Squad(out, t, _points[size_t(i)], _tangents[size_t(i)], _tangents[size_t(i) + 1],
                      _points[size_t(i) + 1], false);
}

void RotationSpline::Interpolate(float t, Quaternion& out) const
{
    if (_points.empty())
        return;
    int segment;
    float local;
    Locate(t, GetPointCount(), segment, local);
    Interpolate(segment, local, out);
}
