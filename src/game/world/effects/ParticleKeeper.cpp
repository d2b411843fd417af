#include "game/world/effects/ParticleKeeper.h"

ParticleKeeper::ParticleKeeper(Emitter* emitter) : _emitter(emitter)
{
    SetName("ParticleKeeper");
    SetClassname("ParticleKeeper");
}

void ParticleKeeper::UserInit() {}

void ParticleKeeper::UserShutDown() {}
