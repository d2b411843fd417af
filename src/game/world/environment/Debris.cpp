#include "game/world/environment/Debris.h"

#include "game/world/actor/ActorFlags.h"

Debris::Debris(const Vec3& position, const Vec3& velocity, eDebrisType kind, bool expires)
    : _startPosition(position), _velocity(velocity), _spinAxis(0, 0, 1), _kind(kind), _expires(expires)
{
    SetName("Debris");
    SetClassname("Debris");
    RaiseFlag(ACTOR_FLAG_DEBRIS);
}

void Debris::UserInit() {}

void Debris::UserProceed() {}

void Debris::UserShutDown() {}

void Debris::UserPreDeleteEffect() {}
