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

// The outline's rectangle holds every point of the sphere in view, lies within the cube's
// rectangle, and is much narrower than it for a near sphere; a sphere reaching the eye's plane or
// a projection of another form has none.
TEST(Projection, SphereOutlineRectangles)
{
    const Matrix p = Perspective();
    Matrix view;
    view.FromRotationYPR(0.3f, -0.2f, 0.1f);
    view(3, 0) = 4.0f;
    view(3, 1) = -2.0f;
    const Matrix viewProj = view * p;
    struct Case
    {
        Vec3 centre; // in view space
        float radius;
    };
    const Case cases[] = {{{0, 0, 20}, 1}, {{5, -3, 12}, 4}, {{-9, 6, 15}, 7}, {{0, 0, 4}, 2}, {{30, 0, 10}, 9}};
    const Matrix world = view.Inversed();
    for (const Case& c : cases)
    {
        Vec3 centre;
        world.Transform(c.centre, centre);
        Rect outline{}, cube{};
        ASSERT_TRUE(ComputeSphereOutlineRect(centre, c.radius, view, p, 800, 600, outline)) << c.centre.x;
        ComputeSphereRect(centre, c.radius, viewProj, 800, 600, cube);
        EXPECT_GE(outline.left + 1, cube.left);
        EXPECT_GE(outline.top + 1, cube.top);
        EXPECT_LE(outline.left + outline.width, cube.left + cube.width + 2);
        EXPECT_LE(outline.top + outline.height, cube.top + cube.height + 2);
        for (int i = 0; i < 2000; ++i)
        {
            // Points spread over the sphere.
            const float z = 1.0f - 2.0f * (float(i) + 0.5f) / 2000.0f, r = std::sqrt(1.0f - z * z);
            const float a = float(i) * 2.3999632f;
            const Vec3 point = centre + Vec3(r * std::cos(a), r * std::sin(a), z) * c.radius;
            Vec3 screen;
            ProjectVector(point, viewProj, 800, 600, screen);
            if (screen.x < -1.0e30f)
                continue;
            EXPECT_GE(screen.x, outline.left) << i;
            EXPECT_LE(screen.x, outline.left + outline.width) << i;
            EXPECT_GE(screen.y, outline.top) << i;
            EXPECT_LE(screen.y, outline.top + outline.height) << i;
        }
    }
    // Twice its radius away, the sphere's outline is a good deal narrower than its cube's.
    Vec3 near;
    world.Transform(Vec3(0, 0, 4), near);
    Rect outline{}, cube{};
    ComputeSphereOutlineRect(near, 2, view, p, 800, 600, outline);
    ComputeSphereRect(near, 2, viewProj, 800, 600, cube);
    EXPECT_LT(outline.width * outline.height, 0.5f * cube.width * cube.height);

    Rect untouched{1, 2, 3, 4};
    Vec3 reaching;
    world.Transform(Vec3(0, 0, 3), reaching);
    EXPECT_FALSE(ComputeSphereOutlineRect(reaching, 3.5f, view, p, 800, 600, untouched));
    Matrix ortho;
    ortho.FromOrtho(80, 60, 1, 100);
    EXPECT_FALSE(ComputeSphereOutlineRect(near, 1, view, ortho, 800, 600, untouched));
    EXPECT_EQ(untouched.left, 1.0f);
    EXPECT_EQ(untouched.height, 4.0f);
}
