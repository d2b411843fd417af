#include "game/world/player/FlightModelDirect.h"

FlightModelDirect::FlightModelDirect(PlayerShip* ship) : FlightModel(ship)
{
    SetKind("DIRECT", FLIGHT_MODEL_DIRECT);
    Clear();
}
