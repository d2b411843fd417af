#include "game/world/player/FlightModelDuplex.h"

FlightModelDuplex::FlightModelDuplex(PlayerShip* ship) : FlightModel(ship)
{
    SetKind("DUPLEX", FLIGHT_MODEL_DUPLEX);
    Clear();
}
