#include "PhysicsWorldFixture.h"

#include "services/physics/shim/NxActor.h"

namespace {

NxActorDesc Ball(NxCollisionGroup group, float radius)
{
    NxActorDesc desc;
    desc.body = std::make_unique<NxBodyDesc>();
    desc.group = 1;
    auto sphere = std::make_unique<NxSphereShapeDesc>();
    sphere->radius = radius;
    sphere->group = group;
    desc.shapes.push_back(std::move(sphere));
    return desc;
}

void ExpectNear(const Vec3& a, const Vec3& b, float tolerance = 1e-4f)
{
    EXPECT_NEAR(a.x, b.x, tolerance);
    EXPECT_NEAR(a.y, b.y, tolerance);
    EXPECT_NEAR(a.z, b.z, tolerance);
}

} // namespace

TEST_F(PhysicsWorld, ContactStartsTouchesAndEndsOncePerPairPerStep)
{
    Recorder ra, rb;
    PhysicsActor* a = space->CreatePhysicsActorForPlayer(&ra);
    PhysicsActor* b = space->CreatePhysicsActorForPlayer(&rb);
    ASSERT_TRUE(a && b);
    Place(a, {-20, 0, 0}, {30, 0, 0});
    Place(b, {20, 0, 0}, {-30, 0, 0});
    Step(40);
    ASSERT_EQ(ra.Count("start"), 1);
    EXPECT_GT(ra.Count("touch"), 0);
    EXPECT_EQ(ra.Story(), "start touch");
    EXPECT_EQ(rb.Story(), "start touch");
    // One report per pair per step, although both listeners hear it.
    EXPECT_EQ(ra.events.size(), rb.events.size());

    const Recorder::Event& start = ra.events.front();
    EXPECT_EQ(start.other, &rb);
    EXPECT_EQ(start.otherActor, b);
    // The stream's first shape is the other actor's, for each listener.
    EXPECT_EQ(start.shape, b->getShapes()[0]);
    EXPECT_EQ(start.otherShape, a->getShapes()[0]);
    EXPECT_EQ(rb.events.front().shape, a->getShapes()[0]);

    Place(a, {-60, 0, 0}, {-30, 0, 0});
    Place(b, {60, 0, 0}, {30, 0, 0});
    Step(3);
    EXPECT_EQ(ra.Story(), "start touch end");
    EXPECT_EQ(ra.Count("end"), 1);
    EXPECT_EQ(rb.Count("end"), 1);
}

TEST_F(PhysicsWorld, NoContactCallWhenOneSideHasNoListener)
{
    Recorder ra;
    PhysicsActor* a = space->CreatePhysicsActorForPlayer(&ra);
    PhysicsActor* b = space->CreatePhysicsActorForPlayer(nullptr);
    Place(a, {-16, 0, 0}, {10, 0, 0});
    Place(b, {16, 0, 0}, {-10, 0, 0});
    Step(20);
    EXPECT_TRUE(ra.events.empty());
}

TEST_F(PhysicsWorld, ListenerReleasingAnActorEndsThePairsReport)
{
    // Each releases its own actor on the first touch, as a bullet would; the other listener
    // must not then hear of an actor that is gone.
    struct Bullet : Recorder
    {
        PhysicsSpace* space = nullptr;
        PhysicsActor* self = nullptr;
        void OnStartTouch(PhysicsActorEventListener& o, PhysicsActor& own, PhysicsActor& a, Vec3& n, Vec3& f,
                          NxContactStreamIterator& s) override
        {
            Recorder::OnStartTouch(o, own, a, n, f, s);
            space->ReleasePhysicsActor(self);
        }
    };
    Bullet ra, rb;
    ra.space = rb.space = space;
    ra.self = space->CreatePhysicsActorForPlayer(&ra);
    rb.self = space->CreatePhysicsActorForPlayer(&rb);
    Place(ra.self, {-16, 0, 0}, {10, 0, 0});
    Place(rb.self, {16, 0, 0}, {-10, 0, 0});
    Step(10);
    EXPECT_EQ(ra.events.size() + rb.events.size(), 1u);
    EXPECT_EQ(Scene().getNbActors(), 1u);
}

TEST_F(PhysicsWorld, GroupPairTableDecidesWhoCollides)
{
    const struct
    {
        NxCollisionGroup a, b;
        bool collide;
    } cases[] = {
        {1, 1, true},  {1, 2, true},  {2, 2, false}, {2, 3, true}, {2, 7, false},
        {7, 7, false}, {8, 8, false}, {1, 8, true},  {3, 9, true}, // 9 is not listed: default
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "groups " << c.a << " and " << c.b);
        NxActor* a = Scene().createActor(Ball(c.a, 5));
        NxActor* b = Scene().createActor(Ball(c.b, 5));
        a->setGlobalPosition({-8, 0, 0});
        b->setGlobalPosition({8, 0, 0});
        a->setLinearVelocity({60, 0, 0});
        b->setLinearVelocity({-60, 0, 0});
        Step(30);
        // Colliding balls never pass each other; the others fly through.
        EXPECT_EQ(a->getGlobalPosition().x < b->getGlobalPosition().x, c.collide);
        Scene().releaseActor(*a);
        Scene().releaseActor(*b);
    }
}

TEST_F(PhysicsWorld, FighterSensorReportsEnterStayAndLeave)
{
    Recorder fighterEars, playerEars;
    PhysicsActor* fighter = space->CreatePhysicsActorForFighter(&fighterEars, "Fighter");
    PhysicsActor* player = space->CreatePhysicsActorForPlayer(&playerEars);
    ASSERT_TRUE(fighter && player);
    ASSERT_EQ(fighter->getNbShapes(), 2u);
    NxShape* sensor = fighter->getShapes()[1];
    EXPECT_EQ(sensor->getGroup(), 4);
    EXPECT_EQ(sensor->getFlag(NX_TRIGGER_ENABLE), NxU32(NX_TRIGGER_ENABLE));

    // The player flies past the hull, through the sensor sphere.
    Place(fighter, {0, 0, 0}, {0, 0, 0});
    Place(player, {140, 50, 0}, {-120, 0, 0});
    Step(150);

    EXPECT_EQ(fighterEars.Story(), "enter stay leave");
    EXPECT_EQ(fighterEars.Count("enter"), 1);
    EXPECT_EQ(fighterEars.Count("leave"), 1);
    const Recorder::Event& enter = fighterEars.events.front();
    EXPECT_EQ(enter.other, &playerEars);
    EXPECT_EQ(enter.shape, sensor);
    EXPECT_EQ(enter.otherShape, player->getShapes()[0]);
    // A sensor is no wall: nothing touched, and the player kept its speed.
    EXPECT_TRUE(playerEars.events.empty());
    ExpectNear(player->GetGlobalLinearVelocity(), {-120, 0, 0}, 1e-3f);
}

// A long frame runs several steps: a body that is inside a trigger in one of them only is
// reported all the same, once, and leaves in the next frame.
TEST_F(PhysicsWorld, TriggerPassedWithinOneFrameIsReported)
{
    Recorder fighterEars, playerEars;
    PhysicsActor* fighter = space->CreatePhysicsActorForFighter(&fighterEars, "Fighter");
    PhysicsActor* player = space->CreatePhysicsActorForPlayer(&playerEars);
    ASSERT_TRUE(fighter && player);
    // Steps of 180 units 80 units off the hull: outside the sensor's sphere, inside it, and
    // out again, all in one frame.
    Place(fighter, {0, 0, 0}, {0, 0, 0});
    Place(player, {-200, 80, 0}, {10800, 0, 0});
    Scene().simulate(1.0f / 20);
    Scene().fetchResults(NX_RIGID_BODY_FINISHED, true);
    EXPECT_NEAR(player->GetGlobalPosition().x, 340, 1e-2f);
    EXPECT_EQ(fighterEars.Story(), "enter");
    Scene().simulate(1.0f / 20);
    Scene().fetchResults(NX_RIGID_BODY_FINISHED, true);
    EXPECT_EQ(fighterEars.Story(), "enter leave");
    EXPECT_EQ(fighterEars.Count("enter"), 1);
}

TEST_F(PhysicsWorld, BreakableJointBreaksAndIsForgotten)
{
    Recorder ra, rb;
    PhysicsActor* a = space->CreatePhysicsActorForPlayer(&ra);
    PhysicsActor* b = space->CreatePhysicsActorForPlayer(&rb);
    PhysicsActor* c = space->CreatePhysicsActorForPlayer(nullptr);
    Place(a, {0, 0, 0}, {0, 0, 0});
    Place(b, {40, 0, 0}, {0, 0, 0});
    Place(c, {0, 100, 0}, {0, 0, 0});

    JointDesc weak(Name("weak"));
    weak.actor0 = a;
    weak.actor1 = b;
    weak.globalAnchor = {20, 0, 0};
    weak.maxForce = weak.maxTorque = 1000;
    space->AddSphericalJoint(weak);
    JointDesc strong(Name("strong"));
    strong.actor0 = a;
    strong.actor1 = c;
    strong.globalAnchor = {0, 50, 0};
    space->AddSphericalJoint(strong);

    Step(2);
    EXPECT_TRUE(ra.events.empty());
    b->SetGlobalLinearVelocity({500, 0, 0});
    c->SetGlobalLinearVelocity({0, 500, 0});
    Step(5);

    ASSERT_EQ(ra.Count("break"), 1);
    EXPECT_EQ(ra.events.front().joint, "weak");
    EXPECT_EQ(ra.events.front().otherActor, b);
    EXPECT_TRUE(rb.events.empty());
    // The unbreakable joint still holds c near its distance; the broken one let b go.
    EXPECT_NEAR(c->GetGlobalPosition().Distance(a->GetGlobalPosition()), 100, 5);
    EXPECT_GT(b->GetGlobalPosition().Distance(a->GetGlobalPosition()), 45);

    space->BreakJoint(Name("weak"), true); // already forgotten: nothing happens
    space->BreakJoint(Name("unknown"), true);
    space->AddFixedJoint(weak);
    space->ReleasePhysicsActor(c); // takes its joint along
    space->BreakAllJoints();
    Step(2);
    EXPECT_EQ(ra.Count("break"), 1);
}

TEST_F(PhysicsWorld, PoseAndVelocityConvertBetweenGameAndEngine)
{
    PhysicsActor* actor = space->CreatePhysicsActorForPlayer(nullptr);
    Matrix pose;
    pose.FromRotationYPR(0.7f, 0.3f, -0.2f);
    pose.Translate(10, 20, 30);
    pose(0, 3) = pose(1, 3) = pose(2, 3) = 0;
    pose(3, 3) = 1;
    actor->SetGlobalPose(pose);

    const Matrix back = actor->GetGlobalPose();
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(back.m[i], pose.m[i], 1e-5f) << "element " << i;
    const NxMat34 engine = PhysicsActor::ToPose(pose);
    const Vec3 point(1, -2, 3);
    Vec3 viaGame;
    pose.Transform(point, viaGame);
    ExpectNear(engine.Transform(point), viaGame);

    const Quaternion q = actor->GetGlobalOrientationQuat();
    ExpectNear(q * Vec3(0, 0, 1), pose.Dir());
    ExpectNear(q * Vec3(1, 0, 0), pose.Right());
    ExpectNear(actor->GetGlobalPosition(), {10, 20, 30});

    actor->SetLocalLinearVelocity({0, 0, 10});
    ExpectNear(actor->GetGlobalLinearVelocity(), pose.Dir() * 10);
    ExpectNear(actor->GetLocalLinearVelocity(), {0, 0, 10});
    actor->SetLocalAngularVelocity({0, 1, 0});
    ExpectNear(actor->GetGlobalAngularVelocity(), pose.GetRow3(1));
    ExpectNear(actor->GetLocalAngularVelocity(), {0, 1, 0});

    Quaternion turned(Vec3(0, 1, 0), 1.5707964f);
    actor->SetGlobalOrientationQuat(turned);
    ExpectNear(actor->GetGlobalPose().Dir(), {1, 0, 0});
}

TEST_F(PhysicsWorld, GraveyardReleasesShapesAfterTheStep)
{
    Recorder fighterEars;
    PhysicsActor* fighter = space->CreatePhysicsActorForFighter(&fighterEars, "f");
    PhysicsActor* doomed = space->CreatePhysicsActorForFighter(nullptr, "g");
    Recorder playerEars;
    PhysicsActor* player = space->CreatePhysicsActorForPlayer(&playerEars);
    Place(doomed, {0, 1000, 0}, {0, 0, 0});
    Place(player, {60, 0, 0}, {0, 0, 0});
    Step(1);
    ASSERT_EQ(fighterEars.Count("enter"), 1);

    space->AddShapeToGraveyard(fighter, fighter->getShapes()[1]);
    space->AddShapeToGraveyard(doomed, doomed->getShapes()[0]);
    EXPECT_EQ(fighter->getNbShapes(), 2u);
    space->ReleasePhysicsActor(doomed); // its pending record goes with it
    space->UpdateShapeGraveyard();
    EXPECT_EQ(fighter->getNbShapes(), 1u);
    Step(3);
    // The sensor is gone: no stay or leave about it.
    EXPECT_EQ(fighterEars.Story(), "enter");
}

// Parts that share one shape each hand it in; it goes once, and no body is left without one.
TEST_F(PhysicsWorld, GraveyardTakesASharedShapeOnceAndLeavesEveryBodyAShape)
{
    PhysicsActor* fighter = space->CreatePhysicsActorForFighter(nullptr, "f");
    NxShape* sensor = fighter->getShapes()[1];
    space->AddShapeToGraveyard(fighter, sensor);
    space->AddShapeToGraveyard(fighter, sensor);
    space->UpdateShapeGraveyard();
    ASSERT_EQ(fighter->getNbShapes(), 1u);

    // Gone already, and then the last one: both stay as they are.
    space->AddShapeToGraveyard(fighter, sensor);
    space->AddShapeToGraveyard(fighter, fighter->getShapes()[0]);
    space->UpdateShapeGraveyard();
    EXPECT_EQ(fighter->getNbShapes(), 1u);
    Step(2);
}

TEST_F(PhysicsWorld, ActorReleasedDuringATriggerReportIsNeverReportedAgain)
{
    // The fighter's listener destroys the first intruder it hears of, as a mine would.
    struct Mine : Recorder
    {
        PhysicsSpace* space = nullptr;
        PhysicsActor* victim = nullptr;
        void OnTriggerEnter(PhysicsActorEventListener& o, NxShape& t, NxShape& s) override
        {
            Recorder::OnTriggerEnter(o, t, s);
            if (victim && &s.getActor() == victim)
            {
                space->ReleasePhysicsActor(victim);
                victim = nullptr;
            }
        }
    };
    Mine mine;
    mine.space = space;
    Recorder first, second;
    PhysicsActor* fighter = space->CreatePhysicsActorForFighter(&mine, "mine");
    PhysicsActor* a = space->CreatePhysicsActorForPlayer(&first);
    PhysicsActor* b = space->CreatePhysicsActorForPlayer(&second);
    Place(fighter, {0, 0, 0}, {0, 0, 0});
    Place(a, {0, 60, 0}, {0, 0, 0});
    Place(b, {0, -60, 0}, {0, 0, 0});
    mine.victim = a;
    NxShape* survivor = b->getShapes()[0];
    Step(1);
    ASSERT_EQ(mine.Count("enter"), 2);
    EXPECT_EQ(mine.victim, nullptr);

    Step(2);
    Place(b, {0, -300, 0}, {0, 0, 0});
    Step(2);
    EXPECT_EQ(mine.Story(), "enter stay leave");
    for (const Recorder::Event& e : mine.events)
        EXPECT_TRUE(e.what == "enter" || e.otherShape == survivor) << e.what;
    EXPECT_EQ(mine.Count("leave"), 1);
}
