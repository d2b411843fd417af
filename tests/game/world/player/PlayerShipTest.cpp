// The player's ship in a mission of the started game: the damage zones under hits, the robot's
// warnings, the telegrams it answers and the listener riding with it.
#include <gtest/gtest.h>

#include <cstring>

#include "PlayerTestSupport.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/Limiter.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/hud/GuiShipHud.h"
#include "game/hud/GuiShipHudTextMessage.h"
#include "services/physics/PhysicsActor.h"
#include "services/sound/SoundEngine.h"

namespace {

class PlayerShipTest : public PlayerTest
{
protected:
    void SetUp() override
    {
        PlayerTest::SetUp();
        if (IsSkipped())
            return;
        Steps(40); // past the ship's protection
        zone = Ship().GetZoneMaximum(0);
    }
    // A hit with no shield left, entering the zones as `entry` says (0 zone 0, 1 to 5 the chain).
    void Hit(int entry, float damage)
    {
        Ship().SetCurrentShield(0);
        SeedForDraw(6, entry);
        Ship().RecalculateDamage(damage);
    }

    float zone = 0;
};

TEST(ShieldWarnings, TheWarningFollowsTheShareOfTheShieldLeft)
{
    const struct
    {
        float fraction;
        const char* voice; // the file's name, null for none
        const char* text;
    } cases[] = {
        {0.9f, nullptr, nullptr},
        {0.8f, nullptr, nullptr},
        {0.6f, "warn_ship_atak.wav", "Attention! Board is under attack!"},
        {0.5f, "warn_ship_atak.wav", nullptr},
        {0.4f, "warn_ship_dmg_1.wav", "Attention! Attention! Energy Shield!"},
        {0.3f, "warn_ship_atak.wav", nullptr},
        {0.2f, "warn_ship_dmg_2.wav", "Attention! Critical level of energy!"},
        {0.1f, "warn_ship_atak.wav", nullptr},
        {0.05f, "warn_shield_80.wav", "Emergency! Energy is not enough!"},
        {0.0f, nullptr, nullptr},
    };
    for (const auto& c : cases)
    {
        const PlayerShip::ShieldWarning warning = PlayerShip::WarningFor(c.fraction);
        if (!c.voice)
        {
            EXPECT_EQ(warning.voice, nullptr) << c.fraction;
            continue;
        }
        ASSERT_NE(warning.voice, nullptr) << c.fraction;
        EXPECT_NE(std::strstr(warning.voice, c.voice), nullptr) << c.fraction;
        if (c.text)
            EXPECT_STREQ(warning.text, c.text) << c.fraction;
        else
            EXPECT_EQ(warning.text, nullptr) << c.fraction;
    }
}

TEST_F(PlayerShipTest, AHitWhileTheShieldHoldsWarnsButLeavesTheZones)
{
    OpenRobot();
    Ship().SetCurrentShield(Ship().GetMaximumShield() * 0.6f);
    Ship().RecalculateDamage(500);
    EXPECT_FALSE(game.GetLimiter()->CanTransmitionRobot()) << "the robot spoke";
    const GuiShipHudTextMessage* strip = ThePlayer().GetHUD()->GetTextMsg();
    EXPECT_STREQ(strip->GetText(), "Attention! Board is under attack!");
    EXPECT_EQ(strip->GetPieces(), 4);
    for (int i = 0; i < PlayerShip::ZoneCount; ++i)
        EXPECT_EQ(Ship().GetZoneCurrent(i), zone) << i;

    // Above 80 % there is nothing to say.
    *game.GetLimiter() = Limiter();
    OpenRobot();
    Ship().SetCurrentShield(Ship().GetMaximumShield() * 0.9f);
    Ship().RecalculateDamage(10);
    EXPECT_TRUE(game.GetLimiter()->CanTransmitionRobot());
}

TEST_F(PlayerShipTest, AHitPassesDownTheChainOverZonesAlreadyBelowZero)
{
    Hit(4, zone + 10); // zone 6 of the chain 2, 1, 3, 6, 5, 4
    EXPECT_NEAR(Ship().GetZoneCurrent(6), -10, 1e-3f);
    Hit(4, 30);
    EXPECT_EQ(Ship().GetZoneCurrent(6), 0);
    EXPECT_FLOAT_EQ(Ship().GetZoneCurrent(5), zone - 30);

    // Zone 4 ends the chain: it is reached only by passing on, and passes nothing on.
    Hit(5, zone + 5);  // zone 5 below 0
    Hit(5, zone + 10); // zone 5 shut, zone 4 below 0
    EXPECT_NEAR(Ship().GetZoneCurrent(4), -10, 1e-3f);
    Hit(5, 1); // zone 5 takes it
    Hit(5, 1); // zone 5 shut again, zone 4 shut, and the hit is spent
    EXPECT_EQ(Ship().GetZoneCurrent(5), 0);
    EXPECT_EQ(Ship().GetZoneCurrent(4), 0);

    // Zone 0 stands alone and never drops below 0.
    Hit(0, zone * 2);
    EXPECT_EQ(Ship().GetZoneCurrent(0), 0);
    for (int i : {1, 2, 3})
        EXPECT_EQ(Ship().GetZoneCurrent(i), zone) << i;
}

TEST_F(PlayerShipTest, AZoneLostToExactlyZeroIsAnnouncedOnceTheArmourIsLow)
{
    OpenRobot();
    Ship().SetCurrentArmor(Ship().GetMaximumArmor() * 0.7f);
    Hit(3, zone); // zone 3, the right engine, to exactly 0
    EXPECT_EQ(Ship().GetZoneCurrent(3), 0);
    EXPECT_FALSE(game.GetLimiter()->CanTransmitionRobot());

    // Announced once: another loss of the same zone says nothing.
    *game.GetLimiter() = Limiter();
    OpenRobot();
    Hit(3, 0);
    EXPECT_TRUE(game.GetLimiter()->CanTransmitionRobot());

    // A zone driven below 0 waits until a later hit passes through it.
    Hit(4, zone + 1); // zone 6
    EXPECT_TRUE(game.GetLimiter()->CanTransmitionRobot());
    Hit(4, 1); // zone 6 shut to 0, zone 5 hit
    EXPECT_FALSE(game.GetLimiter()->CanTransmitionRobot());
}

TEST_F(PlayerShipTest, TheLostShieldIsAnnouncedOnce)
{
    SoundEngine* sound = game.GetSoundEngine();
    const size_t before = sound->GetSound2DCount();
    Ship().SetCurrentShield(0);
    Step();
    EXPECT_EQ(sound->GetSound2DCount(), before + 2) << "the alert and the robot's line";
    EXPECT_STREQ(ThePlayer().GetHUD()->GetTextMsg()->GetText(), "Energy shield is lost! ");
    Step();
    EXPECT_EQ(sound->GetSound2DCount(), before + 2);
}

TEST_F(PlayerShipTest, DamageTelegramsReachTheZonesAndASubLevelNeverDoes)
{
    Ship().SetCurrentShield(0);
    const float armor = Ship().GetCurrentArmor();
    // The hit's sound is held back, so that the next draw is the zone's.
    game.GetLimiter()->PlayerHitSound();
    SeedForDraw(6, 0);
    // A rocket fragment hits without a weapon: its amount counts, for the hull and the zones.
    Level().SendMessage(nullptr, &Ship(), MESSAGE_DO_DAMAGE_TO_PART,
                        new MessageDoDamageToPart(nullptr, nullptr, 25, false), 0);
    Step();
    EXPECT_FLOAT_EQ(Ship().GetZoneCurrent(0), zone - 25);
    EXPECT_LT(Ship().GetCurrentArmor(), armor);

    Level().SendMessage(nullptr, &Ship(), MESSAGE_LOAD_SUB_LEVEL, new MessageLoadSubLevel("none.lua"), 0);
    Step();
    for (int i = 0; i < PlayerShip::ZoneCount; ++i)
        EXPECT_EQ(Ship().GetZoneCurrent(i), i == 0 ? zone - 25 : zone) << i;
}

TEST_F(PlayerShipTest, TheSoundListenerRidesWithTheShip)
{
    // The listener is placed while 3D sounds play.
    SOUND3D_POSE engine;
    ASSERT_NE(game.GetSoundEngine()->CreateSound3D("boost.wav", engine, true, true, 0), nullptr);
    Matrix pose = Matrix::Ident();
    pose.Translate(Vec3(-40, 10, 500));
    Ship().SetPose(pose);
    Steps(2);
    const SOUND3D_POSE& listener = game.GetSoundEngine()->GetListener();
    EXPECT_NEAR(listener.position.Distance(Ship().GetPhysEntity()->GetGlobalPosition()), 0, 1);
}

} // namespace
