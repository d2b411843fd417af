#include "game/world/player/FlightModel.h"

#include "game/core/FixedText.h"

FlightModel::FlightModel(PlayerShip* ship) : _ship(ship), _body(nullptr)
{
    Clear();
    ClearInputDes();
}

void FlightModel::KeyPitchX() {}
void FlightModel::KeyPitchY() {}
void FlightModel::KeyPitchRelease() {}
void FlightModel::KeyYawX() {}
void FlightModel::KeyYawY() {}
void FlightModel::KeyYawRelease() {}
void FlightModel::KeyRollX() {}
void FlightModel::KeyRollY() {}
void FlightModel::KeyRollRelease() {}
void FlightModel::KeySpeedUp() {}
void FlightModel::KeySpeedDown() {}
void FlightModel::JoyPitch(long) {}
void FlightModel::JoyYaw(long) {}
void FlightModel::JoyRoll(long) {}
void FlightModel::JoySpeed(long) {}
void FlightModel::MousePitch(long) {}
void FlightModel::MouseYaw(long) {}
void FlightModel::MouseSpeed(long) {}
void FlightModel::SetYaw(float) {}
void FlightModel::SetPitch(float) {}
void FlightModel::SetRoll(float) {}
void FlightModel::AddYaw(float) {}
void FlightModel::AddPitch(float) {}
void FlightModel::AddRoll(float) {}
void FlightModel::SetStrafeSpeedPerc(float) {}
void FlightModel::AddStrafeSpeedPerc(float) {}
void FlightModel::AddSpeedPerc(float) {}
void FlightModel::SetSpeedPerc(float) {}
void FlightModel::Update() {}
void FlightModel::ChangeGear() { _gear = -_gear; }

void FlightModel::Clear() {}

void FlightModel::ClearInputDes() {}

float FlightModel::CalculateMassSPFCoeff(float) const { return 0; }

void FlightModel::SetRollCoeff(float coefficient) { _roll.coefficient = coefficient; }

void FlightModel::AddRollCoeff(float amount) { _roll.coefficient += amount; }

void FlightModel::SetMassKoef(float coefficient) { _massKoef = coefficient; }

void FlightModel::AddInertia(float amount) { _massKoef += amount; }

void FlightModel::GetInputDes() {}

void FlightModel::UpdateYPR() {}

void FlightModel::UpdateSpeed() {}

void FlightModel::ShowStats() {}

void FlightModel::SetKind(const char* name, eFlightModel kind)
{
    CopyFixedText(_name, name);
    _kind = kind;
}
