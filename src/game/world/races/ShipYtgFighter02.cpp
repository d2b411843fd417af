#include "game/world/races/ShipYtgFighter02.h"

#include "game/world/actor/ActorFlags.h"

ShipYtgFighter02::ShipYtgFighter02()
{
    RaiseFlag(ACTOR_FLAG_SMALL_CRAFT);
    SetName("ShipYtgFighter02");
    SetClassname("ShipYtgFighter02");
}

void ShipYtgFighter02::UserInit() { Fighter::UserInit(); }

void ShipYtgFighter02::UserProceed() { Fighter::UserProceed(); }

void ShipYtgFighter02::UserShutDown() { Fighter::UserShutDown(); }

void ShipYtgFighter02::Explode() { Fighter::Explode(); }

void ShipYtgFighter02::StartBurning() { Fighter::StartBurning(); }

void ShipYtgFighter02::OnRender(eSceneLayerType, Camera*, MaterialSystem*) {}

void ShipYtgFighter02::CreateEngineFlares() {}

void ShipYtgFighter02::UpdateEngineFlares() {}
