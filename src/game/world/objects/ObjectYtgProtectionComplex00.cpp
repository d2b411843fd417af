#include "game/world/objects/ObjectYtgProtectionComplex00.h"

ObjectYtgProtectionComplex00::ObjectYtgProtectionComplex00() = default;

void ObjectYtgProtectionComplex00::UserInit() { Object::UserInit(); }
