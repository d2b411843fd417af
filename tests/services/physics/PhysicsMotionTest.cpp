// How bodies move over time: sleeping, damping, stepping, kinematic moves, per-shape groups
// and the placement of multi-model parts.
#include "PhysicsWorldFixture.h"

#include <cmath>
#include <string>
#include <vector>

#include "services/physics/shim/NxActor.h"

namespace {

PhysicsShapeRecord Shape(NxShapeType type, const char* name, uint8_t group, Vec3 at = {0, 0, 0})
{
    PhysicsShapeRecord s;
    s.type = type;
    s.name = name;
    s.group = group;
    s.position = at;
    s.radius = 1;
    s.dimensions = {1, 1, 1};
    if (type == NX_SHAPE_CONVEX || type == NX_SHAPE_MESH)
    {
        // A cube of half size 1 around the origin, as a hull or as a closed mesh.
        for (int i = 0; i < 8; ++i)
            s.points.push_back({i & 1 ? 1.0f : -1.0f, i & 2 ? 1.0f : -1.0f, i & 4 ? 1.0f : -1.0f});
        s.triangles = {0, 2, 1, 1, 2, 3, 4, 5, 6, 5, 7, 6, 0, 1, 4, 1, 5, 4,
                       2, 6, 3, 3, 6, 7, 0, 4, 2, 2, 4, 6, 1, 3, 5, 3, 7, 5};
    }
    return s;
}

PhysicsAssetData Asset(std::vector<PhysicsShapeRecord> shapes, float linearDamping = 0, float angularDamping = 0,
                       float wakeUpCounter = 0.4f)
{
    PhysicsAssetData a;
    a.name = "test";
    a.actorGroup = 1;
    a.linearDamping = linearDamping;
    a.angularDamping = angularDamping;
    a.wakeUpCounter = wakeUpCounter;
    a.shapes = std::move(shapes);
    return a;
}

} // namespace

TEST_F(PhysicsWorld, SlowBodiesKeepMovingAndTheWakeUpCounterDecidesWhenOneSleeps)
{
    WriteAsset("ball.mdl", WritePhysicsAsset(Asset({Shape(NX_SHAPE_SPHERE, "b", 1)})));
    WriteAsset("sleepy.mdl", WritePhysicsAsset(Asset({Shape(NX_SHAPE_SPHERE, "b", 1)}, 0, 0, 3.0f)));
    PhysicsActor* spinner = space->CreatePhysicsActor(nullptr, "ball.mdl");
    PhysicsActor* drifter = space->CreatePhysicsActor(nullptr, "ball.mdl");
    PhysicsActor* resting = space->CreatePhysicsActor(nullptr, "ball.mdl");
    PhysicsActor* patient = space->CreatePhysicsActor(nullptr, "sleepy.mdl");
    Place(drifter, {100, 0, 0}, {0.5f, 0, 0});
    Place(resting, {-100, 0, 0}, {0, 0, 0});
    Place(patient, {0, 100, 0}, {0, 0, 0});
    spinner->SetGlobalAngularVelocity(Vec3(0, 0.5f, 0));

    // A resting body sleeps once its counter of 0.4 s has run out, not before.
    Step(20);
    EXPECT_FALSE(resting->isSleeping());
    Step(10);
    EXPECT_TRUE(resting->isSleeping());

    // Ten seconds on, the slow movers still move at their speed; the patient body is awake
    // until its 3 s have passed.
    Step(120);
    EXPECT_FALSE(patient->isSleeping());
    Step(450);
    EXPECT_TRUE(patient->isSleeping());
    EXPECT_FALSE(spinner->isSleeping());
    EXPECT_NEAR(spinner->GetGlobalAngularVelocity().y, 0.5f, 1e-3f);
    EXPECT_FALSE(drifter->isSleeping());
    EXPECT_NEAR(drifter->GetGlobalPosition().x, 105, 0.05f);
}

TEST_F(PhysicsWorld, DampingsComeFromTheFile)
{
    WriteAsset("damped.mdl", WritePhysicsAsset(Asset({Shape(NX_SHAPE_SPHERE, "b", 1)}, 0.25f, 0.75f)));
    PhysicsActor* damped = space->CreatePhysicsActor(nullptr, "damped.mdl");
    EXPECT_FLOAT_EQ(damped->getLinearDamping(), 0.25f);
    EXPECT_FLOAT_EQ(damped->getAngularDamping(), 0.75f);
    Place(damped, {0, 0, 0}, {10, 0, 0});
    Step(60);
    const float speed = damped->GetGlobalLinearVelocity().x;
    EXPECT_LT(speed, 9.0f);
    EXPECT_GT(speed, 6.0f);
}

// A frame runs the fixed 1/60 s steps its time covers, so a body flies as far in a second at
// any frame rate; time short of a step waits for the next frame, and a frame longer than the
// space's six steps loses the rest: the frame after a stall runs its own steps only.
TEST_F(PhysicsWorld, FramesRunTheStepsTheirTimeCovers)
{
    WriteAsset("ball.mdl", WritePhysicsAsset(Asset({Shape(NX_SHAPE_SPHERE, "b", 1)})));
    struct Run
    {
        float frame;
        int frames;
    };
    const struct
    {
        std::vector<Run> runs;
        float expected; // units flown at 60 units a second
    } cases[] = {{{{1.0f / 60, 60}}, 60},   {{{1.0f / 30, 30}}, 60},
                 {{{1.0f / 20, 20}}, 60},   {{{1.0f / 120, 1}}, 0},
                 {{{1.0f / 120, 2}}, 1},    {{{1.0f / 45, 45}}, 60},
                 {{{1.0f, 1}}, 6},          {{{1.0f, 1}, {1.0f / 60, 1}}, 7},
                 {{{1.0f, 2}, {1.0f / 30, 3}}, 18}};
    for (const auto& c : cases)
    {
        ReleasePhysicsSpace();
        space = CreatePhysicsSpace(resources.get());
        PhysicsActor* ball = space->CreatePhysicsActor(nullptr, "ball.mdl");
        Place(ball, {0, 0, 0}, {60, 0, 0});
        std::string frames;
        for (const Run& run : c.runs)
        {
            frames += " " + std::to_string(run.frames) + " x " + std::to_string(run.frame);
            for (int i = 0; i < run.frames; ++i)
            {
                Scene().simulate(run.frame);
                Scene().fetchResults(NX_RIGID_BODY_FINISHED, true);
            }
        }
        EXPECT_NEAR(ball->GetGlobalPosition().x, c.expected, 1e-3f) << frames;
    }
}

TEST_F(PhysicsWorld, MoveGlobalPoseTravelsDuringTheStepAndPushesWhatItMeets)
{
    WriteAsset("ball.mdl", WritePhysicsAsset(Asset({Shape(NX_SHAPE_SPHERE, "b", 1)})));
    PhysicsActor* mover = space->CreatePhysicsActor(nullptr, "ball.mdl");
    PhysicsActor* struck = space->CreatePhysicsActor(nullptr, "ball.mdl");
    Place(mover, {0, 0, 0}, {0, 0, 0});
    Place(struck, {1.9f, 0, 0}, {0, 0, 0});

    Matrix target = Matrix::Ident();
    target.SetRow(3, Vec3(3, 0, 0));
    mover->MoveGlobalPose(target);
    EXPECT_EQ(mover->GetGlobalPosition(), Vec3(0, 0, 0)); // nothing happens before the step
    Step(1);
    EXPECT_NEAR(mover->GetGlobalPosition().x, 3, 1e-4f);
    EXPECT_EQ(mover->GetGlobalLinearVelocity(), Vec3(0, 0, 0));
    EXPECT_GT(struck->GetGlobalLinearVelocity().x, 40.0f);
}

TEST_F(PhysicsWorld, KinematicBodyKeepsItsPoseAndStopsWhatHitsIt)
{
    WriteAsset("ball.mdl", WritePhysicsAsset(Asset({Shape(NX_SHAPE_SPHERE, "b", 1)})));
    Recorder heldHears, thrownHears;
    PhysicsActor* held = space->CreatePhysicsActor(&heldHears, "ball.mdl");
    PhysicsActor* thrown = space->CreatePhysicsActor(&thrownHears, "ball.mdl");
    Place(held, {0, 0, 0}, {5, 0, 0});
    Place(thrown, {3, 0, 0}, {-30, 0, 0});
    held->raiseBodyFlag(NX_BF_KINEMATIC);
    EXPECT_TRUE(held->readBodyFlag(NX_BF_KINEMATIC));
    held->addForce(NxVec3(0, 1000, 0), NX_VELOCITY_CHANGE);

    Step(30);
    EXPECT_EQ(held->GetGlobalPosition(), Vec3(0, 0, 0));
    EXPECT_GT(thrown->GetGlobalPosition().x, 1.9f); // not through it
    EXPECT_GT(thrown->GetGlobalLinearVelocity().x, -0.01f);
    EXPECT_EQ(1, heldHears.Count("start"));
    EXPECT_EQ(1, thrownHears.Count("start"));

    // Its owner places it; the next step leaves it there.
    Vec3 placed(0, 10, 0);
    held->SetGlobalPosition(placed);
    Step(1);
    EXPECT_EQ(held->GetGlobalPosition(), placed);
}

TEST_F(PhysicsWorld, EveryShapeTypeCollidesByItsOwnGroup)
{
    // Each actor leads with a sphere (always group 1) far off to the side, so that only the
    // tested shape's own group can decide; group 2 passes through group 2, group 3 hits it.
    const struct
    {
        NxShapeType type;
        uint8_t group;
        bool collide;
    } cases[] = {
        {NX_SHAPE_BOX, 2, false},   {NX_SHAPE_BOX, 3, true},    {NX_SHAPE_CONVEX, 2, false},
        {NX_SHAPE_CONVEX, 3, true}, {NX_SHAPE_SPHERE, 2, true}, // spheres are read as group 1
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " group " << int(c.group));
        WriteAsset("part.mdl", WritePhysicsAsset(Asset(
                                   {Shape(NX_SHAPE_SPHERE, "lead", 1, {0, 0, 50}), Shape(c.type, "tested", c.group)})));
        WriteAsset("other.mdl", WritePhysicsAsset(Asset({Shape(NX_SHAPE_SPHERE, "lead", 1, {0, 0, -50}),
                                                         Shape(NX_SHAPE_BOX, "tested", 2)})));
        resources->RemoveResource("part.mdl");
        resources->RemoveResource("other.mdl");
        PhysicsActor* a = space->CreatePhysicsActor(nullptr, "part.mdl");
        PhysicsActor* b = space->CreatePhysicsActor(nullptr, "other.mdl");
        ASSERT_TRUE(a && b);
        Place(a, {-4, 0, 0}, {30, 0, 0});
        Place(b, {4, 0, 0}, {-30, 0, 0});
        Step(30);
        EXPECT_EQ(a->GetGlobalPosition().x < b->GetGlobalPosition().x, c.collide);
        space->ReleasePhysicsActor(a);
        space->ReleasePhysicsActor(b);
    }

    // A static triangle mesh of group 2 lets a group-2 box fall through and stops a group-3 one.
    WriteAsset("floor.mdl", WritePhysicsAsset(Asset(
                                {Shape(NX_SHAPE_SPHERE, "lead", 1, {0, 50, 0}), Shape(NX_SHAPE_MESH, "floor", 2)})));
    PhysicsActor* floor = space->CreatePhysicsActor(nullptr, "floor.mdl");
    ASSERT_FALSE(floor->isDynamic());
    for (uint8_t group : {2, 3})
    {
        WriteAsset("box.mdl", WritePhysicsAsset(Asset({Shape(NX_SHAPE_SPHERE, "lead", 1, {50, 0, 0}),
                                                       Shape(NX_SHAPE_BOX, "tested", group)})));
        resources->RemoveResource("box.mdl");
        PhysicsActor* box = space->CreatePhysicsActor(nullptr, "box.mdl");
        Place(box, {0, 5, 0}, {0, -30, 0});
        Step(30);
        EXPECT_EQ(box->GetGlobalPosition().y > 0, group == 3) << int(group);
        space->ReleasePhysicsActor(box);
    }
}

TEST_F(PhysicsWorld, MultiModelPartsPlaceTheirShapesInTheirOwnFrame)
{
    // A box 3 units ahead of its part's origin, in a part turned a quarter about Y and moved to
    // (10, 0, 0): the box ends 3 units along the part's turned forward axis. A wedge part scaled
    // by 2 has its position doubled but its vertices kept.
    PhysicsShapeRecord box = Shape(NX_SHAPE_BOX, "box", 1, {0, 0, 3});
    PhysicsShapeRecord hull = Shape(NX_SHAPE_CONVEX, "hull", 1, {0, 5, 0});
    WriteAsset("turned.mdl", WritePhysicsAsset(Asset({box})));
    WriteAsset("scaled.mdl", WritePhysicsAsset(Asset({hull})));
    char turned[] = "turned.mdl", scaled[] = "scaled.mdl";
    char* names[] = {turned, scaled};
    NxMat34 poses[2];
    Matrix quarter;
    quarter.FromRotationAxis(Vec3(0, 1, 0), 3.14159265f / 2);
    quarter.SetRow(3, Vec3(10, 0, 0));
    poses[0] = PhysicsActor::ToPose(quarter);
    poses[1].t = {0, 0, -20};
    Vec3 scales[] = {{1, 1, 1}, {2, 2, 2}};
    PhysicsActor* actor = space->CreatePhysicsMultiModelActor(nullptr, 2, names, poses, scales, "", nullptr, false);
    ASSERT_NE(actor, nullptr);
    ASSERT_EQ(actor->getNbShapes(), 2u);
    actor->SetGlobalPose(Matrix::Ident());

    Vec3 forward(0, 0, 3);
    const Vec3 expected = quarter.Transform(forward); // row vectors: the part's own frame
    const NxMat34 boxPose = actor->getShapes()[0]->getGlobalPose();
    EXPECT_NEAR(boxPose.t.x, expected.x, 1e-4f);
    EXPECT_NEAR(boxPose.t.y, expected.y, 1e-4f);
    EXPECT_NEAR(boxPose.t.z, expected.z, 1e-4f);
    EXPECT_NEAR(std::fabs(expected.x - 10), 3, 1e-4f); // the turn moved it off the z axis

    const NxMat34 hullPose = actor->getShapes()[1]->getGlobalPose();
    EXPECT_NEAR(hullPose.t.y, 10, 1e-4f);
    EXPECT_NEAR(hullPose.t.z, -20, 1e-4f);
    // Vertices unscaled: a ray down the hull's axis meets its top face 1 above its centre.
    struct First : NxUserRaycastReport
    {
        float y = 0;
        bool onHit(const NxRaycastHit& hit) override
        {
            y = hit.worldImpact.y;
            return false;
        }
    } first;
    NxRay ray;
    ray.orig = {0, 100, -20};
    ray.dir = {0, -1, 0};
    Scene().raycastAllShapes(ray, first, NX_ALL_SHAPES, 0xffffffff, 200);
    EXPECT_NEAR(first.y, 11, 0.05f);
}
