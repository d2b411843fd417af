// The player's aids in a mission of the started game: the booster's energy and push, the hit
// flash, the dust streaks and the rock drifting past the cockpit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "CoreTestSupport.h"
#include "PlayerTestSupport.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "MaterialSystem/meshes/Mesh.h"
#include "foundation/base/Random.h"
#include "game/world/player/BoosterSystem.h"
#include "game/world/player/CameraGarbage.h"
#include "game/world/player/CameraParticles.h"
#include "game/world/player/FlightModel.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/player/UIHit.h"
#include "scene/nodes/Bone.h"
#include "scene/nodes/RenderMesh.h"
#include "services/physics/PhysicsActor.h"
#include "services/sound/SoundEngine.h"

namespace {

constexpr float MaxBoost = 4 * 300; // four times the Player type's speed

class PlayerAidsTest : public PlayerTest
{
protected:
    BoosterSystem& Booster() { return *ThePlayer().GetBooster(); }
    float ForwardSpeed()
    {
        const PhysicsActor* body = Ship().GetPhysEntity();
        return body->GetGlobalLinearVelocity().Dot(body->GetGlobalPose().Dir());
    }
};

TEST_F(PlayerAidsTest, TheBoosterNeedsMoreThanFiveUnitsOfEnergy)
{
    SoundEngine* sound = game.GetSoundEngine();
    Booster().StartBooster();
    Steps(152); // 95 units spent at 40 a second
    EXPECT_FLOAT_EQ(Booster().GetCurrentEnergyLevel(), 5);
    Booster().StopBooster();
    EXPECT_FLOAT_EQ(Ship().GetMaxSpeed(), 300);
    const size_t before = sound->GetSound2DCount();
    Booster().StartBooster();
    EXPECT_FALSE(Booster().IsBoost());
    EXPECT_EQ(sound->GetSound2DCount(), before);
    Step(); // refills 0.3125
    Booster().StartBooster();
    EXPECT_TRUE(Booster().IsBoost());
    EXPECT_EQ(sound->GetSound2DCount(), before + 1) << "boost.wav";
    EXPECT_FLOAT_EQ(Ship().GetMaxSpeed(), MaxBoost);
}

TEST_F(PlayerAidsTest, BoostSpeedRampsUpThenFadesOnceTheEnergyIsSpent)
{
    Booster().StartBooster();
    Steps(16);
    EXPECT_FLOAT_EQ(Booster().GetBoostSpeed(), MaxBoost * 0.5f); // twice the maximum a second
    EXPECT_GE(ForwardSpeed(), MaxBoost * 0.5f);
    EXPECT_GT(ThePlayer().GetShake(), 0);
    Steps(144); // 2.5 seconds in all
    EXPECT_FLOAT_EQ(Booster().GetBoostSpeed(), MaxBoost);
    EXPECT_EQ(Booster().GetCurrentEnergyLevel(), 0);
    Steps(64);
    EXPECT_TRUE(Booster().IsBoost()) << "on until released";
    EXPECT_FLOAT_EQ(Booster().GetBoostSpeed(), MaxBoost - 50);
    EXPECT_EQ(Booster().GetCurrentEnergyLevel(), 0);
}

TEST_F(PlayerAidsTest, ReleasedTheEnergyRefillsAtTwentyASecondAndThePushFadesWithinASecond)
{
    Booster().StartBooster();
    Steps(32);
    EXPECT_FLOAT_EQ(Booster().GetCurrentEnergyLevel(), 80);
    Booster().StopBooster();
    Steps(32);
    EXPECT_FLOAT_EQ(Booster().GetCurrentEnergyLevel(), 90);
    EXPECT_FLOAT_EQ(Booster().GetBoostSpeed(), MaxBoost * 0.5f);
    Steps(64);
    EXPECT_EQ(Booster().GetCurrentEnergyLevel(), Booster().GetMaximumEnergyLevel());
}

TEST_F(PlayerAidsTest, TheBoostKeyStartsAndStopsTheBoosterButChangesGearInDuplex)
{
    constexpr uint32_t Shift = 42;
    ThePlayer().SetFlightModel(FLIGHT_MODEL_DIRECT);
    script->Key(Shift, true);
    Step();
    EXPECT_TRUE(Booster().IsBoost());
    script->Key(Shift, false);
    Step();
    EXPECT_FALSE(Booster().IsBoost());

    ThePlayer().SetFlightModel(FLIGHT_MODEL_DUPLEX);
    Tap(Shift);
    EXPECT_FALSE(Booster().IsBoost());
    EXPECT_EQ(ThePlayer().GetFlightModel()->GetGear(), -1);
}

TEST_F(PlayerAidsTest, ShieldHitsFlashBlueHullHitsRedAndASecondHitStartsOver)
{
    UIHit* flash = ThePlayer().GetHitEffect();
    ASSERT_NE(flash, nullptr);
    EXPECT_EQ(flash->GetIntensity(), 0);
    ThePlayer().HitEffect(true);
    EXPECT_EQ(flash->GetFlashColor(), Color(0, 0.5f, 1, 1));
    Steps(32);
    EXPECT_FLOAT_EQ(flash->GetIntensity(), 0.5f);
    EXPECT_EQ(flash->GetFlashColor(), Color(0, 0.25f, 0.5f, 1));
    ThePlayer().HitEffect(false);
    EXPECT_EQ(flash->GetFlashColor(), Color(1, 0, 0, 1));
    Steps(64);
    EXPECT_LE(flash->GetIntensity(), 0);

    // Hits on the player's ship flash by the shield it had.
    Steps(40);
    Ship().DoDamage(10, 1, 1, 1);
    EXPECT_EQ(flash->GetFlashColor(), Color(0, 0.5f, 1, 1));
    Ship().SetCurrentShield(0);
    Ship().DoDamage(10, 1, 1, 1);
    EXPECT_EQ(flash->GetFlashColor(), Color(1, 0, 0, 1));
    EXPECT_EQ(ThePlayer().GetShake(), 2);
}

TEST_F(PlayerAidsTest, DustStreaksStayAroundTheShipAndFadeWithDistance)
{
    ParticleSet* dust = ThePlayer().GetCameraParticles().GetParticleSet();
    ASSERT_NE(dust, nullptr);
    EXPECT_EQ(dust->GetTotalParticles(), 1024u);
    Matrix pose = Matrix::Ident();
    pose.Translate(Vec3(5000, 0, 0));
    Ship().SetPose(pose);
    Steps(2);
    const Vec3 ship = Ship().GetPosition();
    for (ParticleIterator it = dust->Begin(); it != dust->End(); it.Next())
    {
        const Particle& particle = *it.Current();
        ASSERT_LE(particle.position.Distance(ship), 128 * 1.7321f);
        EXPECT_LE(particle.color.a, 1);
        EXPECT_EQ(particle.state, 2u);
    }
}

// The rock's mesh by the level's debris kind, with the number drawn first.
TEST_F(PlayerAidsTest, TheRockIsAMeshOfTheLevelsDebrisKind)
{
    struct Case
    {
        eDebrisType type;
        int modulus, draw;
        const char* mesh;
    };
    const Case cases[] = {
        {DEBRIS_ROCK, 12, 11, "env//asteroids//rock000//debris_11.sms"},
        {DEBRIS_CRYSTAL, 12, 3, "env//asteroids//rock000//debris_03.sms"},
        {DEBRIS_ICE, 14, 13, "env//asteroids//ice003//debris_13.sms"},
        {DEBRIS_LAVA, 6, 5, "env//asteroids//lava000//debris_05.sms"},
        {DEBRIS_YTG, 1, 0, "env//asteroids//debris_unknown.sms"},
        {DEBRIS_PLAIN, 1, 0, "env//asteroids//debris_unknown.sms"},
    };
    LogWatch log;
    for (const Case& c : cases)
    {
        SeedForDraw(c.modulus, c.draw);
        CameraGarbage rock;
        rock.Initialize(Vec3(0, 0, 0), c.type);
        ASSERT_EQ(rock.GetPointCount(), 1u);
        const Mesh* mesh = rock.GetMesh(0)->GetBindedMesh();
        ASSERT_NE(mesh, nullptr) << c.mesh;
        EXPECT_STREQ(mesh->GetInfo().name, c.mesh);
        EXPECT_EQ(rock.GetMesh(0)->GetParent(), rock.GetBone(0));
        rock.ShutDown();
        EXPECT_EQ(rock.GetPointCount(), 0u);
    }
    EXPECT_EQ(log.Errors(), 0) << log.All();

    // Placed 1000 to 1279 units from the given point, whatever the draws.
    float nearest = 2000, farthest = 0;
    for (unsigned seed = 1; seed <= 100; ++seed)
    {
        EngineSeed(seed);
        CameraGarbage rock;
        rock.Initialize(Vec3(100, -50, 7000), DEBRIS_ROCK);
        const float distance = rock.GetBone(0)->GetGlobalPos().Distance(Vec3(100, -50, 7000));
        nearest = std::min(nearest, distance);
        farthest = std::max(farthest, distance);
        rock.ShutDown();
    }
    EXPECT_GE(nearest, 1000 - 0.01f);
    EXPECT_LT(nearest, 1030);
    EXPECT_GT(farthest, 1250);
    EXPECT_LT(farthest, 1280);
}

// One rock, 1000 to 1279 units from the ship, spinning 32 degrees a second about its own
// forward axis; left more than 1280 behind, it is put back 792 to 1303 units from the ship.
TEST_F(PlayerAidsTest, TheRockDriftsPastTheCockpitAndComesBackWhenLeftBehind)
{
    CameraGarbage& rock = ThePlayer().GetCameraGarbage();
    ASSERT_EQ(rock.GetPointCount(), 1u);
    Bone* bone = rock.GetBone(0);
    const float start = bone->GetGlobalPos().Distance(Ship().GetPosition());
    EXPECT_GE(start, 1000);
    EXPECT_LT(start, 1280);

    const Matrix before = bone->GetWorldMatrix();
    Step();
    const Matrix after = bone->GetWorldMatrix();
    EXPECT_NEAR(after.Dir().Dot(before.Dir()), 1, 1e-5f) << "about its own forward axis";
    EXPECT_NEAR(std::acos(std::clamp(after.Up().Dot(before.Up()), -1.0f, 1.0f)) * 57.29578f, 32.0f / 64, 0.02f);
    EXPECT_EQ(bone->GetGlobalPos(), before.Pos()) << "it does not move while near";

    float nearest = 2000, farthest = 0;
    for (int jump = 1; jump <= 100; ++jump)
    {
        Matrix pose = Matrix::Ident();
        pose.Translate(Vec3(jump % 2 ? 5000.0f * jump : -5000.0f * jump, 0, 0));
        Ship().SetPose(pose);
        Step();
        const float distance = bone->GetGlobalPos().Distance(Ship().GetPosition());
        nearest = std::min(nearest, distance);
        farthest = std::max(farthest, distance);
    }
    EXPECT_GE(nearest, 792 - 0.01f);
    EXPECT_LT(nearest, 830);
    EXPECT_GT(farthest, 1270);
    EXPECT_LT(farthest, 1304);
    EXPECT_EQ(rock.GetBone(0), bone) << "the same rock";
}

} // namespace
