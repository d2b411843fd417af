#pragma once
// Three-component float vector: positions and directions (left-handed, y up, z forward).
#include "foundation/math/Scalar.h"

// Vec3 and Vec4 also serve as views of other float storage (matrix rows, plane normals, a Vec4's
// first three floats); without this the optimiser may assume such views never alias.
#if defined(__GNUC__)
#define MATH_VIEW_TYPE __attribute__((may_alias))
#else
#define MATH_VIEW_TYPE
#endif

struct MATH_VIEW_TYPE Vec3
{
    float x, y, z;

    Vec3() = default; // components left uninitialised
    constexpr explicit Vec3(float s) : x(s), y(s), z(s) {}
    constexpr Vec3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}
    explicit Vec3(const float* f) : x(f[0]), y(f[1]), z(f[2]) {}
    Vec3& operator=(const float* f)
    {
        Set(f);
        return *this;
    }

    static const Vec3& UnitX();
    static const Vec3& UnitY();
    static const Vec3& UnitZ();

    void Set(float x_, float y_, float z_)
    {
        x = x_;
        y = y_;
        z = z_;
    }
    void Set(const float* f)
    {
        x = f[0];
        y = f[1];
        z = f[2];
    }
    void Get(float& x_, float& y_, float& z_) const
    {
        x_ = x;
        y_ = y;
        z_ = z;
    }
    float* Begin() { return &x; }
    const float* Begin() const { return &x; }
    float* End() { return &x + 3; }
    const float* End() const { return &x + 3; }
    float& operator[](int i) { return (&x)[i]; }
    float operator[](int i) const { return (&x)[i]; }

    Vec3 operator+(const Vec3& v) const { return {x + v.x, y + v.y, z + v.z}; }
    Vec3 operator-(const Vec3& v) const { return {x - v.x, y - v.y, z - v.z}; }
    Vec3 operator-() const { return {-x, -y, -z}; }
    Vec3 operator*(float s) const { return {x * s, y * s, z * s}; }
    Vec3 operator*(const Vec3& v) const { return {x * v.x, y * v.y, z * v.z}; }
    Vec3 operator/(float s) const { return *this * (1.0f / s); }
    Vec3& operator+=(const Vec3& v)
    {
        x += v.x;
        y += v.y;
        z += v.z;
        return *this;
    }
    Vec3& operator-=(const Vec3& v)
    {
        x -= v.x;
        y -= v.y;
        z -= v.z;
        return *this;
    }
    Vec3& operator*=(float s)
    {
        x *= s;
        y *= s;
        z *= s;
        return *this;
    }
    Vec3& operator*=(const Vec3& v)
    {
        x *= v.x;
        y *= v.y;
        z *= v.z;
        return *this;
    }
    Vec3& operator/=(float s) { return *this *= 1.0f / s; }

    // Products are summed in double and rounded once.
    float Dot(float vx, float vy, float vz) const { return float(double(x) * vx + double(y) * vy + double(z) * vz); }
    float Dot(const Vec3& v) const { return Dot(v.x, v.y, v.z); }
    float operator|(const Vec3& v) const { return Dot(v); }

    float LengthSquared() const { return Dot(*this); }
    float Length() const { return _sqrt(LengthSquared()); }
    float LengthInverted() const { return _invsqrt(LengthSquared()); }
    float DistanceSquared(const Vec3& v) const { return (*this - v).LengthSquared(); }
    float Distance(const Vec3& v) const { return _sqrt(DistanceSquared(v)); }
    // A zero vector becomes NaN.
    void Normalize() { *this *= _invsqrt(LengthSquared()); }
    void Normalized(Vec3& out) const
    {
        out = *this;
        out.Normalize();
    }

    float MaxElement() const { return x > y ? (x > z ? x : z) : (y > z ? y : z); }
    float MinElement() const { return x < y ? (x < z ? x : z) : (y < z ? y : z); }
    bool Range(float lo, float hi) const { return lo <= x && x <= hi && lo <= y && y <= hi && lo <= z && z <= hi; }

    // this x v
    void Cross(const Vec3& v, Vec3& out) const { out = *this ^ v; }
    Vec3 operator^(const Vec3& v) const { return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x}; }
    Vec3& operator^=(const Vec3& v) { return *this = *this ^ v; }

    // Rotation about a unit axis by radians; positive about +Y turns +Z towards +X.
    void Rotate(const Vec3& axis, float angle);
    void Rotate(const Vec3& axis, float angle, Vec3& out) const;
    // Turns this unit vector by `angle` about an axis spun randomly around it, starting from `up`.
    void RandomDeviant(float angle, const Vec3& up);

    static void Lerp(Vec3& out, const Vec3& a, const Vec3& b, float t) { out = a + (b - a) * t; }

    // Exact comparisons; the ordering ones hold only when they hold for every component.
    bool operator==(const Vec3& v) const { return x == v.x && y == v.y && z == v.z; }
    bool operator!=(const Vec3& v) const { return !(*this == v); }
    bool operator<(const Vec3& v) const { return x < v.x && y < v.y && z < v.z; }
    bool operator<=(const Vec3& v) const { return x <= v.x && y <= v.y && z <= v.z; }
    bool operator>(const Vec3& v) const { return x > v.x && y > v.y && z > v.z; }
    bool operator>=(const Vec3& v) const { return x >= v.x && y >= v.y && z >= v.z; }
};
