#include "game/world/weapons/RaycastReport.h"

bool RaycastReport::onHit(const NxRaycastHit&) { return false; }
