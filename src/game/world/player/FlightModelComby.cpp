#include "game/world/player/FlightModelComby.h"

FlightModelComby::FlightModelComby(PlayerShip* ship) : FlightModel(ship)
{
    SetKind("COMBY", FLIGHT_MODEL_COMBY);
    Clear();
}

void FlightModelComby::KeyRollX() {}
void FlightModelComby::KeyRollY() {}
void FlightModelComby::KeyRollRelease() {}
void FlightModelComby::JoyRoll(long) {}
void FlightModelComby::Update() {}
