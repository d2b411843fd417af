#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "Reference.h"
#include "foundation/math/Quaternion.h"

namespace {
const float kHalfPi = float(std::numbers::pi / 2);

void ExpectSameRotation(const Quaternion& a, const Quaternion& b, float tol)
{
    const float sign = a.Dot(b) < 0 ? -1.0f : 1.0f; // q and -q are one rotation
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(a[i], sign * b[i], tol) << "component " << i;
}

void ExpectQuatNear(const Quaternion& a, const Quaternion& b, float tol)
{
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(a[i], b[i], tol) << "component " << i;
}

struct AxisAngle
{
    Vec3 axis;
    float angle;
};

// Unit axes; angles chosen to reach every branch of the matrix conversion (large x, y, z or w).
const AxisAngle kRotations[] = {
    {{0, 1, 0}, kHalfPi},      {{1, 0, 0}, 3.0f},       {{0, 1, 0}, 3.1f},
    {{0, 0, 1}, 2.9f},         {{0.6f, 0, 0.8f}, 0.4f}, {{0.48f, 0.6f, 0.64f}, -2.2f},
    {{0, 0.6f, -0.8f}, 3.14f},
};
} // namespace

TEST(Quaternion, AxisAngleTurnsForwardToTheRight)
{
    const Quaternion q(Vec3(0, 1, 0), kHalfPi);
    EXPECT_NEAR(q.w, std::cos(kHalfPi / 2), 1e-7);
    EXPECT_VEC3_NEAR(q * Vec3(0, 0, 1), 1, 0, 0, 1e-6);
    Matrix m;
    m.FromRotationAxis(Vec3(0, 1, 0), kHalfPi);
    EXPECT_VEC3_NEAR(m.Transform(Vec3(0, 0, 1)), 1, 0, 0, 1e-6);

    Vec3 axis;
    float angle;
    Quaternion(Vec3(0.6f, 0, 0.8f), 1.3f).ToAxisAngle(axis, angle);
    EXPECT_NEAR(angle, 1.3f, 1e-6);
    EXPECT_VEC3_NEAR(axis, 0.6, 0, 0.8, 1e-6);
    Quaternion(1e-4f, 0, 0, 1.0000001f).ToAxisAngle(axis, angle); // w rounded past 1
    EXPECT_EQ(angle, 0.0f);
    EXPECT_VEC3_NEAR(axis, 1, 0, 0, 1e-6);
    Quaternion::identity.ToAxisAngle(axis, angle);
    EXPECT_EQ(angle, 0.0f);
    EXPECT_EQ(axis, Vec3(1, 0, 0));
}

TEST(Quaternion, MatrixFormAgreesWithTheMatrixBuilder)
{
    for (const AxisAngle& r : kRotations)
    {
        const Quaternion q(r.axis, r.angle);
        Matrix m = Matrix::Ident();
        q.ToMatrix(m);
        ExpectMatrixNear(m, DRotation(r.axis.x, r.axis.y, r.axis.z, r.angle), 2e-6);
        EXPECT_VEC3_NEAR(q.Right(), m(0, 0), m(0, 1), m(0, 2), 1e-7);
        EXPECT_VEC3_NEAR(q.Dir(), m(2, 0), m(2, 1), m(2, 2), 1e-7);
        const Vec3 v(0.3f, -1.2f, 2.0f);
        const Vec3 viaMatrix = m.Transform(v);
        EXPECT_VEC3_NEAR(q * v, viaMatrix.x, viaMatrix.y, viaMatrix.z, 1e-5);
    }
    // Only the upper 3x3 is written.
    Matrix m(7.0f);
    Quaternion::identity.ToMatrix(m);
    EXPECT_EQ(m(3, 3), 7.0f);
    EXPECT_EQ(m(0, 3), 0.0f);
    EXPECT_EQ(m(0, 0), 1.0f);
}

TEST(Quaternion, FromMatrixReadsAxesAsColumns)
{
    for (const AxisAngle& r : kRotations)
    {
        const Quaternion q(r.axis, r.angle);
        Matrix t = Matrix::Ident(), m = Matrix::Ident();
        q.ToMatrixTranspose(t);
        ExpectSameRotation(Quaternion(t), q, 2e-6);
        q.ToMatrix(m);
        Quaternion conj;
        q.UnitInversed(conj);
        ExpectSameRotation(Quaternion(m), conj, 2e-6);

        Vec3 right, up, dir;
        q.ToOrientation(right, up, dir);
        const Quaternion fromAxes(right, up, dir);
        EXPECT_VEC3_NEAR(fromAxes.Right(), right.x, right.y, right.z, 2e-6);
        EXPECT_VEC3_NEAR(fromAxes.Up(), up.x, up.y, up.z, 2e-6);
        EXPECT_VEC3_NEAR(fromAxes.Dir(), dir.x, dir.y, dir.z, 2e-6);
    }
}

TEST(Quaternion, ProductComposesRotations)
{
    const Quaternion a(Vec3(0, 0, 1), 0.7f), b(Vec3(0.6f, 0.8f, 0), -1.1f);
    const Vec3 v(1, 2, 3);
    const Vec3 twice = a * (b * v);
    EXPECT_VEC3_NEAR((a * b) * v, twice.x, twice.y, twice.z, 1e-5);
    Quaternion c = a;
    c *= b;
    EXPECT_EQ(c, a * b);
}

TEST(Quaternion, Inverses)
{
    const Quaternion q(1, 2, 3, 4);
    Quaternion inv;
    q.Inversed(inv);
    ExpectQuatNear(q * inv, Quaternion::identity, 1e-6);
    Quaternion z = Quaternion::zero;
    z.Inverse();
    EXPECT_EQ(z, Quaternion::zero);
    Quaternion u = q;
    u.UnitInverse();
    EXPECT_EQ(u, Quaternion(-1, -2, -3, 4));
}

TEST(Quaternion, LogAndExpAreInverse)
{
    for (const AxisAngle& r : kRotations)
    {
        const Quaternion q(r.axis, r.angle);
        const Quaternion l = q.Log();
        EXPECT_EQ(l.w, 0.0f);
        ExpectQuatNear(l.Exp(), q, 2e-6);
    }
    // Near the identity the vector part passes unchanged.
    const Quaternion tiny(1e-5f, 0, 0, 1);
    EXPECT_EQ(tiny.Log(), Quaternion(1e-5f, 0, 0, 0));
    EXPECT_EQ(Quaternion::zero.Exp(), Quaternion::identity);
}

TEST(Quaternion, Slerp)
{
    const Quaternion p(Vec3(0, 1, 0), 0.2f), q(Vec3(0, 1, 0), 1.4f);
    Quaternion out;
    Quaternion::Slerp(out, p, q, 0.0f, false);
    ExpectQuatNear(out, p, 1e-6);
    Quaternion::Slerp(out, p, q, 0.25f, false);
    ExpectQuatNear(out, Quaternion(Vec3(0, 1, 0), 0.5f), 1e-6);

    // Equal ends give p by the small-angle rule, even when the dot rounds above 1.
    const Quaternion n(0.196773157f, 0.45913735f, 0.45913735f, 0.734619796f);
    ASSERT_GT(n.Dot(n), 1.0f);
    Quaternion::Slerp(out, n, n, 0.5f, true);
    EXPECT_EQ(out, n);

    // Opposite hemispheres with the shortest path: normalised and on the short arc (meeting the
    // uniform arc at its middle, though not at a uniform speed elsewhere).
    Quaternion::Slerp(out, p, -q, 0.5f, true);
    EXPECT_NEAR(out.Length(), 1.0f, 1e-6);
    ExpectSameRotation(out, Quaternion(Vec3(0, 1, 0), 0.8f), 1e-5);
    Quaternion::Slerp(out, p, -q, 0.25f, true);
    EXPECT_NEAR(out.Length(), 1.0f, 1e-6);
    Vec3 axis;
    float angle;
    (out.w < 0 ? -out : out).ToAxisAngle(axis, angle);
    EXPECT_GT(angle, 0.2f);
    EXPECT_LT(angle, 0.8f);
    // Without the flag the same ends take the long way round, unnormalised.
    Quaternion::Slerp(out, p, -q, 0.5f, false);
    ExpectSameRotation(out, Quaternion(Vec3(0, 1, 0), 0.8f + float(std::numbers::pi)), 1e-5);

    Quaternion::Lerp(out, Quaternion::zero, Quaternion(2, 4, 6, 8), 0.5f);
    EXPECT_EQ(out, Quaternion(1, 2, 3, 4));

    Quaternion::Squad(out, 0.0f, p, p, q, q, false);
    ExpectQuatNear(out, p, 1e-6);
    Quaternion::Squad(out, 1.0f, p, p, q, q, false);
    ExpectQuatNear(out, q, 1e-6);
}
