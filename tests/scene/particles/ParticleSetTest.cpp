// Particle sets without a device: the pool and its reuse, removal, the atlas, the level of
// detail and the geometry of each shape written into memory, and the bounds.
#include "foundation/math/Bounds.h"
#include "scene/nodes/Camera.h"
#include "scene/nodes/Group.h"
#include "scene/particles/ParticleSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

namespace {

using Vertex = ParticleSet::ParticleVertex;

// A set under a bone of a root, with a camera looking down +Z from the origin.
struct Fixture
{
    Group root{nullptr, nullptr};
    Bone* holder = new Bone(&root, nullptr);
    ParticleSet* set = new ParticleSet(&root, nullptr);
    Camera* camera = new Camera(&root, nullptr);

    Fixture()
    {
        root.Attach(holder);
        root.Attach(camera);
        holder->Attach(set);
    }

    Particle* Add(const Vec3& position, float size = 1.0f)
    {
        Particle* p = set->CreateParticle();
        p->position = position;
        p->size = size;
        p->angle = 0.0f;
        return p;
    }

    // The geometry of the counted particles, as the render queue would take it.
    unsigned Build(std::vector<Vertex>& vertices, std::vector<uint16_t>& indices, uint16_t base = 0)
    {
        const RenderableDesc& desc = set->GetDescription();
        vertices.assign(desc.vertexCount, Vertex{});
        indices.assign(desc.GetIndexCount(), 0xFFFF);
        return set->WriteGeometry(vertices.data(), unsigned(vertices.size()), indices.data(), unsigned(indices.size()),
                                  base);
    }
};

bool Near(const Vec3& a, const Vec3& b) { return a.DistanceSquared(b) < 1e-8f; }

} // namespace

TEST(ParticleSet, ThePoolHandsOutItsTopEntryAndDoublesWhenFull)
{
    Fixture f;
    f.set->SetMaxParticles(4);
    std::vector<unsigned> order;
    for (int i = 0; i < 4; ++i)
        order.push_back(f.set->CreateParticle()->poolIndex);
    EXPECT_EQ(order, (std::vector<unsigned>{3, 2, 1, 0}));
    f.set->Begin().Current()->position = Vec3(7.0f, 0.0f, 0.0f);

    f.set->CreateParticle();
    EXPECT_EQ(f.set->GetMaxParticles(), 8u);
    EXPECT_EQ(f.set->GetTotalParticles(), 5u);
    // The growth moved the records: the list points into the new pool, in creation order.
    EXPECT_EQ(f.set->Begin().Current()->position, Vec3(7.0f, 0.0f, 0.0f));
    EXPECT_EQ(f.set->Begin().Current()->poolIndex, 3u);

    // A removed record is the next one handed out.
    ParticleIterator it = f.set->Begin();
    it.Next();
    Particle* second = it.Current();
    f.set->RemoveParticle(second);
    EXPECT_EQ(f.set->CreateParticle(), second);
}

TEST(ParticleSet, RemovalKeepsEveryRecordInOnePlace)
{
    Fixture f;
    f.set->SetMaxParticles(8);
    for (int i = 0; i < 6; ++i)
        f.Add(Vec3(float(i), 0.0f, 0.0f));
    f.set->RemoveParticle(1u); // from the front
    f.set->RemoveParticle(4u); // from the back: the sixth particle
    f.set->RemoveParticle(9u); // past the end: nothing
    std::vector<float> left;
    for (ParticleIterator it = f.set->Begin(); it != f.set->End(); it.Next())
        left.push_back(it.Current()->position.x);
    EXPECT_EQ(left, (std::vector<float>{0.0f, 2.0f, 3.0f, 4.0f}));

    // A particle that is not live is not freed again, so no record is handed out twice.
    Particle stranger;
    f.set->RemoveParticle(&stranger);
    Particle* gone = f.set->Begin().Current();
    f.set->RemoveParticle(gone);
    f.set->RemoveParticle(gone);
    std::set<Particle*> handedOut;
    for (ParticleIterator it = f.set->Begin(); it != f.set->End(); it.Next())
        handedOut.insert(it.Current());
    while (f.set->GetTotalParticles() < f.set->GetMaxParticles())
        EXPECT_TRUE(handedOut.insert(f.set->CreateParticle()).second);

    // Removing while walking goes on with the particle that followed.
    ParticleIterator it = f.set->Begin();
    it = f.set->RemoveParticle(it);
    EXPECT_EQ(it, f.set->Begin());
}

TEST(ParticleSet, APoolNeverSetOrFreedGrowsOnItsOwnAndStopsAtItsLimit)
{
    Fixture f;
    EXPECT_NE(f.set->CreateParticle(), nullptr);
    EXPECT_GT(f.set->GetMaxParticles(), 0u);
    f.set->RemoveAllParticles();
    EXPECT_EQ(f.set->GetMaxParticles(), 0u);
    EXPECT_EQ(f.set->GetTotalParticles(), 0u);
    EXPECT_NE(f.set->CreateParticle(), nullptr);

    f.set->SetMaxParticles(ParticleSet::MaxPoolSize * 4);
    EXPECT_EQ(f.set->GetMaxParticles(), ParticleSet::MaxPoolSize);
    f.set->RemoveAllParticles();
    f.set->SetMaxParticles(ParticleSet::MaxPoolSize);
    for (unsigned i = 0; i < ParticleSet::MaxPoolSize; ++i)
        f.Add(Vec3(float(i), 0.0f, 0.0f));
    // Full: the oldest particle is taken over.
    Particle* oldest = f.set->Begin().Current();
    EXPECT_EQ(f.set->CreateParticle(), oldest);
    EXPECT_EQ(f.set->GetTotalParticles(), ParticleSet::MaxPoolSize);
    EXPECT_EQ(f.set->Begin().Current()->position.x, 1.0f);
}

TEST(ParticleSet, NewParticlesTakeTheSetsDefaults)
{
    Fixture f;
    f.set->SetDefaultSize(3.0f);
    f.set->SetDefaultLengthAdjust(0.5f);
    f.set->SetDefaultTexIndex(2, 1);
    const Particle* p = f.set->CreateParticle();
    EXPECT_EQ(p->size, 3.0f);
    EXPECT_EQ(p->lengthAdjust, 0.5f);
    EXPECT_EQ(p->texU, 2);
    EXPECT_EQ(p->texV, 1);
}

TEST(ParticleSet, AtlasParameters)
{
    struct Case
    {
        unsigned u, v;
        bool atlas;
        float stepU, stepV;
    };
    const Case cases[] = {
        {0, 0, false, 1, 1}, {1, 1, false, 1, 1}, {4, 2, true, 0.25f, 0.5f}, {8, 8, true, 0.125f, 0.125f}};
    for (const Case& c : cases)
    {
        Fixture f;
        f.set->SetAtlasParams(c.u, c.v);
        EXPECT_EQ(f.set->HasAtlas(), c.atlas) << c.u << "x" << c.v;
        EXPECT_EQ(f.set->GetAtalsStep().x, c.stepU);
        EXPECT_EQ(f.set->GetAtalsStep().y, c.stepV);
    }
}

TEST(ParticleSet, BillboardsFaceTheCameraWithTheirAtlasCell)
{
    Fixture f;
    f.set->SetAtlasParams(4, 2);
    f.set->SetMaxParticles(4);
    Particle* p = f.Add(Vec3(1.0f, 2.0f, 3.0f), 2.0f);
    p->texU = 1;
    p->texV = 1;
    p->color = Color(1.0f, 0.5f, 0.0f, 1.0f);
    f.set->SetTintStrength(0.5f);
    f.set->UpdateCameraBasedParams(f.camera, 0);

    std::vector<Vertex> v;
    std::vector<uint16_t> index;
    ASSERT_EQ(f.Build(v, index, 100), 1u);
    const Vec3 expected[] = {{0, 1, 3}, {0, 3, 3}, {2, 1, 3}, {2, 3, 3}};
    const Vec2 uv[] = {{0.25f, 1.0f}, {0.25f, 0.5f}, {0.5f, 1.0f}, {0.5f, 0.5f}};
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_TRUE(Near(v[i].position, expected[i])) << i;
        EXPECT_EQ(v[i].uv.x, uv[i].x) << i;
        EXPECT_EQ(v[i].uv.y, uv[i].y) << i;
        EXPECT_EQ(v[i].color, Color(0.5f, 0.25f, 0.0f, 0.5f).ARGB());
    }
    EXPECT_EQ(index, (std::vector<uint16_t>{100, 101, 102, 102, 101, 103}));

    // A quarter turn about the view axis turns the corners, not the texture.
    p->angle = 90.0f;
    f.Build(v, index);
    const Vec3 turned[] = {{2, 1, 3}, {0, 1, 3}, {2, 3, 3}, {0, 3, 3}};
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_NEAR(v[i].position.DistanceSquared(turned[i]), 0.0f, 1e-4f) << i;
        EXPECT_EQ(v[i].uv.x, uv[i].x) << i;
    }
}

TEST(ParticleSet, TheLevelOfDetailDrawsEveryNthParticleAndTheCountsAgree)
{
    Fixture f;
    f.set->SetLodLevels(3);
    f.set->SetMaxParticles(16);
    for (int i = 0; i < 8; ++i)
        f.Add(Vec3(0.0f, 0.0f, float(i) * 0.01f), 1.0f);
    f.set->UpdateBounds(Matrix::Ident());
    // Bounds about 2 wide reach 20 per level: at 50 the level is 2.
    f.camera->SetPosition(0.0f, 0.0f, -50.0f);
    f.set->UpdateCameraBasedParams(f.camera, f.set->GetLodLevels());
    ASSERT_EQ(f.set->GetCurrentLod(), 2u);
    EXPECT_EQ(f.set->GetNumParticles(), 8u / 3u);

    for (eParticleShape shape : {PS_BILLBOARD, PS_AXIS_BILLBOARD, PS_CROSS_BILLBOARD, PS_LINE, PS_POINT})
    {
        f.set->SetParticleShape(shape);
        f.set->UpdateCameraBasedParams(f.camera, f.set->GetLodLevels());
        std::vector<Vertex> v;
        std::vector<uint16_t> index;
        // Eight particles at stride 3 would be three; the description counts two, and two are drawn.
        EXPECT_EQ(f.Build(v, index), 2u) << shape;
        for (uint16_t i : index)
            EXPECT_LT(i, v.size()) << shape;
        if (shape == PS_POINT)
        {
            EXPECT_EQ(v[0].position.z, 0.0f);
            EXPECT_FLOAT_EQ(v[1].position.z, 0.03f);
        }
    }

    // Removal by any means keeps the counted particles current.
    f.set->RemoveParticle(0u);
    f.set->RemoveParticle(f.set->Begin().Current());
    f.set->RemoveParticle(f.set->Begin());
    EXPECT_EQ(f.set->GetNumParticles(), 5u / 3u);
}

TEST(ParticleSet, LinesPointsAndStretchedShapes)
{
    Fixture f;
    f.set->SetMaxParticles(4);
    Particle* p = f.Add(Vec3(0.0f, 0.0f, 10.0f), 2.0f);
    p->direction = Vec3(0.0f, 1.0f, 0.0f);
    p->velocity = 4.0f;
    p->lengthAdjust = 0.5f;
    std::vector<Vertex> v;
    std::vector<uint16_t> index;

    f.set->SetParticleShape(PS_LINE);
    f.set->UpdateCameraBasedParams(f.camera, 0);
    f.Build(v, index, 10);
    EXPECT_TRUE(Near(v[1].position, Vec3(0.0f, 2.0f, 10.0f)));
    EXPECT_EQ(index, (std::vector<uint16_t>{10, 11}));

    // An axis billboard spans from the particle to the end of its motion, sideways to the eye.
    f.set->SetParticleShape(PS_AXIS_BILLBOARD);
    f.set->UpdateCameraBasedParams(f.camera, 0);
    f.Build(v, index);
    EXPECT_NEAR(std::fabs(v[0].position.x), 1.0f, 1e-5f);
    EXPECT_NEAR(v[1].position.y, 2.0f, 1e-5f);
    EXPECT_NEAR(v[0].position.x, -v[2].position.x, 1e-5f);

    // Crossed billboards: two planes square to each other, both along the motion.
    f.set->SetParticleShape(PS_CROSS_BILLBOARD);
    f.set->UpdateCameraBasedParams(f.camera, 0);
    f.Build(v, index);
    ASSERT_EQ(v.size(), 8u);
    const Vec3 first = v[2].position - v[0].position, second = v[6].position - v[4].position;
    EXPECT_NEAR(first.Dot(second), 0.0f, 1e-5f);
    EXPECT_NEAR(first.Length(), 2.0f, 1e-5f);
    EXPECT_NEAR(first.Dot(p->direction), 0.0f, 1e-5f);

    // A particle that does not move has no stretch: its quad is flat, never NaN.
    p->velocity = 0.0f;
    f.set->SetParticleShape(PS_AXIS_BILLBOARD);
    f.Build(v, index);
    for (const Vertex& vertex : v)
        EXPECT_FALSE(std::isnan(vertex.position.x));
}

TEST(ParticleSet, TheRibbonTrailRunsThroughEveryParticle)
{
    Fixture f;
    f.set->SetParticleShape(PS_RIBBON_TRAIL);
    f.set->SetLodLevels(4);
    f.set->SetMaxParticles(4);
    for (int i = 0; i < 3; ++i)
        f.Add(Vec3(float(i) * 10.0f, 0.0f, 100.0f), 1.0f);
    f.set->UpdateCameraBasedParams(f.camera, 0);
    EXPECT_EQ(f.set->GetDescription().vertexCount, 6u);
    EXPECT_EQ(f.set->GetDescription().primCount, 4u);
    std::vector<Vertex> v;
    std::vector<uint16_t> index;
    EXPECT_EQ(f.Build(v, index, 4), 3u);
    EXPECT_EQ(index, (std::vector<uint16_t>{4, 5, 6, 6, 5, 7, 6, 7, 8, 8, 7, 9}));
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_NEAR(v[2 * i].position.DistanceSquared(v[2 * i + 1].position), 4.0f, 1e-3f) << i;
        EXPECT_FLOAT_EQ(v[2 * i].uv.x, float(i + 1) / 3.0f);
        EXPECT_EQ(v[2 * i].uv.y, 1.0f);
        EXPECT_EQ(v[2 * i + 1].uv.y, 0.0f);
    }
    // Each side keeps to one edge of the strip.
    EXPECT_GT(v[0].position.y * v[2].position.y, 0.0f);
    EXPECT_GT(v[2].position.y * v[4].position.y, 0.0f);
}

TEST(ParticleSet, GeometryStopsAtTheRoomItIsGivenAndBlanksTheRest)
{
    Fixture f;
    f.set->SetMaxParticles(8);
    for (int i = 0; i < 5; ++i)
        f.Add(Vec3(float(i), 0.0f, 10.0f));
    f.set->UpdateCameraBasedParams(f.camera, 0);
    std::vector<Vertex> v(4 * 5 + 1);
    std::vector<uint16_t> index(6 * 3, 0xFFFF);
    v.back().color = 0x12345678; // a guard past the room
    EXPECT_EQ(f.set->WriteGeometry(v.data(), 4 * 5, index.data(), 6 * 3, 0), 3u);
    EXPECT_EQ(v.back().color, 0x12345678u);
    for (int i = 12; i < 20; ++i)
        EXPECT_EQ(v[i].color, 0u);
    // Near the end of the 16-bit range only what can be addressed is written.
    index.assign(30, 0xFFFF);
    EXPECT_EQ(f.set->WriteGeometry(v.data(), 20, index.data(), 30, 65532), 1u);
    for (uint16_t i : index)
        EXPECT_GE(i, 65532);
}

TEST(ParticleSet, BoundsAreWorldOrTransformedByTheParent)
{
    Fixture f;
    f.set->SetMaxParticles(4);
    f.Add(Vec3(1.0f, 0.0f, 0.0f), 1.0f);
    f.Add(Vec3(-1.0f, 2.0f, 0.0f), 0.5f);
    Matrix moved = Matrix::Ident();
    moved.SetRow(3, Vec3(100.0f, 0.0f, 0.0f));

    f.set->UpdateBounds(moved);
    EXPECT_EQ(f.set->GetWorldBounds().GetMin(), Vec3(-2.0f, -1.0f, -1.0f));
    EXPECT_EQ(f.set->GetWorldBounds().GetMax(), Vec3(2.0f, 3.0f, 1.0f));

    f.set->SetCoordSpace(CS_LOCAL);
    f.set->UpdateBounds(moved);
    EXPECT_EQ(f.set->GetWorldBounds().GetMin(), Vec3(98.0f, -1.0f, -1.0f));
    EXPECT_EQ(f.set->GetWorldBounds().GetMax(), Vec3(102.0f, 3.0f, 1.0f));
}
