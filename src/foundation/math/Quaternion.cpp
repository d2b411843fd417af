#include "foundation/math/Quaternion.h"

void Quaternion::FromAxisAngle(const Vec3& axis, float angle)
{
    const float s = _sin(angle * 0.5f);
    Set(axis.x * s, axis.y * s, axis.z * s, _cos(angle * 0.5f));
}

void Quaternion::ToAxisAngle(Vec3& axis, float& angle) const
{
    const float n = x * x + y * y + z * z;
    if (n > 0.0f)
    {
        // A normalised w can round just past 1, where the arc cosine has no value.
        angle = 2.0f * _acos(w > 1.0f ? 1.0f : (w < -1.0f ? -1.0f : w));
        axis = Vec3(x, y, z) * _invsqrt(n);
    }
    else
    {
        angle = 0.0f;
        axis.Set(1.0f, 0.0f, 0.0f);
    }
}

void Quaternion::Inversed(Quaternion& out) const
{
    const float n = LengthSquared();
    if (n > 0.0f)
    {
        const float inv = 1.0f / n;
        out.Set(-x * inv, -y * inv, -z * inv, w * inv);
    }
    else
    {
        out = zero;
    }
}

void Quaternion::Log(Quaternion& out) const
{
    out.Set(x, y, z, 0.0f);
    if (std::fabs(w) < 1.0f)
    {
        const float a = std::acos(w);
        const float s = std::sin(a);
        if (std::fabs(s) >= 0.001f)
        {
            const float k = a / s;
            out.Set(x * k, y * k, z * k, 0.0f);
        }
    }
}

void Quaternion::Exp(Quaternion& out) const
{
    const float a = std::sqrt(x * x + y * y + z * z);
    const float s = std::sin(a);
    out.Set(x, y, z, std::cos(a));
    if (std::fabs(s) >= 0.001f)
    {
        const float k = s / a;
        out.Set(x * k, y * k, z * k, std::cos(a));
    }
}

void Quaternion::ToMatrix(Matrix& m) const
{
    m(0, 0) = 1 - 2 * (y * y + z * z);
    m(0, 1) = 2 * (x * y + z * w);
    m(0, 2) = 2 * (x * z - y * w);
    m(1, 0) = 2 * (x * y - z * w);
    m(1, 1) = 1 - 2 * (x * x + z * z);
    m(1, 2) = 2 * (y * z + x * w);
    m(2, 0) = 2 * (x * z + y * w);
    m(2, 1) = 2 * (y * z - x * w);
    m(2, 2) = 1 - 2 * (x * x + y * y);
}

void Quaternion::ToMatrixTranspose(Matrix& m) const
{
    Matrix r;
    ToMatrix(r);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            m(i, j) = r(j, i);
}

Vec3 Quaternion::Right() const { return {1 - 2 * (y * y + z * z), 2 * (x * y + z * w), 2 * (x * z - y * w)}; }

Vec3 Quaternion::Up() const { return {2 * (x * y - z * w), 1 - 2 * (x * x + z * z), 2 * (y * z + x * w)}; }

Vec3 Quaternion::Dir() const { return {2 * (x * z + y * w), 2 * (y * z - x * w), 1 - 2 * (x * x + y * y)}; }

void Quaternion::ToOrientation(Vec3& right, Vec3& up, Vec3& dir) const
{
    right = Right();
    up = Up();
    dir = Dir();
}

void Quaternion::FromMatrix(const Matrix& m)
{
    const float t = m(0, 0) + m(1, 1) + m(2, 2);
    if (t > 0.0f)
    {
        float r = _sqrt(t + 1.0f);
        w = r * 0.5f;
        r = 0.5f / r;
        x = (m(2, 1) - m(1, 2)) * r;
        y = (m(0, 2) - m(2, 0)) * r;
        z = (m(1, 0) - m(0, 1)) * r;
        return;
    }
    int i = 0;
    if (m(1, 1) > m(0, 0))
        i = 1;
    if (m(2, 2) > m(i, i))
        i = 2;
    const int j = (i + 1) % 3;
    const int k = (j + 1) % 3;
    float r = _sqrt(m(i, i) - m(j, j) - m(k, k) + 1.0f);
    Quaternion& q = *this;
    q[i] = r * 0.5f;
    r = 0.5f / r;
    w = (m(k, j) - m(j, k)) * r;
    q[j] = (m(j, i) + m(i, j)) * r;
    q[k] = (m(k, i) + m(i, k)) * r;
}

void Quaternion::FromOrientation(const Vec3& right, const Vec3& up, const Vec3& dir)
{
    Matrix m = Matrix::Ident();
    m.SetColumn(0, Vec4(right, 0.0f));
    m.SetColumn(1, Vec4(up, 0.0f));
    m.SetColumn(2, Vec4(dir, 0.0f));
    FromMatrix(m);
}

void Quaternion::Squad(Quaternion& out, float t, const Quaternion& p, const Quaternion& a, const Quaternion& b,
                       const Quaternion& q, bool shortestPath)
{
    const float k = 2.0f * t * (1.0f - t);
    Quaternion u, v;
    Slerp(u, p, q, t, shortestPath);
    Slerp(v, a, b, t, shortestPath);
    Slerp(out, u, v, k, shortestPath);
}
