// The ship AI flying plain ships in a mission at a fixed frame time: the modes and their
// transitions, formations, escorts, paths, fire control, obstacles and tasks. Every frame checks
// that the poses written into the bodies are numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "AiTestSupport.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/environment/Track.h"
#include "services/physics/PhysicsActor.h"

using namespace Pelloris;

namespace {

ShipTaskRecord Task(eTaskKind kind, const char* target = "", Vec3 params = {0, 0, 0})
{
    ShipTaskRecord task;
    task.kind = kind;
    std::snprintf(task.targetName, sizeof task.targetName, "%s", target);
    task.params = params;
    return task;
}

// A ship that holds still: stations and cruisers neither search nor brake while idle.
TestShip* Hold(TestShip* ship)
{
    ship->RaiseFlag(ACTOR_FLAG_LARGE_CRAFT);
    return ship;
}

using ShipAiTest = AiMission;

} // namespace

TEST_F(ShipAiTest, MovesToAPointAndIdlesThere)
{
    TestShip* ship = AddShip("mover", "ytg", {0, 0, -1000});
    ShipEntity& entity = EntityOf(ship);
    EXPECT_TRUE(ship->GetPhysEntity()->readBodyFlag(NX_BF_KINEMATIC));

    entity.SetTask(Task(TASK_REACH_THE_POINT)); // the origin stands for "no point"
    EXPECT_EQ(Vec3(0.001f, 0.001f, 0.001f), entity.GetTargetPoint());
    EXPECT_EQ(MODE_MOVE_TO_POINT, entity.GetMode());
    ASSERT_TRUE(FramesUntil(300, [&] { return entity.GetMode() == MODE_IDLE; }));
    EXPECT_EQ(Vec3(0, 0, 0), entity.GetTargetPoint());
    EXPECT_LE(Distance(entity.GetPosition(), SteerVec3(0.001f, 0.001f, 0.001f)), 5.0f + 200.0f / 30);

    // Idle, it brakes, and the body keeps to the entity.
    const float speed = entity.GetSpeed();
    Frame();
    EXPECT_LT(entity.GetSpeed(), speed);
    EXPECT_EQ(entity.GetPosition().ToVec3(), ship->GetPhysEntity()->GetGlobalPosition());
}

TEST_F(ShipAiTest, TheBodyFacesWhereTheEntityFlies)
{
    TestShip* ship = AddShip("mover", "ytg", {0, 0, 0});
    EntityOf(ship).SetMoveToPoint({2000, 300, 500});
    for (int i = 0; i < 60; ++i)
        Frame();
    const Matrix pose = ship->GetPhysEntity()->GetGlobalPose();
    const SteerVec3 forward = EntityOf(ship).GetForward();
    EXPECT_NEAR(1, SteerVec3(pose.Dir()).Dot(forward), 1e-4f);
    EXPECT_NEAR(1, SteerVec3(pose.Up()).Dot(EntityOf(ship).GetUp()), 1e-4f);
    EXPECT_EQ(EntityOf(ship).GetPosition().ToVec3(), ship->GetRoot().Pos());
}

TEST_F(ShipAiTest, AttackerEvadesThenComesBackOnTarget)
{
    TestShip* attacker = AddShip("attacker", "ytg", {0, 0, 0});
    TestShip* target = Hold(AddShip("target", "blg", {0, 0, 1200}, {0, 0, -1}));
    ShipEntity& entity = EntityOf(attacker);
    entity.SetTask(Task(TASK_ATTACK_THE_TARGET, "target"));
    EXPECT_EQ(target, entity.GetTarget());

    std::vector<eShipMode> modes{entity.GetMode()};
    Vec3 wanderPoint{0, 0, 0};
    for (int i = 0; i < 1800 && modes.size() < 4; ++i)
    {
        Frame();
        if (entity.GetMode() == modes.back())
            continue;
        modes.push_back(entity.GetMode());
        if (entity.GetMode() == MODE_BACK_ON_TARGET)
            wanderPoint = entity.GetWanderPoint();
    }
    EXPECT_EQ(std::vector<eShipMode>({MODE_ATTACK, MODE_EVADE, MODE_BACK_ON_TARGET, MODE_ATTACK}), modes);
    // 1000 to 1500 past the target, along the attacker's heading.
    const float past = wanderPoint.Distance(target->GetPosition());
    EXPECT_GE(past, 1000.0f);
    EXPECT_LE(past, 1500.0f);
    EXPECT_FALSE(attacker->shots.empty());
}

TEST_F(ShipAiTest, FollowersStandOnACircleBehindTheLeader)
{
    TestShip* leader = AddShip("leader", "ytg", {100, 0, 0});
    ShipEntity& lead = EntityOf(leader);
    std::vector<ShipEntity*> followers;
    for (const char* name : {"f0", "f1", "f2"})
    {
        followers.push_back(&EntityOf(AddShip(name, "ytg", {130, 0, -230})));
        followers.back()->SetTask(Task(TASK_FOLLOW_THE_LEADER, "leader"));
        EXPECT_EQ(leader, followers.back()->GetLeader());
    }
    const SteerVec3 behind = lead.GetPosition() - lead.GetForward() * 200;
    std::vector<SteerVec3> offsets;
    for (int slot = 0; slot < 3; ++slot)
    {
        EXPECT_EQ(slot, followers[slot]->GetFormationSlot());
        offsets.push_back(lead.FormationPoint(slot, 200) - behind);
        EXPECT_NEAR(200, offsets.back().Length(), 1e-3f);
        EXPECT_NEAR(0, offsets.back().Dot(lead.GetForward()), 1e-3f);
    }
    for (int slot = 0; slot < 3; ++slot)
        EXPECT_NEAR(-0.5f * 200 * 200, offsets[slot].Dot(offsets[(slot + 1) % 3]), 1); // 120 degrees

    // One leaves: the others close up, and a single follower stands straight behind.
    followers[0]->SetTask(Task(TASK_NONE));
    EXPECT_EQ(2u, lead.GetFollowers().size());
    EXPECT_EQ(0, followers[1]->GetFormationSlot());
    EXPECT_EQ(1, followers[2]->GetFormationSlot());
    followers[1]->SetTask(Task(TASK_NONE));
    EXPECT_EQ(behind, lead.FormationPoint(0, 200));

    // On the move it keeps the leader's pace, trailing its place by about a second of flight.
    lead.SetMoveToPoint({100, 0, 100000});
    for (int i = 0; i < 600; ++i)
    {
        Frame();
        EXPECT_LT(Distance(followers[2]->GetPosition(), lead.FormationPoint(0, 200)), 250.0f) << i;
    }
    EXPECT_NEAR(lead.GetSpeed(), followers[2]->GetSpeed(), 5.0f);
    EXPECT_EQ(MODE_FOLLOW_LEADER, followers[2]->GetMode());
}

TEST_F(ShipAiTest, EscortChoosesItsPlaceByItsDistance)
{
    Hold(AddShip("escorted", "ytg", {0, 0, 0}));
    ShipEntity& far = EntityOf(AddShip("far", "ytg", {1000, 0, 0}, {-1, 0, 0}));
    ShipEntity& near = EntityOf(AddShip("near", "ytg", {60, 20, -40}));
    ShipEntity& tight = EntityOf(AddShip("tight", "ytg", {500, 0, 500}));
    ShipEntity& runaway = EntityOf(AddShip("runaway", "ytg", {0, 0, 3000}));
    far.SetTask(Task(TASK_ESCORT_THE_TARGET, "escorted", {1000, 0, 0}));
    near.SetTask(Task(TASK_ESCORT_THE_TARGET, "escorted"));              // the type's support range
    tight.SetTask(Task(TASK_ESCORT_THE_TARGET, "escorted", {10, 0, 0})); // no wider than the ship
    runaway.SetTask(Task(TASK_ESCORT_THE_TARGET, "escorted", {300, 0, 0}));
    EXPECT_EQ(300, near.GetEscortRadius());
    Frame();

    // Far off: each component between the escorted ship's radius and half the escort radius.
    const Vec3 offset = far.GetEscortOffset();
    for (float component : {offset.x, offset.y, offset.z})
    {
        EXPECT_GE(component, 10.0f);
        EXPECT_LE(component, 500.0f);
    }
    // Within half the radius: where it is.
    EXPECT_EQ(Vec3(60, 20, -40), near.GetEscortOffset());

    // It settles at its place, within its own radius, and brakes there (out of the reach of
    // the escorted ship's sensor, which would make the ship an obstacle).
    ASSERT_GT(offset.Length(), 200.0f);
    ASSERT_TRUE(FramesUntil(
        1800, [&] { return Distance(far.GetPosition(), SteerVec3(offset)) <= 10 && far.GetSpeed() < 0.01f; }));
    EXPECT_TRUE(tight.GetPosition().IsFinite());
    EXPECT_EQ(MODE_ESCORT, tight.GetMode());
    // Far beyond its radius and heading away, it turns back rather than flying off.
    EXPECT_TRUE(
        FramesUntil(1800, [&] { return Distance(runaway.GetPosition(), SteerVec3(runaway.GetEscortOffset())) < 20; }));
}

TEST_F(ShipAiTest, AnEscortCalledBackReturnsToAShipStandingStill)
{
    Hold(AddShip("escorted", "blg", {0, 0, 0}));
    Hold(AddShip("enemy", "ytg", {0, 0, 1500}));
    ShipEntity& escort = EntityOf(AddShip("escort", "blg", {60, 0, 0}));
    escort.SetTask(Task(TASK_ESCORT_THE_TARGET, "escorted", {600, 0, 0}));

    // The chase takes it past its escort radius, which calls it back.
    ASSERT_TRUE(FramesUntil(600, [&] { return escort.GetMode() == MODE_BACK_TO_ESCORT; }));
    EXPECT_EQ(nullptr, escort.GetTarget());
    // It reaches its place by the still ship, and escorting again it takes the enemy again.
    EXPECT_TRUE(FramesUntil(900, [&] { return escort.GetMode() == MODE_ESCORT; }));
    EXPECT_TRUE(FramesUntil(60, [&] { return escort.GetMode() == MODE_ATTACK; }));
}

TEST_F(ShipAiTest, AShipOnAnOpenPathStopsAtItsEnd)
{
    for (const bool looped : {false, true})
    {
        Track* track = mission.Level().CreateTrack();
        track->SetName(Name(looped ? "loop" : "open"));
        track->AddPoint({0, 0, 0}, 0);
        track->AddPoint({0, 0, 800}, 1);
        track->AddPoint({600, 0, 800}, 2);
        track->PostInitialize();
    }
    ShipEntity& open = EntityOf(AddShip("open", "ytg", {0, 0, -50}));
    ShipEntity& loop = EntityOf(AddShip("loop", "ytg", {-2000, 0, -50}));
    open.SetTask(Task(TASK_STAY_ON_TRACK, "open", {0, 60, 0}));
    loop.SetTask(Task(TASK_STAY_ON_TRACK, "loop", {1, 60, 0}));
    ASSERT_NE(nullptr, open.GetPath());
    EXPECT_EQ(MODE_STAY_ON_PATH, open.GetMode());
    EXPECT_FLOAT_EQ(200, open.GetSpeed()); // no speed on the track: the ship's maximum

    ASSERT_TRUE(FramesUntil(900, [&] { return open.GetMode() == MODE_IDLE; }));
    EXPECT_EQ(nullptr, open.GetPath());
    EXPECT_LT(Distance(open.GetPosition(), SteerVec3(600, 0, 800)), 60.0f + 200.0f / 30);
    EXPECT_EQ(MODE_STAY_ON_PATH, loop.GetMode());
}

TEST_F(ShipAiTest, StrayingFromAPatrolledPathBreaksOffTheAttack)
{
    Track* track = mission.Level().CreateTrack();
    track->SetName(Name("beat"));
    track->AddPoint({0, 0, 0}, 0);
    track->AddPoint({0, 0, 2000}, 1);
    track->PostInitialize();
    TestShip* guard = AddShip("guard", "ytg", {400, 0, 500});
    TestShip* intruder = Hold(AddShip("intruder", "blg", {3000, 0, 3000}));
    ShipEntity& entity = EntityOf(guard);
    entity.SetTask(Task(TASK_PATROL_THE_TRACK, "beat", {50, 300, 0}));
    EXPECT_EQ(MODE_PATROL_PATH, entity.GetMode());
    entity.SetAttackTarget(&EntityOf(intruder));
    guard->SetTarget(intruder);

    // 350 outside the path is past the disengage distance: back to the path, and since it is
    // still more than three quarters of it away, straight on to patrolling.
    Frame();
    EXPECT_EQ(MODE_BACK_TO_PATH, entity.GetMode());
    EXPECT_EQ(nullptr, entity.GetTarget());
    Frame();
    EXPECT_EQ(MODE_PATROL_PATH, entity.GetMode());
    EXPECT_EQ(nullptr, guard->GetTarget());
}

TEST_F(ShipAiTest, FiresAtATargetOnTheNoseWithinRange)
{
    // Frames so short that nobody moves far.
    struct Case
    {
        const char* what;
        Vec3 target;
        bool fires;
    };
    const Case cases[] = {
        {"1499 ahead", {0, 0, 1499}, true},
        {"1500 ahead", {0, 0, 1500.1f}, false},
        {"off the nose", {1499 * 0.24f, 0, 1499 * 0.97f}, false},
    };
    std::vector<TestShip*> shooters;
    for (size_t i = 0; i < std::size(cases); ++i)
    {
        const Vec3 base(float(i) * 10000, 0, 0);
        const std::string name = "target" + std::to_string(i);
        TestShip* target = Hold(AddShip(name.c_str(), "blg", base + cases[i].target));
        shooters.push_back(AddShip(("shooter" + std::to_string(i)).c_str(), "ytg", base));
        EntityOf(shooters.back()).SetAttackTarget(&EntityOf(target));
    }
    Frame(1e-4f);
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].fires, !shooters[i]->shots.empty()) << cases[i].what;

    // A dead target is dropped: back to the task's point.
    ShipEntity& first = EntityOf(shooters[0]);
    first.SetMoveToPoint({0, 0, -5000});
    first.SetAttackTarget(&EntityOf(static_cast<Ship*>(mission.Level().GetActor("target0"))));
    first.GetTarget()->Explode();
    Frame(1e-4f);
    EXPECT_EQ(nullptr, first.GetTarget());
    EXPECT_EQ(MODE_MOVE_TO_POINT, first.GetMode());
}

TEST_F(ShipAiTest, ObstaclesArePooledPerFrame)
{
    ShipEntity& entity = EntityOf(AddShip("ship", "ytg", {0, 0, 0}));
    entity.SetMoveToPoint({0, 0, 5000});
    for (int i = 0; i < ShipEntity::ObstaclePoolSize + 1; ++i)
        entity.AddObstacle(Sphere(Vec3(0, 0, 100000 + float(i)), 100));
    ASSERT_EQ(size_t(ShipEntity::ObstaclePoolSize), entity.GetObstacles().size());
    EXPECT_FLOAT_EQ(0.98f * 100 - 10, entity.GetObstacles().front()->radius);
    Frame();
    EXPECT_TRUE(entity.GetObstacles().empty());

    // A sphere across the way turns the ship aside.
    entity.AddObstacle(Sphere(entity.GetPosition().ToVec3() + Vec3(-20, 0, 150), 100));
    const float sideways = entity.GetPosition().x;
    Frame();
    EXPECT_GT(entity.GetPosition().x, sideways);

    // One behind it every frame leaves it flying its own course.
    entity.SetMoveToPoint(entity.GetPosition().ToVec3() + Vec3(1500, 0, 0));
    EXPECT_TRUE(FramesUntil(600, [&] {
        entity.AddObstacle(Sphere(entity.GetPosition().ToVec3() - entity.GetForward().ToVec3() * 150, 100));
        return entity.GetMode() == MODE_IDLE;
    }));
}

TEST_F(ShipAiTest, IdleShipsTakeAnyEnemyButStationsWait)
{
    Hold(AddShip("enemy", "blg", {0, 0, 20000}));
    ShipEntity& idle = EntityOf(AddShip("idle", "ytg", {0, 0, 0}));
    ShipEntity& station = EntityOf(Hold(AddShip("station", "ytg", {500, 0, 0})));
    station.SetSpeed(50);
    Frame();
    EXPECT_EQ(MODE_ATTACK, idle.GetMode()); // far beyond its range
    EXPECT_EQ(MODE_IDLE, station.GetMode());
    EXPECT_EQ(nullptr, station.GetTarget());
    EXPECT_FLOAT_EQ(50, station.GetSpeed());
}

TEST_F(ShipAiTest, NearMissTurnsTheShipAwayOnce)
{
    TestShip* ship = AddShip("ship", "ytg", {0, 0, 0});
    TestShip* twin = AddShip("twin", "ytg", {5000, 0, 0});
    EntityOf(ship).SetMoveToPoint({0, 0, 5000});
    EntityOf(twin).SetMoveToPoint({5000, 0, 5000});
    for (int i = 0; i < 10; ++i)
        Frame();
    Ship::IncomingFire& fire = ship->GetIncomingFire();
    fire.shooter = twin;
    fire.direction = Vec3(1, 0, 0);
    fire.point = ship->GetPosition() + Vec3(-100, 0, 0);
    Frame();
    EXPECT_EQ(nullptr, fire.shooter);
    // The twin flew the same course without the shot.
    const SteerVec3 twinCourse = EntityOf(twin).GetPosition() - SteerVec3(5000, 0, 0);
    EXPECT_GT(Distance(EntityOf(ship).GetPosition(), twinCourse), 1e-3f);
}

TEST_F(ShipAiTest, TasksNamingNothing)
{
    ShipEntity& entity = EntityOf(AddShip("ship", "ytg", {0, 0, 0}));
    Bounds area;
    area.SetDimensions(-100, -100, -100, 100, 100, 100);
    entity.SetPatrolArea(area);
    EXPECT_EQ(MODE_PATROL_AREA, entity.GetMode());
    EXPECT_TRUE(area.Intersects(entity.GetWanderPoint()));

    // A first task naming nothing leaves the ship as it is; a later one leaves it idle.
    entity.SetInitialTask(Task(TASK_ATTACK_THE_TARGET, "nobody"));
    entity.ActivateInitialTask();
    EXPECT_EQ(MODE_PATROL_AREA, entity.GetMode());
    for (const eTaskKind kind : {TASK_ATTACK_THE_TARGET, TASK_FOLLOW_THE_LEADER, TASK_ESCORT_THE_TARGET,
                                 TASK_STAY_ON_TRACK, TASK_PATROL_THE_TRACK})
    {
        entity.SetPatrolArea(area);
        entity.SetTask(Task(kind, "nobody"));
        EXPECT_EQ(MODE_IDLE, entity.GetMode()) << kind;
    }
    // A flat area leaves it idle too.
    area.SetDimensions(-100, 0, -100, 100, 0, 100);
    entity.SetTask(Task(TASK_NONE));
    entity.SetPatrolArea(area);
    EXPECT_EQ(MODE_IDLE, entity.GetMode());
}

TEST_F(ShipAiTest, BackOnTargetReachesAPointOffItsHeading)
{
    // The target far off to the left and behind: the point past it lies well off the heading.
    TestShip* attacker = AddShip("attacker", "ytg", {0, 0, 0});
    Hold(AddShip("target", "blg", {-1200, 0, -1300}));
    TestShip* bystander = Hold(AddShip("bystander", "ytg", {5, 0, 5}));
    ShipEntity& entity = EntityOf(attacker);
    entity.SetTask(Task(TASK_ATTACK_THE_TARGET, "target"));
    Frame(); // the bystander alongside: evasive
    EXPECT_EQ(MODE_EVADE, entity.GetMode());
    EntityOf(bystander).SetPosition({-5000, 0, 5000});
    Frame();
    ASSERT_EQ(MODE_BACK_ON_TARGET, entity.GetMode());
    entity.SetSpeed(10); // slowed by its pass as it turns back

    // Steering for the point, not falling round it as round a weight: it gets there, and at
    // full speed again, not at the crawl it turned back at.
    float fastest = 0;
    EXPECT_TRUE(FramesUntil(1800, [&] {
        fastest = std::max(fastest, entity.GetSpeed());
        return entity.GetMode() != MODE_BACK_ON_TARGET;
    }));
    EXPECT_EQ(MODE_ATTACK, entity.GetMode());
    EXPECT_GT(fastest, 0.95f * entity.GetMaxSpeed());
}
