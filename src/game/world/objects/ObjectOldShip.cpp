#include "game/world/objects/ObjectOldShip.h"

ObjectOldShip::ObjectOldShip() = default;

void ObjectOldShip::UserInit() { Object::UserInit(); }
