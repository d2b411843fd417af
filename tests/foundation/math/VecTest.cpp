#include <cmath>
#include <cstdlib>
#include <numbers>

#include <gtest/gtest.h>

#include "Reference.h"
#include "foundation/math/Vec2.h"
#include "foundation/math/Vec4.h"

TEST(Vec, UnitStatics)
{
    EXPECT_EQ(Vec3::UnitX(), Vec3(1, 0, 0));
    EXPECT_EQ(Vec3::UnitY(), Vec3(0, 1, 0));
    EXPECT_EQ(Vec3::UnitZ(), Vec3(0, 0, 1));
    EXPECT_EQ(Vec2::xUnit, Vec2(1, 0));
    EXPECT_EQ(Vec2::yUnit, Vec2(0, 1));
    EXPECT_EQ(Vec4::zUnit, Vec4(0, 0, 1, 0));
}

TEST(Vec, OrderingHoldsOnlyForEveryComponent)
{
    struct Case
    {
        Vec3 a, b;
        bool lt, le, gt, ge;
    };
    const Case cases[] = {
        {{1, 2, 3}, {2, 3, 4}, true, true, false, false},
        {{1, 5, 3}, {2, 3, 4}, false, false, false, false},
        {{2, 3, 4}, {2, 3, 4}, false, true, false, true},
        {{3, 4, 5}, {2, 3, 4}, false, false, true, true},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.a < c.b, c.lt);
        EXPECT_EQ(c.a <= c.b, c.le);
        EXPECT_EQ(c.a > c.b, c.gt);
        EXPECT_EQ(c.a >= c.b, c.ge);
    }
    EXPECT_TRUE(Vec2(1, 1) < Vec2(2, 2));
    EXPECT_FALSE(Vec4(1, 1, 1, 3) < Vec4(2, 2, 2, 2));
}

TEST(Vec, RangeIsInclusive)
{
    EXPECT_TRUE(Vec3(0, 1, 0.5f).Range(0, 1));
    EXPECT_FALSE(Vec3(0, 1.0001f, 0.5f).Range(0, 1));
    EXPECT_FALSE(Vec2(-0.1f, 0).Range(0, 1));
    EXPECT_TRUE(Vec4(0, 0, 1, 1).Range(0, 1));
    EXPECT_FALSE(Vec4(0, 0, 1, 2).Range(0, 1));
}

TEST(Vec, DotProductsAreRoundedOnce)
{
    // Summed in float, 1e8 + 1 would lose the 1 before the -1e8 cancels.
    EXPECT_EQ(Vec3(1e8f, 1, -1e8f).Dot(Vec3(1, 1, 1)), 1.0f);
    EXPECT_EQ(Vec4(1e8f, 1, -1e8f, 2).Dot(Vec4(1, 1, 1, 1)), 3.0f);
    EXPECT_EQ(Vec3(1, 2, 3) | Vec3(4, 5, 6), 32.0f);
}

TEST(Vec, LengthsAndNormalisation)
{
    Vec3 v(3, 4, 0);
    EXPECT_EQ(v.Length(), 5.0f);
    EXPECT_EQ(v.LengthSquared(), 25.0f);
    EXPECT_NEAR(v.LengthInverted(), 0.2f, 1e-7);
    EXPECT_EQ(Vec3(1, 1, 1).Distance(Vec3(4, 5, 1)), 5.0f);
    v.Normalize();
    EXPECT_NEAR(v.x, 0.6f, 2e-7);
    EXPECT_NEAR(v.y, 0.8f, 2e-7);
    EXPECT_EQ(v.z, 0.0f);

    Vec4 q(1, 2, 2, 4);
    Vec4 n;
    q.Normalized(n);
    EXPECT_NEAR(n.Length(), 1.0f, 1e-6);
    EXPECT_EQ(q, Vec4(1, 2, 2, 4)); // the source stays

    Vec3 zero(0.0f);
    zero.Normalize();
    EXPECT_TRUE(std::isnan(zero.x));
}

TEST(Vec, ArithmeticAndElements)
{
    Vec4 v(1, 2, 3, 4);
    v *= 2;
    EXPECT_EQ(v, Vec4(2, 4, 6, 8));
    EXPECT_EQ(v.AsVec3(), Vec3(2, 4, 6));
    EXPECT_EQ(v.MaxElement(), 8.0f);
    EXPECT_EQ(Vec3(3, -1, 2).MinElement(), -1.0f);
    EXPECT_EQ(Vec3(1, 2, 3) * Vec3(2, 3, 4), Vec3(2, 6, 12));
    EXPECT_EQ(Vec3(2, 4, 8) / 2, Vec3(1, 2, 4));
    EXPECT_EQ(-Vec2(1, -2), Vec2(-1, 2));
    const float f[3] = {7, 8, 9};
    Vec3 a;
    a = f;
    EXPECT_EQ(a, Vec3(7, 8, 9));
    Vec3 out;
    Vec3::Lerp(out, Vec3(0, 0, 0), Vec3(2, 4, 6), 1.5f); // t is not clamped
    EXPECT_EQ(out, Vec3(3, 6, 9));
}

TEST(Vec, CrossProductLeftHanded)
{
    EXPECT_EQ(Vec3(1, 0, 0) ^ Vec3(0, 1, 0), Vec3(0, 0, 1));
    const Vec3 b(-2, 0.5f, 7);
    Vec3 a(1, 2, 3);
    const Vec3 expected = a ^ b;
    a ^= b;
    EXPECT_EQ(a, expected);
    EXPECT_EQ(expected, Vec3(2 * 7 - 3 * 0.5f, 3 * -2 - 1 * 7, 1 * 0.5f - 2 * -2));
}

TEST(Vec, RotationTurnsForwardToTheRight)
{
    const float half = float(std::numbers::pi / 2);
    Vec3 v(0, 0, 1);
    v.Rotate(Vec3(0, 1, 0), half);
    EXPECT_VEC3_NEAR(v, 1, 0, 0, 1e-6);

    Vec3 out;
    Vec3(1, 0, 0).Rotate(Vec3(0, 0, 1), half, out);
    EXPECT_VEC3_NEAR(out, 0, 1, 0, 1e-6);
}

TEST(Vec, RandomDeviantTurnsByTheAngle)
{
    std::srand(3);
    Vec3 v(0, 0, 1);
    v.RandomDeviant(0.0f, Vec3(0, 1, 0));
    EXPECT_VEC3_NEAR(v, 0, 0, 1, 1e-6);

    for (int i = 0; i < 20; ++i)
    {
        Vec3 d(0, 0, 1);
        d.RandomDeviant(0.3f, Vec3(0, 1, 0));
        EXPECT_NEAR(d.Length(), 1.0f, 1e-5);
        EXPECT_NEAR(std::acos(double(d.z)), 0.3, 1e-4);
    }
}
