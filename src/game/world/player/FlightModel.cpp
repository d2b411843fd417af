#include "game/world/player/FlightModel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "MaterialSystem/MaterialSystem.h"
#include "foundation/math/Color.h"
#include "foundation/math/Vec4.h"
#include "game/core/FixedText.h"
#include "game/core/game/Game.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/ships/DynamicShipController.h"
#include "services/physics/PhysicsActor.h"

namespace {

constexpr float DegreesToRadians = 0.017453f;

float Clamp(float value, float low, float high) { return std::min(std::max(value, low), high); }

// Kept in (0, 1]: above 1 gives 1, 0 or below gives 0.01.
float MassInRange(float coefficient)
{
    if (coefficient > 1)
        return 1;
    if (coefficient <= 0)
        return 0.01f;
    return coefficient;
}

// Turns two axes of a pose about the third by the angle, as Matrix::Roll, Pitch and Yaw turn an
// orthonormal pose, with one sine and cosine.
inline void TurnAbout(const Vec3& axis, Vec3& u, Vec3& w, float radians)
{
    const float s = std::sin(radians), c = std::cos(radians);
    u = u * c + (axis ^ u) * s;
    w = w * c + (axis ^ w) * s;
}

PhysicsActor* BodyOf(PlayerShip* ship)
{
    DynamicShipController* controller = ship ? ship->GetController() : nullptr;
    return controller ? controller->GetControllableActor() : nullptr;
}

} // namespace

FlightModel::FlightModel(PlayerShip* ship) : _ship(ship), _body(BodyOf(ship))
{
    Clear();
    ClearInputDes();
}

void FlightModel::KeyPitchX() { _pitch.input.keyboard += 100; }
void FlightModel::KeyPitchY() { _pitch.input.keyboard -= 100; }
void FlightModel::KeyPitchRelease() { _pitch.input.keyboard = 0; }
void FlightModel::KeyYawX() { _yaw.input.keyboard += 100; }
void FlightModel::KeyYawY() { _yaw.input.keyboard -= 100; }
void FlightModel::KeyYawRelease() { _yaw.input.keyboard = 0; }
void FlightModel::KeyRollX() { _roll.input.keyboard += 100; }
void FlightModel::KeyRollY() { _roll.input.keyboard -= 100; }
void FlightModel::KeyRollRelease() { _roll.input.keyboard = 0; }
// Full throttle at once, the twin of KeySpeedDown.
void FlightModel::KeySpeedUp() { AddSpeedPerc(100); }
void FlightModel::KeySpeedDown() { AddSpeedPerc(-100); }
void FlightModel::JoyPitch(long axis) { _pitch.input.joystick += -axis * 0.1f; }
void FlightModel::JoyYaw(long axis) { _yaw.input.joystick += axis * 0.1f; }
void FlightModel::JoyRoll(long axis) { _roll.input.joystick -= axis * 0.1f; }
// The axis runs from -1000 (full) to 1000 (stop).
void FlightModel::JoySpeed(long axis) { SetSpeedPerc(100 - (axis + 1000) / 20.0f); }
void FlightModel::MousePitch(long delta) { _pitch.input.mouse += 4.0f * delta; }
void FlightModel::MouseYaw(long delta) { _yaw.input.mouse += 4.0f * delta; }

// One notch of the wheel is 10 %, however far it turned.
void FlightModel::MouseSpeed(long delta)
{
    if (delta > 0)
        AddSpeedPerc(10);
    else if (delta < 0)
        AddSpeedPerc(-10);
}

void FlightModel::SetYaw(float percent) { _yaw.desired = percent; }
void FlightModel::SetPitch(float percent) { _pitch.desired = -percent; }
void FlightModel::SetRoll(float percent) { _roll.desired = percent; }
void FlightModel::AddYaw(float percent) { _yaw.desired += percent; }
void FlightModel::AddPitch(float percent) { _pitch.desired -= percent; }
void FlightModel::AddRoll(float percent) { _roll.desired += percent; }
void FlightModel::SetStrafeSpeedPerc(float percent) { _strafe.desired = Clamp(percent, -100, 100); }
void FlightModel::AddStrafeSpeedPerc(float percent) { _strafe.desired = Clamp(_strafe.desired + percent, -100, 100); }
void FlightModel::AddSpeedPerc(float percent) { _speed.desired = Clamp(_speed.desired + percent, 0, 100); }
void FlightModel::SetSpeedPerc(float percent) { _speed.desired = Clamp(percent, 0, 100); }

void FlightModel::Update()
{
    GetInputDes();
    UpdateYPR();
    UpdateSpeed();
    ShowStats();
    ClearInputDes();
}

void FlightModel::ChangeGear() { _gear = -_gear; }

void FlightModel::Clear()
{
    for (Channel* channel : {&_speed, &_yaw, &_pitch, &_roll, &_strafe})
        channel->current = channel->desired = 0;
}

void FlightModel::ClearInputDes()
{
    for (Channel* channel : {&_speed, &_yaw, &_pitch, &_roll, &_strafe})
        channel->input = Inputs();
}

float FlightModel::CalculateMassSPFCoeff(float coefficient) const
{
    return coefficient * _massKoef * game.GetSPF() * 60;
}

void FlightModel::SetRollCoeff(float coefficient) { _roll.coefficient = Clamp(coefficient, 0.1f, 1); }

void FlightModel::AddRollCoeff(float amount) { SetRollCoeff(_roll.coefficient + amount); }

void FlightModel::SetMassKoef(float coefficient) { _massKoef = MassInRange(coefficient); }

void FlightModel::AddInertia(float amount) { _massKoef = MassInRange(_massKoef + amount); }

void FlightModel::SetKind(const char* name, eFlightModel kind)
{
    CopyFixedText(_name, name);
    _kind = kind;
}

void FlightModel::GetInputDes()
{
    const auto sum = [](const Inputs& input) {
        return Clamp(input.mouse + input.keyboard + input.joystick, -100, 100);
    };
    _yaw.desired = sum(_yaw.input);
    _pitch.desired = sum(_pitch.input);
    _roll.desired = sum(_roll.input);
    _strafe.desired = sum(_strafe.input);
}

float FlightModel::FrameShare(float perStep)
{
    const float steps = game.GetSPF() * 60;
    if (perStep >= 1)
        return steps > 0 ? 1.0f : 0.0f;
    return 1 - std::pow(1 - perStep, steps);
}

void FlightModel::EaseTurning()
{
    const float share = FrameShare(0.1f * _massKoef * 2);
    for (Channel* channel : {&_yaw, &_pitch, &_roll})
    {
        channel->current += (channel->desired - channel->current) * share;
        channel->current = Clamp(channel->current, -100, 100);
    }
}

void FlightModel::UpdateYPR()
{
    EaseTurning();
    if (!_body)
        return;
    const float spf = game.GetSPF();
    const auto angle = [spf](const Channel& channel) {
        return channel.current * 0.01f * channel.maximum * spf * DegreesToRadians;
    };
    // Turned as a local copy, then kept for the speed and strafe laws that follow.
    Matrix pose = _body->GetGlobalPose();
    Vec3 right = pose.Right(), up = pose.Up(), dir = pose.Dir();
    TurnAbout(up, dir, right, angle(_yaw));
    TurnAbout(right, up, dir, angle(_pitch));
    TurnAbout(dir, right, up, angle(_roll));
    pose.Right() = right;
    pose.Up() = up;
    pose.Dir() = dir;
    _body->SetGlobalPose(pose);
    _pose = pose;
    _body->SetGlobalAngularVelocity(Vec3(0, 0, 0));
}

void FlightModel::EaseSpeed(float target, float low, float high)
{
    if (_speed.desired == 0 && std::fabs(_speed.current) < 1)
        _speed.current = 0;
    if (_speed.current < target)
        _speed.current += CalculateMassSPFCoeff(_throttleAcc);
    if (_speed.current > target)
        _speed.current -= CalculateMassSPFCoeff(_throttleDec);
    _speed.current = Clamp(_speed.current, low, high);
}

void FlightModel::UpdateSpeed()
{
    EaseSpeed(_speed.desired * _gear, -100, 100);
    if (!_body)
        return;
    // Units per second: the physics steps by the clock.
    _body->SetGlobalLinearVelocity(_pose.Dir() * (_speed.current * 0.01f * _maxSpeed));
}

float FlightModel::GetMeasuredSpeed() const { return _body ? _body->GetGlobalLinearVelocity().Length() : 0.0f; }

void FlightModel::ShowStats()
{
    if (!_debugMode)
        return;
    const float k = game.GetSPF() * 60;
    char text[1024];
    std::snprintf(text, sizeof(text),
                  "\t\t\t   Flight model: %s. MassCoef: %f, gear: %s\n"
                  "\t\t\t   Speed: %.02f%%/%.02f%% (%.02f/%.02f), SpCoeff(Acc/Dec): %.02f/%.02f\n"
                  "\t\t\t   Yaw: %.02f%%/%.02f%% (%.02f/%.02f), Coeff: %.02f\n"
                  "\t\t\t   Pitch: %.02f%%/%.02f%% (%.02f/%.02f), Coeff: %.02f\n"
                  "\t\t\t   Roll: %f%%/%.02f%% (%.02f/%.02f), Coeff: %.02f\n"
                  "\t\t\t   Strafe: %.02f%%/%.02f%% (%.02f/%.02f), Coeff: %.02f",
                  _name, _massKoef, _gear == 1 ? "FWD" : "REV", _speed.current, _speed.desired, GetMeasuredSpeed(),
                  _maxSpeed, _throttleAcc, _throttleDec, _yaw.current, _yaw.desired, _yaw.current * 0.01f * k,
                  _yaw.maximum, _yaw.coefficient, _pitch.current, _pitch.desired, _pitch.current * 0.01f * k,
                  _pitch.maximum, _pitch.coefficient, _roll.current, _roll.desired, _roll.current * 0.01f * k,
                  _roll.maximum, _roll.coefficient, _strafe.current, _strafe.desired, _strafe.current * 0.01f * k,
                  _strafe.maximum, _strafe.coefficient);
    DrawDebugText(text, Vec4(100, 100, 1000, 800));
}

void FlightModel::DrawDebugText(const char* text, const Vec4& rectangle) const
{
    if (MaterialSystem* render = game.GetRender())
        render->DrawD3DText("OCRA", 12, 10, 700, false, text, rectangle, TA_TOP_LEFT, false, Color(1, 0, 0, 1));
}
