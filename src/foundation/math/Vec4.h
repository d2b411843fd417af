#pragma once
// Four-component float vector; its first three floats read as a Vec3.
#include "foundation/math/Vec3.h"

struct MATH_VIEW_TYPE Vec4
{
    float x, y, z, w;

    Vec4() = default; // components left uninitialised
    constexpr explicit Vec4(float s) : x(s), y(s), z(s), w(s) {}
    constexpr Vec4(float x_, float y_, float z_, float w_) : x(x_), y(y_), z(z_), w(w_) {}
    constexpr Vec4(const Vec3& v, float w_) : x(v.x), y(v.y), z(v.z), w(w_) {}

    static const Vec4 xUnit;
    static const Vec4 yUnit;
    static const Vec4 zUnit;

    Vec3& AsVec3() { return *reinterpret_cast<Vec3*>(&x); }
    const Vec3& AsVec3() const { return *reinterpret_cast<const Vec3*>(&x); }

    void Set(float x_, float y_, float z_, float w_)
    {
        x = x_;
        y = y_;
        z = z_;
        w = w_;
    }
    void Get(float& x_, float& y_, float& z_, float& w_) const
    {
        x_ = x;
        y_ = y;
        z_ = z;
        w_ = w;
    }
    float* Begin() { return &x; }
    const float* Begin() const { return &x; }
    float* End() { return &x + 4; }
    const float* End() const { return &x + 4; }
    float& operator[](int i) { return (&x)[i]; }
    float operator[](int i) const { return (&x)[i]; }

    Vec4 operator+(const Vec4& v) const { return {x + v.x, y + v.y, z + v.z, w + v.w}; }
    Vec4 operator-(const Vec4& v) const { return {x - v.x, y - v.y, z - v.z, w - v.w}; }
    Vec4 operator-() const { return {-x, -y, -z, -w}; }
    Vec4 operator*(float s) const { return {x * s, y * s, z * s, w * s}; }
    Vec4 operator/(float s) const { return *this * (1.0f / s); }
    Vec4& operator+=(const Vec4& v)
    {
        x += v.x;
        y += v.y;
        z += v.z;
        w += v.w;
        return *this;
    }
    Vec4& operator-=(const Vec4& v)
    {
        x -= v.x;
        y -= v.y;
        z -= v.z;
        w -= v.w;
        return *this;
    }
    Vec4& operator*=(float s)
    {
        x *= s;
        y *= s;
        z *= s;
        w *= s;
        return *this;
    }

    // Products are summed in double and rounded once.
    float Dot(const Vec4& v) const
    {
        return float(double(x) * v.x + double(y) * v.y + double(z) * v.z + double(w) * v.w);
    }

    float LengthSquared() const { return Dot(*this); }
    float Length() const { return _sqrt(LengthSquared()); }
    float DistanceSquared(const Vec4& v) const { return (*this - v).LengthSquared(); }
    float Distance(const Vec4& v) const { return _sqrt(DistanceSquared(v)); }
    // A zero vector becomes NaN.
    void Normalize() { *this *= _invsqrt(LengthSquared()); }
    void Normalized(Vec4& out) const
    {
        out = *this;
        out.Normalize();
    }

    float MaxElement() const
    {
        const float a = x > y ? x : y, b = z > w ? z : w;
        return a > b ? a : b;
    }
    float MinElement() const
    {
        const float a = x < y ? x : y, b = z < w ? z : w;
        return a < b ? a : b;
    }
    bool Range(float lo, float hi) const
    {
        return lo <= x && x <= hi && lo <= y && y <= hi && lo <= z && z <= hi && lo <= w && w <= hi;
    }

    static void Lerp(Vec4& out, const Vec4& a, const Vec4& b, float t) { out = a + (b - a) * t; }

    // Exact comparisons; the ordering ones hold only when they hold for every component.
    bool operator==(const Vec4& v) const { return x == v.x && y == v.y && z == v.z && w == v.w; }
    bool operator!=(const Vec4& v) const { return !(*this == v); }
    bool operator<(const Vec4& v) const { return x < v.x && y < v.y && z < v.z && w < v.w; }
    bool operator<=(const Vec4& v) const { return x <= v.x && y <= v.y && z <= v.z && w <= v.w; }
    bool operator>(const Vec4& v) const { return x > v.x && y > v.y && z > v.z && w > v.w; }
    bool operator>=(const Vec4& v) const { return x >= v.x && y >= v.y && z >= v.z && w >= v.w; }
};

inline constexpr Vec4 Vec4::xUnit{1.0f, 0.0f, 0.0f, 0.0f};
inline constexpr Vec4 Vec4::yUnit{0.0f, 1.0f, 0.0f, 0.0f};
inline constexpr Vec4 Vec4::zUnit{0.0f, 0.0f, 1.0f, 0.0f};
