#include "game/world/effects/ExplosionWave.h"

ExplosionWave::ExplosionWave(const Vec3& position, float startSize, float endSize, float duration)
    : Rays(position, startSize, endSize, duration)
{}

void ExplosionWave::UserInit() {}

void ExplosionWave::UserProceed() {}
