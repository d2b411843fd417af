#pragma once
// The base flight model as it is.
#include "game/world/player/FlightModel.h"

class FlightModelDirect : public FlightModel
{
public:
    explicit FlightModelDirect(PlayerShip* ship);
};
