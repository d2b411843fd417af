#pragma once
// What the weapon tests mount weapons on: owners standing in for ships, objects and the player's
// ship, weapon records written by the test, and models with mount bones.
#include <cstring>
#include <initializer_list>
#include <vector>

#include "game/core/gamedata/TypeRecords.h"
#include "game/core/messages/Telegram.h"
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

// A ship or world object that keeps the damage telegrams it gets, with a body the test makes.
// Tests keep it themselves, outside the mission's registry.
template <class Kind>
class Target : public Kind
{
public:
    struct Hit
    {
        Actor* sender;
        NxShape* shape;
        Weapon* weapon;
        float damage;
        bool flag;
    };

    void SetBody(PhysicsActor* body) { this->_physEntity = body; }
    void OnMessage(Telegram* telegram) override
    {
        if (telegram->type != MESSAGE_DO_DAMAGE_TO_PART)
            return;
        const auto* damage = static_cast<const MessageDoDamageToPart*>(telegram->payload);
        hits.push_back(
            {static_cast<Actor*>(telegram->sender), damage->shape, damage->weapon, damage->damage, damage->flag});
    }

    std::vector<Hit> hits;
};

// A record of the kind with the name, firing every `delay` seconds.
WeaponType MakeWeaponType(const char* classname, const char* name, float delay);

// A model at `position`, facing +z, with the bones "weapon_NN" of the given numbers, each a unit
// apart along x. The scene owns it.
Model* MakeMountModel(const Vec3& position, std::initializer_list<int> bones);
