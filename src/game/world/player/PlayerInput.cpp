// The player's controls: the bound actions turned into flight, fire, weapon switching, target
// picking and the pause.
#include <string>

#include "foundation/base/Timer.h"
#include "foundation/config/GameSettings.h"
#include "foundation/math/Color.h"
#include "game/ai/EntityManager.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/Base.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/actor/Limiter.h"
#include "game/world/player/BoosterSystem.h"
#include "game/world/player/FlightModel.h"
#include "game/world/player/HudCalls.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/ships/DynamicShipController.h"
#include "game/world/ships/ShipSounds.h"
#include "game/world/weapons/Weapon.h"
#include "game/core/level/LevelMenu.h"
#include "services/input/InputCodes.h"
#include "services/input/InputSystem.h"

namespace {

constexpr float DegreesToRadians = 0.017453f;
constexpr unsigned long DeveloperDamageKey = 33; // F

bool Pressed(const InputSystem& input, const char* action) { return input.IsKeyEvent(action, BUTTON_PRESSED); }
bool Released(const InputSystem& input, const char* action) { return input.IsKeyEvent(action, BUTTON_RELEASED); }
bool Held(const InputSystem& input, const char* action) { return input.IsKeyEvent(action, BUTTON_HELD); }

// What the keys of a start-and-stop control did this frame. A press and a release inside one
// frame (a quick tap, or any tap at a low frame rate) make a tap, unless a key of the control
// is still down at the end of the frame.
enum class KeyMove
{
    None,
    Press,
    Tap,
    Release,
};

KeyMove ReadMove(const InputSystem& input, const char* action)
{
    if (Pressed(input, action))
        return Released(input, action) && !Held(input, action) ? KeyMove::Tap : KeyMove::Press;
    return Released(input, action) ? KeyMove::Release : KeyMove::None;
}

// Developer aids of the shipped controls (the game-data reload on unpause, the damage key) only
// work with the game's debug information on.
bool DeveloperControls()
{
    const GameSettings* settings = game.GetGameSettings();
    return settings && settings->DebugInformation;
}

// Every AI ship takes its numbers again from its freshly read prototype.
void ReinitializeShips(const Ship* player)
{
    SingleLevel* level = game.GetLevel();
    for (unsigned i = 0; level && i < level->GetActorsCount(); ++i)
    {
        auto* ship = dynamic_cast<Ship*>(level->GetActor(i));
        if (!ship || !ship->HasFlag(ACTOR_FLAG_SHIP) || ship == player || !ship->GetPrototype())
            continue;
        ship->InitializeData(ship->GetPrototype());
        DynamicShipController* controller = ship->GetController();
        if (!controller)
            continue;
        const ShipType& type = *ship->GetPrototype();
        const float angular = type.speedAng * DegreesToRadians;
        const float angularAcceleration = type.accelerationAng * DegreesToRadians;
        const float angularDamping = type.dumpingAng * DegreesToRadians;
        controller->SetLinMinMaxAbsVel(Vec3(0, 0, 0), Vec3(type.speed, type.speed, type.speed));
        controller->SetAngMinMaxAbsVel(Vec3(0, 0, 0), Vec3(angular, angular, angular));
        controller->SetLinAccDmp(Vec3(type.acceleration, type.acceleration, type.acceleration),
                                 Vec3(type.dumping, type.dumping, type.dumping));
        controller->SetAngAccDmp(Vec3(angularAcceleration, angularAcceleration, angularAcceleration),
                                 Vec3(angularDamping, angularDamping, angularDamping));
    }
}

} // namespace

bool Player::IsOutOfAmmunition(int slot) const
{
    // A missing weapon has nothing to fire; a negative amount is unlimited.
    const Weapon* weapon = _ship ? _ship->GetWeapon(static_cast<unsigned>(slot)) : nullptr;
    return !weapon || (weapon->GetBulletAmount() >= 0 && weapon->GetBulletAmount() < 1);
}

void Player::ProceedInput()
{
    const InputSystem* input = game.GetInput();
    SingleLevel* level = game.GetLevel();
    const LevelMenu* menu = level ? level->GetLevelMenu() : nullptr;
    // A wreck takes no orders and stays where it blew up, under the camera.
    const bool wrecked = _ship && _ship->IsDead();
    StopTappedControls();
    if (input && !(menu && menu->IsOpen()))
    {
        TogglePause(*input);
        if (_ship && !wrecked)
            ReadFireControls(*input);
        if (!wrecked)
            ReadFlightControls(*input);
        if (_ship && !wrecked && _ship->GetTarget() && DeveloperControls() &&
            input->IsKeyEvent(INPUT_KEYBOARD, DeveloperDamageKey, BUTTON_PRESSED) && level)
        {
            level->SendMessage(_ship, _ship->GetTarget(), MESSAGE_DO_DAMAGE, new MessageDoDamage(50), 0);
        }
    }
    if (wrecked)
    {
        if (_booster && _booster->IsBoost())
            _booster->StopBooster();
        if (_flightModel)
            _flightModel->Clear();
    }
    if (_flightModel)
        _flightModel->Update();
}

void Player::TogglePause(const InputSystem& input)
{
    if (!Released(input, "GamePause"))
        return;
    if (!GamePaused)
    {
        GamePaused = 1;
        return;
    }
    if (DeveloperControls())
    {
        if (Base* base = game.GetBase())
            base->Load(true);
        ReinitializeShips(_ship);
        const SingleLevel* level = game.GetLevel();
        for (unsigned i = 0; level && i < level->GetActorsCount(); ++i)
            UpdateMovementParams();
    }
    GamePaused = 0;
}

void Player::ReadFireControls(const InputSystem& input)
{
    // A tap starts its control now and stops it at the next frame's reading, as a press held for
    // one frame would: the weapon fires one salvo and keeps the rest of its magazine.
    const auto read = [this, &input](const char* action, unsigned tap, auto start, auto stop) {
        const KeyMove move = ReadMove(input, action);
        if (move == KeyMove::Press || move == KeyMove::Tap)
            (this->*start)();
        else if (move == KeyMove::Release)
            (this->*stop)();
        if (move == KeyMove::Tap)
            _tapped |= tap;
    };
    read("Fire1", TAPPED_FIRE1, &Player::StartPrimary, &Player::StopPrimary);
    read("Fire2", TAPPED_FIRE2, &Player::StartSecondary, &Player::StopSecondary);
    read("Boost", TAPPED_BOOST, &Player::StartBoost, &Player::StopBoost);

    if (Pressed(input, "SwitchPrimary"))
        SwitchPrimary();
    if (Pressed(input, "SwitchSecondary"))
        SwitchSecondary();
    if (Pressed(input, "PickBestVisibleTarget"))
        PickBestVisibleTarget();
    if (Pressed(input, "PickNearestTarget"))
        PickNearestTarget();
}

void Player::StopTappedControls()
{
    const unsigned tapped = _tapped;
    _tapped = 0;
    if (tapped & TAPPED_FIRE1)
        StopPrimary();
    if (tapped & TAPPED_FIRE2)
        StopSecondary();
    if (tapped & TAPPED_BOOST)
        StopBoost();
}

void Player::StartPrimary()
{
    Ship* target = _ship->GetTarget();
    _ship->StartShooting(target, _primary);
    if (_ship->GetWeapon(_linked) && _primary == 0)
        _ship->StartShooting(target, _linked);
}

void Player::StopPrimary()
{
    if (!_ship)
        return;
    _ship->StopShooting(_primary);
    if (_ship->GetWeapon(_linked))
        _ship->StopShooting(_linked);
}

void Player::StartSecondary() { _ship->StartShooting(_ship->GetTarget(), _secondary); }

void Player::StopSecondary()
{
    if (_ship)
        _ship->StopShooting(_secondary);
}

void Player::StartBoost()
{
    // The duplex flight model has gears instead of a booster.
    if (_flightModel && _flightModel->GetFlyghtModelType() == FLIGHT_MODEL_DUPLEX)
        _flightModel->ChangeGear();
    else if (_booster && !_booster->IsBoost())
        _booster->StartBooster();
}

void Player::StopBoost()
{
    const bool duplex = _flightModel && _flightModel->GetFlyghtModelType() == FLIGHT_MODEL_DUPLEX;
    if (!duplex && _booster && _booster->IsBoost())
        _booster->StopBooster();
}

void Player::ReadFlightControls(const InputSystem& input)
{
    FlightModel* model = _flightModel;
    if (!model)
        return;
    // Mouse axes give their change since the last frame, joystick axes their position.
    model->MousePitch(input.GetAxis(INPUT_MOUSE, "Pitch", true));
    model->MouseYaw(input.GetAxis(INPUT_MOUSE, "Yaw", true));
    model->MouseRoll(input.GetAxis(INPUT_MOUSE, "Roll", true));

    if (Held(input, "SpeedUp"))
        model->KeySpeedUp();
    if (Held(input, "SpeedDown"))
        model->KeySpeedDown();

    // Each pair of steering keys: one way, the other, and either released.
    const struct
    {
        const char* plus;
        const char* minus;
        void (FlightModel::*x)();
        void (FlightModel::*y)();
        void (FlightModel::*release)();
    } pairs[] = {
        {"Pitch+", "Pitch-", &FlightModel::KeyPitchX, &FlightModel::KeyPitchY, &FlightModel::KeyPitchRelease},
        {"Yaw+", "Yaw-", &FlightModel::KeyYawX, &FlightModel::KeyYawY, &FlightModel::KeyYawRelease},
        {"Roll+", "Roll-", &FlightModel::KeyRollX, &FlightModel::KeyRollY, &FlightModel::KeyRollRelease},
    };
    for (const auto& pair : pairs)
    {
        if (Held(input, pair.plus))
            (model->*pair.x)();
        if (Held(input, pair.minus))
            (model->*pair.y)();
        if (Released(input, pair.plus) || Released(input, pair.minus))
            (model->*pair.release)();
    }

    if (const long speed = input.GetAxis(INPUT_MOUSE, "Speed", true))
        model->MouseSpeed(speed);

    if (input.IsJoystick())
    {
        model->JoyPitch(input.GetAxis(INPUT_JOYSTICK, "Pitch", false));
        model->JoyYaw(input.GetAxis(INPUT_JOYSTICK, "Yaw", false));
        model->JoyRoll(input.GetAxis(INPUT_JOYSTICK, "Roll", false));
        if (const long speed = input.GetAxis(INPUT_JOYSTICK, "Speed", false))
            model->JoySpeed(speed);
    }
}

void Player::SwitchPrimary()
{
    if (!_ship || (IsOutOfAmmunition(1) && _primary == 0))
        return;
    PlayShipSound("weapon_select.wav");
    StopPrimary();
    _primary = _primary == 0 ? 1 : 0;
    HudSetSelected(_hud.get(), 0, _primary == 0);
    HudSetSelected(_hud.get(), 1, _primary == 1);
    HudShowPrimary(_hud.get(), _primary);
}

void Player::SwitchSecondary()
{
    if (!_ship)
        return;
    if (IsOutOfAmmunition(2) && IsOutOfAmmunition(3))
    {
        HudSetSelected(_hud.get(), 2, false);
        HudSetSelected(_hud.get(), 3, false);
        return;
    }
    PlayShipSound("weapon_select.wav");
    StopSecondary();
    _secondary = _secondary == 2 ? 3 : 2;
    HudSetSelected(_hud.get(), 2, _secondary == 2);
    HudSetSelected(_hud.get(), 3, _secondary == 3);
    HudShowSecondary(_hud.get(), _secondary);
    // Lights 3 and 6 belong to the rocket launcher, 4 and 5 to the torpedo launcher.
    const Color selected(1, 1, 0, 1);
    const Color other(0, 0.85f, 1, 1);
    const bool rockets = _secondary == 2;
    HudSetWeaponColor(_hud.get(), 3, rockets ? selected : other);
    HudSetWeaponColor(_hud.get(), 6, rockets ? selected : other);
    HudSetWeaponColor(_hud.get(), 4, rockets ? other : selected);
    HudSetWeaponColor(_hud.get(), 5, rockets ? other : selected);
}

void Player::PickTarget(const char* sound, const char* voice)
{
    if (!_ship)
        return;
    Ship* target = Pelloris::EntityManager::GetInstance()->GetBestNearestTarget(_ship, false);
    if (!target)
        return;
    PlayShipSound(sound);
    _ship->SetTarget(target);
    Limiter* limiter = game.GetLimiter();
    if (limiter && limiter->CanTransmitionRobot())
        limiter->TransmitionRobot(VoiceLine(voice).c_str(), 0);
}

void Player::PickBestVisibleTarget()
{
    PickTarget("pick_target_nearest.wav", "robot\\04_enemy_objects\\obj_enemy_ship.wav");
}

void Player::PickNearestTarget() { PickTarget("pick_target.wav", "robot\\04_enemy_objects\\obj_enemy_ftr.wav"); }
