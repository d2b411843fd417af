#pragma once
// An energy capsule that sparks with lightning once when it drops below half its hit points,
// and may leave a smaller capsule behind when it goes.
#include "game/world/objects/Object.h"
#include "game/world/objects/Target.h"

class ParticleSet;
struct Particle;

class ObjectYtgEnergCapsCr4 : public Object, public Target
{
public:
    ObjectYtgEnergCapsCr4();

    void UserProceed() override;
    void UserPreDeleteEffect() override;
    void UserPostDeleteEffect() override {}
    void DoDamage(float amount) override;

private:
    void StartLightning();

    bool _damaged = false;
    ParticleSet* _lightning = nullptr;
    Particle* _lightningParticle = nullptr;
    float _lightningTime = 0; // seconds left
};
