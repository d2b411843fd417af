#pragma once

#include "DemoModels.h"

#include <vector>

namespace ShipModels {

// The player's ship, with its engine bones "engine_0N" and weapon mount bones "weapon_NN", and
// the weapons it mounts. The race ships are RaceModels'.
std::vector<DemoModel> All();

} // namespace ShipModels
