#include <cmath>

#include <gtest/gtest.h>

#include "Reference.h"
#include "foundation/math/Frustum.h"
#include "foundation/math/Ray.h"

namespace {
const Bounds kUnitBox(Vec3(0, 0, 0), Vec3(1, 1, 1));
}

TEST(Bounds, BuildingAndMeasuring)
{
    Bounds b;
    EXPECT_EQ(b, Bounds(Vec3(0.0f), Vec3(0.0f)));
    b.SetUndefined();
    b.AddPoint(Vec3(1, 2, 3));
    EXPECT_EQ(b.min, Vec3(1, 2, 3));
    EXPECT_EQ(b.max, Vec3(1, 2, 3));
    EXPECT_EQ(b.GetVolume(), 0.0f);
    b.AddPoint(Vec3(3, -2, 7));
    EXPECT_EQ(b, Bounds(Vec3(1, -2, 3), Vec3(3, 2, 7)));
    EXPECT_EQ(b.GetVolume(), 2 * 4 * 4.0f);
    EXPECT_FLOAT_EQ(b.GetDiagonal(), 6.0f);
    Vec3 c;
    b.GetCenter(c);
    EXPECT_EQ(c, Vec3(2, 0, 5));
    EXPECT_EQ(Bounds(Vec3(1, 1, 1), Vec3(0, 2, 2)).GetVolume(), 0.0f); // inverted

    b.Set(Vec3(1, 1, 1), Vec3(2, 4, 6));
    EXPECT_EQ(b, Bounds(Vec3(0, -1, -2), Vec3(2, 3, 4)));
    b.Expand(1);
    b.Translate(Vec3(1, 0, 0));
    EXPECT_EQ(b, Bounds(Vec3(0, -2, -3), Vec3(4, 4, 5)));

    Bounds m = kUnitBox;
    m.Merge(Sphere(Vec3(3, 0, 0), 1));
    EXPECT_EQ(m, Bounds(Vec3(0, -1, -1), Vec3(4, 1, 1)));
    m.Merge(Bounds(Vec3(-1, 0, 0), Vec3(0, 0, 9)));
    EXPECT_EQ(m, Bounds(Vec3(-1, -1, -1), Vec3(4, 1, 9)));
}

TEST(Bounds, TransformEnclosesTheMovedCorners)
{
    Bounds b(Vec3(-1, -2, -3), Vec3(1, 2, 3));
    Matrix m;
    m.FromRotationAxis(Vec3(0, 1, 0), float(std::numbers::pi / 2));
    m.Pos() = Vec3(10, 0, 0);
    b.Transform(m);
    EXPECT_VEC3_NEAR(b.min, 7, -2, -1, 1e-5);
    EXPECT_VEC3_NEAR(b.max, 13, 2, 1, 1e-5);
}

TEST(Bounds, Intersections)
{
    EXPECT_TRUE(kUnitBox.Intersects(Vec3(1, 1, 1)));
    EXPECT_TRUE(kUnitBox.Intersects(Vec3(0, 0.5f, 1)));
    EXPECT_FALSE(kUnitBox.Intersects(Vec3(1.001f, 0.5f, 0.5f)));

    EXPECT_EQ(kUnitBox.Intersects(Bounds(Vec3(1, 0, 0), Vec3(2, 1, 1))), PARTIAL); // shared face
    EXPECT_EQ(kUnitBox.Intersects(Bounds(Vec3(0.2f), Vec3(0.8f))), PARTIAL);       // never INSIDE
    EXPECT_EQ(kUnitBox.Intersects(Bounds(Vec3(0, 1.1f, 0), Vec3(1, 2, 1))), OUTSIDE);

    struct Case
    {
        Plane plane;
        eIntersection result;
        ePlaneSide side;
        float distance;
    };
    const Case cases[] = {
        {Plane(1, 0, 0, 0.5f), INSIDE, FRONT, 0.5f},  // x >= -0.5: all in front
        {Plane(1, 0, 0, -0.5f), PARTIAL, BOTH, 0.0f}, // cuts through
        {Plane(-1, 0, 0, -2), OUTSIDE, BACK, -2.0f},  // x <= -2: all behind, 2 away
        {Plane(0, 0, -1, 1), INSIDE, BOTH, 0.0f},     // z <= 1: touching the far face counts as in front
        {Plane(0, -1, 0, 3), INSIDE, FRONT, 2.0f},    // y <= 3
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(kUnitBox.Intersects(c.plane), c.result) << c.plane.a << " " << c.plane.d;
        EXPECT_EQ(kUnitBox.PlaneSide(c.plane, 0.0f), c.side) << c.plane.a << " " << c.plane.d;
        EXPECT_FLOAT_EQ(kUnitBox.PlaneDistance(c.plane), c.distance) << c.plane.a << " " << c.plane.d;
    }
}

TEST(Sphere, TestsAgainstPointsSpheresAndPlanes)
{
    const Sphere s(Vec3(0, 0, 0), 2);
    EXPECT_TRUE(s.Intersects(Vec3(0, 2, 0)));
    EXPECT_FALSE(s.Intersects(Vec3(0, 2.01f, 0)));
    EXPECT_EQ(s.Intersects(Sphere(Vec3(3, 0, 0), 1)), 1);
    EXPECT_EQ(s.Intersects(Sphere(Vec3(3.1f, 0, 0), 1)), 0);
    EXPECT_EQ(s.Intersects(Plane(0, 1, 0, -2)), 1);
    EXPECT_EQ(s.Intersects(Plane(0, 1, 0, 2.5f)), 0);

    EXPECT_EQ(s.PlaneSide(Plane(0, 1, 0, 0), 0.1f), BOTH);
    EXPECT_EQ(s.PlaneSide(Plane(0, 1, 0, 2.5f), 0.1f), FRONT);
    EXPECT_EQ(s.PlaneSide(Plane(0, 1, 0, -2.05f), 0.1f), BOTH); // within epsilon
    EXPECT_EQ(s.PlaneSide(Plane(0, 1, 0, -2.5f), 0.1f), BACK);
    EXPECT_EQ(s.PlaneDistance(Plane(0, 1, 0, 5)), 3.0f);
    EXPECT_EQ(s.PlaneDistance(Plane(0, 1, 0, -5)), -3.0f);
    EXPECT_EQ(s.PlaneDistance(Plane(0, 1, 0, 1)), 0.0f);

    Sphere b;
    b.BuildFromBounds(Bounds(Vec3(0, 0, 0), Vec3(2, 2, 2)));
    EXPECT_EQ(b.center, Vec3(1, 1, 1));
    EXPECT_FLOAT_EQ(b.radius, std::sqrt(3.0f));
}

TEST(Sphere, AddPointGrowsToEnclose)
{
    Sphere s(Vec3(0, 0, 0), -1); // empty
    s.AddPoint(Vec3(1, 0, 0));
    EXPECT_EQ(s.center, Vec3(1, 0, 0));
    EXPECT_EQ(s.radius, 0.0f);
    s.AddPoint(Vec3(-3, 0, 0));
    EXPECT_EQ(s.center, Vec3(-1, 0, 0));
    EXPECT_EQ(s.radius, 2.0f);
    s.AddPoint(Vec3(0, 1, 0)); // inside: unchanged
    EXPECT_EQ(s.radius, 2.0f);
}

TEST(Sphere, MergeEnclosesBoth)
{
    struct Case
    {
        Sphere a, b;
        Sphere expected;
    };
    const Case cases[] = {
        // Disjoint unit spheres 4 apart.
        {{{0, 0, 0}, 1}, {{4, 0, 0}, 1}, {{2, 0, 0}, 3}},
        // Overlapping, the second sticking out.
        {{{0, 0, 0}, 2}, {{2, 0, 0}, 1}, {{0.5f, 0, 0}, 2.5f}},
        // Second inside the first: unchanged.
        {{{0, 0, 0}, 3}, {{1, 0, 0}, 1}, {{0, 0, 0}, 3}},
        // First inside the second: becomes the second.
        {{{1, 0, 0}, 1}, {{0, 0, 0}, 5}, {{0, 0, 0}, 5}},
        // Different radii, disjoint.
        {{{0, 0, 0}, 1}, {{0, 10, 0}, 3}, {{0, 6, 0}, 7}},
        // Empty first takes the second; empty second changes nothing.
        {{{9, 9, 9}, -1}, {{1, 2, 3}, 4}, {{1, 2, 3}, 4}},
        {{{1, 2, 3}, 4}, {{9, 9, 9}, -1}, {{1, 2, 3}, 4}},
    };
    for (const Case& c : cases)
    {
        Sphere m = c.a;
        m.Merge(c.b);
        EXPECT_VEC3_NEAR(m.center, c.expected.center.x, c.expected.center.y, c.expected.center.z, 1e-6);
        EXPECT_NEAR(m.radius, c.expected.radius, 1e-6);
        // Both spheres end up inside the merge.
        for (const Sphere& s : {c.a, c.b})
        {
            if (s.radius >= 0)
            {
                EXPECT_LE(m.center.Distance(s.center) + s.radius, m.radius + 1e-5f);
            }
        }
    }
}

TEST(Plane, SidesBuildersAndIntersections)
{
    const Plane p(0, 1, 0, -1); // y = 1, front above
    const float eps = 0.01f;
    EXPECT_EQ(p.Side(Vec3(0, 1 + 0.5f * eps, 0), eps), ON);
    EXPECT_EQ(p.Side(Vec3(0, 2, 0), eps), FRONT);
    EXPECT_EQ(p.Side(Vec3(0, 0, 0), eps), BACK);
    EXPECT_EQ(p.DistanceToPoint(Vec3(5, -2, 5)), 3.0f);
    EXPECT_EQ(p.DistanceToPointNoABS(Vec3(5, -2, 5)), -3.0f);
    EXPECT_EQ(-p, Plane(0, -1, 0, 1));

    Plane q;
    q.BuildFromVector(Vec3(0, 0, 5), Vec3(0, 0, 2));
    EXPECT_EQ(q, Plane(0, 0, 1, -5));
    const Plane tri(Vec3(0, 0, 0), Vec3(1, 0, 0), Vec3(0, 0, 1));
    EXPECT_VEC3_NEAR(tri.Normal(), 0, 1, 0, 1e-7);
    EXPECT_EQ(tri.d, 0.0f);
    Plane n(0, 3, 4, 7);
    n.Normalize();
    EXPECT_EQ(n, Plane(0, 0.6f, 0.8f, 7)); // d kept

    Vec3 hit(0.0f);
    EXPECT_TRUE(p.Intersect(Vec3(0, 0, 0), Vec3(0, 4, 0), hit));
    EXPECT_VEC3_NEAR(hit, 0, 1, 0, 1e-7);
    EXPECT_FALSE(p.Intersect(Vec3(0, 2, 0), Vec3(0, 4, 0), hit));
    EXPECT_FALSE(p.Intersect(Vec3(0, 1, 0), Vec3(3, 1, 0), hit)); // lies in the plane

    Vec3 point, dir;
    EXPECT_TRUE(Plane(1, 0, 0, -2).Intersect(Plane(0, 1, 0, -3), point, dir));
    EXPECT_VEC3_NEAR(point, 2, 3, 0, 1e-6);
    EXPECT_VEC3_NEAR(dir, 0, 0, 1, 0);
    EXPECT_FALSE(Plane(1, 0, 0, -2).Intersect(Plane(2, 0, 0, 5), point, dir));
}

TEST(Ray, Triangles)
{
    const Vec3 p0(0, 0, 1), p1(1, 0, 1), p2(0, 1, 1);
    float t = -1, u = -1, v = -1;
    EXPECT_TRUE(Ray(Vec3(0.25f, 0.25f, 0), Vec3(0, 0, 1)).Intersects(p0, p1, p2, t, u, v));
    EXPECT_FLOAT_EQ(t, 1.0f);
    EXPECT_FLOAT_EQ(u, 0.25f);
    EXPECT_FLOAT_EQ(v, 0.25f);
    EXPECT_TRUE(Ray(Vec3(0, 0, -1), Vec3(0, 0, 2)).Intersects(p0, p1, p2, t, u, v)); // at a vertex
    EXPECT_FLOAT_EQ(t, 1.0f);
    EXPECT_EQ(u, 0.0f);
    EXPECT_EQ(v, 0.0f);
    EXPECT_FALSE(Ray(Vec3(0.8f, 0.8f, 0), Vec3(0, 0, 1)).Intersects(p0, p1, p2, t, u, v)); // u + v > 1
    EXPECT_FALSE(Ray(Vec3(0.2f, 0.2f, 2), Vec3(0, 0, 1)).Intersects(p0, p1, p2, t, u, v)); // behind
    EXPECT_FALSE(Ray(Vec3(0.2f, 0.2f, 0), Vec3(1, 0, 0)).Intersects(p0, p1, p2, t, u, v)); // parallel
    EXPECT_FALSE(Ray(Vec3(0, 0, 0), Vec3(0, 0, 0)).Intersects(p0, p1, p2, t, u, v));       // no direction
    EXPECT_FALSE(Ray(Vec3(0.2f, 0.2f, 0), Vec3(0, 0, 1)).Intersects(p0, p1, p1, t, u, v)); // degenerate
}

TEST(Ray, BoxesSpheresAndPlanes)
{
    struct Case
    {
        Ray ray;
        bool hit;
        float t;
    };
    const Case cases[] = {
        {Ray(Vec3(0.5f, 0.5f, 0.5f), Vec3(1, 0, 0)), true, 0}, // from inside
        {Ray(Vec3(0.5f, 0.5f, -1), Vec3(0, 0, 1)), true, 1},   // straight in
        {Ray(Vec3(-2, 0.5f, 0.5f), Vec3(2, 0, 0)), true, 1},   // t in direction lengths
        {Ray(Vec3(3, 0.5f, 0.5f), Vec3(-1, 0, 0)), true, 2},   // from the max side
        {Ray(Vec3(-1, -1, -1), Vec3(1, 1, 1)), true, 1},       // through a corner
        {Ray(Vec3(0.5f, 0.5f, -1), Vec3(0, 0, -1)), false, 0}, // pointing away
        {Ray(Vec3(0.5f, 2, -1), Vec3(0, 0, 1)), false, 0},     // passing beside
    };
    for (const Case& c : cases)
    {
        float t = -7;
        EXPECT_EQ(c.ray.Intersects(kUnitBox, t), c.hit) << c.ray.origin.x << " " << c.ray.origin.z;
        EXPECT_FLOAT_EQ(t, c.t);
    }

    float untouched = 42;
    EXPECT_TRUE(Ray(Vec3(-5, 0.9f, 0), Vec3(1, 0, 0)).Intersects(Sphere(Vec3(0, 0, 0), 1), untouched));
    EXPECT_TRUE(Ray(Vec3(5, 0.9f, 0), Vec3(1, 0, 0)).Intersects(Sphere(Vec3(0, 0, 0), 1), untouched)); // a line
    EXPECT_FALSE(Ray(Vec3(-5, 1.1f, 0), Vec3(1, 0, 0)).Intersects(Sphere(Vec3(0, 0, 0), 1), untouched));
    EXPECT_TRUE(Ray().Intersects(Plane(0, 0, 1, 0), untouched));
    EXPECT_FALSE(Ray().Intersects(Plane(1, 0, 0, 0), untouched));
    EXPECT_EQ(untouched, 42.0f);

    const Ray r(Vec3(1, 2, 3), Vec3(0, 1, 0));
    EXPECT_EQ(r * 2.0f, Vec3(1, 4, 3));
    EXPECT_EQ(-r, Ray(Vec3(0.0f), Vec3(0, -1, 0)));
}

TEST(Frustum, FromTheIdentityMatrix)
{
    Frustum f;
    f.Identity();
    const Plane expected[6] = {{-1, 0, 0, 1}, {1, 0, 0, 1}, {0, 1, 0, 1}, {0, -1, 0, 1}, {0, 0, -1, 1}, {0, 0, 1, 1}};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(f.GetPlane(i), expected[i]) << i;
    EXPECT_EQ(f.Intersects(Vec3(0, 0, 0.5f)), INSIDE);
    EXPECT_EQ(f.Intersects(Vec3(2, 0, 0)), OUTSIDE);
    EXPECT_EQ(f.Intersects(Vec3(1, 0, 0)), OUTSIDE); // on a plane counts as outside
    EXPECT_EQ(f.Intersects(Sphere(Vec3(0, 0, 0), 0.1f)), PARTIAL);
    EXPECT_EQ(f.Intersects(Sphere(Vec3(2.5f, 0, 0), 1)), OUTSIDE);
    EXPECT_EQ(f.Intersects(Sphere(Vec3(1.5f, 0, 0), 1)), PARTIAL);
    EXPECT_EQ(f.Intersects(Bounds(Vec3(-0.5f), Vec3(0.5f))), INSIDE);
    EXPECT_EQ(f.Intersects(Bounds(Vec3(0.5f), Vec3(1.5f))), PARTIAL);
    EXPECT_EQ(f.Intersects(Bounds(Vec3(1.5f), Vec3(2.5f))), OUTSIDE);
}

TEST(Frustum, FromAPerspectiveViewProjection)
{
    Matrix proj;
    proj.FromPerspective(float(std::numbers::pi / 2), 1.0f, 1.0f, 100.0f);
    Frustum f;
    f.FromMatrix(proj);
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(f.GetPlane(i).Normal().Length(), 1.0f, 1e-6) << i;
    // A 90 degree view: the side planes are x = +-z, y = +-z.
    EXPECT_EQ(f.Intersects(Vec3(0, 0, 50)), INSIDE);
    EXPECT_EQ(f.Intersects(Vec3(9, 0, 10)), INSIDE);
    EXPECT_EQ(f.Intersects(Vec3(11, 0, 10)), OUTSIDE);
    EXPECT_EQ(f.Intersects(Vec3(0, -11, 10)), OUTSIDE);
    EXPECT_EQ(f.Intersects(Vec3(0, 0, 101)), OUTSIDE);
    EXPECT_EQ(f.Intersects(Vec3(0, 0, -5)), OUTSIDE);
    EXPECT_EQ(f.Intersects(Sphere(Vec3(0, 0, -5), 1)), OUTSIDE);
    EXPECT_EQ(f.Intersects(Bounds(Vec3(-1, -1, 10), Vec3(1, 1, 20))), INSIDE);
    EXPECT_EQ(f.Intersects(Bounds(Vec3(-1, -1, 90), Vec3(1, 1, 120))), PARTIAL);

    // Fewer than six planes: left unchanged.
    Frustum few(4);
    few.FromMatrix(proj);
    EXPECT_EQ(few, Frustum(4));
}

TEST(Frustum, WithoutPlanes)
{
    Frustum f(0);
    EXPECT_EQ(f.Intersects(Vec3(1e9f, 0, 0)), INSIDE);
    EXPECT_EQ(f.Intersects(Sphere(Vec3(0.0f), 1)), PARTIAL);
    EXPECT_EQ(f.Intersects(Bounds(Vec3(0.0f), Vec3(1.0f))), PARTIAL); // nothing tested: not known inside
    f.AddPlane(Plane(1, 0, 0, 0));
    EXPECT_EQ(f.GetPlaneCount(), 1);
    EXPECT_EQ(f.Intersects(Vec3(-1, 0, 0)), OUTSIDE);
    f.SetPlaneCount(3);
    EXPECT_EQ(f.GetPlane(2), Plane());
    f.ClearPlanes();
    EXPECT_EQ(f.GetPlaneCount(), 0);
}

TEST(Frustum, VolumeOperationsWithFixedAnswers)
{
    Frustum f;
    f.Identity();
    const Frustum before = f;
    f.Expand(5);
    f.Translate(Vec3(1, 2, 3));
    f.Transform(Matrix(Vec3(0, 1, 0), 1.0f));
    EXPECT_EQ(f, before);
    EXPECT_EQ(f.Intersects(before), OUTSIDE);
    EXPECT_EQ(f.PlaneSide(Plane(0, 0, 1, -1e6f), 0.0f), FRONT);
    EXPECT_EQ(f.PlaneDistance(Plane(0, 0, 1, -1e6f)), 0.0f);

    float untouched = 42;
    EXPECT_TRUE(Ray(Vec3(0, 0, -1e6f), Vec3(0, 0, -1)).Intersects(f, untouched));
    EXPECT_EQ(untouched, 42.0f);
}
