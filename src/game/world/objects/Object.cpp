#include "game/world/objects/Object.h"

#include "game/world/actor/ActorFlags.h"
#include "game/world/parts/DestructableObject.h"

Object::Object()
{
    SetName("Object");
    SetClassname("Object");
    RaiseFlag(ACTOR_FLAG_OBJECT);
}

Object::~Object() = default;

void Object::InitializeData(ObjectType* type) { _prototype = type; }

void Object::SwitchPartToDamaged(const char*, bool) {}

void Object::SwitchPartToDestroyed(const char*, bool) {}

void Object::OnTouch(PhysicsActorEventListener&, PhysicsActor&, PhysicsActor&, Vec3&, Vec3&, NxContactStreamIterator&)
{}

void Object::UserInit() {}

void Object::UserProceed() {}

void Object::UserShutDown() {}

void Object::UserPreDeleteEffect() {}

void Object::SetPose(Matrix pose) { GetRoot() = pose; }

void Object::OnMessage(Telegram* telegram) { Actor::OnMessage(telegram); }

void Object::OnDistancLodOn() {}

void Object::OnDistancLodOff() {}

void Object::DoDamage(float) {}

void Object::DoDamageRandom(float) {}

void Object::DoDamageToPart(const char*, float) {}

void Object::Explode() { _dead = true; }

void Object::DoDamageToPart(NxShape*, Weapon*, float) {}

void Object::SetDirtLevel(float) {}

void Object::SpawnDust(const Vec3&, const Quaternion&) {}
