#pragma once

#include "foundation/math/Lerper.h"
#include "scene/particles/ParticleSet.h"

#include <cmath>

// Where new particles start, relative to the emitter.
enum eEmissionMode : unsigned
{
    EM_POINT = 0,
    EM_SPHERE = 1, // on a sphere shell between the inner and outer radius
    EM_RING = 2,   // on a ring in the X-Y plane between the two radii
};

// How new particles' directions spread about +Z by the scattering angle.
enum eScatterMode : unsigned
{
    SM_FAN_X = 0,     // a fan in the Y-Z plane
    SM_FAN_Y = 1,     // a fan in the X-Z plane
    SM_CONE = 2,      // anywhere inside the cone
    SM_CONE_EDGE = 3, // on the cone's rim
};

// A particle set that makes, moves, colours, animates and expires its own particles from nine
// key curves. Rate, Scattering, the two radii and Lifetime are read at the emitter's time
// within its duration; Velocity, Spin, Size and Color at each particle's age within its life.
// Cycle: start delay, then emission for the duration (0: endless), then the repeat delay,
// then emission again. Played by its Emitter, which starts it disabled.
class ParticleEmitter : public ParticleSet
{
public:
    ParticleEmitter(Group* root, RenderScene* scene);

    eNodeType GetType() const override { return NT_PARTICLEEMITTER; }

    // The setters of times and variances keep the absolute value.
    void SetStartDelay(float seconds) { _startDelay = std::fabs(seconds); }
    float GetStartDelay() const { return _startDelay; }
    void SetDuration(float seconds) { _duration = std::fabs(seconds); }
    float GetDuration() const { return _duration; }
    void SetRepeatDelay(float seconds) { _repeatDelay = std::fabs(seconds); }
    float GetRepeatDelay() const { return _repeatDelay; }
    void SetParticleLifetimeVar(float seconds) { _particleLifetimeVar = std::fabs(seconds); }
    float GetParticleLifetimeVar() const { return _particleLifetimeVar; }
    void SetParticleVelocityVar(float factor) { _particleVelocityVar = std::fabs(factor); }
    float GetParticleVelocityVar() const { return _particleVelocityVar; }
    void SetParticleSizeVar(float factor) { _particleSizeVar = std::fabs(factor); }
    float GetParticleSizeVar() const { return _particleSizeVar; }
    void SetParticleSpinVar(float factor) { _particleSpinVar = std::fabs(factor); }
    float GetParticleSpinVar() const { return _particleSpinVar; }
    // Atlas frames of each particle's animation, shown for the delay each.
    void SetParticleAnimationLength(unsigned frames) { _particleAnimationLength = frames; }
    unsigned GetParticleAnimationLength() const { return _particleAnimationLength; }
    void SetParticleAnimationDelay(float seconds) { _particleAnimationDelay = std::fabs(seconds); }
    float GetParticleAnimationDelay() const { return _particleAnimationDelay; }
    void SetEmissionMode(eEmissionMode mode) { _emissionMode = mode; }
    eEmissionMode GetEmissionMode() const { return _emissionMode; }
    void SetScatterMode(eScatterMode mode) { _scatterMode = mode; }
    eScatterMode GetScatterMode() const { return _scatterMode; }

    bool HasStarted() const { return _hasStarted; }
    void EnableEmissions(bool enable) { _emissionsEnabled = enable; }
    bool EmissionsEnabled() const { return _emissionsEnabled; }
    // Particles emitted by the last update.
    unsigned GetEmitCount() const { return _emitCount; }

    Lerper<float>& GetEmissionRate() { return _rate; }             // particles per second
    Lerper<float>& GetEmissionScattering() { return _scattering; } // degrees
    Lerper<float>& GetEmissionInnerRadius() { return _innerRadius; }
    Lerper<float>& GetEmissionOuterRadius() { return _outerRadius; }
    Lerper<float>& GetEmissionLifetime() { return _lifetime; } // seconds
    Lerper<float>& GetParticleVelocity() { return _velocity; }
    Lerper<float>& GetParticleSize() { return _size; }
    Lerper<float>& GetParticleSpin() { return _spin; } // degrees per second
    Lerper<Color>& GetParticleColor() { return _color; }
    const Lerper<float>& GetEmissionRate() const { return _rate; }
    const Lerper<float>& GetEmissionScattering() const { return _scattering; }
    const Lerper<float>& GetEmissionInnerRadius() const { return _innerRadius; }
    const Lerper<float>& GetEmissionOuterRadius() const { return _outerRadius; }
    const Lerper<float>& GetEmissionLifetime() const { return _lifetime; }
    const Lerper<float>& GetParticleVelocity() const { return _velocity; }
    const Lerper<float>& GetParticleSize() const { return _size; }
    const Lerper<float>& GetParticleSpin() const { return _spin; }
    const Lerper<Color>& GetParticleColor() const { return _color; }

    // The emission cycle: delay, emission, repeat wait.
    void UpdateEmitterState(float seconds);
    // Ages, moves and expires the live particles, then emits.
    void Update(float seconds);

protected:
    void UpdateEmissions(float seconds);
    void PrecomputeEmissionParams(float emitterTime);
    void RecomputeQuota();
    void InitParticle(Particle& p) const;
    void GenParticlePosition(Vec3& position) const;
    void GenParticleDirection(Vec3& direction) const;
    void UpdateParticleMotion(Particle& p, float seconds) const;
    void UpdateParticleAnimation(Particle& p, float seconds) const;
    // Removes the particle and returns the iterator of the one that followed it.
    ParticleIterator ExpireParticle(ParticleIterator it);

private:
    float EmitterTime() const { return _duration > 0.0f ? _clock / _duration : 0.0f; }

    float _emitAccumulator = 0.0f; // fractional particles carried to the next update
    float _clock = 0.0f;           // seconds in the current phase
    bool _hasStarted = false;
    bool _emissionsEnabled = false;
    eEmissionMode _emissionMode = EM_POINT;
    eScatterMode _scatterMode = SM_CONE;
    float _startDelay = 0.0f;
    float _duration = 0.0f;
    float _repeatDelay = 0.0f;
    Lerper<float> _rate{1.0f};
    Lerper<float> _scattering{0.0f};
    Lerper<float> _innerRadius{0.0f};
    Lerper<float> _outerRadius{0.0f};
    Lerper<float> _lifetime{1.0f};
    float _particleLifetimeVar = 0.0f;
    float _particleVelocityVar = 0.0f;
    float _particleSpinVar = 0.0f;
    float _particleSizeVar = 0.0f;
    unsigned _particleAnimationLength = 1;
    float _particleAnimationDelay = 1.0f;
    Lerper<float> _velocity{1.0f};
    Lerper<float> _spin{0.0f};
    Lerper<float> _size{2.0f};
    Lerper<Color> _color{Color(1.0f, 1.0f, 1.0f, 1.0f)};
    unsigned _emitCount = 0;
    float _curScattering = 0.0f;
    float _curInnerRadius = 0.0f;
    float _curOuterRadius = 0.0f;
    float _curLifetime = 1.0f;
    Particle* _lastParticle = nullptr; // the newest particle, the head of a ribbon trail
};
