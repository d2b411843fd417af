#include "game/world/races/YtgShips.h"

#include "game/world/actor/ActorFlags.h"

ShipYtgSush02::ShipYtgSush02()
{
    RaiseFlag(ACTOR_FLAG_LARGE_CRAFT);
    SetName("ShipYtgSush02");
    SetClassname("ShipYtgSush02");
}

void ShipYtgSush02::UserInit() { Fighter::UserInit(); }

void ShipYtgSush02::OnPartDetached(ObjectPart*) {}

ShipYtgBrrk00::ShipYtgBrrk00()
{
    RaiseFlag(ACTOR_FLAG_LARGE_CRAFT);
    SetName("ShipYtgBrrk00");
    SetClassname("ShipYtgBrrk00");
}

void ShipYtgBrrk00::UserInit() { Fighter::UserInit(); }

void ShipYtgBrrk00::OnPartDetached(ObjectPart*) {}

ShipYtgDrTr02::ShipYtgDrTr02()
{
    RaiseFlag(ACTOR_FLAG_LARGE_CRAFT);
    SetName("ShipYtgDrTr02");
    SetClassname("ShipYtgDrTr02");
}

void ShipYtgDrTr02::UserInit() { Fighter::UserInit(); }

void ShipYtgDrTr02::UserProceed() { Fighter::UserProceed(); }

void ShipYtgDrTr02::OnPartDetached(ObjectPart*) {}

ShipYtgScStation00::ShipYtgScStation00()
{
    RaiseFlag(ACTOR_FLAG_LARGE_CRAFT);
    SetName("ShipYtgScStation00");
    SetClassname("ShipYtgScStation00");
}

ShipYtgDroid00::ShipYtgDroid00()
{
    SetName("ShipYtgDroid00");
    SetClassname("ShipYtgDroid00");
}

void ShipYtgDroid00::UserInit() { Fighter::UserInit(); }

void ShipYtgDroid00::UserProceed() { Fighter::UserProceed(); }

void ShipYtgDroid00::CreateEngineFlares() {}

void ShipYtgDroid00::UpdateEngineFlares() {}
