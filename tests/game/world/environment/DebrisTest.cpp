// Debris: the chunk meshes by kind, flying chunks that drift, spin and hit the player's ship (and
// crack its glass), the effects they leave, and fields that build their chunks only while the
// player is near.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "StartedMission.h"
#include "foundation/base/Random.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/environment/Debris.h"
#include "game/world/environment/DebrisField.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/hud/GuiShipHud.h"
#include "game/hud/GuiShipHudGlassDecals.h"
#include "scene/nodes/Group.h"
#include "services/sound/SoundEngine.h"

namespace {

class DebrisTest : public StartedMissionTest
{
protected:
    // The player's ship (and the camera) at the position: distances to the player are measured
    // from there.
    void PlacePlayer(const Vec3& position)
    {
        PlaceCamera(position);
        PlayerShip* ship = Ship();
        if (!ship)
            return;
        Matrix pose = Matrix::Ident();
        pose.Translate(position);
        ship->SetPose(pose);
        if (Bone* model = ship->GetMainModel())
            model->SetPosition(position);
    }
    PlayerShip* Ship() { return Level().GetPlayer() ? Level().GetPlayer()->GetShip() : nullptr; }
    float Defences()
    {
        PlayerShip* ship = Ship();
        return ship->GetCurrentShield() + ship->GetCurrentArmor() + ship->GetCurrentStructure();
    }
};

// The number in the name, checked against the format; -1 when the name has another form.
int NumberIn(const std::string& name, const char* format)
{
    int number = -1;
    const size_t at = std::string(format).find('%');
    if (name.compare(0, at, format, at) != 0 || std::sscanf(name.c_str() + at, "%d", &number) != 1)
        return -1;
    char expected[64];
    std::snprintf(expected, sizeof expected, format, number);
    return name == expected ? number : -1;
}

} // namespace

TEST(DebrisMesh, FileByKind)
{
    struct Case
    {
        eDebrisType kind;
        bool flying;
        const char* format;
        int count;
    };
    const Case cases[] = {
        {DEBRIS_ROCK, true, "env//asteroids//rock000//debris_%.2d.sms", 12},
        {DEBRIS_YTG, false, "ytg_debris_big_%.2d.sms", 10},
        {DEBRIS_PLAIN, true, "env//asteroids//rock000//debris_%.2d.sms", 12},
        {DEBRIS_CRYSTAL, true, "crystal_debris_%.2d.sms", 4},
        // A crystal field is drawn with rocks.
        {DEBRIS_CRYSTAL, false, "env//asteroids//rock000//debris_%.2d.sms", 12},
        {DEBRIS_ICE, true, "env//asteroids//ice003//debris_%.2d.sms", 14},
        {DEBRIS_LAVA, false, "env//asteroids//lava000//debris_%.2d.sms", 6},
    };
    EngineSeed(3);
    for (const Case& c : cases)
    {
        bool seen[16] = {};
        for (int draw = 0; draw < 400; ++draw)
        {
            const int number = NumberIn(DebrisMeshFile(c.kind, c.flying), c.format);
            ASSERT_GE(number, 0) << c.format;
            ASSERT_LT(number, c.count) << c.format;
            seen[number] = true;
        }
        EXPECT_TRUE(seen[0] && seen[c.count - 1]) << c.format;
    }
}

TEST_F(DebrisTest, FlyingChunkDriftsAndSpinsAlongItsVelocity)
{
    PlacePlayer(Vec3(0, 0, 0));
    Debris* chunk = Level().CreateDebris(Vec3(0, 0, 500), Vec3(0, 30, 40), DEBRIS_ROCK, false);
    EXPECT_FLOAT_EQ(50.0f, chunk->GetSpinSpeed());
    EXPECT_NEAR(0.6f, chunk->GetSpinAxis().y, 1e-6f);
    EXPECT_NEAR(0.8f, chunk->GetSpinAxis().z, 1e-6f);
    ASSERT_NE(nullptr, chunk->GetGroup());
    EXPECT_EQ(chunk->GetGroup(), chunk->GetMainModel()) << "distances are measured from the chunk";
    Run(1, 0.125f);
    const Vec3 moved = chunk->GetGroup()->GetLocalPos() - Vec3(0, 0, 500);
    EXPECT_NEAR(30.0f, moved.y, 1e-3f);
    EXPECT_NEAR(40.0f, moved.z, 1e-3f);
    EXPECT_NE(Quaternion::identity, chunk->GetGroup()->GetLocalOrientation());

    // Without a velocity it stays and spins about a random axis, slower than 50 both ways.
    for (unsigned seed = 1; seed < 20; ++seed)
    {
        EngineSeed(seed);
        Debris still(Vec3(0, 0, 0), Vec3(0, 0, 0), DEBRIS_ROCK, false);
        EXPECT_NEAR(1.0f, still.GetSpinAxis().Length(), 1e-5f);
        EXPECT_LE(std::abs(still.GetSpinSpeed()), 50.0f);
    }
}

TEST_F(DebrisTest, ChunkAtThePlayerHitsOnceAndGoesAndTwoInOneFrameHitTwice)
{
    if (!Ship())
        GTEST_SKIP() << "the mission has no player's ship";
    PlacePlayer(Vec3(0, 0, 0));
    // Past the time a new ship takes no damage.
    Run(0.6f);
    SoundEngine* sound = game.GetSoundEngine();
    Player* player = Level().GetPlayer();

    const float whole = Defences();
    const size_t sounds = sound->GetSound2DCount();
    Level().CreateDebris(Vec3(0, 0, 5), Vec3(0, 0, 0), DEBRIS_ROCK, false);
    Frame();
    EXPECT_EQ(0u, Count("Debris")) << "a chunk that hit goes at once";
    EXPECT_EQ(sounds + 1, sound->GetSound2DCount());
    EXPECT_NEAR(12.0f, player->GetShake(), 0.5f) << "shaken by 12, calmed for one frame";
    // The damage arrives in the next frame.
    Frame();
    const float oneHit = whole - Defences();
    EXPECT_GT(oneHit, 0.0f);

    const float before = Defences();
    Level().CreateDebris(Vec3(3, 0, 0), Vec3(0, 0, 0), DEBRIS_ICE, false);
    Level().CreateDebris(Vec3(0, 3, 0), Vec3(0, 0, 0), DEBRIS_LAVA, false);
    Frame();
    Frame();
    EXPECT_NEAR(2 * oneHit, before - Defences(), 0.01f * oneHit);
    EXPECT_EQ(0u, Count("Debris"));

    // A chunk 9 units away stays.
    Level().CreateDebris(Vec3(0, 9, 0), Vec3(0, 0, 0), DEBRIS_ROCK, false);
    Frame();
    EXPECT_EQ(1u, Count("Debris"));
}

// A crystal chunk may be drawn at scale 0: it is invisible but flies and hits all the same.
TEST_F(DebrisTest, CrystalChunkOfScaleZeroStillHits)
{
    if (!Ship())
        GTEST_SKIP() << "the mission has no player's ship";
    PlacePlayer(Vec3(0, 0, 0));
    // The chunk draws its size, its mesh and then the crystal's multiplier.
    unsigned seed = 1;
    for (;; ++seed)
    {
        EngineSeed(seed);
        EngineRandom();
        EngineRandom();
        if (EngineRandom() % 5 == 0)
            break;
    }
    EngineSeed(seed);
    Debris* chunk = Level().CreateDebris(Vec3(0, 0, 20), Vec3(0, 0, -30), DEBRIS_CRYSTAL, false);
    ASSERT_NE(nullptr, chunk->GetGroup());
    EXPECT_EQ(Vec3(0, 0, 0), chunk->GetGroup()->GetLocalScale());
    SoundEngine* sound = game.GetSoundEngine();
    const size_t sounds = sound->GetSound2DCount();
    Run(1, 0.05f);
    EXPECT_EQ(0u, Count("Debris"));
    EXPECT_EQ(sounds + 1, sound->GetSound2DCount());
}

// A hit cracks the glass of the player's HUD, but only while the ship's shield is down.
TEST_F(DebrisTest, ChunkCracksTheGlassOnlyWhileTheShieldIsDown)
{
    PlayerShip* ship = Ship();
    if (!ship)
        GTEST_SKIP() << "the mission has no player's ship";
    PlacePlayer(Vec3(0, 0, 0));
    Run(0.6f);
    const GuiShipHud* hud = Level().GetPlayer()->GetHUD();
    ASSERT_NE(nullptr, hud);
    const GuiShipHudGlassDecals* glass = hud->GetGlassDecals();
    ASSERT_NE(nullptr, glass);
    const size_t cracks = glass->GetDecals().size();
    ASSERT_GT(ship->GetCurrentShield(), 0.0f);
    Level().CreateDebris(Vec3(0, 0, 5), Vec3(0, 0, 0), DEBRIS_ROCK, false);
    Frame();
    EXPECT_EQ(0u, Count("Debris"));
    EXPECT_EQ(cracks, glass->GetDecals().size()) << "the shield takes the hit";

    ship->SetCurrentShield(0);
    Level().CreateDebris(Vec3(0, 0, 5), Vec3(0, 0, 0), DEBRIS_ROCK, false);
    Frame();
    EXPECT_EQ(0u, Count("Debris"));
    EXPECT_EQ(cracks + 1, glass->GetDecals().size());
}

// What a chunk leaves when it goes: a flash for ytg wreckage, nothing for crystal, dust for the
// rest; nothing beyond 1024 units of the player. A chunk that expires goes by itself.
TEST_F(DebrisTest, EffectWhenRemovedByKindAndDistance)
{
    struct Case
    {
        eDebrisType kind;
        float distance;
        unsigned sprites, effects;
    };
    const Case cases[] = {
        {DEBRIS_YTG, 500, 1, 0},  {DEBRIS_CRYSTAL, 500, 0, 0}, {DEBRIS_ROCK, 500, 0, 1},
        {DEBRIS_ICE, 1000, 0, 1}, {DEBRIS_ROCK, 1100, 0, 0},   {DEBRIS_YTG, 1100, 0, 0},
    };
    PlacePlayer(Vec3(0, 0, 0));
    for (const Case& c : cases)
    {
        const unsigned sprites = Count("Actor"), effects = Count("ParticleEffect");
        Debris* chunk = Level().CreateDebris(Vec3(c.distance, 0, 0), Vec3(0, 0, 0), c.kind, false);
        Level().DestroyActor(chunk, true);
        EXPECT_EQ(sprites + c.sprites, Count("Actor")) << c.kind << " at " << c.distance;
        EXPECT_EQ(effects + c.effects, Count("ParticleEffect")) << c.kind << " at " << c.distance;
    }

    Level().CreateDebris(Vec3(0, 0, 500), Vec3(0, 0, 0), DEBRIS_ROCK, true);
    Run(5.9f, 0.1f);
    EXPECT_EQ(1u, Count("Debris")) << "six seconds at least";
    Run(10, 0.1f);
    EXPECT_EQ(0u, Count("Debris"));
}

// A field of radius 100 is built nearer than 800 units and torn down only beyond the squared
// distance 800² + 50.
TEST_F(DebrisTest, FieldIsBuiltNearAndTornDownBeyondAGap)
{
    DebrisField* field = Level().CreateDebrisField(Vec3(0, 0, 0), 100, DEBRIS_ROCK, 24);
    struct Step
    {
        float distance;
        bool populated;
    };
    const Step steps[] = {{900, false}, {799, true},    {800.02f, true}, {800.05f, false},
                          {800, false}, {799.9f, true}, {100, true},     {2000, false}};
    for (const Step& step : steps)
    {
        PlacePlayer(Vec3(0, 0, step.distance));
        Frame();
        EXPECT_EQ(step.populated, field->IsPopulated()) << step.distance;
        EXPECT_EQ(step.populated ? 24u : 0u, field->GetChunkCount()) << step.distance;
        EXPECT_EQ(field->GetChunkCount(), field->GetGroup()->GetNumChildren()) << step.distance;
    }
    // The chunks lie in the cube around the centre.
    PlacePlayer(Vec3(0, 0, 0));
    Frame();
    for (unsigned i = 0; i < field->GetChunkCount(); ++i)
        EXPECT_TRUE(field->GetChunk(i)->GetLocalPos().Range(-100, 100)) << i;
}

TEST_F(DebrisTest, FieldWithoutChunksOrWithATinyRadiusStillSwitches)
{
    PlacePlayer(Vec3(0, 0, 0));
    DebrisField* empty = Level().CreateDebrisField(Vec3(0, 0, 10), 100, DEBRIS_ICE, 0);
    // Twice 0.3 is less than one whole unit to spread the chunks over.
    DebrisField* tiny = Level().CreateDebrisField(Vec3(0, 0, 1), 0.3f, DEBRIS_YTG, 5);
    Frame();
    EXPECT_TRUE(empty->IsPopulated());
    EXPECT_EQ(0u, empty->GetChunkCount());
    EXPECT_TRUE(tiny->IsPopulated());
    ASSERT_EQ(5u, tiny->GetChunkCount());
    EXPECT_EQ(Vec3(0.3f, 0.3f, 0.3f), tiny->GetChunk(0)->GetLocalPos());
    PlacePlayer(Vec3(0, 0, 5000));
    Frame();
    EXPECT_FALSE(empty->IsPopulated());
    EXPECT_FALSE(tiny->IsPopulated());
}
