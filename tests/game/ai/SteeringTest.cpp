// The steering library on plain entities: the low-speed turn limit, the deviation cone, paths,
// pursuit, obstacle and neighbour avoidance, and the motion guards that keep poses finite.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "game/ai/steering/SimpleEntity.h"

using namespace Pelloris;

namespace {

void ExpectNear(const SteerVec3& expected, const SteerVec3& actual, float tolerance, const char* what)
{
    EXPECT_NEAR(expected.x, actual.x, tolerance) << what;
    EXPECT_NEAR(expected.y, actual.y, tolerance) << what;
    EXPECT_NEAR(expected.z, actual.z, tolerance) << what;
}

// At the position, facing +z unless told otherwise.
SimpleEntity Entity(const SteerVec3& position, float speed, float maxSpeed = 100, float radius = 10,
                    const SteerVec3& forward = {0, 0, 1})
{
    SimpleEntity entity;
    entity.SetPosition(position);
    entity.RegenerateBasisFromForward(forward);
    entity.SetMaxSpeed(maxSpeed);
    entity.SetMaxForce(50);
    entity.SetSpeed(speed);
    entity.SetRadius(radius);
    return entity;
}

} // namespace

TEST(Steering, AtLowSpeedForcesAreBentTowardsForward)
{
    struct Case
    {
        const char* what;
        float speed;    // of a maximum of 100
        float maxSpeed; // 100 unless 0
        SteerVec3 force;
        SteerVec3 expected;
    };
    const Case cases[] = {
        {"standstill: sideways onto forward, length kept", 0, 100, {5, 0, 0}, {0, 0, 5}},
        {"standstill: backwards onto forward", 0, 100, {0, 0, -5}, {0, 0, 5}},
        {"at a fifth of the maximum every direction passes", 20, 100, {0, 0, -5}, {0, 0, -5}},
        {"above it too", 50, 100, {5, 0, 0}, {5, 0, 0}},
        {"half the threshold: nearly onto forward", 10, 100, {5, 0, 0}, {0.0098f, 0, 5}},
        {"a zero force passes", 0, 100, {0, 0, 0}, {0, 0, 0}},
        {"no maximum speed: nothing to scale by", 0, 0, {5, 0, 0}, {5, 0, 0}},
    };
    for (const Case& test : cases)
    {
        SimpleEntity entity = Entity({0, 0, 0}, test.speed, test.maxSpeed);
        ExpectNear(test.expected, entity.AdjustRawSteering(test.force, 0.1f), 1e-3f, test.what);
    }
}

TEST(Steering, LimitDeviationAngleKeepsLengthAndCone)
{
    const SteerVec3 basis(0, 0, 1);
    const float cos45 = std::sqrt(0.5f);
    struct Case
    {
        const char* what;
        bool inside;
        SteerVec3 source;
        float cosine;
        SteerVec3 expected;
    };
    const Case cases[] = {
        {"inside the cone: unchanged", true, {1, 0, 2}, cos45, {1, 0, 2}},
        {"outside: onto the rim", true, {2, 0, 0}, cos45, {2 * cos45, 0, 2 * cos45}},
        {"outside the cone wanted: unchanged", false, {2, 0, 0}, cos45, {2, 0, 0}},
        {"inside but wanted outside: out to the rim", false, {1, 0, 3}, cos45, {2.2360680f, 0, 2.2360680f}},
        {"zero source", true, {0, 0, 0}, 1, {0, 0, 0}},
        {"straight against the basis", true, {0, 0, -3}, 1, {0, 0, 3}},
    };
    for (const Case& test : cases)
    {
        const SteerVec3 result = LimitDeviationAngle(test.inside, test.source, test.cosine, basis);
        ExpectNear(test.expected, result, 1e-4f, test.what);
        EXPECT_NEAR(test.source.Length(), result.Length(), 1e-4f) << test.what;
    }
}

TEST(Steering, PathDistancesOfLoopedAndOpenPaths)
{
    // A square of side 25: 100 around when looped, 75 open.
    const SteerVec3 corners[] = {{0, 0, 0}, {25, 0, 0}, {25, 0, 25}, {0, 0, 25}};
    const PolyPathway loop(4, corners, 5, true, -1);
    const PolyPathway open(4, corners, 5, false, 150);
    EXPECT_EQ(5, loop.GetPointCount());
    EXPECT_FLOAT_EQ(100, loop.GetTotalPathLength());
    EXPECT_FLOAT_EQ(75, open.GetTotalPathLength());

    struct Case
    {
        const char* what;
        const PolyPathway* path;
        float distance;
        SteerVec3 expected;
    };
    const Case cases[] = {
        {"looped past the length wraps", &loop, 130, {25, 0, 5}},
        {"looped before the start wraps backwards", &loop, -30, {5, 0, 25}},
        {"looped at a corner", &loop, 50, {25, 0, 25}},
        {"open before the start: first point", &open, -10, {0, 0, 0}},
        {"open at its length: last point", &open, 75, {0, 0, 25}},
        {"open past its length: last point", &open, 80, {0, 0, 25}},
        {"open inside a segment", &open, 37.5f, {25, 0, 12.5f}},
    };
    for (const Case& test : cases)
        ExpectNear(test.expected, test.path->MapPathDistanceToPoint(test.distance), 1e-4f, test.what);

    SteerVec3 tangent;
    float outside = 0;
    ExpectNear({10, 0, 0}, open.MapPointToPath({10, 0, -8}, tangent, outside), 1e-4f, "nearest point");
    EXPECT_FLOAT_EQ(3, outside);
    ExpectNear({1, 0, 0}, tangent, 1e-6f, "tangent");
    EXPECT_FLOAT_EQ(35, open.MapPointToPathDistance({27, 0, 10}));
}

TEST(Steering, DegeneratePathsGiveFinitePoints)
{
    const SteerVec3 one[] = {{7, 0, 0}};
    const SteerVec3 same[] = {{7, 0, 0}, {7, 0, 0}};
    const PolyPathway single(1, one, 5, true, -1);
    const PolyPathway empty(0, nullptr, 5, false, -1);
    const PolyPathway stacked(2, same, 5, false, -1);
    for (const PolyPathway* path : {&single, &empty, &stacked})
    {
        SteerVec3 tangent;
        float outside = 0;
        EXPECT_TRUE(path->MapPathDistanceToPoint(12).IsFinite());
        EXPECT_TRUE(path->MapPointToPath({1, 2, 3}, tangent, outside).IsFinite());
        EXPECT_TRUE(std::isfinite(outside));
        EXPECT_TRUE(std::isfinite(path->MapPointToPathDistance({1, 2, 3})));
    }
}

TEST(Steering, PursuitPredictsByHowTheQuarryIsLinedUp)
{
    // The quarry 100 ahead, both flying +z at 10: four direct travel times, capped.
    SimpleEntity hunter = Entity({0, 0, 0}, 10);
    const SimpleEntity ahead = Entity({0, 0, 100}, 10);
    ExpectNear(hunter.SeekPoint({0, 0, 100 + 10 * 5}), hunter.PursueEntity(ahead, 5), 1e-3f, "capped");
    ExpectNear(hunter.SeekPoint({0, 0, 100 + 10 * 40}), hunter.PursueEntity(ahead, 100), 1e-3f, "4 x 10 s");

    // Behind and heading away: two travel times.
    const SimpleEntity behind = Entity({0, 0, -100}, 10, 100, 10, {0, 0, -1});
    ExpectNear(hunter.SeekPoint({0, 0, -100 - 10 * 20}), hunter.PursueEntity(behind, 100), 1e-3f, "behind");

    // On top of the quarry, or standing still: no division by nothing.
    const SimpleEntity onTop = Entity({0, 0, 0}, 10);
    EXPECT_TRUE(hunter.PursueEntity(onTop, 1).IsFinite());
    SimpleEntity standing = Entity({0, 0, 0}, 0);
    ExpectNear(standing.SeekPoint({0, 0, 110}), standing.PursueEntity(ahead, 1), 1e-3f, "standing");
}

TEST(Steering, ObstacleAvoidanceTurnsFromTheNearestSphereInReach)
{
    SimpleEntity entity = Entity({0, 0, 0}, 100, 100, 5);
    SphericalObstacle near, far, behind, aside;
    near.center = {-10, 0, 150};
    near.radius = 20;
    far.center = {0, 0, 400}; // beyond 100 x 2 s
    far.radius = 20;
    behind.center = {0, 0, -100};
    behind.radius = 20;
    aside.center = {100, 0, 50};
    aside.radius = 20;

    // Away from the sphere's side, and on.
    const SteerVec3 expected = SteerVec3(1, 0, 0) * 50 + SteerVec3(0, 0, 1) * 50 * 0.75f;
    ExpectNear(expected, entity.AvoidObstacles(2, {&far, &near, &behind}), 1e-3f, "nearest in reach");
    ExpectNear({}, entity.AvoidObstacles(2, {&far}), 0, "too far ahead");
    ExpectNear({}, entity.AvoidObstacles(2, {&behind, &aside}), 0, "behind and aside");

    // The library's own per-sphere test: sideways away from a sphere across the path.
    ExpectNear({10, 0, 0}, near.SteerToAvoid(entity, 2), 1e-4f, "steer to avoid");
    ExpectNear({}, far.SteerToAvoid(entity, 2), 0, "steer to avoid, far");
}

TEST(Steering, NeighbourAvoidance)
{
    SimpleEntity self = Entity({0, 0, 0}, 50);
    // Touching: the offset across the forward direction.
    SimpleEntity touching = Entity({5, 0, 10}, 50);
    std::vector<AbstractEntity*> crowd{&self, &touching};
    ExpectNear({-5, 0, 0}, self.AvoidNeighbours(2, crowd), 1e-4f, "close neighbour");

    // Head on, a little to the right (-side is +x): steer to the side away from it.
    SimpleEntity oncoming = Entity({3, 0, 100}, 50, 100, 10, {0, 0, -1});
    std::vector<AbstractEntity*> headOn{&self, &oncoming};
    ExpectNear(self.GetSide(), self.AvoidNeighbours(2, headOn), 1e-4f, "head on");

    // Crossing: a slower one is avoided, a faster one keeps the way.
    SimpleEntity slowCrosser = Entity({-40, 0, 40}, 40, 100, 10, {1, 0, 0});
    SimpleEntity fastCrosser = Entity({-60, 0, 40}, 60, 100, 10, {1, 0, 0});
    std::vector<AbstractEntity*> slow{&self, &slowCrosser};
    std::vector<AbstractEntity*> fast{&self, &fastCrosser};
    EXPECT_NE(SteerVec3::zero, self.AvoidNeighbours(2, slow));
    ExpectNear({}, self.AvoidNeighbours(2, fast), 0, "faster crosser");

    // Far apart and parallel: nothing.
    SimpleEntity distant = Entity({500, 0, 0}, 50);
    std::vector<AbstractEntity*> apart{&self, &distant};
    ExpectNear({}, self.AvoidNeighbours(2, apart), 0, "apart");
}

TEST(Steering, MotionStaysFiniteAtItsEdges)
{
    // Braking harder than the frame allows stops the entity; it does not reverse it.
    SimpleEntity braking = Entity({0, 0, 0}, 10);
    braking.ApplyBraking(40, 1);
    EXPECT_EQ(0, braking.GetSpeed());

    // A mass of 0 from the data moves like the reset mass.
    SimpleEntity massless = Entity({0, 0, 0}, 10);
    SimpleEntity unit = Entity({0, 0, 0}, 10);
    massless.SetMass(0);
    massless.ApplySteering({0, 0, 20}, 0.1f);
    unit.ApplySteering({0, 0, 20}, 0.1f);
    ExpectNear(unit.GetPosition(), massless.GetPosition(), 1e-5f, "massless");

    // A frame without motion measures no curvature and leaves the pose finite.
    SimpleEntity still = Entity({0, 0, 0}, 0);
    still.ApplySteering({}, 0.1f);
    still.ApplySteering({}, 0.1f);
    EXPECT_TRUE(std::isfinite(still.GetCurvature()));
    EXPECT_TRUE(still.GetPosition().IsFinite());

    // A forward turned onto the up vector (the player's ship climbing from a standstill) keeps
    // a whole frame.
    SimpleEntity climbing = Entity({0, 0, 0}, 0);
    climbing.RegenerateLocalSpace({0, 0, 0}, 0.1f);
    climbing.SetSpeed(30);
    climbing.RegenerateLocalSpace({0, 30, 0}, 0.1f);
    ExpectNear({0, 1, 0}, climbing.GetForward(), 1e-6f, "climbing forward");
    ExpectNear({-1, 0, 0}, climbing.GetSide(), 1e-6f, "climbing side");
    ExpectNear({0, 0, -1}, climbing.GetUp(), 1e-6f, "climbing up");
}
