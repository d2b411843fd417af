#include "PhysicsWorldFixture.h"

#include "services/physics/PhysicsLoader.h"
#include "foundation/base/Dumper.h"
#include "services/physics/shim/NxActor.h"

namespace {

PhysicsShapeRecord Sphere(const char* name, uint8_t group, float radius, Vec3 at = {0, 0, 0})
{
    PhysicsShapeRecord s;
    s.type = NX_SHAPE_SPHERE;
    s.name = name;
    s.group = group;
    s.radius = radius;
    s.position = at;
    return s;
}

PhysicsShapeRecord Box(const char* name, uint8_t group)
{
    PhysicsShapeRecord s;
    s.type = NX_SHAPE_BOX;
    s.name = name;
    s.group = group;
    s.dimensions = {1, 2, 3};
    return s;
}

// A tetrahedron reaching from x = 0 to x = 10.
PhysicsShapeRecord Wedge(const char* name)
{
    PhysicsShapeRecord s;
    s.type = NX_SHAPE_CONVEX;
    s.name = name;
    s.points = {{0, -5, -5}, {10, 0, 0}, {0, 5, -5}, {0, 0, 5}};
    s.triangles = {0, 1, 2, 0, 3, 1, 0, 2, 3, 1, 3, 2};
    return s;
}

PhysicsShapeRecord Slab()
{
    PhysicsShapeRecord s;
    s.type = NX_SHAPE_MESH;
    s.name = "slab";
    s.points = {{-50, 0, -50}, {50, 0, -50}, {50, 0, 50}, {-50, 0, 50}};
    s.triangles = {0, 1, 2, 0, 2, 3};
    return s;
}

PhysicsAssetData Asset(std::vector<PhysicsShapeRecord> shapes, uint8_t actorGroup = 2)
{
    PhysicsAssetData a;
    a.name = "test";
    a.actorGroup = actorGroup;
    a.shapes = std::move(shapes);
    return a;
}

struct Hits : NxUserRaycastReport
{
    std::vector<NxRaycastHit> hits;
    bool stopAfterFirst = false;
    bool onHit(const NxRaycastHit& hit) override
    {
        hits.push_back(hit);
        return !stopAfterFirst;
    }
};

bool IsProxy(const NxActor* actor)
{
    return actor && actor->getNbShapes() == 1 && std::string(actor->getShapes()[0]->getName()) == "sphere_0";
}

} // namespace

TEST(PhysicsAssetFormat, DefaultAssetIsEightyBytesAndWriterMirrorsReader)
{
    const std::vector<uint8_t> bytes = WritePhysicsAsset(DefaultPhysicsAsset());
    EXPECT_EQ(bytes.size(), 80u);
    EXPECT_EQ(bytes[1], 80); // the size field

    PhysicsAssetData all = Asset({Sphere("s", 3, 2, {1, 2, 3}), Box("b", 0), Wedge("w"), Slab()});
    PhysicsAssetData back;
    std::string error;
    const std::vector<uint8_t> file = WritePhysicsAsset(all);
    ASSERT_TRUE(ReadPhysicsAsset(file.data(), file.size(), "all", back, error)) << error;
    ASSERT_EQ(back.shapes.size(), 4u);
    EXPECT_EQ(back.actorGroup, 2);
    EXPECT_EQ(back.shapes[0].position, Vec3(1, 2, 3));
    EXPECT_EQ(back.shapes[1].dimensions, Vec3(1, 2, 3));
    EXPECT_EQ(back.shapes[2].points[1], Vec3(10, 0, 0));
    EXPECT_EQ(back.shapes[3].triangles, all.shapes[3].triangles);
    EXPECT_EQ(back.shapes[3].name, "slab");
}

TEST_F(PhysicsWorld, AssetShapesTakeGroupsTriggersAndStaticBodies)
{
    WriteAsset("ship.mdl", WritePhysicsAsset(Asset({Sphere("hull", 3, 5), Box("wing", 3), Sphere("nose", 0, 2),
                                                    Box("tail", 0), Sphere("sensor", 4, 50)})));
    WriteAsset("slab.mdl", WritePhysicsAsset(Asset({Slab(), Sphere("cap", 1, 1)})));
    WriteAsset("comet.pea", WritePhysicsAsset(Asset({Sphere("rock", 1, 8)})));

    Recorder ears;
    PhysicsActor* ship = space->CreatePhysicsActor(&ears, "Ship.mdl");
    ASSERT_NE(ship, nullptr);
    EXPECT_EQ(ship->GetListener(), &ears);
    EXPECT_TRUE(ship->isDynamic());
    ASSERT_EQ(ship->getNbShapes(), 5u);
    const struct
    {
        const char* name;
        int group;
        bool trigger;
    } expected[] = {
        {"hull", 1, false}, {"wing", 3, false}, {"nose", 1, false}, {"tail", 2, false}, {"sensor", 4, true},
    };
    for (int i = 0; i < 5; ++i)
    {
        const NxShape* shape = ship->getShapes()[i];
        EXPECT_STREQ(shape->getName(), expected[i].name);
        EXPECT_EQ(shape->getGroup(), expected[i].group) << expected[i].name;
        EXPECT_EQ(shape->isTrigger(), expected[i].trigger) << expected[i].name;
    }
    PhysicsActor* slab = space->CreatePhysicsActor(nullptr, "slab.mdl");
    ASSERT_NE(slab, nullptr);
    EXPECT_FALSE(slab->isDynamic());
    PhysicsActor* comet = space->CreatePhysicsActor(nullptr, "comet.pea");
    ASSERT_NE(comet, nullptr);
    EXPECT_STREQ(comet->getShapes()[0]->getName(), "rock");
}

TEST_F(PhysicsWorld, BrokenAssetsGiveTheProxyAndALoggedLine)
{
    const std::vector<uint8_t> good = WritePhysicsAsset(Asset({Wedge("w"), Sphere("s", 1, 1)}));
    std::vector<uint8_t> truncated(good.begin(), good.begin() + good.size() / 2);
    std::vector<uint8_t> lyingCount = good;
    lyingCount[27] = 0xff; // shape count: a huge number
    lyingCount[29] = 0xff;
    std::vector<uint8_t> unknownType = good;
    unknownType[35] = 3; // the first shape's type
    std::vector<uint8_t> lyingName = good;
    lyingName[17] = 0xf0; // actor name length
    std::vector<uint8_t> notANumber = good;
    notANumber[51] = 0xc0; // the first shape's z: a NaN
    notANumber[52] = 0x7f;

    const struct
    {
        const char* file;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"truncated.mdl", truncated}, {"count.mdl", lyingCount}, {"type.mdl", unknownType},
        {"name.mdl", lyingName},      {"nan.mdl", notANumber},   {"empty.mdl", {}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.file);
        LoggedLines().clear();
        WriteAsset(c.file, c.bytes);
        PhysicsActor* actor = space->CreatePhysicsActor(nullptr, c.file);
        EXPECT_TRUE(IsProxy(actor));
        EXPECT_TRUE(Logged(c.file));
        EXPECT_TRUE(Logged("Incorrect file format"));
    }
    LoggedLines().clear();
    EXPECT_TRUE(IsProxy(space->CreatePhysicsActor(nullptr, "missing.mdl")));
    EXPECT_TRUE(Logged("File not found"));

    // A well-formed file whose hull has no volume: the hull is left out, the rest stays.
    PhysicsShapeRecord flat = Wedge("flat");
    flat.points.pop_back();
    flat.triangles = {0, 1, 2};
    WriteAsset("flat.mdl", WritePhysicsAsset(Asset({flat, Sphere("s", 1, 1)})));
    LoggedLines().clear();
    PhysicsActor* rest = space->CreatePhysicsActor(nullptr, "flat.mdl");
    ASSERT_NE(rest, nullptr);
    ASSERT_EQ(rest->getNbShapes(), 1u);
    EXPECT_STREQ(rest->getShapes()[0]->getName(), "s");
    EXPECT_TRUE(Logged("Cannot load convex shape"));
}

TEST_F(PhysicsWorld, MultiModelActorPlacesMirrorsAndTagsItsParts)
{
    WriteAsset("wedge.mdl", WritePhysicsAsset(Asset({Wedge("w")})));
    WriteAsset("ball.mdl", WritePhysicsAsset(Asset({Sphere("b", 4, 3), Slab()})));
    char wedge[] = "wedge.mdl", ball[] = "ball.mdl";
    char* names[] = {wedge, ball};
    NxMat34 poses[2];
    poses[1].t = {0, 0, 100};
    Vec3 scales[] = {{-1, 1, 1}, {1, 1, 1}};
    int partA = 0, partB = 0;
    void* parts[] = {&partA, &partB};

    PhysicsActor* actor = space->CreatePhysicsMultiModelActor(nullptr, 2, names, poses, scales, "test", parts, false);
    ASSERT_NE(actor, nullptr);
    ASSERT_EQ(actor->getNbShapes(), 2u); // the triangle mesh is left out
    EXPECT_EQ(actor->getShapes()[0]->userData, &partA);
    EXPECT_EQ(actor->getShapes()[1]->userData, &partB);
    EXPECT_EQ(actor->getShapes()[1]->getGroup(), 1);
    EXPECT_TRUE(actor->getShapes()[1]->isTrigger());
    EXPECT_FLOAT_EQ(actor->getShapes()[1]->getGlobalPose().t.z, 100);

    // The mirrored wedge reaches to x = -10 now.
    Hits report;
    NxRay ray;
    ray.orig = {-100, 0, 0};
    ray.dir = {1, 0, 0};
    Scene().raycastAllShapes(ray, report, NX_ALL_SHAPES, 0xffffffff, 200);
    ASSERT_EQ(report.hits.size(), 1u);
    EXPECT_NEAR(report.hits[0].worldImpact.x, -10, 0.1f);
}

TEST_F(PhysicsWorld, RaycastReturnsChildShapesNearestFirst)
{
    WriteAsset("pair.mdl", WritePhysicsAsset(Asset({Sphere("far", 1, 5, {0, 0, 50}), Sphere("near", 1, 5, {0, 0, 0}),
                                                    Sphere("sensor", 4, 10, {0, 0, 100})})));
    PhysicsActor* actor = space->CreatePhysicsActor(nullptr, "pair.mdl");
    ASSERT_NE(actor, nullptr);
    NxRay ray;
    ray.orig = {0, 0, -100};
    ray.dir = {0, 0, 1};

    Hits all;
    EXPECT_EQ(Scene().raycastAllShapes(ray, all, NX_ALL_SHAPES, 30, 1000), 3u);
    ASSERT_EQ(all.hits.size(), 3u);
    EXPECT_STREQ(all.hits[0].shape->getName(), "near");
    EXPECT_STREQ(all.hits[1].shape->getName(), "far");
    EXPECT_STREQ(all.hits[2].shape->getName(), "sensor");
    EXPECT_NEAR(all.hits[0].distance, 95, 0.1f);
    EXPECT_NEAR(all.hits[0].worldImpact.z, -5, 0.1f);
    EXPECT_NEAR(all.hits[0].worldNormal.z, -1, 1e-3f);

    const struct
    {
        NxU32 groups;
        NxReal reach;
        bool stop;
        size_t count;
    } cases[] = {
        {1u << 4, 1000, false, 1}, // only the sensor's group
        {1u << 2, 1000, false, 0}, // a group nobody has
        {30, 120, false, 1},       // too short for the far sphere
        {30, 1000, true, 1},       // the report stops after the first hit
    };
    for (const auto& c : cases)
    {
        Hits some;
        some.stopAfterFirst = c.stop;
        Scene().raycastAllShapes(ray, some, NX_ALL_SHAPES, c.groups, c.reach);
        EXPECT_EQ(some.hits.size(), c.count) << c.groups << " " << c.reach;
    }
    Hits none;
    Scene().raycastAllShapes(ray, none, NX_STATIC_SHAPES, 30, 1000);
    EXPECT_TRUE(none.hits.empty());
    actor->raiseActorFlag(NX_AF_DISABLE_COLLISION);
    Scene().raycastAllShapes(ray, none, NX_ALL_SHAPES, 30, 1000);
    EXPECT_TRUE(none.hits.empty());
}

TEST_F(PhysicsWorld, OneLoaderServesEveryResourceSystemInTurn)
{
    WriteAsset("rock.mdl", WritePhysicsAsset(Asset({Sphere("first", 1, 1)})));
    ASSERT_NE(space->CreatePhysicsActor(nullptr, "rock.mdl"), nullptr);

    // The next mission, on a new resource system, after the first one is gone.
    ReleasePhysicsSpace();
    resources = std::make_unique<ResourceSystem>(&Dumper::Instance(), 1);
    WriteAsset("rock.mdl", WritePhysicsAsset(Asset({Sphere("second", 1, 1)})));
    space = CreatePhysicsSpace(resources.get());
    ASSERT_NE(space, nullptr);
    PhysicsActor* rock = space->CreatePhysicsActor(nullptr, "rock.mdl");
    ASSERT_NE(rock, nullptr);
    EXPECT_STREQ(rock->getShapes()[0]->getName(), "second");
}
