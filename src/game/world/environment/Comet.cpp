#include "game/world/environment/Comet.h"

void Comet::OnStartTouch(PhysicsActorEventListener&, PhysicsActor&, PhysicsActor&, Vec3&, Vec3&,
                         NxContactStreamIterator&)
{}

void Comet::UserInit() {}

void Comet::UserProceed() {}

void Comet::UserShutDown() {}
