#include "game/world/player/FlightModelComby.h"

#include <cmath>
#include <cstdio>

#include "foundation/math/Vec4.h"
#include "services/physics/PhysicsActor.h"

FlightModelComby::FlightModelComby(PlayerShip* ship) : FlightModel(ship)
{
    SetKind("COMBY", FLIGHT_MODEL_COMBY);
    Clear();
    if (_body)
    {
        const Matrix pose = _body->GetGlobalPose();
        _travelDirection = pose.Dir();
        _strafeDirection = pose.Right();
    }
}

void FlightModelComby::KeyRollX()
{
    _strafe.input.keyboard -= 100;
    _roll.input.keyboard -= 100;
}

void FlightModelComby::KeyRollY()
{
    _strafe.input.keyboard += 100;
    _roll.input.keyboard += 100;
}

void FlightModelComby::KeyRollRelease()
{
    _strafe.input.keyboard = 0;
    _roll.input.keyboard = 0;
}

void FlightModelComby::JoyRoll(long axis)
{
    _strafe.input.joystick += axis * 0.5f;
    _roll.input.joystick += -axis * 0.0255f;
}

void FlightModelComby::Update()
{
    GetInputDes();
    ShowStats();
    UpdateYPR();
    if (IsDebugMode())
    {
        char text[256];
        std::snprintf(text, sizeof(text), "Dir spd:%.02f %.02f %.02f, str: %.02f %.02f %.02f", _travelDirection.x,
                      _travelDirection.y, _travelDirection.z, _strafeDirection.x, _strafeDirection.y,
                      _strafeDirection.z);
        DrawDebugText(text, Vec4(100, 300, 1000, 800));
    }
    // The gear plays no part here.
    EaseSpeed(_speed.desired, 0, 100);

    const Matrix& pose = _pose;
    // Slow, the ship goes where its nose points; fast, it drifts on.
    if (_speed.current < 5)
        _travelDirection = pose.Dir();
    else if (_speed.current < 30)
        _travelDirection += (pose.Dir() - _travelDirection) * FrameShare(0.05f);

    if (_strafe.desired == 0 && std::fabs(_strafe.current) < 0.1f)
        _strafe.current = 0;
    _strafe.current += (_strafe.desired - _strafe.current) * FrameShare(0.1f * _massKoef * 4);
    if (_strafe.current >= -10 && _strafe.current <= 10)
        _strafeDirection = pose.Right();

    if (_body)
        _body->SetGlobalLinearVelocity(_travelDirection * (_speed.current * 0.01f * _maxSpeed) +
                                       _strafeDirection * (_strafe.current * 0.01f * _strafe.maximum));
    ClearInputDes();
}
