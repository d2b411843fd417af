#include "game/world/ships/ShipPart.h"

#include "game/world/actor/ActorFlags.h"
#include "scene/nodes/Model.h"

ShipPart::ShipPart()
{
    SetName("ShipPart");
    SetClassname("ShipPart");
    RaiseFlag(ACTOR_FLAG_LARGE_CRAFT | ACTOR_FLAG_SHIP_PART);
}

void ShipPart::Init(Bone* bone, const Vec3& offset)
{
    _mainModel = bone;
    _pivotOffset = offset;
    _madeFromModel = false;
}

void ShipPart::InitByModel(Model* model)
{
    _mainModel = model;
    _pivotOffset = Vec3(0, 0, 0);
    _madeFromModel = true;
}

void ShipPart::UserInit() {}

void ShipPart::UserProceed() { Fighter::UserProceed(); }
