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
#include "game/world/player/BoosterSystem.h"
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

// Frames of 1/5 s, as a slow machine draws them: any tap falls inside one frame.
constexpr float LongFrame = 0.2f;

// A key or a mouse button of the shipped bindings, and what it does.
struct Control
{
    const char* name;
    uint32_t switchKey; // tapped before, to choose the weapon; 0 for none
    bool mouse;
    uint32_t code; // scan code or button number
    const char* slots; // the weapon slots it fires, as Firing() writes them; "" for the booster
};

const Control Controls[] = {
    {"Fire1_Space_BlasterAndLinkedGun", 0, false, 57, "0---4"},
    {"Fire1_LeftButton_SecondBlaster", KeyTab, true, Left, "-1---"},
    {"Fire2_Ctrl_Rockets", 0, false, 29, "--2--"},
    {"Fire2_RightButton_Torpedoes", KeyG, true, Right, "---3-"},
    {"Boost_Shift", 0, false, 42, ""},
};

void PrintTo(const Control& control, std::ostream* out) { *out << control.name; }

// Every weapon counts its rounds, the blasters and the extra gun too, so that each shot shows.
class TapTest : public EmptyWeaponsTest, public testing::WithParamInterface<Control>
{
protected:
    TapTest()
    {
        amounts = {{"ASPPlayerBlaster00", 1000}, {"ASPPlayerBlaster01", 1000}, {"ASPPlayerRotation00", 1000}};
    }

    void Press(bool down)
    {
        const Control& control = GetParam();
        if (control.mouse)
            script->MouseButton(control.code, down);
        else
            script->Key(control.code, down);
    }
    // Long frames, counting those in which the booster is on.
    void Run(int frames)
    {
        for (int i = 0; i < frames; ++i)
        {
            Step(LongFrame);
            boosted += ThePlayer().GetBooster()->IsBoost() ? 1 : 0;
        }
    }
    // The salvos a slot fired since CountFromHere, by the rounds it spent: a rocket salvo is
    // two, a torpedo one.
    int Salvos(int slot)
    {
        const Weapon* weapon = Ship().GetWeapon(static_cast<unsigned>(slot));
        const WeaponType* type = weapon->GetPrototype();
        const int salvo = type->regime == 1 ? 1 : static_cast<int>(type->firePoints);
        return (_rounds[slot] - weapon->GetBulletAmount()) / salvo;
    }
    void CountFromHere()
    {
        for (int slot = 0; slot < PlayerShip::WeaponSlots; ++slot)
            _rounds[slot] = Ship().GetWeapon(static_cast<unsigned>(slot))->GetBulletAmount();
        boosted = 0;
    }

    bool Fires(int slot) const { return std::string(GetParam().slots).find(char('0' + slot)) != std::string::npos; }

    int boosted = 0;

private:
    int _rounds[PlayerShip::WeaponSlots] = {};
};

// A press and its release inside one frame fire what a press held for one frame fires, one
// salvo, and the magazine keeps the rest; the booster pushes for that one frame. Held, the
// control goes on until it is let go.
TEST_P(TapTest, ATapInsideOneFrameFiresOneSalvoAndAHeldKeyKeepsFiring)
{
    const Control& control = GetParam();
    const std::string slots = control.slots;
    if (control.switchKey)
        Tap(control.switchKey);
    Run(10);
    CountFromHere();

    Press(true);
    Press(false);
    Run(1);
    EXPECT_EQ(Firing(), slots.empty() ? "-----" : slots) << "started";
    Run(14);
    EXPECT_EQ(Firing(), "-----") << "stopped";
    for (int slot = 0; slot < PlayerShip::WeaponSlots; ++slot)
        EXPECT_EQ(Salvos(slot), Fires(slot) ? 1 : 0) << "slot " << slot;
    EXPECT_EQ(boosted, slots.empty() ? 1 : 0);
    EXPECT_FALSE(ThePlayer().GetBooster()->IsBoost());

    CountFromHere();
    Press(true);
    Run(15);
    EXPECT_EQ(Firing(), slots.empty() ? "-----" : slots) << "held";
    for (int slot = 0; slot < PlayerShip::WeaponSlots; ++slot)
    {
        const int salvos = Salvos(slot);
        EXPECT_TRUE(Fires(slot) ? salvos > 1 : salvos == 0) << "slot " << slot << ": " << salvos << " salvos";
    }
    EXPECT_EQ(boosted, slots.empty() ? 15 : 0);
    Press(false);
    Run(1);
    EXPECT_EQ(Firing(), "-----") << "let go";
    EXPECT_FALSE(ThePlayer().GetBooster()->IsBoost());
}

// A control whose key is still down at the end of a frame goes on: another of its keys tapped,
// or the same key let go and pressed again inside the frame.
TEST_F(PlayerWeaponsTest, AControlStillHeldAtTheEndOfAFrameGoesOn)
{
    constexpr uint32_t KeySpace = 57; // "Fire1"
    script->Key(KeySpace, true);
    Step(LongFrame);
    script->MouseButton(Left, true);
    script->MouseButton(Left, false);
    Steps(3, LongFrame);
    EXPECT_EQ(Firing(), "0---4");
    script->Key(KeySpace, false);
    script->Key(KeySpace, true);
    Steps(3, LongFrame);
    EXPECT_EQ(Firing(), "0---4");
    script->Key(KeySpace, false);
    Step(LongFrame);
    EXPECT_EQ(Firing(), "-----");
}

INSTANTIATE_TEST_SUITE_P(ShippedBindings, TapTest, testing::ValuesIn(Controls),
                         [](const testing::TestParamInfo<Control>& info) { return std::string(info.param.name); });

} // namespace
