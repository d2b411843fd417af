#include "foundation/math/Scalar.h"

#include "foundation/base/Random.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

using MathDetail::BitsFloat;
using MathDetail::FloatBits;

// A correctly rounded float square root equals the wide one rounded once.
float _sqrt(float x) { return std::sqrt(x); }
float _rsq(float x) { return float(1.0 / std::sqrt(double(x))); }

float _ln(float x)
{
    const uint32_t b = FloatBits(x);
    const int32_t e = ((std::bit_cast<int32_t>(b) >> 23) & 0xff) - 128;
    const float m = BitsFloat((b & 0x807fffffu) + 0x3f800000u);
    const float c1 = BitsFloat(0xbeaaaa9fu); // -0.333333
    const float c2 = BitsFloat(0x40000000u); // 2
    const float c3 = BitsFloat(0xbf2aaa9fu); // -0.666666
    const float ln2 = BitsFloat(0x3f317215u);
    return ((m * c1 + c2) * m + c3 + float(e)) * ln2;
}

float _sin(float x) { return float(std::sin(double(x))); }
float _cos(float x) { return float(std::cos(double(x))); }
float _tan(float x) { return float(std::sin(double(x)) / std::cos(double(x))); }
float _atan(float x) { return float(std::atan2(double(x), 1.0)); }

// Written through the arc tangent so that exactly +-1 gives the end values through an infinite quotient.
float _asin(float x)
{
    const double v = x;
    return float(std::atan(v / std::sqrt(1.0 - v * v)));
}

float _acos(float x)
{
    const double v = x;
    return float(std::atan(v / -std::sqrt(1.0 - v * v)) + std::numbers::pi / 2);
}

float _fabs(float x) { return BitsFloat(FloatBits(x) & 0x7fffffffu); }

float _iabs(int32_t n)
{
    const int64_t v = n;
    return float(v < 0 ? -v : v);
}

// The engine's seedable generator, in the 15-bit range the formulas assume.
float _rand() { return float(EngineRandom()); }
