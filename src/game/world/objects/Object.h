#pragma once
// A static or drifting world object: asteroids and their fragments, wrecks, station modules,
// beacons, debris of destroyed fighters. Its look, physics, hit points and behaviour come from
// one ObjectType record. It takes damage from telegrams, contacts and its parts, explodes when
// its hit points are spent, drops its physics beyond its delete distance from the camera, and
// shows wear as a dirt level. When it is removed while the mission runs it leaves fragments,
// debris and fire behind.
#include <memory>

#include "foundation/math/Quaternion.h"
#include "game/world/actor/Actor.h"

class DestructableObject;
class Emitter;
class NxShape;
class ObjectPart;
class RenderMesh;
class Weapon;
struct ObjectType;

class Object : public Actor
{
public:
    Object();
    ~Object() override;

    // Keeps the record; current and maximum hit points from its "hp".
    void InitializeData(ObjectType* type);
    ObjectType* GetPrototype() const { return _prototype; }
    bool IsDead() const { return _dead; }
    float GetHPCurrent() const { return _hpCurrent; }
    float GetHPMaximum() const { return _hpMaximum; }
    // The parts of a destructible type; their body is then the object's own body.
    DestructableObject* GetDestructableObject() const { return _parts.get(); }
    Emitter* GetFireEmitter() const { return _fireEmitter; }
    bool IsFar() const { return _far; }
    // Pass to the part set; nothing without one.
    void SwitchPartToDamaged(const char* partName, bool flag);
    void SwitchPartToDestroyed(const char* partName, bool flag);

    void OnTouch(PhysicsActorEventListener& other, PhysicsActor& own, PhysicsActor& otherActor, Vec3& point,
                 Vec3& normal, NxContactStreamIterator& contacts) override;
    void UserInit() override;
    void UserProceed() override;
    void UserShutDown() override;
    // Fire handed over, fragments and debris clouds.
    void UserPreDeleteEffect() override;
    void UserPostDeleteEffect() override {}
    // The body's pose, or the main node's without a body.
    void SetPose(Matrix pose) override;
    void OnMessage(Telegram* telegram) override;

    // Beyond the delete distance: the body goes; back within it: it is made again. The body of
    // a part set stays, since the parts hold its shapes.
    virtual void OnDistancLodOn();
    virtual void OnDistancLodOff();
    virtual void DoDamage(float amount);
    virtual void DoDamageRandom(float amount);
    virtual void DoDamageToPart(const char* partName, float amount);
    virtual void OnPartDamaged(ObjectPart*) {}
    virtual void OnPartDestroyed(ObjectPart*) {}

protected:
    // Makes the explosion of the material, turns dead and asks for its own removal.
    virtual void Explode();
    // A type-4 telegram.
    void DoDamageToPart(NxShape* shape, Weapon* weapon, float amount);
    void SetDirtLevel(float level);
    void SpawnDust(const Vec3& point, const Quaternion& orientation);
    // The body from the record's "phys", with this object as its listener.
    void CreateBody();
    bool HasPartSetBody() const;

    ObjectType* _prototype = nullptr;           // the database's
    std::unique_ptr<DestructableObject> _parts; // for a destructible type
    RenderMesh* _mesh = nullptr;                // without a "render" model
    float _hpCurrent = 0;
    float _hpMaximum = 0;
    float _contactTimer = 1;
    bool _dead = false;
    bool _far = false; // beyond the delete distance
    float _deleteDistanceSquared = -1;
    Emitter* _fireEmitter = nullptr; // the fire trail of wrecks and debris

private:
    // Wrecks of the ytg fighter and their debris burn and burst.
    static bool IsWreck(const char* name);
    // The destruction effects, in order.
    void HandOverFire();
    void BurstIntoSparks() const;
    // True when the record names an asteroid that breaks into fragments.
    bool BreakIntoFragments();
    void ThrowDebrisClouds() const;
};
