#include "game/world/races/RaceShipEffects.h"

#include <cstdio>

#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/effects/ParticleKeeper.h"
#include "game/world/effects/WorldScene.h"
#include "game/world/ships/Fighter.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Model.h"
#include "scene/nodes/Omni.h"
#include "scene/particles/Emitter.h"
#include "scene/particles/EmitterMgr.h"
#include "scene/particles/ParticleSet.h"

Bone* FindEngineBone(Model* model, int index)
{
    if (!model)
        return nullptr;
    char name[24]; // room for any int
    std::snprintf(name, sizeof name, "engine_0%d", index);
    return model->FindBone(Name(name));
}

Emitter* AttachEmitter(Bone* bone, const char* file)
{
    RenderScene* scene = GetWorldScene();
    if (!scene || !bone)
        return nullptr;
    Emitter* emitter = scene->CreateEmitter(SL_STAGE);
    if (EmitterMgr* emitters = GetWorldEmitterMgr())
        emitters->Load(file, emitter);
    bone->Attach(emitter);
    return emitter;
}

Omni* AttachEngineLight(Bone* bone, float range, float intensity)
{
    RenderScene* scene = GetWorldScene();
    if (!scene || !bone || !IsDynLighting())
        return nullptr;
    Omni* light = scene->CreateOmni(SL_STAGE);
    bone->Attach(light);
    light->SetDiffuse(Color(0, 0.5f, 0.9f, 1));
    light->SetRange(range);
    light->SetIntensity(intensity);
    return light;
}

ParticleSet* CreateEngineFlares(Bone* mainModel, const EngineFlares& flares)
{
    RenderScene* scene = GetWorldScene();
    if (!scene || !mainModel)
        return nullptr;
    ParticleSet* set = scene->CreateParticleSet(SL_STAGE);
    mainModel->Attach(set);
    set->SetParticleShape(PS_BILLBOARD);
    set->SetDefaultSize(flares.defaultSize);
    set->SetMaterial(LoadWorldMaterial(flares.material));
    set->SetMaxParticles(flares.maximum);
    set->SetTintStrength(1);
    for (float size : flares.sizes)
    {
        Particle* flare = set->CreateParticle();
        flare->position = Vec3(0, 0, 0);
        flare->color = Color(1, 1, 1, 1);
        flare->size = size;
    }
    return set;
}

void UpdateEngineFlares(ParticleSet* flares, Model* model)
{
    if (!flares)
        return;
    int engine = 0;
    for (ParticleIterator it = flares->Begin(); it != flares->End(); it.Next(), ++engine)
    {
        if (const Bone* bone = FindEngineBone(model, engine))
            it.Current()->position = bone->GetGlobalPos();
    }
}

void CreateEngineTrails(Fighter& ship, std::initializer_list<EngineTrail> trails)
{
    for (const EngineTrail& trail : trails)
    {
        if (Bone* bone = FindEngineBone(ship.GetMainModelEx(), trail.engine))
            ship.CreateStrip(LoadWorldMaterial(trail.material), bone, trail.lifetime, trail.size);
    }
}

Emitter* StartFire(Ship& ship) { return AttachEmitter(ship.GetMainModel(), "fire.pse"); }

void HandFireToKeeper(Emitter*& fire)
{
    if (!fire)
        return;
    // The keeper takes the emitter out of the ship's model.
    fire->Stop();
    if (SingleLevel* level = game.GetLevel())
        level->CreateActor(new ParticleKeeper(fire), nullptr);
    fire = nullptr;
}

void ShowDeathEffects(Ship& ship, const DeathEffects& effects)
{
    SingleLevel* level = game.GetLevel();
    const Bone* model = ship.GetMainModel();
    if (!ship.IsDead() || ship.GetDeleted() || !level)
        return;
    level->CreateExplosion(ship.GetRoot(), effects.explosionRadius, effects.explosionSecond, EXPLOSION_SHIP, false);
    const Vec3 position = model ? model->GetGlobalPos() : ship.GetPosition();
    const Quaternion orientation = model ? model->GetGlobalOrientation() : Quaternion::identity;
    level->CreateParticleEffect(effects.fire, position, orientation, false, nullptr, Vec3(0, 0, 0));
    level->CreateParticleEffect(effects.sparks, position, orientation, false, nullptr, Vec3(0, 0, 0));
    level->CreateRays(position, effects.raysStart, effects.raysEnd, 0.5f);
}
