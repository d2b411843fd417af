#include "game/world/effects/ParticleKeeper.h"

#include "game/world/effects/WorldScene.h"
#include "scene/RenderScene.h"
#include "scene/particles/Emitter.h"

ParticleKeeper::ParticleKeeper(Emitter* emitter) : _emitter(emitter)
{
    SetName("ParticleKeeper");
    SetClassname("ParticleKeeper");
    if (_emitter)
        _emitter->Detach();
}

void ParticleKeeper::UserInit() { SetLifetime(_emitter ? _emitter->GetTotalDuration() : 0); }

void ParticleKeeper::UserShutDown()
{
    if (RenderScene* scene = GetWorldScene())
        scene->DestroyNode(_emitter);
    _emitter = nullptr;
}
