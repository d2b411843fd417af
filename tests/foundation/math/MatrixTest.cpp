#include <cmath>
#include <numbers>
#include <random>

#include <gtest/gtest.h>

#include "Reference.h"
#include "foundation/math/Matrix.h"

namespace {
const double kPi = std::numbers::pi;

Matrix RandomMatrix(std::mt19937& rng)
{
    std::uniform_real_distribution<float> d(-2.0f, 2.0f);
    Matrix m;
    for (float& f : m.m)
        f = d(rng);
    return m;
}
} // namespace

TEST(Matrix, ProjectionBuildersMatchTheirDefinitions)
{
    struct Case
    {
        double fov, aspect, zn, zf;
    };
    for (const Case& c : {Case{kPi / 3, 4.0 / 3, 1, 75000}, Case{1.2, 1.0, 0.1, 100}, Case{0.5, 2.5, 10, 20}})
    {
        Matrix m;
        m.FromPerspective(float(c.fov), float(c.aspect), float(c.zn), float(c.zf));
        const double ys = 1 / std::tan(c.fov / 2), q = c.zf / (c.zf - c.zn);
        Dmat ref{};
        ref[0] = ys / c.aspect;
        ref[5] = ys;
        ref[10] = q;
        ref[11] = 1;
        ref[14] = -c.zn * q;
        ExpectMatrixNear(m, ref, 1e-5 * std::max(1.0, c.zn));
        // Near maps to depth 0, far to depth 1.
        EXPECT_NEAR(m.Transform(Vec3(0, 0, float(c.zn))).z, 0.0f, 1e-5);
        EXPECT_NEAR(m.Transform(Vec3(0, 0, float(c.zf))).z, 1.0f, 1e-5);
    }

    Matrix o;
    o.FromOrtho(800, 600, 1, 101);
    Dmat ref = DIdentity();
    ref[0] = 2.0 / 800;
    ref[5] = 2.0 / 600;
    ref[10] = 1.0 / 100;
    ref[14] = -1.0 / 100;
    ExpectMatrixNear(o, ref, 1e-7);

    // Off-centre: the box corners land on the unit cube's corners, depth 0..1.
    Matrix oc;
    oc.FromOrtho(-3, 5, -1, 7, 2, 12);
    EXPECT_VEC3_NEAR(oc.Transform(Vec3(-3, -1, 2)), -1, -1, 0, 1e-6);
    EXPECT_VEC3_NEAR(oc.Transform(Vec3(5, 7, 12)), 1, 1, 1, 1e-6);
    EXPECT_VEC3_NEAR(oc.Transform(Vec3(1, 3, 7)), 0, 0, 0.5, 1e-6);
}

TEST(Matrix, RotationBuildersMatchTheirDefinitions)
{
    struct Axis
    {
        double x, y, z, angle;
    };
    for (const Axis& a : {Axis{0, 1, 0, kPi / 2}, Axis{1, 2, -3, 0.7}, Axis{0, 0, 5, -2.5}, Axis{1, 1, 1, kPi}})
    {
        Matrix m;
        m.FromRotationAxis(Vec3(float(a.x), float(a.y), float(a.z)), float(a.angle));
        ExpectMatrixNear(m, DRotation(a.x, a.y, a.z, a.angle), 1e-6);
        EXPECT_EQ(m, Matrix(Vec3(float(a.x), float(a.y), float(a.z)), float(a.angle)));
    }
    // Left-handed yaw turns forward to the right.
    Matrix yaw;
    yaw.FromRotationAxis(Vec3(0, 1, 0), float(kPi / 2));
    EXPECT_VEC3_NEAR(yaw.Transform(Vec3(0, 0, 1)), 1, 0, 0, 1e-6);

    // Roll about Z first, then pitch about X, then yaw about Y.
    const double angles[][3] = {{0.3, -0.2, 1.1}, {-2.0, 1.4, 0.0}, {0.0, 0.0, 0.9}};
    for (const auto& ypr : angles)
    {
        Matrix m;
        m.FromRotationYPR(float(ypr[0]), float(ypr[1]), float(ypr[2]));
        const Dmat ref = DMul(DMul(DRotation(0, 0, 1, ypr[2]), DRotation(1, 0, 0, ypr[1])), DRotation(0, 1, 0, ypr[0]));
        ExpectMatrixNear(m, ref, 1e-6);
    }
}

TEST(Matrix, MultiplyAppliesThisFirst)
{
    std::mt19937 rng(1);
    for (int i = 0; i < 5; ++i)
    {
        const Matrix a = RandomMatrix(rng), b = RandomMatrix(rng);
        ExpectMatrixNear(a * b, DMul(DFrom(a), DFrom(b)), 1e-5);
        Matrix c = a;
        c *= b;
        EXPECT_EQ(c, a * b);
        Matrix d = b;
        a.Multiply(d, d); // output aliasing the argument
        EXPECT_EQ(d, a * b);
    }
    Matrix t, r;
    t.FromTranslation(1, 2, 3);
    r.FromRotationAxis(Vec3(0, 1, 0), float(kPi / 2));
    EXPECT_VEC3_NEAR(t.Transform(Vec3(0, 0, 0)), 1, 2, 3, 0);
    EXPECT_VEC3_NEAR((t * r).Transform(Vec3(0, 0, 0)), 3, 2, -1, 1e-6); // moved, then turned
    EXPECT_VEC3_NEAR((r * t).Transform(Vec3(0, 0, 0)), 1, 2, 3, 1e-6);  // turned, then moved
}

TEST(Matrix, InverseAndDeterminant)
{
    std::mt19937 rng(2);
    for (int i = 0; i < 5; ++i)
    {
        const Matrix a = RandomMatrix(rng);
        const Dmat da = DFrom(a);
        // Determinant by cofactors along row 0, in double.
        double det = 0;
        for (int c = 0; c < 4; ++c)
        {
            double minor[9];
            int k = 0;
            for (int r = 1; r < 4; ++r)
                for (int cc = 0; cc < 4; ++cc)
                    if (cc != c)
                        minor[k++] = da[r * 4 + cc];
            const double m3 = minor[0] * (minor[4] * minor[8] - minor[5] * minor[7]) -
                              minor[1] * (minor[3] * minor[8] - minor[5] * minor[6]) +
                              minor[2] * (minor[3] * minor[7] - minor[4] * minor[6]);
            det += (c % 2 ? -1 : 1) * da[c] * m3;
        }
        EXPECT_NEAR(a.GetDeterminant(), det, 1e-5 * std::max(1.0, std::fabs(det)));
        if (std::fabs(det) < 0.05)
            continue;
        ExpectMatrixNear(a * a.Inversed(), DIdentity(), 1e-4);
        Matrix b = a;
        b.Inverse();
        EXPECT_EQ(b, a.Inversed());
    }
    // A singular matrix is left as it was.
    Matrix s(1, 2, 3, 4, 2, 4, 6, 8, 0, 1, 0, 1, 5, 5, 5, 5);
    const Matrix before = s;
    s.Inverse();
    EXPECT_EQ(s, before);
    EXPECT_EQ(Matrix::Zero().GetDeterminant(), 0.0f);
}

TEST(Matrix, PointAndNormalTransforms)
{
    Matrix p;
    p.FromPerspective(1.0f, 1.0f, 1.0f, 10.0f);
    Vec4 clip;
    p.Transform(Vec3(1, 2, 5), clip); // no division
    EXPECT_NEAR(clip.w, 5.0f, 1e-6);
    const Vec3 ndc = p * Vec3(1, 2, 5);
    EXPECT_NEAR(ndc.x, clip.x / 5, 1e-6);
    EXPECT_NEAR(ndc.y, clip.y / 5, 1e-6);
    EXPECT_NEAR(ndc.z, clip.z / 5, 1e-6);

    Matrix t;
    t.FromTranslation(5, 6, 7);
    t.Scale(2, 3, 4);
    EXPECT_VEC3_NEAR(t.TransformNormal(Vec3(1, 1, 1)), 2, 3, 4, 0);
    EXPECT_VEC3_NEAR(t.Transform(Vec3(1, 1, 1)), 7, 9, 11, 0);

    // Rows are scaled, not columns: on a rotated matrix the axes grow along their own length.
    Matrix r;
    r.FromRotationYPR(0.5f, 0.25f, 0.125f);
    r.SetRow(3, Vec3(1, 2, 3));
    Matrix scaled = r;
    scaled.Scale(Vec3(2, 3, 4));
    const float s[3] = {2, 3, 4};
    for (int row = 0; row < 4; ++row)
        for (int c = 0; c < 4; ++c)
            EXPECT_FLOAT_EQ(scaled(row, c), r(row, c) * (row < 3 && c < 3 ? s[row] : 1.0f)) << row << "," << c;
    EXPECT_NEAR(scaled.Right().Length(), 2, 1e-5);
    EXPECT_NEAR(scaled.Dir().Length(), 4, 1e-5);
}

TEST(Matrix, RowsColumnsAndInPlaceChanges)
{
    Matrix m = Matrix::Ident();
    EXPECT_TRUE(m.IsIdentity());
    m.SetRow(3, Vec3(1, 2, 3));
    EXPECT_EQ(m.GetRow(3), Vec4(1, 2, 3, 1));
    m.SetRow(1, Vec3(4, 5, 6));
    EXPECT_EQ(m.GetRow(1), Vec4(4, 5, 6, 0));
    m.SetColumn(2, Vec4(9, 8, 7, 6));
    EXPECT_EQ(m.GetColumn(2), Vec4(9, 8, 7, 6));
    EXPECT_EQ(m(3, 2), 6.0f);

    m.Translate(7, 8, 9); // sets, does not add
    EXPECT_EQ(m.Pos(), Vec3(7, 8, 9));
    m.Translate(Vec3(1, 1, 1));
    EXPECT_EQ(m.Pos(), Vec3(1, 1, 1));

    Matrix n = Matrix::Ident();
    n.Pos() = Vec3(5, 5, 5);
    n.Yaw(float(kPi / 2)); // about its own Up
    EXPECT_VEC3_NEAR(n.Dir(), 1, 0, 0, 1e-6);
    EXPECT_VEC3_NEAR(n.Right(), 0, 0, -1, 1e-6);
    EXPECT_EQ(n.Pos(), Vec3(5, 5, 5));
    n.Pitch(float(kPi / 2)); // about the new Right: Dir turns to down
    EXPECT_VEC3_NEAR(n.Dir(), 0, -1, 0, 1e-6);
    n.Roll(0.4f); // about Dir: Dir stays
    EXPECT_VEC3_NEAR(n.Dir(), 0, -1, 0, 1e-6);

    Matrix r = Matrix::Ident();
    r.Rotate(Vec3(0, 1, 0), float(kPi / 2));
    ExpectMatrixNear(r, DRotation(0, 1, 0, kPi / 2), 1e-7);

    Matrix tr(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
    EXPECT_EQ(tr.Transposed().GetRow(0), Vec4(1, 5, 9, 13));
    EXPECT_EQ(-tr + tr, Matrix::Zero());
    EXPECT_EQ(tr * 2.0f - tr, tr);
}

TEST(Matrix, OrientationBuildsAnOrthonormalBasis)
{
    Matrix m = Matrix::Ident();
    m.Pos() = Vec3(9, 9, 9);
    const Vec3 dir(0, 0.6f, 0.8f);
    m.FromOrientation(dir, Vec3(0, 1, 0));
    EXPECT_EQ(m.Dir(), dir);
    EXPECT_VEC3_NEAR(m.Right(), 1, 0, 0, 1e-6);
    EXPECT_VEC3_NEAR(m.Up(), 0, 0.8, -0.6, 1e-6);
    EXPECT_EQ(m.Pos(), Vec3(9, 9, 9)); // untouched
    EXPECT_EQ(m(0, 3), 0.0f);
}
