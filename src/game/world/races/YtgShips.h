#pragma once
// The large ships of the Ytg fleet and its droid: engine lights and emitters on the engine
// bones, and the parts whose loss destroys an engine or the whole ship.
#include <initializer_list>
#include <span>
#include <vector>

#include "game/world/ships/Fighter.h"

class ParticleSet;

// The engine bones of a large Ytg ship, each with its light and emitter. A bone destroyed with
// its part stays gone.
class YtgEngines
{
public:
    struct Engine
    {
        const char* emitter; // particle file
        float range;         // of the light
        float intensity;
    };

    // Engine i on the bone "engine_0i"; an engine the model lacks is left out.
    void Create(Model* model, std::initializer_list<Engine> engines);
    // Destroys the bone with its light and emitter; nothing once it is gone.
    void Destroy(Model* model, unsigned index);
    // The engines of the mask's bits (bit i: engine i) are destroyed when the named part is
    // detached; true when the part's loss also kills the ship.
    struct DetachRule
    {
        const char* part;
        unsigned engines;
        bool kills;
    };
    bool OnPartDetached(Model* model, const char* part, std::span<const DetachRule> rules);
    // Null once destroyed, or for an engine the model lacks.
    Bone* Get(unsigned index) const { return index < _bones.size() ? _bones[index] : nullptr; }
    unsigned Count() const { return static_cast<unsigned>(_bones.size()); }

private:
    std::vector<Bone*> _bones; // the model's nodes
};

// A large Ytg ship with engines: its parts' loss takes engines with it, and its capital part's
// the whole ship.
class ShipYtgLarge : public Fighter
{
public:
    void OnPartDetached(ObjectPart* part) override;
    const YtgEngines& GetEngines() const { return _engines; }

protected:
    ShipYtgLarge(const char* classname, std::span<const YtgEngines::DetachRule> rules);

    YtgEngines _engines;

private:
    std::span<const YtgEngines::DetachRule> _rules;
};

// A cargo ship.
class ShipYtgSush02 : public ShipYtgLarge
{
public:
    ShipYtgSush02();

    // Trigger contacts do not reach its AI.
    void OnTriggerStay(PhysicsActorEventListener&, NxShape&, NxShape&) override {}
    void UserInit() override;
};

// A runner, with two bomber blasters.
class ShipYtgBrrk00 : public ShipYtgLarge
{
public:
    ShipYtgBrrk00();

    void UserInit() override;
};

// A small cargo ship.
class ShipYtgDrTr02 : public ShipYtgLarge
{
public:
    ShipYtgDrTr02();

    void UserInit() override;
    // The death effects, and a speed factor of 1 every frame.
    void UserProceed() override;
};

// A station.
class ShipYtgScStation00 : public Fighter
{
public:
    ShipYtgScStation00();
};

// A droid with one small blaster; nothing in the game makes one.
class ShipYtgDroid00 : public Fighter
{
public:
    ShipYtgDroid00();

    void UserInit() override;
    void UserProceed() override;
    ParticleSet* GetEngineFlares() const { return _flareSet; }

private:
    void CreateEngineFlares();
    void UpdateEngineFlares();

    ParticleSet* _flareSet = nullptr;
};
