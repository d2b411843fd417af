#pragma once
// 4x4 float transform for row vectors (p' = p * M, M1 * M2 applies M1 first), left-handed.
// Rows are Right, Up, Dir and Pos; element (r, c) lies at index r * 4 + c.
#include "foundation/math/Vec4.h"

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

struct Matrix
{
    float m[16];

    Matrix() = default; // elements left uninitialised
    Matrix(float m00, float m01, float m02, float m03, float m10, float m11, float m12, float m13, float m20, float m21,
           float m22, float m23, float m30, float m31, float m32, float m33)
        : m{m00, m01, m02, m03, m10, m11, m12, m13, m20, m21, m22, m23, m30, m31, m32, m33}
    {}
    explicit Matrix(const float* f) { Set(f); }
    Matrix(const Vec4& r0, const Vec4& r1, const Vec4& r2, const Vec4& r3)
    {
        SetRow(0, r0);
        SetRow(1, r1);
        SetRow(2, r2);
        SetRow(3, r3);
    }
    explicit Matrix(float s) : m{s, 0, 0, 0, 0, s, 0, 0, 0, 0, s, 0, 0, 0, 0, s} {}
    Matrix(const Vec3& axis, float angle) { FromRotationAxis(axis, angle); }

    static const Matrix& Ident();
    static const Matrix& Zero();

    float& operator()(int r, int c) { return m[r * 4 + c]; }
    float operator()(int r, int c) const { return m[r * 4 + c]; }
    float Get(int r, int c) const { return m[r * 4 + c]; }
    void Set(int r, int c, float v) { m[r * 4 + c] = v; }
    void Set(const float* f)
    {
        for (int i = 0; i < 16; ++i)
            m[i] = f[i];
    }
    float* Begin() { return m; }
    const float* Begin() const { return m; }

    Vec3& GetRow3(int i) { return *reinterpret_cast<Vec3*>(&m[i * 4]); }
    const Vec3& GetRow3(int i) const { return *reinterpret_cast<const Vec3*>(&m[i * 4]); }
    Vec4& GetRow4(int i) { return *reinterpret_cast<Vec4*>(&m[i * 4]); }
    const Vec4& GetRow4(int i) const { return *reinterpret_cast<const Vec4*>(&m[i * 4]); }
    Vec3& Right() { return GetRow3(0); }
    const Vec3& Right() const { return GetRow3(0); }
    Vec3& Up() { return GetRow3(1); }
    const Vec3& Up() const { return GetRow3(1); }
    Vec3& Dir() { return GetRow3(2); }
    const Vec3& Dir() const { return GetRow3(2); }
    Vec3& Pos() { return GetRow3(3); }
    const Vec3& Pos() const { return GetRow3(3); }

    Vec4 GetRow(int i) const { return GetRow4(i); }
    Vec4 GetColumn(int i) const { return {m[i], m[4 + i], m[8 + i], m[12 + i]}; }
    void SetRow(int i, const Vec4& v) { GetRow4(i) = v; }
    // The fourth element becomes 1 for the position row, 0 for the others.
    void SetRow(int i, const Vec3& v) { GetRow4(i) = Vec4(v, i == 3 ? 1.0f : 0.0f); }
    void SetColumn(int i, const Vec4& v)
    {
        m[i] = v.x;
        m[4 + i] = v.y;
        m[8 + i] = v.z;
        m[12 + i] = v.w;
    }
    // Mirrors the row form: the last element becomes 1 only for the last column.
    void SetColumn(int i, const Vec3& v) { SetColumn(i, Vec4(v, i == 3 ? 1.0f : 0.0f)); }

    void Identity() { *this = Ident(); }
    bool IsIdentity() const { return *this == Ident(); }
    bool operator==(const Matrix& o) const
    {
        for (int i = 0; i < 16; ++i)
            if (m[i] != o.m[i])
                return false;
        return true;
    }
    bool operator!=(const Matrix& o) const { return !(*this == o); }

    Matrix operator+(const Matrix& o) const
    {
        Matrix r = *this;
        return r += o;
    }
    Matrix operator-(const Matrix& o) const
    {
        Matrix r = *this;
        return r -= o;
    }
    Matrix operator-() const { return *this * -1.0f; }
    Matrix operator*(float s) const
    {
        Matrix r = *this;
        return r *= s;
    }
    Matrix& operator+=(const Matrix& o)
    {
        for (int i = 0; i < 16; ++i)
            m[i] += o.m[i];
        return *this;
    }
    Matrix& operator-=(const Matrix& o)
    {
        for (int i = 0; i < 16; ++i)
            m[i] -= o.m[i];
        return *this;
    }
    Matrix& operator*=(float s)
    {
        for (int i = 0; i < 16; ++i)
            m[i] *= s;
        return *this;
    }

    // out = this * b; out may be this or b.
    void Multiply(const Matrix& b, Matrix& out) const
    {
        // Row i of the product is the rows of b weighted by row i of this.
#if defined(__SSE__)
        const __m128 b0 = _mm_loadu_ps(b.m), b1 = _mm_loadu_ps(b.m + 4);
        const __m128 b2 = _mm_loadu_ps(b.m + 8), b3 = _mm_loadu_ps(b.m + 12);
        const auto row = [&](const float* a) {
            return _mm_add_ps(_mm_add_ps(_mm_mul_ps(_mm_set1_ps(a[0]), b0), _mm_mul_ps(_mm_set1_ps(a[1]), b1)),
                              _mm_add_ps(_mm_mul_ps(_mm_set1_ps(a[2]), b2), _mm_mul_ps(_mm_set1_ps(a[3]), b3)));
        };
        const __m128 r0 = row(m), r1 = row(m + 4), r2 = row(m + 8), r3 = row(m + 12);
        _mm_storeu_ps(out.m, r0);
        _mm_storeu_ps(out.m + 4, r1);
        _mm_storeu_ps(out.m + 8, r2);
        _mm_storeu_ps(out.m + 12, r3);
#else
        float r[16];
        for (int i = 0; i < 4; ++i)
        {
            const float a0 = m[i * 4], a1 = m[i * 4 + 1], a2 = m[i * 4 + 2], a3 = m[i * 4 + 3];
            for (int c = 0; c < 4; ++c)
                r[i * 4 + c] = a0 * b.m[c] + a1 * b.m[4 + c] + a2 * b.m[8 + c] + a3 * b.m[12 + c];
        }
        out.Set(r);
#endif
    }
    void Multiply(const Matrix& b) { Multiply(b, *this); }
    Matrix operator*(const Matrix& b) const
    {
        Matrix r;
        Multiply(b, r);
        return r;
    }
    Matrix& operator*=(const Matrix& b)
    {
        Multiply(b);
        return *this;
    }

    // The point v * M divided by its resulting w.
    void Transform(const Vec3& v, Vec3& out) const
    {
        float r[4];
        TransformRow(v, r);
        const float inv = 1.0f / r[3];
        out.Set(r[0] * inv, r[1] * inv, r[2] * inv);
    }
    Vec3 Transform(const Vec3& v) const
    {
        Vec3 r;
        Transform(v, r);
        return r;
    }
    Vec3 operator*(const Vec3& v) const { return Transform(v); }
    // (v, 1) * M without the division.
    void Transform(const Vec3& v, Vec4& out) const
    {
        float r[4];
        TransformRow(v, r);
        out.Set(r[0], r[1], r[2], r[3]);
    }
    // v times the upper 3x3 (no translation).
    void TransformNormal(const Vec3& v, Vec3& out) const
    {
        const float x = v.x * m[0] + v.y * m[4] + v.z * m[8];
        const float y = v.x * m[1] + v.y * m[5] + v.z * m[9];
        const float z = v.x * m[2] + v.y * m[6] + v.z * m[10];
        out.Set(x, y, z);
    }
    Vec3 TransformNormal(const Vec3& v) const
    {
        Vec3 r;
        TransformNormal(v, r);
        return r;
    }

    void Transpose();
    void Transposed(Matrix& out) const;
    Matrix Transposed() const
    {
        Matrix r;
        Transposed(r);
        return r;
    }
    // A singular matrix is left as it was (nothing is reported).
    void Inverse() { Inversed(*this); }
    void Inversed(Matrix& out) const;
    Matrix Inversed() const
    {
        Matrix r = *this;
        Inversed(r);
        return r;
    }
    float GetDeterminant() const;

    // Builders: each overwrites the whole matrix.
    void FromPerspective(float fovY, float aspect, float zNear, float zFar);
    void FromOrtho(float width, float height, float zNear, float zFar);
    void FromOrtho(float left, float right, float bottom, float top, float zNear, float zFar);
    void FromScaling(float sx, float sy, float sz);
    void FromScaling(const Vec3& s) { FromScaling(s.x, s.y, s.z); }
    void FromTranslation(float x, float y, float z);
    void FromTranslation(const Vec3& t) { FromTranslation(t.x, t.y, t.z); }
    // Roll about Z first, then pitch about X, then yaw about Y.
    void FromRotationYPR(float yaw, float pitch, float roll);
    // The axis need not be unit length.
    void FromRotationAxis(const Vec3& axis, float angle);

    // Rows 0 to 2 (fourth element 0); the position row is untouched.
    void FromAxes(const Vec3& right, const Vec3& up, const Vec3& dir);
    void FromOrientation(const Vec3& dir, const Vec3& up);

    // Rows 0, 1 and 2 (the axes) times sx, sy and sz; the position row is untouched.
    void Scale(float sx, float sy, float sz);
    void Scale(const Vec3& s) { Scale(s.x, s.y, s.z); }
    // Sets (does not add to) the position.
    void Translate(float x, float y, float z) { Pos().Set(x, y, z); }
    void Translate(const Vec3& t) { Pos() = t; }
    // this = this * R(axis, angle)
    void Rotate(const Vec3& axis, float angle);
    // Turn the axes about the matrix's own Dir, Right and Up; the position stays.
    void Roll(float angle);
    void Pitch(float angle);
    void Yaw(float angle);

private:
    // (v, 1) * M as a sum of scaled rows, which the compiler keeps in vector registers.
    void TransformRow(const Vec3& v, float r[4]) const
    {
        for (int c = 0; c < 4; ++c)
            r[c] = v.x * m[c] + v.y * m[4 + c] + v.z * m[8 + c] + m[12 + c];
    }
    void RotateAxesAbout(const Vec3& axis, float angle);
};
