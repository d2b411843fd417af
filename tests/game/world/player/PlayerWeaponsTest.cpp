// The player's weapons under the fire and switch controls, in a mission of the started game: the
// default pilot's fit has two blasters, rockets, torpedoes and the rotating extra gun.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "PlayerTestSupport.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/Base.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/states/StateMachine.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/weapons/EnergySystem.h"
#include "game/world/weapons/Weapon.h"
#include "game/world/weapons/WeaponStates.h"
#include "game/hud/GuiShipHud.h"
#include "game/hud/GuiShipHudCrosshair.h"
#include "game/hud/GuiShipHudWeaponry.h"
#include "services/sound/SoundEngine.h"

namespace {

constexpr uint32_t KeyTab = 15, KeyG = 34; // "SwitchPrimary", "SwitchSecondary"
constexpr uint32_t Left = 0, Right = 1;    // "Fire1", "Fire2"

class PlayerWeaponsTest : public PlayerTest
{
protected:
    bool Attacking(int slot)
    {
        const Weapon* weapon = Ship().GetWeapon(static_cast<unsigned>(slot));
        return weapon && weapon->GetStateMachine()->IsInState(WeaponStateAttack::Instance());
    }
    // Which of the five slots attack, as "01234" with a dash for each that does not.
    std::string Firing()
    {
        std::string slots;
        for (int slot = 0; slot < PlayerShip::WeaponSlots; ++slot)
            slots += Attacking(slot) ? char('0' + slot) : '-';
        return slots;
    }
    void Hold(uint32_t button, bool down)
    {
        script->MouseButton(button, down);
        Step();
    }
    GuiShipHudWeaponry& Weaponry() { return *ThePlayer().GetHUD()->GetWeaponryHud(); }
};

TEST_F(PlayerWeaponsTest, FireOneStartsThePrimaryAndTheExtraGunWithTheFirstBlaster)
{
    ASSERT_NE(Ship().GetWeapon(4), nullptr) << "the default fit carries the extra gun";
    Hold(Left, true);
    EXPECT_EQ(Firing(), "0---4");
    Hold(Left, false);
    EXPECT_EQ(Firing(), "-----");

    Tap(KeyTab);
    EXPECT_EQ(ThePlayer().GetPrimaryIndex(), 1);
    EXPECT_TRUE(Weaponry().IsSelected(2));
    EXPECT_FALSE(Weaponry().IsSelected(1));
    EXPECT_TRUE(ThePlayer().GetHUD()->GetCrosshairsHud()->IsShown(GuiShipHudCrosshair::INDICATOR_S_GUN));
    Hold(Left, true);
    EXPECT_EQ(Firing(), "-1---");
    // Switching stops what fired.
    Tap(KeyTab);
    EXPECT_EQ(Firing(), "-----");
}

TEST_F(PlayerWeaponsTest, FireTwoStartsTheSelectedLauncher)
{
    Hold(Right, true);
    EXPECT_EQ(Firing(), "--2--");
    Hold(Right, false);
    Tap(KeyG);
    EXPECT_EQ(ThePlayer().GetSecondaryIndex(), 3);
    EXPECT_TRUE(Weaponry().IsSelected(4));
    EXPECT_FALSE(Weaponry().IsSelected(3));
    EXPECT_TRUE(ThePlayer().GetHUD()->GetCrosshairsHud()->IsShown(GuiShipHudCrosshair::INDICATOR_WING_R));
    Hold(Right, true);
    EXPECT_EQ(Firing(), "---3-");
}

// Bolts spend the blasters' and the extra gun's energy; rockets and torpedoes their ammunition.
TEST_F(PlayerWeaponsTest, EveryKindOfWeaponFires)
{
    const int rockets = Ship().GetWeapon(2)->GetBulletAmount();
    const int torpedoes = Ship().GetWeapon(3)->GetBulletAmount();
    script->MouseButton(Left, true);
    script->MouseButton(Right, true);
    Steps(64);
    Hold(Right, false);
    Tap(KeyG);
    Hold(Right, true);
    Steps(64);
    for (int slot : {0, 4})
    {
        const EnergySystem* energy = Ship().GetWeapon(static_cast<unsigned>(slot))->GetEnergySystem();
        EXPECT_LT(energy->GetCurEnergyLevel(), energy->GetMaxEnergyLevel()) << slot;
    }
    EXPECT_LT(Ship().GetWeapon(2)->GetBulletAmount(), rockets);
    EXPECT_LT(Ship().GetWeapon(3)->GetBulletAmount(), torpedoes);
    // The HUD's bars: energy for the blasters, what is left of the ammunition for the launchers.
    Step();
    EXPECT_LT(Weaponry().GetLevel(1), 1);
    EXPECT_FLOAT_EQ(Weaponry().GetLevel(3), float(Ship().GetWeapon(2)->GetBulletAmount()) / float(rockets));
}

// Weapons whose game-data amounts the test sets before the mission starts.
class EmptyWeaponsTest : public PlayerWeaponsTest
{
protected:
    void SetUp() override
    {
        if (!GameStarted())
            GTEST_SKIP() << "no display";
        for (const auto& [name, amount] : amounts)
        {
            WeaponType* type = game.GetBase()->GetWeaponByName(name.c_str());
            ASSERT_NE(type, nullptr) << name;
            _saved[name] = type->amount;
            type->amount = amount;
        }
        PlayerTest::SetUp();
    }
    void TearDown() override
    {
        PlayerTest::TearDown();
        for (const auto& [name, amount] : _saved)
            game.GetBase()->GetWeaponByName(name.c_str())->amount = amount;
    }

    std::map<std::string, float> amounts;

private:
    std::map<std::string, float> _saved;
};

class EmptyRocketsTest : public EmptyWeaponsTest
{
protected:
    EmptyRocketsTest() { amounts = {{"ASPPlayerRocket00", 0}, {"ASPPlayerBlaster01", 0}}; }
};

TEST_F(EmptyRocketsTest, AnEmptySecondarySwitchesOverAndAnEmptyBlasterCannotBeChosen)
{
    Step();
    EXPECT_EQ(ThePlayer().GetSecondaryIndex(), 3) << "switched over on the first frame";
    EXPECT_TRUE(Weaponry().IsSelected(4));

    const size_t sounds = game.GetSoundEngine()->GetSound2DCount();
    ThePlayer().SwitchPrimary();
    EXPECT_EQ(ThePlayer().GetPrimaryIndex(), 0);
    EXPECT_EQ(game.GetSoundEngine()->GetSound2DCount(), sounds) << "not even the selection sound";
}

class EmptyLaunchersTest : public EmptyWeaponsTest
{
protected:
    EmptyLaunchersTest() { amounts = {{"ASPPlayerRocket00", 0}, {"ASPPlayerTorpeda00", 0}}; }
};

TEST_F(EmptyLaunchersTest, WithBothLaunchersEmptyNeitherIsSelected)
{
    Steps(3);
    EXPECT_EQ(ThePlayer().GetSecondaryIndex(), 2);
    EXPECT_FALSE(Weaponry().IsSelected(3));
    EXPECT_FALSE(Weaponry().IsSelected(4));
}

} // namespace
