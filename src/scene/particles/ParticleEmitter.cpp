#include "scene/particles/ParticleEmitter.h"

#include "foundation/base/Random.h"
#include "scene/nodes/Bone.h"

#include <algorithm>

namespace {

constexpr float TwoPi = 6.283185f;
constexpr float DegreesToRadians = 0.017453f;
// A particle lives at least this long, so its age over its lifetime stays a number even when
// the lifetime variance is larger than the lifetime.
constexpr float MinLifetime = 0.001f;

// A fresh draw in [0, 0.99].
float Draw() { return float(EngineRandom() % 100) * 0.01f; }

} // namespace

ParticleEmitter::ParticleEmitter(Group* root, RenderScene* scene) : ParticleSet(root, scene) { Enable(false); }

void ParticleEmitter::UpdateEmitterState(float seconds)
{
    if (IsEnabled() && _emissionsEnabled)
    {
        _clock += seconds;
        if (_duration > 0.0f && _clock >= _duration)
        {
            _clock -= _duration;
            _emissionsEnabled = false;
        }
        return;
    }
    if (_hasStarted)
    {
        if (GetTotalParticles() == 0)
            Enable(false);
        if (_clock >= _repeatDelay)
        {
            _clock -= _repeatDelay;
            _emissionsEnabled = true;
            Enable(true);
            return;
        }
    }
    else if (_clock >= _startDelay)
    {
        _clock -= _startDelay;
        _hasStarted = true;
        _emissionsEnabled = true;
        Enable(true);
        return;
    }
    _clock += seconds;
}

ParticleIterator ParticleEmitter::ExpireParticle(ParticleIterator it)
{
    if (it.Current() == _lastParticle)
        _lastParticle = nullptr;
    return RemoveParticle(it);
}

void ParticleEmitter::Update(float seconds)
{
    const bool animated = _particleAnimationLength > 1;
    for (ParticleIterator it = Begin(); it != End();)
    {
        Particle& p = *it.Current();
        if (p.lifetime < p.age)
        {
            it = ExpireParticle(it);
            continue;
        }
        p.age += seconds;
        UpdateParticleMotion(p, seconds);
        if (animated)
            UpdateParticleAnimation(p, seconds);
        it.Next();
    }
    // The head of a trail stays on the emitter; the newest particle is the last one alive.
    if (GetParticleShape() == PS_RIBBON_TRAIL && _lastParticle && !LiveParticles().empty() &&
        LiveParticles().back() == _lastParticle)
    {
        if (const Bone* bone = GetParent())
            _lastParticle->position = bone->GetGlobalPos();
    }
    UpdateEmissions(seconds);
}

void ParticleEmitter::UpdateEmissions(float seconds)
{
    _emitCount = 0;
    if (!_emissionsEnabled)
        return;
    const float s = EmitterTime();
    float rate = _rate.GetValue(s);
    if (_currentLod != 0)
        rate /= float(_currentLod + 1);
    if (!(rate > 0.0f))
        rate = 0.0f;
    _emitAccumulator += rate * seconds;
    if (!(_emitAccumulator < float(MaxPoolSize)))
        _emitAccumulator = float(MaxPoolSize); // a set never holds more, so more are never made
    const unsigned n = static_cast<unsigned>(_emitAccumulator);
    _emitAccumulator -= float(n);
    if (n == 0)
        return;
    PrecomputeEmissionParams(s);
    RecomputeQuota();
    if (!IsEnabled())
        return;
    _emitCount = n;
    const float share = seconds / float(n);
    for (unsigned i = 0; i < n; ++i)
    {
        Particle* p = CreateParticle();
        _lastParticle = p;
        p->frameCount = _particleAnimationLength;
        p->frameDelay = _particleAnimationDelay;
        InitParticle(*p);
        GenParticlePosition(p->position);
        GenParticleDirection(p->direction);
        UpdateParticleMotion(*p, float(i) * share);
    }
}

void ParticleEmitter::PrecomputeEmissionParams(float emitterTime)
{
    _curScattering = _scattering.GetValue(emitterTime);
    _curInnerRadius = _innerRadius.GetValue(emitterTime);
    _curOuterRadius = _outerRadius.GetValue(emitterTime);
    _curLifetime = _lifetime.GetValue(emitterTime);
    if (_curInnerRadius > _curOuterRadius)
        std::swap(_curInnerRadius, _curOuterRadius);
}

void ParticleEmitter::RecomputeQuota()
{
    float quota = (_lifetime.GetMax() + _particleLifetimeVar) * _rate.GetMax() + 1.0f;
    if (_duration > 0.0f)
        quota *= _duration;
    if (!(quota > float(GetMaxParticles())))
        return;
    SetMaxParticles(quota < float(MaxPoolSize) ? static_cast<unsigned>(quota) : MaxPoolSize);
}

void ParticleEmitter::InitParticle(Particle& p) const
{
    p.color = _color.GetKeyValue(0);
    p.size = _size.GetKeyValue(0);
    p.velocity = _velocity.GetKeyValue(0);
    p.spinRate = p.angle = _spin.GetKeyValue(0);
    p.sizeVariance = Draw() * 2.0f * _particleSizeVar - _particleSizeVar;
    p.velocityVariance = Draw() * 2.0f * _particleVelocityVar - _particleVelocityVar;
    p.spinVariance = Draw() * 2.0f * _particleSpinVar - _particleSpinVar;
    p.lifetime = std::max(Draw() * 2.0f * _particleLifetimeVar - _particleLifetimeVar + _curLifetime, MinLifetime);
    p.age = 0.0f;
    // A pooled record starts its animation over.
    p.frame = 0;
    p.frameTimer = 0.0f;
    p.atlasColumn = p.atlasRow = 0.0f;
}

void ParticleEmitter::GenParticlePosition(Vec3& position) const
{
    switch (_emissionMode)
    {
    case EM_SPHERE:
    {
        const float radius = _curInnerRadius + Draw() * (_curOuterRadius - _curInnerRadius);
        Vec3 offset(0.0f, 0.0f, 1.0f);
        offset.RandomDeviant(Draw() * TwoPi, Vec3::UnitY());
        position = offset * radius;
        break;
    }
    case EM_RING:
    {
        const float radius = _curInnerRadius + Draw() * (_curOuterRadius - _curInnerRadius);
        Vec3 offset(1.0f, 0.0f, 0.0f);
        offset.Rotate(Vec3::UnitZ(), Draw() * TwoPi);
        position = offset * radius;
        break;
    }
    default: position = Vec3(0.0f); break; // a point, also for modes this emitter does not know
    }
    if (GetCoordSpace() == CS_WORLD)
    {
        if (const Bone* bone = GetParent())
            position = bone->GetGlobalOrientation() * position + bone->GetGlobalPos();
    }
}

void ParticleEmitter::GenParticleDirection(Vec3& direction) const
{
    const float spread = _curScattering;
    direction = Vec3::UnitZ();
    switch (_scatterMode)
    {
    case SM_FAN_X: direction.Rotate(Vec3::UnitX(), (Draw() * spread - spread * 0.5f) * DegreesToRadians); break;
    case SM_FAN_Y: direction.Rotate(Vec3::UnitY(), (Draw() * spread - spread * 0.5f) * DegreesToRadians); break;
    case SM_CONE: direction.RandomDeviant((Draw() * spread - spread * 0.5f) * DegreesToRadians, Vec3::UnitY()); break;
    case SM_CONE_EDGE: direction.RandomDeviant(spread * 0.5f * DegreesToRadians, Vec3::UnitY()); break;
    default: break;
    }
    if (GetCoordSpace() == CS_WORLD)
    {
        if (const Bone* bone = GetParent())
            direction = bone->GetGlobalOrientation() * direction;
    }
}

void ParticleEmitter::UpdateParticleMotion(Particle& p, float seconds) const
{
    const float x = p.age / p.lifetime;
    p.size = _size.GetValue(x) * (1.0f + p.sizeVariance);
    p.spinRate = _spin.GetValue(x) * (1.0f + p.spinVariance);
    p.velocity = _velocity.GetValue(x) * (1.0f + p.velocityVariance);
    p.color = _color.GetValue(x);
    p.position += p.direction * (p.velocity * seconds);
    p.angle += seconds * p.spinRate;
}

void ParticleEmitter::UpdateParticleAnimation(Particle& p, float seconds) const
{
    p.frameTimer += seconds;
    if (p.frameDelay > p.frameTimer)
        return;
    p.frameTimer -= p.frameDelay;
    if (++p.frame >= p.frameCount)
        p.frame = 0;
    // Without an atlas every frame is a cell of a one-column strip.
    const unsigned columns = std::max(GetAtlasDivU(), 1u);
    const unsigned row = p.frame / columns;
    p.atlasRow = float(row);
    p.atlasColumn = float(p.frame - columns * row);
}
