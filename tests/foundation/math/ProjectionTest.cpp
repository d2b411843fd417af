#include <numbers>

#include <gtest/gtest.h>

#include "Reference.h"
#include "foundation/math/Projection.h"

namespace {
Matrix Perspective()
{
    Matrix p;
    p.FromPerspective(float(std::numbers::pi / 2), 4.0f / 3.0f, 1.0f, 100.0f);
    return p;
}
} // namespace

TEST(Projection, ProjectToPixels)
{
    const Matrix p = Perspective();
    Vec3 out;
    ProjectVector(Vec3(0, 0, 10), p, 800, 600, out);
    EXPECT_VEC3_NEAR(out, 400, 300, 1, 1e-4);
    // The right edge of a 90 degree view at depth 10 is x = 10 * aspect; the top is y = 10.
    ProjectVector(Vec3(10 * 4.0f / 3 * 0.5f, 5, 10), p, 800, 600, out);
    EXPECT_VEC3_NEAR(out, 600, 150, 1, 1e-3);

    const float off = -3.4028235e38f;
    ProjectVector(Vec3(0, 0, -10), p, 800, 600, out); // behind
    EXPECT_EQ(out, Vec3(off, off, 1));
    ProjectVector(Vec3(100, 0, 10), p, 800, 600, out); // beside
    EXPECT_EQ(out, Vec3(off, off, 1));
    ProjectVector(Vec3(0, 0, 0), p, 800, 600, out); // w = 0
    EXPECT_EQ(out, Vec3(off, off, 1));

    bool behind = false;
    ProjectVectorNoScissor(Vec3(0, 5, -10), p, 800, 600, out, behind);
    EXPECT_TRUE(behind);
    EXPECT_NEAR(out.y, 300 + 150, 1e-3); // mirrored, not clipped
    ProjectVectorNoScissor(Vec3(100, 0, 10), p, 800, 600, out, behind);
    EXPECT_FALSE(behind);
    EXPECT_GT(out.x, 800);
}

TEST(Projection, UnProjectReturnsToTheRay)
{
    Vec3 out;
    UnProjectVector(Vec3(400, 300, 0.9f), Matrix::Ident(), 800, 600, out);
    EXPECT_VEC3_NEAR(out, 0, 0, 0.5, 1e-7);

    const Matrix p = Perspective();
    UnProjectVector(Vec3(600, 150, 0), p, 800, 600, out);
    Vec3 back;
    ProjectVector(out, p, 800, 600, back);
    EXPECT_VEC3_NEAR(back, 600, 150, 1, 1e-2);
}

TEST(Projection, SphereRectangles)
{
    const Matrix p = Perspective();
    Rect r{};
    ComputeSphereRect(Vec3(0, 0, 60), 50, p, 800, 600, r); // covers the whole view
    EXPECT_EQ(r.left, 0.0f);
    EXPECT_EQ(r.top, 0.0f);
    EXPECT_EQ(r.width, 800.0f);
    EXPECT_EQ(r.height, 600.0f);

    // A small sphere straight ahead: the near face of its cube gives the extent.
    ComputeSphereRect(Vec3(0, 0, 20), 1, p, 800, 600, r);
    const float half = 1.0f / 19 / (4.0f / 3) * 400; // x extent in pixels at the near face
    EXPECT_EQ(r.left, float(unsigned(400 - half)));
    EXPECT_EQ(r.width, float(unsigned(400 + half) - unsigned(400 - half)));
    EXPECT_EQ(r.top, float(unsigned(300 - 300.0f / 19)));
}
