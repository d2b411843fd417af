#pragma once
// Rotation quaternion (x, y, z, w); a turn by angle a about unit axis n is (n sin(a/2), cos(a/2)).
#include <cmath>

#include "foundation/math/Matrix.h"

struct Quaternion
{
    float x, y, z, w;

    Quaternion() = default; // components left uninitialised
    constexpr Quaternion(float x_, float y_, float z_, float w_) : x(x_), y(y_), z(z_), w(w_) {}
    Quaternion(const Vec3& axis, float angle) { FromAxisAngle(axis, angle); }
    explicit Quaternion(const Matrix& m) { FromMatrix(m); }
    Quaternion(const Vec3& right, const Vec3& up, const Vec3& dir) { FromOrientation(right, up, dir); }

    static const Quaternion identity;
    static const Quaternion zero;

    float& operator[](int i) { return (&x)[i]; }
    float operator[](int i) const { return (&x)[i]; }
    float* Begin() { return &x; }
    const float* Begin() const { return &x; }
    void Get(float& x_, float& y_, float& z_, float& w_) const
    {
        x_ = x;
        y_ = y;
        z_ = z;
        w_ = w;
    }
    void Set(float x_, float y_, float z_, float w_)
    {
        x = x_;
        y = y_;
        z = z_;
        w = w_;
    }

    // The axis is used as given (expected unit length).
    void FromAxisAngle(const Vec3& axis, float angle);
    // Identity gives angle 0 about (1, 0, 0).
    void ToAxisAngle(Vec3& axis, float& angle) const;

    Quaternion operator+(const Quaternion& q) const { return {x + q.x, y + q.y, z + q.z, w + q.w}; }
    Quaternion operator-(const Quaternion& q) const { return {x - q.x, y - q.y, z - q.z, w - q.w}; }
    Quaternion operator-() const { return {-x, -y, -z, -w}; }
    Quaternion operator*(float s) const { return {x * s, y * s, z * s, w * s}; }
    Quaternion& operator*=(float s)
    {
        x *= s;
        y *= s;
        z *= s;
        w *= s;
        return *this;
    }
    Quaternion& operator+=(const Quaternion& q)
    {
        x += q.x;
        y += q.y;
        z += q.z;
        w += q.w;
        return *this;
    }
    Quaternion& operator-=(const Quaternion& q)
    {
        x -= q.x;
        y -= q.y;
        z -= q.z;
        w -= q.w;
        return *this;
    }
    // Hamilton product this * q.
    Quaternion operator*(const Quaternion& q) const
    {
        return {w * q.x + x * q.w + y * q.z - z * q.y, w * q.y + y * q.w + z * q.x - x * q.z,
                w * q.z + z * q.w + x * q.y - y * q.x, w * q.w - x * q.x - y * q.y - z * q.z};
    }
    Quaternion& operator*=(const Quaternion& q) { return *this = *this * q; }

    // Rotates v by this unit quaternion.
    void MultiplyVector(const Vec3& v, Vec3& out) const
    {
        const Vec3 u(x, y, z);
        const Vec3 t = u ^ v;
        out = v + t * (2.0f * w) + (u ^ t) * 2.0f;
    }
    Vec3 operator*(const Vec3& v) const
    {
        Vec3 r;
        MultiplyVector(v, r);
        return r;
    }

    float Dot(const Quaternion& q) const { return x * q.x + y * q.y + z * q.z + w * q.w; }
    float LengthSquared() const { return Dot(*this); }
    float Length() const { return _sqrt(LengthSquared()); }
    void Normalize() { *this *= _invsqrt(LengthSquared()); }
    void Normalized(Quaternion& out) const
    {
        out = *this;
        out.Normalize();
    }

    void UnitInverse()
    {
        x = -x;
        y = -y;
        z = -z;
    }
    void UnitInversed(Quaternion& out) const { out.Set(-x, -y, -z, w); }
    // Zero has no inverse and gives zero.
    void Inverse() { Inversed(*this); }
    void Inversed(Quaternion& out) const;

    void Log(Quaternion& out) const;
    Quaternion Log() const
    {
        Quaternion r;
        Log(r);
        return r;
    }
    void Exp(Quaternion& out) const;
    Quaternion Exp() const
    {
        Quaternion r;
        Exp(r);
        return r;
    }

    // Upper 3x3 only: the row-vector rotation, or its transpose.
    void ToMatrix(Matrix& m) const;
    void ToMatrixTranspose(Matrix& m) const;
    Vec3 Right() const;
    Vec3 Up() const;
    Vec3 Dir() const;
    void ToOrientation(Vec3& right, Vec3& up, Vec3& dir) const;
    // Reads the axes as columns: inverts ToMatrixTranspose (and conjugates ToMatrix).
    void FromMatrix(const Matrix& m);
    void FromOrientation(const Vec3& right, const Vec3& up, const Vec3& dir);

    static void Lerp(Quaternion& out, const Quaternion& a, const Quaternion& b, float t) { out = a + (b - a) * t; }
    // Not normalised unless the shortest path flips the second end. Opposite ends are unchecked.
    static void Slerp(Quaternion& out, const Quaternion& p, const Quaternion& q, float t, bool shortestPath)
    {
        const float c = p.Dot(q);
        // Rounding can push the dot of equal unit quaternions past 1; acos would then give NaN.
        const float angle = std::acos(c > 1.0f ? 1.0f : (c < -1.0f ? -1.0f : c));
        if (std::fabs(angle) < 0.001f)
        {
            out = p;
            return;
        }
        const float s = 1.0f / std::sin(angle);
        const float c0 = std::sin((1.0f - t) * angle) * s;
        const float c1 = std::sin(t * angle) * s;
        if (c < 0.0f && shortestPath)
        {
            out = p * -c0 + q * c1;
            out.Normalize();
        }
        else
        {
            out = p * c0 + q * c1;
        }
    }
    static void Squad(Quaternion& out, float t, const Quaternion& p, const Quaternion& a, const Quaternion& b,
                      const Quaternion& q, bool shortestPath);

    bool operator==(const Quaternion& q) const { return x == q.x && y == q.y && z == q.z && w == q.w; }
    bool operator!=(const Quaternion& q) const { return !(*this == q); }
};

inline constexpr Quaternion Quaternion::identity{0.0f, 0.0f, 0.0f, 1.0f};
inline constexpr Quaternion Quaternion::zero{0.0f, 0.0f, 0.0f, 0.0f};
