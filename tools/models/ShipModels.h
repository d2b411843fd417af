#pragma once

#include "DemoModels.h"

#include <vector>

namespace ShipModels {

// The player's ship with the weapons it mounts, the fighters of the game data, each with its
// engine bones "engine_0N" and weapon mount bones "weapon_NN", and the Ytg cargo ship with the
// bones of its breakable parts.
std::vector<DemoModel> All();

} // namespace ShipModels
