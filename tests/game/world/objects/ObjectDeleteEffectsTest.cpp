// What a world object leaves behind when it goes: asteroid fragments at their bones, pushed or
// not, debris clouds by material and distance with their velocities, the fire, flash and sparks
// of wrecks, and dust by material.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "ObjectMission.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/Base.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/world/effects/ParticleEffect.h"
#include "game/world/effects/ParticleKeeper.h"
#include "game/world/effects/Sprite.h"
#include "game/world/environment/Debris.h"
#include "game/world/objects/DebrisCloud.h"
#include "game/world/objects/Object.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Bone.h"
#include "scene/nodes/Model.h"
#include "scene/particles/Emitter.h"
#include "services/physics/PhysicsActor.h"

namespace {

class ObjectDeleteEffectsTest : public ObjectMission
{
protected:
    // Explodes the object and runs the frame that removes it.
    void Blast(Object* object)
    {
        object->DoDamage(object->GetHPCurrent() + 1.0f);
        Frame();
    }
    // By the names of their types.
    std::vector<Object*> Objects(const std::string& prefix) const
    {
        std::vector<Object*> found;
        for (Object* object : ActorsOf<Object>())
            if (std::string(object->GetPrototype()->name).rfind(prefix, 0) == 0)
                found.push_back(object);
        std::sort(found.begin(), found.end(), [](const Object* a, const Object* b) {
            return std::strcmp(a->GetPrototype()->name, b->GetPrototype()->name) < 0;
        });
        return found;
    }
    std::vector<std::string> EffectFiles() const
    {
        std::vector<std::string> files;
        for (ParticleEffect* effect : ActorsOf<ParticleEffect>())
            files.push_back(effect->GetFile());
        return files;
    }
};

// Gives the object's protected dust to the test.
class Dusty : public Object
{
public:
    using Object::SpawnDust;
};

} // namespace

TEST_F(ObjectDeleteEffectsTest, AnAsteroidBreaksIntoItsFragmentsAtTheirBones)
{
    for (float distance : {500.0f, 3000.0f})
    {
        Blast(Spawn("ast_m_b", Vec3(0, 0, distance)));
        const std::vector<Object*> pieces = Objects("ast_m_b_");
        ASSERT_EQ(4u, pieces.size()) << distance;
        const Vec3 places[] = {{15, 0, 0}, {-15, 0, 0}, {0, 15, 0}, {0, -15, 0}};
        for (size_t i = 0; i < pieces.size(); ++i)
        {
            EXPECT_EQ(std::string("ast_m_b_") + char('a' + i), pieces[i]->GetPrototype()->name);
            const Vec3 at = pieces[i]->GetPhysEntity()->GetGlobalPosition();
            EXPECT_NEAR(0.0f, at.DistanceSquared(places[i] + Vec3(0, 0, distance)), 0.01f) << i;
            EXPECT_NEAR(0.0f, pieces[i]->GetPhysEntity()->GetGlobalLinearVelocity().Length(), 0.01f) << "not pushed";
        }
        EXPECT_TRUE(ActorsOf<Debris>().empty()) << distance;
        for (Object* piece : pieces)
            level.DestroyActor(piece, true);
        for (Debris* chunk : ActorsOf<Debris>())
            level.DestroyActor(chunk, true);
    }
}

// A fragment whose bone the broken rock lacks starts at the rock's own place.
TEST_F(ObjectDeleteEffectsTest, AFragmentWithoutItsBoneStartsAtTheRock)
{
    Object* rock = Spawn("ast_m_c", Vec3(0, 0, 3000));
    rock->DoDamage(1000);
    Model* broken = rock->GetMainModelEx();
    game.GetRenderScene()->DestroyNode(broken->FindBone(Name("ast_m_c_b")));
    broken->RebuildIdMarkers();
    Frame();
    const std::vector<Object*> pieces = Objects("ast_m_c_");
    ASSERT_EQ(3u, pieces.size());
    EXPECT_NEAR(0.0f, pieces[1]->GetPhysEntity()->GetGlobalPosition().DistanceSquared(Vec3(0, 0, 3000)), 0.01f);
    EXPECT_GT(pieces[0]->GetPhysEntity()->GetGlobalPosition().DistanceSquared(Vec3(0, 0, 3000)), 1.0f);
}

// The five pieces of "ast_m_a" fly apart, spinning; a rock cloud follows only within 2048 units.
TEST_F(ObjectDeleteEffectsTest, TheFirstKindOfAsteroidBurstsApartWithACloudWhenNear)
{
    const Vec3 centre(0, 0, 3000);
    Blast(Spawn("ast_m_a", centre));
    const std::vector<Object*> pieces = Objects("ast_m_a_");
    ASSERT_EQ(5u, pieces.size());
    for (Object* piece : pieces)
    {
        const PhysicsActor* body = piece->GetPhysEntity();
        const Vec3 velocity = body->GetGlobalLinearVelocity();
        EXPECT_GE(velocity.Length(), 768.0f - 0.01f);
        EXPECT_LT(velocity.Length(), 1024.0f);
        EXPECT_GT(velocity.Dot(body->GetGlobalPosition() - centre), 0.0f) << "away from the centre";
        EXPECT_NEAR(10.0f, body->GetGlobalAngularVelocity().Length(), 0.01f);
    }
    EXPECT_TRUE(ActorsOf<Debris>().empty());

    Blast(Spawn("ast_m_a", Vec3(0, 0, 500)));
    EXPECT_EQ(10u, Objects("ast_m_a_").size());
    EXPECT_EQ(64u, ActorsOf<Debris>().size());
}

TEST_F(ObjectDeleteEffectsTest, DebrisCloudsFollowTheMaterialWithinTheirDistances)
{
    struct Case
    {
        const char* type;
        float distance;
        size_t chunks;
    } cases[] = {
        {Crate(0), 1500, 64}, {Crate(0), 2500, 0},   {Crate(3), 1500, 128},
        {Crate(3), 2500, 0},  {Crate(4), 3500, 128}, {Crate(4), 4500, 0},
        {Crate(2), 500, 0},   {Crate(5), 500, 0},    {"ytg_baken_00", 5000, 0},
    };
    for (const Case& c : cases)
    {
        Blast(Spawn(c.type, Vec3(0, 0, c.distance)));
        EXPECT_EQ(c.chunks, ActorsOf<Debris>().size()) << c.type << " at " << c.distance;
        for (Debris* chunk : ActorsOf<Debris>())
            level.DestroyActor(chunk, true);
    }
}

TEST_F(ObjectDeleteEffectsTest, AChunkNeverCrawlsAlongItsFirstMovingAxis)
{
    struct Case
    {
        Vec3 velocity;
        int raised; // -1: none
        float sign;
    } cases[] = {{{0, 0, 0}, -1, 0},  {{5, -3, 2}, 0, 1},       {{0, -3, 2}, 1, -1},    {{0, 0, 7}, 2, 1},
                 {{300, 5, 0}, 1, 1}, {{-255.9f, 9, 0}, 0, -1}, {{256, -256, 0}, -1, 0}};
    for (const Case& c : cases)
    {
        Vec3 v = c.velocity;
        SpeedUpFirstSlowAxis(v);
        const float in[3] = {c.velocity.x, c.velocity.y, c.velocity.z};
        const float out[3] = {v.x, v.y, v.z};
        for (int axis = 0; axis < 3; ++axis)
        {
            if (axis != c.raised)
            {
                EXPECT_EQ(in[axis], out[axis]) << axis;
                continue;
            }
            EXPECT_GE(out[axis] * c.sign, 128.0f) << axis;
            EXPECT_LE(out[axis] * c.sign, 191.0f) << axis;
        }
    }
    // The first moving axis is raised; the others keep their draw, within the range.
    for (int i = 0; i < 200; ++i)
    {
        const Vec3 v = ChunkVelocity(100);
        const float parts[3] = {v.x, v.y, v.z};
        int axis = 0;
        while (axis < 3 && parts[axis] == 0.0f)
            ++axis;
        for (int other = 0; other < 3; ++other)
        {
            const float size = std::fabs(parts[other]);
            if (other == axis)
                EXPECT_TRUE(size >= 128.0f && size <= 191.0f && size == std::floor(size)) << size;
            else
                EXPECT_LE(size, 100.0f);
        }
    }
}

TEST_F(ObjectDeleteEffectsTest, WrecksBurnDriftAndBurstWhenTheirTimeIsUp)
{
    Object* wreck = Spawn("ytg_fighter_02_a", Vec3(0, 0, 200));
    Object* debris = Spawn("ytg_debris_00", Vec3(0, 100, 200));
    Object* far = Spawn("ytg_debris_01", Vec3(0, 0, 6000));
    for (Object* burning : {wreck, debris, far})
    {
        EXPECT_GE(burning->GetLifetime(), 0.5f);
        EXPECT_LE(burning->GetLifetime(), 3.4f + 1e-4f);
        ASSERT_NE(nullptr, burning->GetFireEmitter());
        EXPECT_EQ(burning->GetMainModel(), burning->GetFireEmitter()->GetParentNode());
    }
    EXPECT_FLOAT_EQ(0.2f, wreck->GetMainModel()->GetLocalScale().x);
    // All three go in the same frame, before the effects of their going have played out.
    for (Object* burning : {wreck, debris, far})
        burning->SetLifetime(0.25f);
    Frame(0.1f);
    EXPECT_GT(wreck->GetPhysEntity()->GetGlobalLinearVelocity().Dot(wreck->GetRoot().Right()), 0.0f)
        << "the fighter's wreck drifts sideways";
    EXPECT_FLOAT_EQ(0.0f, debris->GetPhysEntity()->GetGlobalLinearVelocity().Length());

    Frame(0.1f);
    EXPECT_EQ(3u, Objects("ytg_").size());
    Frame(0.1f);
    EXPECT_TRUE(Objects("ytg_").empty());
    EXPECT_EQ(3u, ActorsOf<ParticleKeeper>().size()) << "every fire burns out on its own";
    EXPECT_EQ(2u, ActorsOf<Sprite>().size()) << "only the near ones flash";
    std::vector<std::string> files = EffectFiles();
    std::sort(files.begin(), files.end());
    EXPECT_EQ((std::vector<std::string>{"expFireGib.pse", "expFireGib.pse", "sparksGib.pse", "sparksGib.pse"}), files);
    EXPECT_TRUE(ActorsOf<Debris>().empty()) << "metal leaves no chunks";
}

TEST_F(ObjectDeleteEffectsTest, AWreckOfRockAlsoThrowsARockCloudWhenNear)
{
    Object* wreck = Spawn(Crate(0, true), Vec3(0, 0, 300));
    ASSERT_NE(nullptr, wreck->GetFireEmitter());
    level.DestroyActor(wreck, true);
    EXPECT_EQ(1u, ActorsOf<Sprite>().size());
    EXPECT_EQ(64u, ActorsOf<Debris>().size());
}

TEST_F(ObjectDeleteEffectsTest, DustRisesFromRockAndMetalNearTheCamera)
{
    struct Case
    {
        const char* type;
        float distance;
        const char* dust; // null: none
    } cases[] = {{Crate(0), 1000, "dustRock.pse"},
                 {Crate(1), 1000, "dustMetal.pse"},
                 {Crate(3), 1000, nullptr},
                 {Crate(0), 2100, nullptr}};
    for (const Case& c : cases)
    {
        auto* object = new Dusty();
        object->InitializeData(game.GetBase()->GetObjectByName(c.type));
        level.CreateActor(object, nullptr);
        object->SetPose(Placed(Vec3(0, 0, c.distance)));
        Frame();
        object->SpawnDust(Vec3(0, 0, c.distance), Quaternion::identity);
        EXPECT_EQ(c.dust ? std::vector<std::string>{c.dust} : std::vector<std::string>{}, EffectFiles())
            << c.type << " at " << c.distance;
        for (ParticleEffect* effect : ActorsOf<ParticleEffect>())
            level.DestroyActor(effect, true);
        level.DestroyActor(object, true);
    }
}
