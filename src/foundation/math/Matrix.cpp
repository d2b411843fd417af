#include "foundation/math/Matrix.h"

#include <cmath>

const Matrix& Matrix::Ident()
{
    static const Matrix identity(1.0f);
    return identity;
}

const Matrix& Matrix::Zero()
{
    static const Matrix zero(0.0f);
    return zero;
}

void Matrix::Transpose() { Transposed(*this); }

void Matrix::Transposed(Matrix& out) const
{
    float r[16];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            r[j * 4 + i] = m[i * 4 + j];
    out.Set(r);
}

namespace {
// The 2x2 minors of rows 2 and 3, shared by the determinant and the inverse.
struct LowerMinors
{
    double s[6];
    explicit LowerMinors(const float* m)
    {
        const double a = m[8], b = m[9], c = m[10], d = m[11];
        const double e = m[12], f = m[13], g = m[14], h = m[15];
        s[0] = a * f - b * e; // columns 0,1
        s[1] = a * g - c * e; // 0,2
        s[2] = a * h - d * e; // 0,3
        s[3] = b * g - c * f; // 1,2
        s[4] = b * h - d * f; // 1,3
        s[5] = c * h - d * g; // 2,3
    }
};

double Determinant(const float* m, const LowerMinors& l)
{
    const double* s = l.s;
    const double c0 = m[5] * s[5] - m[6] * s[4] + m[7] * s[3];
    const double c1 = m[4] * s[5] - m[6] * s[2] + m[7] * s[1];
    const double c2 = m[4] * s[4] - m[5] * s[2] + m[7] * s[0];
    const double c3 = m[4] * s[3] - m[5] * s[1] + m[6] * s[0];
    return m[0] * c0 - m[1] * c1 + m[2] * c2 - m[3] * c3;
}
} // namespace

float Matrix::GetDeterminant() const { return float(Determinant(m, LowerMinors(m))); }

void Matrix::Inversed(Matrix& out) const
{
    double a[16];
    for (int i = 0; i < 16; ++i)
        a[i] = m[i];

    // Minors of rows 0-1 and rows 2-3 (Laplace expansion by complementary minors).
    const double s0 = a[0] * a[5] - a[4] * a[1];
    const double s1 = a[0] * a[6] - a[4] * a[2];
    const double s2 = a[0] * a[7] - a[4] * a[3];
    const double s3 = a[1] * a[6] - a[5] * a[2];
    const double s4 = a[1] * a[7] - a[5] * a[3];
    const double s5 = a[2] * a[7] - a[6] * a[3];
    const double c5 = a[10] * a[15] - a[14] * a[11];
    const double c4 = a[9] * a[15] - a[13] * a[11];
    const double c3 = a[9] * a[14] - a[13] * a[10];
    const double c2 = a[8] * a[15] - a[12] * a[11];
    const double c1 = a[8] * a[14] - a[12] * a[10];
    const double c0 = a[8] * a[13] - a[12] * a[9];

    const double det = s0 * c5 - s1 * c4 + s2 * c3 + s3 * c2 - s4 * c1 + s5 * c0;
    if (det == 0.0 || !std::isfinite(det))
        return;
    const double inv = 1.0 / det;

    float r[16];
    r[0] = float((a[5] * c5 - a[6] * c4 + a[7] * c3) * inv);
    r[1] = float((-a[1] * c5 + a[2] * c4 - a[3] * c3) * inv);
    r[2] = float((a[13] * s5 - a[14] * s4 + a[15] * s3) * inv);
    r[3] = float((-a[9] * s5 + a[10] * s4 - a[11] * s3) * inv);
    r[4] = float((-a[4] * c5 + a[6] * c2 - a[7] * c1) * inv);
    r[5] = float((a[0] * c5 - a[2] * c2 + a[3] * c1) * inv);
    r[6] = float((-a[12] * s5 + a[14] * s2 - a[15] * s1) * inv);
    r[7] = float((a[8] * s5 - a[10] * s2 + a[11] * s1) * inv);
    r[8] = float((a[4] * c4 - a[5] * c2 + a[7] * c0) * inv);
    r[9] = float((-a[0] * c4 + a[1] * c2 - a[3] * c0) * inv);
    r[10] = float((a[12] * s4 - a[13] * s2 + a[15] * s0) * inv);
    r[11] = float((-a[8] * s4 + a[9] * s2 - a[11] * s0) * inv);
    r[12] = float((-a[4] * c3 + a[5] * c1 - a[6] * c0) * inv);
    r[13] = float((a[0] * c3 - a[1] * c1 + a[2] * c0) * inv);
    r[14] = float((-a[12] * s3 + a[13] * s1 - a[14] * s0) * inv);
    r[15] = float((a[8] * s3 - a[9] * s1 + a[10] * s0) * inv);
    out.Set(r);
}

void Matrix::FromPerspective(float fovY, float aspect, float zNear, float zFar)
{
    const double yScale = 1.0 / std::tan(double(fovY) * 0.5);
    const double xScale = yScale / aspect;
    const double q = double(zFar) / (double(zFar) - zNear);
    *this = Zero();
    m[0] = float(xScale);
    m[5] = float(yScale);
    m[10] = float(q);
    m[11] = 1.0f;
    m[14] = float(-q * zNear);
}

void Matrix::FromOrtho(float width, float height, float zNear, float zFar)
{
    *this = Ident();
    m[0] = 2.0f / width;
    m[5] = 2.0f / height;
    m[10] = float(1.0 / (double(zFar) - zNear));
    m[14] = float(double(zNear) / (double(zNear) - zFar));
}

void Matrix::FromOrtho(float left, float right, float bottom, float top, float zNear, float zFar)
{
    *this = Ident();
    m[0] = float(2.0 / (double(right) - left));
    m[5] = float(2.0 / (double(top) - bottom));
    m[10] = float(1.0 / (double(zFar) - zNear));
    m[12] = float((double(left) + right) / (double(left) - right));
    m[13] = float((double(top) + bottom) / (double(bottom) - top));
    m[14] = float(double(zNear) / (double(zNear) - zFar));
}

void Matrix::FromScaling(float sx, float sy, float sz)
{
    *this = Ident();
    m[0] = sx;
    m[5] = sy;
    m[10] = sz;
}

void Matrix::FromTranslation(float x, float y, float z)
{
    *this = Ident();
    m[12] = x;
    m[13] = y;
    m[14] = z;
}

void Matrix::FromRotationYPR(float yaw, float pitch, float roll)
{
    // Rz(roll) * Rx(pitch) * Ry(yaw) expanded.
    const double sy = std::sin(double(yaw)), cy = std::cos(double(yaw));
    const double sp = std::sin(double(pitch)), cp = std::cos(double(pitch));
    const double sr = std::sin(double(roll)), cr = std::cos(double(roll));
    *this = Ident();
    m[0] = float(cr * cy + sr * sp * sy);
    m[1] = float(sr * cp);
    m[2] = float(-cr * sy + sr * sp * cy);
    m[4] = float(-sr * cy + cr * sp * sy);
    m[5] = float(cr * cp);
    m[6] = float(sr * sy + cr * sp * cy);
    m[8] = float(cp * sy);
    m[9] = float(-sp);
    m[10] = float(cp * cy);
}

void Matrix::FromRotationAxis(const Vec3& axis, float angle)
{
    double x = axis.x, y = axis.y, z = axis.z;
    const double len = std::sqrt(x * x + y * y + z * z);
    if (len > 0.0)
    {
        x /= len;
        y /= len;
        z /= len;
    }
    const double s = std::sin(double(angle)), c = std::cos(double(angle)), t = 1.0 - c;
    *this = Ident();
    m[0] = float(t * x * x + c);
    m[1] = float(t * x * y + s * z);
    m[2] = float(t * x * z - s * y);
    m[4] = float(t * x * y - s * z);
    m[5] = float(t * y * y + c);
    m[6] = float(t * y * z + s * x);
    m[8] = float(t * x * z + s * y);
    m[9] = float(t * y * z - s * x);
    m[10] = float(t * z * z + c);
}

void Matrix::FromAxes(const Vec3& right, const Vec3& up, const Vec3& dir)
{
    SetRow(0, right);
    SetRow(1, up);
    SetRow(2, dir);
}

void Matrix::FromOrientation(const Vec3& dir, const Vec3& up)
{
    Vec3 right = dir ^ up;
    right.Normalize();
    right = -right;
    Vec3 newUp = dir ^ right;
    newUp.Normalize();
    FromAxes(right, newUp, dir);
}

void Matrix::Scale(float sx, float sy, float sz)
{
    const float s[3] = {sx, sy, sz};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            m[r * 4 + c] *= s[r];
}

void Matrix::Rotate(const Vec3& axis, float angle) { Multiply(Matrix(axis, angle)); }

void Matrix::RotateAxesAbout(const Vec3& axis, float angle)
{
    const Matrix r(axis, angle);
    for (int i = 0; i < 3; ++i)
        r.Transform(GetRow3(i), GetRow3(i));
}

void Matrix::Roll(float angle) { RotateAxesAbout(Vec3(Dir()), angle); }
void Matrix::Pitch(float angle) { RotateAxesAbout(Vec3(Right()), angle); }
void Matrix::Yaw(float angle) { RotateAxesAbout(Vec3(Up()), angle); }
