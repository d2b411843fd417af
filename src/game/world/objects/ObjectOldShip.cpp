#include "game/world/objects/ObjectOldShip.h"

#include "scene/nodes/Bone.h"

ObjectOldShip::ObjectOldShip() = default;

void ObjectOldShip::UserInit()
{
    Object::UserInit();
    if (_mainModel)
        _mainModel->SetScale(16.0f, 16.0f, 16.0f);
}
