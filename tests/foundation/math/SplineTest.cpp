#include <gtest/gtest.h>

#include "Reference.h"
#include "foundation/math/Spline.h"

TEST(CatmullRomSpline, TangentsAndHermiteInterpolation)
{
    CatmullRomSpline s;
    s.AddPoint(Vec3(0, 0, 0));
    s.AddPoint(Vec3(1, 0, 0));
    s.AddPoint(Vec3(2, 0, 0));
    s.RecalculateTangents();
    EXPECT_FALSE(s.IsClosed());
    EXPECT_EQ(s.GetTangent(0), Vec3(0.5f, 0, 0));
    EXPECT_EQ(s.GetTangent(1), Vec3(1, 0, 0));
    EXPECT_EQ(s.GetTangent(2), Vec3(0.5f, 0, 0));

    Vec3 out;
    s.Interpolate(1, 0.5f, out);
    EXPECT_VEC3_NEAR(out, 1.5625, 0, 0, 1e-6);
    s.Interpolate(0.5f, out);
    EXPECT_VEC3_NEAR(out, 1, 0, 0, 0);
    s.Interpolate(0.0f, out);
    EXPECT_EQ(out, s.GetPoint(0));
    s.Interpolate(1.0f, out);
    EXPECT_EQ(out, s.GetPoint(2));

    // Against the Hermite polynomial on a bent curve.
    CatmullRomSpline b;
    const Vec3 pts[4] = {{0, 0, 0}, {1, 2, 0}, {3, 1, -1}, {4, 4, 2}};
    for (const Vec3& p : pts)
        b.AddPoint(p);
    b.RecalculateTangents();
    const double t = 0.3, h00 = 2 * t * t * t - 3 * t * t + 1, h01 = -2 * t * t * t + 3 * t * t,
                 h10 = t * t * t - 2 * t * t + t, h11 = t * t * t - t * t;
    const Vec3 m0 = (pts[2] - pts[0]) * 0.5f, m1 = (pts[3] - pts[1]) * 0.5f;
    b.Interpolate(1, float(t), out);
    EXPECT_VEC3_NEAR(out, h00 * pts[1].x + h01 * pts[2].x + h10 * m0.x + h11 * m1.x,
                     h00 * pts[1].y + h01 * pts[2].y + h10 * m0.y + h11 * m1.y,
                     h00 * pts[1].z + h01 * pts[2].z + h10 * m0.z + h11 * m1.z, 1e-5);
}

TEST(CatmullRomSpline, ClosedLoopsAndDegenerateCurves)
{
    CatmullRomSpline s;
    for (const Vec3& p : {Vec3(0, 0, 0), Vec3(1, 0, 0), Vec3(1, 1, 0), Vec3(0, 0, 0)})
        s.AddPoint(p);
    s.RecalculateTangents();
    EXPECT_TRUE(s.IsClosed());
    EXPECT_EQ(s.GetTangent(0), s.GetTangent(3));
    EXPECT_EQ(s.GetTangent(0), (Vec3(1, 0, 0) - Vec3(1, 1, 0)) * 0.5f);

    CatmullRomSpline one;
    one.AddPoint(Vec3(4, 5, 6));
    one.RecalculateTangents(); // nothing to do
    Vec3 out;
    one.Interpolate(0, 0.5f, out);
    EXPECT_EQ(out, Vec3(4, 5, 6));
    one.Interpolate(0.7f, out);
    EXPECT_EQ(out, Vec3(4, 5, 6));

    CatmullRomSpline empty;
    out = Vec3(9, 9, 9);
    empty.Interpolate(0.5f, out); // nothing to interpolate: out untouched
    EXPECT_EQ(out, Vec3(9, 9, 9));

    CatmullRomSpline copy = s;
    s.Clear();
    EXPECT_EQ(s.GetPointCount(), 0);
    EXPECT_EQ(copy.GetPointCount(), 4);
    copy.Interpolate(1.0f, out);
    EXPECT_EQ(out, Vec3(0, 0, 0));
}

TEST(RotationSpline, SquadThroughTheKeys)
{
    const Quaternion a(Vec3(0, 1, 0), 0.2f), b(Vec3(0, 1, 0), 0.9f), c(Vec3(0.6f, 0.8f, 0), 1.3f);
    RotationSpline s;
    s.AddPoint(a);
    s.AddPoint(b);
    s.AddPoint(c);
    s.RecalculateTangents();
    EXPECT_FALSE(s.IsClosed());

    Quaternion out;
    s.Interpolate(0.0f, out);
    EXPECT_EQ(out, a);
    s.Interpolate(0.5f, out);
    EXPECT_EQ(out, b);
    s.Interpolate(1.0f, out);
    EXPECT_EQ(out, c);
    s.Interpolate(0, 0.5f, out);
    EXPECT_NEAR(out.Length(), 1.0f, 1e-3);
    // On the first segment both keys turn about Y only, so the curve stays about Y.
    RotationSpline y;
    y.AddPoint(a);
    y.AddPoint(b);
    y.RecalculateTangents();
    y.Interpolate(0, 0.5f, out);
    EXPECT_NEAR(out.x, 0.0f, 1e-6);
    EXPECT_NEAR(out.z, 0.0f, 1e-6);
    EXPECT_NEAR(2 * std::atan2(out.y, out.w), 0.55f, 1e-3);

    RotationSpline same;
    same.AddPoint(b);
    same.AddPoint(b);
    same.RecalculateTangents();
    EXPECT_TRUE(same.IsClosed());
    same.Interpolate(0, 0.4f, out);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(out[i], b[i], 1e-6);
}

namespace {
// The tangent formula in double precision: p * exp(-(log(p^-1 * next) + log(p^-1 * prev)) / 4).
struct Dquat
{
    double x, y, z, w;
};
Dquat DMul(const Dquat& a, const Dquat& b)
{
    return {a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y, a.w * b.y + a.y * b.w + a.z * b.x - a.x * b.z,
            a.w * b.z + a.z * b.w + a.x * b.y - a.y * b.x, a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z};
}
Dquat DInverse(const Dquat& q)
{
    const double n = q.x * q.x + q.y * q.y + q.z * q.z + q.w * q.w;
    return {-q.x / n, -q.y / n, -q.z / n, q.w / n};
}
Dquat DLog(const Dquat& q)
{
    const double a = std::acos(q.w), s = std::sin(a);
    const double k = std::fabs(q.w) < 1 && std::fabs(s) >= 0.001 ? a / s : 1.0;
    return {q.x * k, q.y * k, q.z * k, 0};
}
Dquat DExp(const Dquat& q)
{
    const double a = std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z), s = std::sin(a);
    const double k = std::fabs(s) >= 0.001 ? s / a : 1.0;
    return {q.x * k, q.y * k, q.z * k, std::cos(a)};
}
Dquat DTangent(const Dquat& p, const Dquat& prev, const Dquat& next)
{
    const Dquat inv = DInverse(p);
    const Dquat a = DLog(DMul(inv, next)), b = DLog(DMul(inv, prev));
    return DMul(p, DExp({-0.25 * (a.x + b.x), -0.25 * (a.y + b.y), -0.25 * (a.z + b.z), 0}));
}
Dquat FromFloat(const Quaternion& q) { return {q.x, q.y, q.z, q.w}; }
} // namespace

TEST(RotationSpline, TangentsFollowTheFormulaOnAnAsymmetricCurve)
{
    // Three keys about different axes and by unequal steps, so no term cancels another.
    const Quaternion keys[3] = {Quaternion(Vec3(0, 1, 0), 0.3f), Quaternion(Vec3(0.6f, 0, 0.8f), 1.1f),
                                Quaternion(Vec3(0.48f, 0.6f, 0.64f), -0.7f)};
    RotationSpline s;
    for (const Quaternion& k : keys)
        s.AddPoint(k);
    s.RecalculateTangents();
    ASSERT_FALSE(s.IsClosed());
    const Dquat d[3] = {FromFloat(keys[0]), FromFloat(keys[1]), FromFloat(keys[2])};
    // The open ends stand in for their missing neighbour with the key itself.
    const Dquat expected[3] = {DTangent(d[0], d[0], d[1]), DTangent(d[1], d[0], d[2]), DTangent(d[2], d[1], d[2])};
    for (int i = 0; i < 3; ++i)
    {
        const Quaternion& t = s.GetTangent(i);
        EXPECT_NEAR(t.x, expected[i].x, 2e-6) << i;
        EXPECT_NEAR(t.y, expected[i].y, 2e-6) << i;
        EXPECT_NEAR(t.z, expected[i].z, 2e-6) << i;
        EXPECT_NEAR(t.w, expected[i].w, 2e-6) << i;
    }
    // The middle tangent differs from its key: the curve bends there.
    EXPECT_GT(std::fabs(s.GetTangent(1).w - keys[1].w) + std::fabs(s.GetTangent(1).x - keys[1].x), 1e-3);
}
