#pragma once
// What the weapon tests mount weapons on: owners standing in for ships, objects and the player's
// ship, weapon records written by the test, and models with mount bones.
#include <cstring>
#include <initializer_list>

#include "game/core/gamedata/TypeRecords.h"
#include "game/world/actor/Actor.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/objects/Object.h"

class Model;

// An owner of no kind, or of the kind flags given.
class Owner : public Actor
{
public:
    explicit Owner(unsigned long flags = 0)
    {
        SetName("Owner");
        if (flags)
            RaiseFlag(flags);
    }
};

// A world object that can be killed.
class TestObject : public Object
{
public:
    void Kill() { _dead = true; }
};

// A record of the kind with the name, firing every `delay` seconds.
WeaponType MakeWeaponType(const char* classname, const char* name, float delay);

// A model at `position`, facing +z, with the bones "weapon_NN" of the given numbers, each a unit
// apart along x. The scene owns it.
Model* MakeMountModel(const Vec3& position, std::initializer_list<int> bones);
