#include <climits>
#include <cmath>
#include <limits>
#include <numbers>

#include <gtest/gtest.h>

#include "foundation/math/Scalar.h"

TEST(Scalar, InverseSquareRootsMatchTheDefinition)
{
    for (float x : {4.0f, 2.0f, 0.01f, 0.5f, 3.3f, 1.0e6f, 7.0e-20f})
    {
        const double ref = 1.0 / std::sqrt(double(x));
        EXPECT_NEAR(_invsqrt(x), ref, ref * 1e-6) << x;
        EXPECT_NEAR(_rsq(x), ref, ref * 1e-7) << x;
        EXPECT_NEAR(_rsqapx(x), ref, ref * 2e-2) << x; // a coarse start and one Newton step
    }
    EXPECT_EQ(_rsqapx(4.0f), 0.5f);
    EXPECT_EQ(_invsqrt(0.0f), std::numeric_limits<float>::infinity());
}

TEST(Scalar, ApproximateLogarithm)
{
    EXPECT_NEAR(_ln(1.0f), 0.0f, 1e-6);
    EXPECT_NEAR(_ln(2.0f), 0.693148f, 1e-6);
    EXPECT_NEAR(_ln(2.7182817f), 1.0f, 0.005);
    for (float x : {0.1f, 3.0f, 10.0f, 1000.0f})
        EXPECT_NEAR(_ln(x), std::log(double(x)), 0.01) << x;
}

TEST(Scalar, TrigonometryAndItsEnds)
{
    const double pi = std::numbers::pi;
    for (double x : {-2.0, -0.5, 0.0, 0.3, 1.2})
    {
        EXPECT_NEAR(_sin(float(x)), std::sin(x), 1e-7);
        EXPECT_NEAR(_cos(float(x)), std::cos(x), 1e-7);
        EXPECT_NEAR(_tan(float(x)), std::tan(x), 1e-6);
        EXPECT_NEAR(_atan(float(x)), std::atan(x), 1e-7);
    }
    for (double x : {-0.9, -0.5, 0.0, 0.25, 0.7})
    {
        EXPECT_NEAR(_asin(float(x)), std::asin(float(x)), 1e-7);
        EXPECT_NEAR(_acos(float(x)), std::acos(float(x)), 2e-7);
    }
    // Exactly +-1 go through an infinite quotient to the end values.
    EXPECT_FLOAT_EQ(_asin(1.0f), float(pi / 2));
    EXPECT_FLOAT_EQ(_asin(-1.0f), float(-pi / 2));
    EXPECT_EQ(_acos(1.0f), 0.0f);
    EXPECT_FLOAT_EQ(_acos(-1.0f), float(pi));
    EXPECT_TRUE(std::isnan(_asin(1.5f)));
    EXPECT_TRUE(std::isnan(_acos(-1.5f)));
}

TEST(Scalar, AbsoluteValues)
{
    EXPECT_EQ(_fabs(-3.5f), 3.5f);
    EXPECT_FALSE(std::signbit(_fabs(-0.0f)));
    // A real absolute value of the integer, including the one whose negation overflows.
    EXPECT_EQ(_iabs(-5), 5.0f);
    EXPECT_EQ(_iabs(7), 7.0f);
    EXPECT_EQ(_iabs(INT_MIN), 2147483648.0f);
}

TEST(Scalar, RandomStaysInFifteenBits)
{
    std::srand(7);
    for (int i = 0; i < 1000; ++i)
    {
        const float r = _rand();
        ASSERT_GE(r, 0.0f);
        ASSERT_LE(r, 32767.0f);
        ASSERT_EQ(r, std::floor(r));
    }
}
