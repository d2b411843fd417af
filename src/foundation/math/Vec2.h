#pragma once
// Two-component float vector: texture coordinates, screen positions, sizes.
#include "foundation/math/Scalar.h"

struct Vec2
{
    float x, y;

    Vec2() = default; // components left uninitialised
    constexpr explicit Vec2(float s) : x(s), y(s) {}
    constexpr Vec2(float x_, float y_) : x(x_), y(y_) {}

    static const Vec2 xUnit;
    static const Vec2 yUnit;

    void Set(float x_, float y_)
    {
        x = x_;
        y = y_;
    }
    void Get(float& x_, float& y_) const
    {
        x_ = x;
        y_ = y;
    }
    float* Begin() { return &x; }
    const float* Begin() const { return &x; }
    float* End() { return &x + 2; }
    const float* End() const { return &x + 2; }
    float& operator[](int i) { return (&x)[i]; }
    float operator[](int i) const { return (&x)[i]; }

    Vec2 operator+(const Vec2& v) const { return {x + v.x, y + v.y}; }
    Vec2 operator-(const Vec2& v) const { return {x - v.x, y - v.y}; }
    Vec2 operator-() const { return {-x, -y}; }
    Vec2 operator*(float s) const { return {x * s, y * s}; }
    Vec2 operator/(float s) const { return *this * (1.0f / s); }
    Vec2 operator*(const Vec2& v) const { return {x * v.x, y * v.y}; }
    Vec2& operator+=(const Vec2& v)
    {
        x += v.x;
        y += v.y;
        return *this;
    }
    Vec2& operator-=(const Vec2& v)
    {
        x -= v.x;
        y -= v.y;
        return *this;
    }
    Vec2& operator*=(float s)
    {
        x *= s;
        y *= s;
        return *this;
    }
    Vec2& operator*=(const Vec2& v)
    {
        x *= v.x;
        y *= v.y;
        return *this;
    }

    // Products are summed in double and rounded once.
    float Dot(float vx, float vy) const { return float(double(x) * vx + double(y) * vy); }
    float Dot(const Vec2& v) const { return Dot(v.x, v.y); }
    float operator|(const Vec2& v) const { return Dot(v); }

    float LengthSquared() const { return Dot(*this); }
    float Length() const { return _sqrt(LengthSquared()); }
    float LengthInverted() const { return _invsqrt(LengthSquared()); }
    float DistanceSquared(const Vec2& v) const { return (*this - v).LengthSquared(); }
    float Distance(const Vec2& v) const { return _sqrt(DistanceSquared(v)); }
    // A zero vector becomes NaN.
    void Normalize() { *this *= _invsqrt(LengthSquared()); }
    void Normalized(Vec2& out) const
    {
        out = *this;
        out.Normalize();
    }

    float MaxElement() const { return x > y ? x : y; }
    float MinElement() const { return x < y ? x : y; }
    bool Range(float lo, float hi) const { return lo <= x && x <= hi && lo <= y && y <= hi; }

    // Exact comparisons; the ordering ones hold only when they hold for every component.
    bool operator==(const Vec2& v) const { return x == v.x && y == v.y; }
    bool operator!=(const Vec2& v) const { return !(*this == v); }
    bool operator<(const Vec2& v) const { return x < v.x && y < v.y; }
    bool operator<=(const Vec2& v) const { return x <= v.x && y <= v.y; }
    bool operator>(const Vec2& v) const { return x > v.x && y > v.y; }
    bool operator>=(const Vec2& v) const { return x >= v.x && y >= v.y; }
};

inline constexpr Vec2 Vec2::xUnit{1.0f, 0.0f};
inline constexpr Vec2 Vec2::yUnit{0.0f, 1.0f};
