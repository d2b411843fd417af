#pragma once
// The large ships of the Ytg fleet and its droid: engine lights and emitters on the engine
// bones, and the parts whose loss destroys an engine or the whole ship.
#include "game/world/ships/Fighter.h"

class ParticleSet;

// A cargo ship.
class ShipYtgSush02 : public Fighter
{
public:
    ShipYtgSush02();

    void OnTriggerStay(PhysicsActorEventListener&, NxShape&, NxShape&) override {}
    void UserInit() override;
    void OnPartDetached(ObjectPart* part) override;

private:
    Bone* _engineBones[3] = {};
};

// A runner, with two bomber blasters.
class ShipYtgBrrk00 : public Fighter
{
public:
    ShipYtgBrrk00();

    void UserInit() override;
    void OnPartDetached(ObjectPart* part) override;

private:
    Bone* _engineBones[3] = {};
};

// A small cargo ship.
class ShipYtgDrTr02 : public Fighter
{
public:
    ShipYtgDrTr02();

    void UserInit() override;
    void UserProceed() override;
    void OnPartDetached(ObjectPart* part) override;

private:
    Bone* _engineBones[5] = {};
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

private:
    void CreateEngineFlares();
    void UpdateEngineFlares();

    ParticleSet* _flareSet = nullptr;
};
