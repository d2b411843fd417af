// The player's aids in a mission of the started game: the booster's energy and push, the hit
// flash, the dust streaks and the rock drifting past the cockpit.
#include <gtest/gtest.h>

#include "PlayerTestSupport.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/player/BoosterSystem.h"
#include "game/world/player/CameraParticles.h"
#include "game/world/player/FlightModel.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/player/UIHit.h"
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

} // namespace
