#include "game/world/objects/Turret.h"

#include "game/core/FixedText.h"

Turret::Turret(const char* weaponTypeName, Bone* mountBone, Actor* owner) : _mountBone(mountBone), _owner(owner)
{
    SetName("Turret");
    SetClassname("Turret");
    CopyFixedText(_weaponTypeName, weaponTypeName);
}

Turret::~Turret() { ClearTargets(); }

void Turret::UserInit() {}

void Turret::UserShutDown() {}

void Turret::UpdateTargetList() {}

void Turret::ClearTargets()
{
    for (TurretTarget* target : _targets)
        delete target;
    _targets.clear();
}
