#pragma once
// What the race ships hang on their models and leave behind: engine lights and emitters, engine
// flares and trails, the fire of a burning ship, the flames that outlive it and the effects of
// its death. Every node made here lies on the stage layer under the ship's model, which frees it.
#include <initializer_list>
#include <vector>

class Bone;
class Emitter;
class Fighter;
class Model;
class Omni;
class ParticleSet;
class Ship;

// The bone "engine_0N" of the model; null when the model has none.
Bone* FindEngineBone(Model* model, int index);

// An emitter playing the particle file, hung on the bone; null without a bone or a scene.
Emitter* AttachEmitter(Bone* bone, const char* file);
// The blue light of a Ytg engine on the bone, when the game settings allow dynamic lights.
Omni* AttachEngineLight(Bone* bone, float range, float intensity);

struct EngineFlares
{
    const char* material;
    float defaultSize;
    unsigned maximum;
    std::vector<float> sizes; // one particle per size
};

// The glow sprites of the engines in one set under the ship's main model.
ParticleSet* CreateEngineFlares(Bone* mainModel, const EngineFlares& flares);
// Moves flare k onto the bone "engine_0k"; a flare without its bone stays where it is.
void UpdateEngineFlares(ParticleSet* flares, Model* model);

struct EngineTrail
{
    int engine; // the bone "engine_0N"
    const char* material;
    float lifetime;
    float size;
};

// The trails behind the engines; an engine the model lacks gets none.
void CreateEngineTrails(Fighter& ship, std::initializer_list<EngineTrail> trails);

// "fire.pse" burning on the ship's main model.
Emitter* StartFire(Ship& ship);
// A burning ship's flames go on as an actor of their own after the ship is gone; the emitter
// is forgotten here.
void HandFireToKeeper(Emitter*& fire);

struct DeathEffects
{
    float explosionRadius, explosionSecond;
    const char* fire; // particle files at the main model
    const char* sparks;
    float raysStart, raysEnd;
};

constexpr DeathEffects FighterDeath{32, 48, "expFire.pse", "sparksYtgMiddle.pse", 12, 48};
constexpr DeathEffects LightShipDeath{12, 48, "expFire.pse", "sparksYtgMiddle.pse", 12, 48};
constexpr DeathEffects CruiserDeath{64, 100, "expFire.pse", "sparksYtgMiddle.pse", 144, 576};

// The explosion, fire, sparks and rays of a dead ship, each frame until its deletion takes
// effect; nothing while it lives.
void ShowDeathEffects(Ship& ship, const DeathEffects& effects);
