#include "game/world/ships/Fighter.h"

#include "game/world/actor/ActorFlags.h"

Fighter::Fighter()
{
    SetName("Fighter");
    SetClassname("Fighter");
    RaiseFlag(ACTOR_FLAG_SMALL_CRAFT);
}

void Fighter::UserInit() {}

void Fighter::UserProceed() { Ship::UserProceed(); }

float Fighter::GetAverageDamage() { return 1; }

void Fighter::CreateStrip(Material*, Bone*, float, float) {}
