#pragma once

#include "DemoModels.h"

#include <vector>

// The hangar's models: the hall, the bones model, the ship's structure, every device's model of
// the game data, the wing weapons of each race (by the upper-case race code the hangar puts in
// their names, with the "_b" wing cannons) and the drives with their flame bones "Omni01" and
// "Omni02". Each model's first node is a group named after its file (less ".mod").
namespace HangarModels {

std::vector<DemoModel> All();

} // namespace HangarModels
