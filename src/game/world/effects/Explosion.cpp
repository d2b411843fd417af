#include "game/world/effects/Explosion.h"

#include "game/world/actor/ActorFlags.h"

Explosion::Explosion(const Matrix& pose, float radius, float, eExplosionType type, bool wave)
    : _radius(radius), _radiusSquared(radius * radius), _wave(wave), _type(type)
{
    SetName("Explosion");
    SetClassname("Explosion");
    RaiseFlag(ACTOR_FLAG_EXPLOSION);
    GetRoot() = pose;
}

void Explosion::UserInit() {}

void Explosion::UserProceed() {}

void Explosion::UserShutDown() {}

void Explosion::CreateLight() {}

void Explosion::CreateSound() {}

void Explosion::CreateExplosionWave() {}
