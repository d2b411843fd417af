#include "game/world/effects/ExplosionWave.h"

#include "scene/particles/ParticleSet.h"

ExplosionWave::ExplosionWave(const Vec3& position, float startSize, float endSize, float duration)
    : Rays(position, startSize, endSize, duration)
{}

void ExplosionWave::UserInit() { CreateSprite("exp_distortion.mat", 0); }

void ExplosionWave::UserProceed()
{
    Rays::UserProceed();
    // The distortion runs from 0 to 1 as the ring fades.
    if (_set && _particle)
        _set->GetParams().SetAnimation(1 - _particle->color.a);
}
