// The player in a mission of the started game: its ship and pilot, the pause, the camera's
// shake, the flight model it flies and the call for help.
#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "PlayerTestSupport.h"
#include "foundation/base/Timer.h"
#include "foundation/config/GameSettings.h"
#include "game/core/game/Game.h"
#include "game/core/level/LevelMenu.h"
#include "game/core/level/SingleLevel.h"
#include "game/core/states/StateMachine.h"
#include "game/profiles/ProfileManager.h"
#include "game/world/player/FlightModelComby.h"
#include "game/world/player/FlightModelDirect.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/ships/DynamicShipController.h"
#include "game/world/weapons/Weapon.h"
#include "game/world/weapons/WeaponStates.h"
#include "scene/nodes/Camera.h"
#include "services/input/InputCodes.h"
#include "services/input/InputConfig.h"
#include "services/physics/PhysicsActor.h"
#include "services/sound/SoundEngine.h"

namespace {

constexpr uint32_t KeyP = 25;

TEST_F(PlayerTest, AMissionStartedWithoutAPilotIsFlownByTheDefaultPilot)
{
    const UserProfile* pilot = game.GetProfileManager()->GetCurrent();
    ASSERT_NE(pilot, nullptr);
    EXPECT_STREQ(pilot->GetName(), "Default");
    // The pilot's fit gives the defences and the flight model.
    EXPECT_FLOAT_EQ(Ship().GetMaximumShield(), 900);
    EXPECT_FLOAT_EQ(Ship().GetMaximumArmor(), 940);
    EXPECT_FLOAT_EQ(Ship().GetCurrentStructure(), 400);
    EXPECT_EQ(ThePlayer().GetFlightModel()->GetFlyghtModelType(), FLIGHT_MODEL_STRAFE);
    EXPECT_FLOAT_EQ(Ship().GetZoneMaximum(6), 940.0f / 7);
}

TEST_F(PlayerTest, TheCameraRidesWithTheShip)
{
    Matrix pose = Matrix::Ident();
    pose.Translate(Vec3(100, 20, -300));
    Ship().SetPose(pose);
    Step();
    EXPECT_NEAR(game.GetCamera()->GetGlobalPos().Distance(Ship().GetPhysEntity()->GetGlobalPosition()), 0, 1e-3f);
    ThePlayer().SetViewMode(VIEW_MODE_OUTSIDE);
    Step();
    EXPECT_NEAR(game.GetCamera()->GetGlobalPos().y - Ship().GetPhysEntity()->GetGlobalPosition().y, 25, 1e-3f);
}

TEST_F(PlayerTest, TwoPauseReleasesPauseAndResume)
{
    Tap(KeyP);
    EXPECT_EQ(GamePaused, 1);
    EXPECT_EQ(game.GetSPF(), 0.0f);
    Tap(KeyP);
    EXPECT_EQ(GamePaused, 0);
}

// Resuming reloads the game data for developers only: it heals every computer ship.
TEST_F(PlayerTest, ResumingReloadsTheGameDataOnlyWithDebugInformation)
{
    ::Ship* enemy = Level().CreateShip("ytg_fighter_02", "ytg", "enemy");
    ASSERT_NE(enemy, nullptr);
    for (bool developer : {false, true})
    {
        game.GetGameSettings()->DebugInformation = developer;
        enemy->SetCurrentShield(10);
        Tap(KeyP);
        Tap(KeyP);
        EXPECT_EQ(GamePaused, 0);
        // A little regeneration runs in the frames before the pause.
        EXPECT_NEAR(enemy->GetCurrentShield(), developer ? 150 : 10, 0.5f) << developer;
    }
    game.GetGameSettings()->DebugInformation = false;
}

// The F key sends the ship's target a damage telegram of 50 (a developer aid: only with the debug
// information on), and nothing of the player's controls passes the open pause menu.
TEST_F(PlayerTest, TheFKeyHurtsTheTargetAndThePauseMenuHoldsEveryControl)
{
    constexpr uint32_t KeyF = 33;
    constexpr uint32_t MouseLeft = 0; // "Fire1"
    ::Ship* foe = Level().CreateShip("ytg_fighter_02", "ytg", "foe");
    ASSERT_NE(foe, nullptr);
    Matrix pose = Matrix::Ident();
    pose.Translate(Vec3(0, 0, 600));
    foe->SetPose(pose);
    Steps(64); // past the time a new ship takes no damage
    const auto defences = [foe] {
        return foe->GetCurrentShield() + foe->GetCurrentArmor() + foe->GetCurrentStructure();
    };
    const auto hit = [&](bool developer, ::Ship* target) {
        game.GetGameSettings()->DebugInformation = developer;
        Ship().SetTarget(target);
        const float before = defences();
        script->Key(KeyF, true);
        Steps(2); // pressed, then the telegram's delivery
        const float lost = before - defences();
        script->Key(KeyF, false);
        Step();
        return lost;
    };
    EXPECT_NEAR(hit(true, foe), 50, 0.5f);
    EXPECT_NEAR(hit(false, foe), 0, 0.5f) << "a developer's key";
    EXPECT_NEAR(hit(true, nullptr), 0, 0.5f) << "no target, no telegram";

    LevelMenu* menu = Level().GetLevelMenu();
    ASSERT_NE(menu, nullptr);
    menu->EventSelectDecline();
    ASSERT_TRUE(menu->IsOpen());
    EXPECT_EQ(GamePaused, 1);
    EXPECT_NEAR(hit(true, foe), 0, 0.5f) << "the F key waits behind the menu";
    Tap(KeyP);
    EXPECT_EQ(GamePaused, 1) << "the pause key too";
    script->MouseButton(MouseLeft, true);
    Step();
    EXPECT_FALSE(Ship().GetWeapon(0)->GetStateMachine()->IsInState(WeaponStateAttack::Instance())) << "and the guns";
    script->MouseButton(MouseLeft, false);
    Step();
    menu->EventSelectDecline();
    EXPECT_EQ(GamePaused, 0);
    EXPECT_NEAR(hit(true, foe), 50, 0.5f) << "closed, the key works again";
    game.GetGameSettings()->DebugInformation = false;
}

TEST_F(PlayerTest, ShakeIsCappedAndDecaysByTenASecond)
{
    ThePlayer().ShakeCamera(50);
    EXPECT_EQ(ThePlayer().GetShake(), Player::MaxShake);
    ThePlayer().ShakeCamera(-20);
    EXPECT_EQ(ThePlayer().GetShake(), Player::MaxShake);
    Steps(64);
    EXPECT_NEAR(ThePlayer().GetShake(), 20, 1e-3f);
    Steps(3 * 64);
    EXPECT_EQ(ThePlayer().GetShake(), 0);
}

TEST_F(PlayerTest, FlightModelsAreSwitchedByKind)
{
    LogWatch log;
    const struct
    {
        int kind;
        eFlightModel expected;
        const char* line;
    } cases[] = {
        {0, FLIGHT_MODEL_DIRECT, "Flight model switched to DIRECT"},
        {1, FLIGHT_MODEL_STRAFE, "Flight model switched to STRAFE"},
        {2, FLIGHT_MODEL_DUPLEX, "Flight model switched to DUPLEX"},
        {3, FLIGHT_MODEL_COMBY, "Flight model switched to COMBY"},
    };
    for (const auto& c : cases)
    {
        ThePlayer().SetFlightModel(c.kind);
        EXPECT_EQ(ThePlayer().GetFlightModel()->GetFlyghtModelType(), c.expected);
        EXPECT_EQ(log.Count(c.line), 1) << c.line;
    }
    ThePlayer().GetFlightModelDirect()->SetSpeedPerc(60);
    ThePlayer().SetFlightModel(7);
    EXPECT_EQ(ThePlayer().GetFlightModel(), static_cast<FlightModel*>(ThePlayer().GetFlightModelDirect()));
    EXPECT_EQ(ThePlayer().GetFlightModel()->GetSpeedDes(), 0) << "an unknown kind flies direct, cleared";
    // The prototype's numbers reach every model.
    EXPECT_FLOAT_EQ(ThePlayer().GetFlightModelComby()->GetMassKoef(), 0.5f);
}

TEST_F(PlayerTest, ThrottleAndSteeringKeysFlyTheShip)
{
    ThePlayer().SetFlightModel(FLIGHT_MODEL_DIRECT);
    const Vec3 start = Ship().GetPhysEntity()->GetGlobalPose().Dir();
    script->Key(17, true); // W: speed up
    script->Key(32, true); // D: yaw
    Steps(60);
    script->Key(17, false);
    script->Key(32, false);
    Step();
    EXPECT_EQ(ThePlayer().GetFlightModel()->GetSpeedDes(), 100);
    EXPECT_GT(ThePlayer().GetFlightModel()->GetSpeedCur(), 2); // the throttle of the Player type is slow
    EXPECT_LT(Ship().GetPhysEntity()->GetGlobalPose().Dir().Dot(start), 0.99f);
    // The mouse wheel is the throttle too, a notch at a time.
    script->MouseMove(0, 0, -120);
    Step();
    EXPECT_EQ(ThePlayer().GetFlightModel()->GetSpeedDes(), 90);
}

// The Player type's acceleration 50 and dumping 20 give throttle coefficients of 0.1 and 0.04: one
// frame's step up and down at half mass.
TEST_F(PlayerTest, TheThrottleOpensByTheTypesAccelerationAndClosesByItsDumping)
{
    constexpr float Seconds = 1.0f / 64;
    FlightModel* model = ThePlayer().GetFlightModel();
    model->SetSpeedPerc(100);
    Step(Seconds);
    EXPECT_FLOAT_EQ(model->GetSpeedCur(), 0.1f * 0.5f * Seconds * 60);
    Steps(200, Seconds);
    model->SetSpeedPerc(0);
    const float before = model->GetSpeedCur();
    ASSERT_GT(before, 1);
    Step(Seconds);
    EXPECT_NEAR(before - model->GetSpeedCur(), 0.04f * 0.5f * Seconds * 60, 1e-6f);
}

// The pilot's ship blows up where it dies, once, and stays there as a wreck under the camera: it
// takes no more orders, to fly or to fire.
TEST_F(PlayerTest, ADeadShipBlowsUpOnceAndTakesNoMoreOrders)
{
    constexpr uint32_t KeyW = 17, KeySpace = 57, KeyUp = 200;
    script->Key(KeyW, true);
    Steps(128);
    ASSERT_GT(ThePlayer().GetFlightModel()->GetSpeedCur(), 1);
    const unsigned explosions = Level().GetActorCountByClassname("Explosion");
    Ship().Explode();
    EXPECT_EQ(Level().GetActorCountByClassname("Explosion"), explosions + 1);
    Ship().Explode();
    EXPECT_EQ(Level().GetActorCountByClassname("Explosion"), explosions + 1) << "once";
    Step();
    const Vec3 wreck = Ship().GetPhysEntity()->GetGlobalPosition();
    const Vec3 heading = Ship().GetPhysEntity()->GetGlobalPose().Dir();
    script->Key(KeySpace, true);
    script->Key(KeyUp, true);
    Steps(64);
    EXPECT_EQ(ThePlayer().GetFlightModel()->GetSpeedCur(), 0);
    EXPECT_LT(Ship().GetPhysEntity()->GetGlobalPosition().Distance(wreck), 1.0f);
    EXPECT_GT(Ship().GetPhysEntity()->GetGlobalPose().Dir().Dot(heading), 0.9999f);
    EXPECT_LT(game.GetCamera()->GetGlobalPos().Distance(wreck), 1.0f);
    EXPECT_FALSE(Ship().IsShooting());
    script->Key(KeySpace, false);
    script->Key(KeyUp, false);
    script->Key(KeyW, false);
    Step();
}

TEST_F(PlayerTest, TheCallForHelpComesOncePerMission)
{
    SoundEngine* sound = game.GetSoundEngine();
    Step();
    EXPECT_FALSE(ThePlayer().IsHelpRequested());
    Ship().SetCurrentArmor(Ship().GetMaximumArmor() * 0.4f);
    const size_t before = sound->GetSound2DCount();
    Step();
    EXPECT_TRUE(ThePlayer().IsHelpRequested());
    EXPECT_EQ(sound->GetSound2DCount(), before + 1);
    Ship().SetCurrentArmor(Ship().GetMaximumArmor());
    Step();
    Ship().SetCurrentArmor(Ship().GetMaximumArmor() * 0.1f);
    Step();
    EXPECT_EQ(sound->GetSound2DCount(), before + 1);
}

} // namespace

namespace {

// The shipped bindings give every action the player reads a key, a button or an axis.
TEST(PlayerBindings, EveryActionThePlayerReadsIsBound)
{
    InputConfig bindings;
    ASSERT_TRUE(bindings.LoadConfig(GAME_DATA_DIR "/config.ini"));
    for (const char* action :
         {"GamePause", "Fire1", "Fire2", "Boost", "SwitchPrimary", "SwitchSecondary", "PickBestVisibleTarget",
          "PickNearestTarget", "SpeedUp", "SpeedDown", "Pitch+", "Pitch-", "Yaw+", "Yaw-", "Roll+", "Roll-"})
        EXPECT_NE(bindings.GetButtonEvent(INPUT_KEYBOARD, action), INPUT_NO_CODE) << action;
    for (const char* action : {"Fire1", "Fire2"})
        EXPECT_NE(bindings.GetButtonEvent(INPUT_MOUSE, action), INPUT_NO_CODE) << action;
    for (const char* axis : {"Pitch", "Yaw", "Speed"})
    {
        unsigned long index = 0;
        EXPECT_TRUE(bindings.GetAxisEvent(INPUT_MOUSE, axis, index)) << axis;
    }
    for (const char* axis : {"Pitch", "Yaw", "Roll", "Speed"})
    {
        unsigned long index = 0;
        EXPECT_TRUE(bindings.GetAxisEvent(INPUT_JOYSTICK, axis, index)) << axis;
    }
    for (const char* action : {"Fire1", "Fire2", "Boost", "Pitch+", "Pitch-", "Roll+", "Roll-"})
        EXPECT_NE(bindings.GetButtonEvent(INPUT_JOYSTICK, action), INPUT_NO_CODE) << action;
}

} // namespace
