#pragma once
// What actors tell each other: the message types and the payload record each one carries.
#include <cstdint>

#include "foundation/math/Vec3.h"

class Actor;
class NxShape;
class ObjectPart;
class Weapon;

// Types 10 to 13 are not used.
enum eMessage : int32_t
{
    MESSAGE_NONE = 0,
    MESSAGE_ON_CONTACT = 1,                  // MessageOnContact
    MESSAGE_DO_DAMAGE = 2,                   // MessageDoDamage
    MESSAGE_DO_DAMAGE_BY_WEAPON = 3,         // MessageDoDamageByWeapon
    MESSAGE_DO_DAMAGE_TO_PART = 4,           // MessageDoDamageToPart
    MESSAGE_DO_DAMAGE_TO_OBJECT_PART = 5,    // MessageDoDamageToObjectPart
    MESSAGE_ON_TIMER = 6,                    // MessageOnTimer
    MESSAGE_FIRE = 7,                        // no payload
    MESSAGE_DELETE_ACTOR_NOW = 8,            // MessageDeleteActor
    MESSAGE_DELETE_ACTOR_AT_MISSION_END = 9, // MessageDeleteActor
    MESSAGE_ADD_FORCE = 14,                  // MessageAddForce
    MESSAGE_PLAY_2D_SOUND = 15,              // MessagePlay2DSound
    MESSAGE_LOAD_SUB_LEVEL = 16,             // MessageLoadSubLevel
};

// The payload records are plain, copyable records. The base destructor is virtual so that the
// telegram owning a payload frees the whole record.
struct Message
{
    virtual ~Message() = default;
};

struct MessageOnContact : Message
{
    explicit MessageOnContact(Actor* other_) : other(other_) {}
    Actor* other;
};

struct MessageDoDamage : Message
{
    explicit MessageDoDamage(float damage_) : damage(damage_) {}
    float damage;
};

struct MessageDoDamageByWeapon : Message
{
    explicit MessageDoDamageByWeapon(Weapon* weapon_) : weapon(weapon_) {}
    Weapon* weapon;
};

struct MessageDoDamageToPart : Message
{
    MessageDoDamageToPart(NxShape* shape_, Weapon* weapon_, float damage_, bool flag_)
        : shape(shape_), weapon(weapon_), damage(damage_), flag(flag_)
    {}
    NxShape* shape;
    Weapon* weapon; // may be null
    float damage;
    bool flag; // handed on to the receiver's part damage
};

struct MessageDoDamageToObjectPart : Message
{
    MessageDoDamageToObjectPart(ObjectPart* part_, Weapon* weapon_, float damage_)
        : part(part_), weapon(weapon_), damage(damage_)
    {}
    ObjectPart* part;
    Weapon* weapon;
    float damage;
};

struct MessageOnTimer : Message
{
    explicit MessageOnTimer(uint32_t id_) : id(id_) {}
    uint32_t id;
};

struct MessageDeleteActor : Message
{
    explicit MessageDeleteActor(Actor* actor_) : actor(actor_) {}
    Actor* actor;
};

struct MessageAddForce : Message
{
    explicit MessageAddForce(const Vec3& force_) : force(force_) {}
    Vec3 force;
};

// Names longer than 255 characters are cut.
struct MessagePlay2DSound : Message
{
    explicit MessagePlay2DSound(const char* name_);
    char name[256];
};

struct MessageLoadSubLevel : Message
{
    explicit MessageLoadSubLevel(const char* name_);
    char name[256];
};
