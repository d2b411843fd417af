#include "game/world/effects/Trail.h"

#include "scene/particles/ParticleEmitter.h"
#include "scene/particles/ParticleSet.h"

void SetUpTrail(ParticleEmitter* trail, Material* material, unsigned lodLevels, float rate, float lifetime)
{
    trail->SetParticleShape(PS_RIBBON_TRAIL);
    trail->SetMaterial(material);
    trail->SetAtlasParams(0, 0);
    trail->SetDefaultTexIndex(0, 0);
    trail->SetLodLevels(lodLevels);
    trail->SetStartDelay(0);
    trail->SetDuration(0);
    trail->SetRepeatDelay(0);
    trail->SetEmissionMode(EM_POINT);
    trail->SetScatterMode(SM_CONE);
    trail->GetEmissionRate() = Lerper<float>(rate);
    trail->GetEmissionScattering() = Lerper<float>(0);
    trail->GetEmissionLifetime() = Lerper<float>(lifetime);
    trail->GetEmissionInnerRadius() = Lerper<float>(4);
    trail->GetEmissionOuterRadius() = Lerper<float>(4);
    trail->GetParticleSpin() = Lerper<float>(0);
    trail->GetParticleVelocity() = Lerper<float>(0);
}
