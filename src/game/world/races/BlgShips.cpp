#include "game/world/races/BlgShips.h"

#include "game/world/actor/ActorFlags.h"

ShipBlgFighter::ShipBlgFighter(const char* classname)
{
    RaiseFlag(ACTOR_FLAG_SMALL_CRAFT);
    SetName(classname);
    SetClassname(classname);
}

void ShipBlgFighter::UserInit() { Fighter::UserInit(); }

void ShipBlgFighter::UserProceed() { Fighter::UserProceed(); }

void ShipBlgFighter::StartBurning() { Fighter::StartBurning(); }

void ShipBlgFighter::CreateEngineFlares() {}

void ShipBlgFighter::UpdateEngineFlares() {}

void ShipBlgFighter01::DoDamage(float damage, float shieldFactor, float armorFactor, float structureFactor)
{
    ShipBlgFighter::DoDamage(damage, shieldFactor, armorFactor, structureFactor);
}

ShipBlgCruiser02::ShipBlgCruiser02()
{
    RaiseFlag(ACTOR_FLAG_LARGE_CRAFT);
    SetName("ShipBlgCruiser02");
    SetClassname("ShipBlgCruiser02");
}

void ShipBlgCruiser02::UserProceed() { Fighter::UserProceed(); }
