#include "game/world/effects/Gib.h"

#include "game/world/actor/ActorFlags.h"

Gib::Gib()
{
    SetName("Debris");
    SetClassname("Debris");
    RaiseFlag(ACTOR_FLAG_GIB);
}
