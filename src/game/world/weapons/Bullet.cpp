#include "game/world/weapons/Bullet.h"

#include "game/world/actor/ActorFlags.h"

Bullet::Bullet(Actor* shooter, Actor* target, Weapon* weapon) : _shooter(shooter), _target(target), _weapon(weapon)
{
    SetClassname("Bullet");
    RaiseFlag(ACTOR_FLAG_BULLET);
}

void Bullet::OnStartTouch(PhysicsActorEventListener&, PhysicsActor&, PhysicsActor&, Vec3&, Vec3&,
                          NxContactStreamIterator&)
{}

void Bullet::OnTriggerEnter(PhysicsActorEventListener&, NxShape&, NxShape&) {}

void Bullet::UserInit() {}

void Bullet::UserProceed() {}

void Bullet::UserShutDown() {}

void Bullet::SetPose(Matrix pose) { GetRoot() = pose; }

void Bullet::RecalcVelocity() {}

void Bullet::CreateStrip() {}

void Bullet::CreateParticles() {}
