#pragma once
// The steering library's own small vector and scalar helpers: value types, inline and free of
// allocation, since the neighbour behaviours run them for every pair of ships every frame.
#include <cmath>

#include "foundation/base/Random.h"
#include "foundation/math/Vec3.h"

namespace Pelloris {

struct SteerVec3
{
    float x = 0, y = 0, z = 0;

    constexpr SteerVec3() = default;
    constexpr SteerVec3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}
    explicit SteerVec3(const Vec3& v) : x(v.x), y(v.y), z(v.z) {}
    Vec3 ToVec3() const { return {x, y, z}; }

    void Set(float x_, float y_, float z_)
    {
        x = x_;
        y = y_;
        z = z_;
    }
    void SetZero() { x = y = z = 0; }

    SteerVec3 operator+(const SteerVec3& v) const { return {x + v.x, y + v.y, z + v.z}; }
    SteerVec3 operator-(const SteerVec3& v) const { return {x - v.x, y - v.y, z - v.z}; }
    SteerVec3 operator-() const { return {-x, -y, -z}; }
    SteerVec3 operator*(float s) const { return {x * s, y * s, z * s}; }
    SteerVec3 operator/(float s) const { return {x / s, y / s, z / s}; }
    SteerVec3& operator+=(const SteerVec3& v) { return *this = *this + v; }
    SteerVec3& operator-=(const SteerVec3& v) { return *this = *this - v; }
    SteerVec3& operator*=(float s) { return *this = *this * s; }
    bool operator==(const SteerVec3& v) const { return x == v.x && y == v.y && z == v.z; }
    bool operator!=(const SteerVec3& v) const { return !(*this == v); }

    float Dot(const SteerVec3& v) const { return x * v.x + y * v.y + z * v.z; }
    float LengthSquared() const { return Dot(*this); }
    float Length() const { return std::sqrt(LengthSquared()); }
    SteerVec3 Cross(const SteerVec3& v) const { return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x}; }
    // A vector of length 0 comes back unchanged.
    SteerVec3 Normalize() const
    {
        const float length = Length();
        return length > 0 ? *this / length : *this;
    }
    // Along a unit basis, and the rest.
    SteerVec3 ParallelComponent(const SteerVec3& unitBasis) const { return unitBasis * Dot(unitBasis); }
    SteerVec3 PerpendicularComponent(const SteerVec3& unitBasis) const { return *this - ParallelComponent(unitBasis); }
    SteerVec3 TruncateLength(float maxLength) const
    {
        const float squared = LengthSquared();
        return squared > maxLength * maxLength ? *this * (maxLength / std::sqrt(squared)) : *this;
    }
    bool IsFinite() const { return std::isfinite(x) && std::isfinite(y) && std::isfinite(z); }

    static const SteerVec3 zero;
};

inline constexpr SteerVec3 SteerVec3::zero{};

inline SteerVec3 operator*(float s, const SteerVec3& v) { return v * s; }
inline float Distance(const SteerVec3& a, const SteerVec3& b) { return (a - b).Length(); }

inline float Square(float x) { return x * x; }
inline float Clip(float x, float min, float max) { return x < min ? min : (x > max ? max : x); }

template <class T>
T Interpolate(float alpha, const T& x0, const T& x1)
{
    return x0 + (x1 - x0) * alpha;
}

// The accumulator moves towards the new value by the rate, clipped to 0..1.
template <class T>
void BlendIntoAccumulator(float rate, const T& newValue, T& accumulator)
{
    accumulator = Interpolate(Clip(rate, 0, 1), accumulator, newValue);
}

// 0..1, and a..b, from the engine's random numbers.
inline float Random01() { return static_cast<float>(EngineRandom()) / static_cast<float>(ENGINE_RAND_MAX); }
inline float RandomBetween(float a, float b) { return a + Random01() * (b - a); }

// -1 below low, +1 above high, else 0.
inline int IntervalComparison(float x, float low, float high)
{
    if (x < low)
        return -1;
    if (x > high)
        return 1;
    return 0;
}

// The source bent onto the cone of the given cosine about the unit basis when it lies outside
// the cone (inside true) or inside it (inside false); its length is kept.
SteerVec3 LimitDeviationAngle(bool inside, const SteerVec3& source, float cosineOfConeAngle, const SteerVec3& basis);

} // namespace Pelloris
