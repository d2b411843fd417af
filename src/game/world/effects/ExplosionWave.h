#pragma once
// A distortion ring ("exp_distortion.mat") that grows and fades like the rays, its distortion
// running from 0 to 1 as it fades.
#include "game/world/effects/Rays.h"

class ExplosionWave : public Rays
{
public:
    ExplosionWave(const Vec3& position, float startSize, float endSize, float duration);

    void UserInit() override;
    void UserProceed() override;
};
