#pragma once

#include "DemoModels.h"

#include <vector>

namespace WeaponModels {

// The models of rockets and torpedoes: a body mesh under a bone, nose along +z.
std::vector<DemoModel> All();

} // namespace WeaponModels
