#pragma once

#include "scene/nodes/ParticleSet.h"

// A particle set that emits and moves its own particles.
class ParticleEmitter : public ParticleSet
{
public:
    ParticleEmitter(Group* root, RenderScene* scene);

    eNodeType GetType() const override { return NT_PARTICLEEMITTER; }
};
