#include "game/world/effects/ParticleEffect.h"

#include "game/core/FixedText.h"
#include "game/world/actor/ActorFlags.h"

ParticleEffect::ParticleEffect(const char* file, const Vec3&, const Quaternion&, bool endless, Bone*, const Vec3& drift)
    : _endless(endless), _drift(drift)
{
    SetName("ParticleEffect");
    SetClassname("ParticleEffect");
    RaiseFlag(ACTOR_FLAG_EFFECT);
    CopyFixedText(_file, file);
}

void ParticleEffect::UserInit() {}

void ParticleEffect::UserProceed() {}

void ParticleEffect::UserShutDown() {}
