#include "game/world/races/RtbShips.h"

#include "game/world/actor/ActorFlags.h"

ShipRtbFighter::ShipRtbFighter(const char* classname)
{
    RaiseFlag(ACTOR_FLAG_SMALL_CRAFT);
    SetName(classname);
    SetClassname(classname);
}

void ShipRtbFighter::UserInit() { Fighter::UserInit(); }

void ShipRtbFighter::UserProceed() { Fighter::UserProceed(); }

void ShipRtbFighter::Explode() { Fighter::Explode(); }

void ShipRtbFighter::StartBurning() { Fighter::StartBurning(); }

void ShipRtbFighter::CreateEngineFlares() {}

void ShipRtbFighter::UpdateEngineFlares() {}

ShipRtbCruiser00::ShipRtbCruiser00()
{
    RaiseFlag(ACTOR_FLAG_LARGE_CRAFT);
    SetName("ShipRtbCruiser00");
    SetClassname("ShipRtbCruiser00");
}

void ShipRtbCruiser00::UserProceed() { Fighter::UserProceed(); }
