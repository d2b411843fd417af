#pragma once
// The base flight model; the player's "Boost" changes its gear instead of starting the booster.
#include "game/world/player/FlightModel.h"

class FlightModelDuplex : public FlightModel
{
public:
    explicit FlightModelDuplex(PlayerShip* ship);
};
