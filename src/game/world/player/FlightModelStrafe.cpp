#include "game/world/player/FlightModelStrafe.h"

#include <algorithm>

#include "services/physics/PhysicsActor.h"

FlightModelStrafe::FlightModelStrafe(PlayerShip* ship) : FlightModel(ship)
{
    SetKind("STRAFE", FLIGHT_MODEL_STRAFE);
    Clear();
}

// Every turn is scaled by the speed: at a standstill nothing turns.
void FlightModelStrafe::KeyPitchX() { _pitch.input.keyboard += _speed.current; }
void FlightModelStrafe::KeyPitchY() { _pitch.input.keyboard -= _speed.current; }
void FlightModelStrafe::KeyYawX() { _roll.input.keyboard -= _speed.current; }
void FlightModelStrafe::KeyYawY() { _roll.input.keyboard += _speed.current; }

void FlightModelStrafe::KeyRollX()
{
    AddStrafeSpeedPerc(_speed.current);
    _strafe.input.keyboard += _speed.current * 100;
}

void FlightModelStrafe::KeyRollY() { _strafe.input.keyboard -= _speed.current * 100; }
void FlightModelStrafe::KeyRollRelease() { _strafe.input.keyboard = 0; }
void FlightModelStrafe::JoyPitch(long axis) { _pitch.input.joystick += -axis * _speed.current * 0.001f; }
void FlightModelStrafe::JoyYaw(long axis) { _roll.input.joystick += -axis * _speed.current * 0.001f; }
void FlightModelStrafe::JoyRoll(long axis) { _strafe.input.joystick += axis * _speed.current; }
void FlightModelStrafe::MousePitch(long delta) { _pitch.input.mouse += -delta * _speed.current * 0.01f; }
void FlightModelStrafe::MouseYaw(long delta) { _roll.input.mouse += -delta * _speed.current * 0.01f; }

void FlightModelStrafe::Update()
{
    FlightModel::Update();
    _strafe.desired = std::clamp(_strafe.desired, -100.0f, 100.0f);
    _strafe.current += (_strafe.desired - _strafe.current) * FrameShare(0.1f * _massKoef * 2);
    _strafe.current = std::clamp(_strafe.current, -100.0f, 100.0f);
    if (!_body)
        return;
    const Vec3 forward = _pose.Dir() * (_speed.current * 0.01f * _maxSpeed);
    const Vec3 sideways = _pose.Right() * (_strafe.current * 0.01f * _strafe.maximum);
    _body->SetGlobalLinearVelocity(forward + sideways);
}
