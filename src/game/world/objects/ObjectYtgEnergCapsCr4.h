#pragma once
// An energy capsule that sparks with lightning once when it drops below half its hit points,
// and may leave a smaller capsule behind when it goes. Its destruction replaces the objects'
// usual fragments and debris.
#include "game/world/objects/Object.h"
#include "game/world/objects/Target.h"

class ParticleSet;
struct Particle;

class ObjectYtgEnergCapsCr4 : public Object, public Target
{
public:
    static constexpr float LightningTime = 0.3f; // seconds

    ObjectYtgEnergCapsCr4();

    void UserProceed() override;
    // One time in eight a smaller capsule is thrown out; then an explosion, always.
    void UserPreDeleteEffect() override;
    void UserPostDeleteEffect() override {}
    void DoDamage(float amount) override;

    bool IsDamaged() const { return _damaged; }
    const ParticleSet* GetLightning() const { return _lightning; }

private:
    void StartLightning();
    void StopLightning();

    bool _damaged = false;
    ParticleSet* _lightning = nullptr;
    Particle* _lightningParticle = nullptr;
    float _lightningTime = 0; // seconds left
};
