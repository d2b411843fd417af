#pragma once
// Single-precision scalar helpers computed in wider precision (double) and rounded once,
// plus the bit-level approximations that normalisation relies on.
#include <bit>
#include <cstdint>

namespace MathDetail {
inline uint32_t FloatBits(float x) { return std::bit_cast<uint32_t>(x); }
inline float BitsFloat(uint32_t b) { return std::bit_cast<float>(b); }
} // namespace MathDetail

// Approximate 1/sqrt(x): bit-level estimate refined by three Newton steps (close to full precision).
// _invsqrt(0) is +infinity.
inline float _invsqrt(float x)
{
    const uint32_t b = MathDetail::FloatBits(x);
    const double h = MathDetail::BitsFloat(b - 0x800000u);
    double y = MathDetail::BitsFloat((0xbe6eb508u - b) >> 1);
    y = y * (1.5 - h * y * y);
    y = y * (1.5 - h * y * y);
    y = y * (1.5 - h * y * y);
    return float(y);
}

// Approximate 1/sqrt(x) with one Newton step.
inline float _rsqapx(float x)
{
    const float y = MathDetail::BitsFloat(0x5f400000u - (MathDetail::FloatBits(x) >> 1));
    return y * (1.5f - (0.5f * x) * y * y);
}

float _sqrt(float x);
float _rsq(float x);
float _ln(float x);
float _sin(float x);
float _cos(float x);
float _tan(float x);
float _atan(float x);
float _asin(float x);
float _acos(float x);
float _fabs(float x);
float _iabs(int32_t n);
float _rand();
