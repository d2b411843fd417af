#include "game/world/player/FlightModelStrafe.h"

FlightModelStrafe::FlightModelStrafe(PlayerShip* ship) : FlightModel(ship)
{
    SetKind("STRAFE", FLIGHT_MODEL_STRAFE);
    Clear();
}

void FlightModelStrafe::KeyPitchX() {}
void FlightModelStrafe::KeyPitchY() {}
void FlightModelStrafe::KeyYawX() {}
void FlightModelStrafe::KeyYawY() {}
void FlightModelStrafe::KeyRollX() {}
void FlightModelStrafe::KeyRollY() {}
void FlightModelStrafe::KeyRollRelease() {}
void FlightModelStrafe::JoyPitch(long) {}
void FlightModelStrafe::JoyYaw(long) {}
void FlightModelStrafe::JoyRoll(long) {}
void FlightModelStrafe::MousePitch(long) {}
void FlightModelStrafe::MouseYaw(long) {}
void FlightModelStrafe::Update() {}
