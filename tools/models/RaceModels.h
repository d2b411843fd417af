#pragma once

#include "DemoModels.h"

#include <vector>

namespace RaceModels {

// The models of the race ships: each has its engine bones "engine_0N" and weapon mounts
// "weapon_NN"; the large Ytg ships carry the bones of their breakable parts, and the Ytg
// fighter, intact and wrecked, the bones of the eleven pieces it shatters into.
std::vector<DemoModel> All();

} // namespace RaceModels
