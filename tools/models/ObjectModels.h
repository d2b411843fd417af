#pragma once

#include "DemoModels.h"

#include <vector>

namespace ObjectModels {

// The models of the world objects: asteroids (the medium ones with fragment bones and broken
// looks), a breakable cargo pod, the ytg station modules with their part and turret bones, the
// beacon, sun, portal and protection complex, an old wreck, the turret and the station shields,
// and the damaged looks of parts.
std::vector<DemoModel> All();

} // namespace ObjectModels
