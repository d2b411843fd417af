#pragma once
// A rays sprite ("rays.mat") that grows from its start to its end size and fades out over its
// duration.
#include "game/world/actor/Actor.h"

class Material;
class ParticleSet;
struct Particle;

class Rays : public Actor
{
public:
    Rays(const Vec3& position, float startSize, float endSize, float duration);

    void UserInit() override;
    void UserProceed() override;
    void UserShutDown() override;

    // The drawn particle and its set; null without a scene.
    const Particle* GetParticle() const { return _particle; }
    ParticleSet* GetParticleSet() const { return _set; }

protected:
    // The one-particle set with the material, its atlas cut in `cells` per side (0: none), and
    // the lifetime.
    void CreateSprite(const char* material, unsigned cells);

    Vec3 _position;
    float _startSize;
    float _duration;
    float _growth; // size per second
    float _fade;   // alpha per second
    Bone* _node = nullptr;
    ParticleSet* _set = nullptr;
    Particle* _particle = nullptr;
    Material* _material = nullptr;
};
