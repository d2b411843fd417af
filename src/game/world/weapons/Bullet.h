#pragma once
// A rocket or torpedo: a physics body that hits what its shapes enter, may home on a target and
// may split into fragments that are bullets themselves. Types named with "Torpeda" are
// torpedoes.
#include "game/world/actor/Actor.h"

class Emitter;
class Weapon;

class Bullet : public Actor
{
public:
    Bullet(Actor* shooter, Actor* target, Weapon* weapon);

    void OnStartTouch(PhysicsActorEventListener& other, PhysicsActor& own, PhysicsActor& otherActor, Vec3& point,
                      Vec3& normal, NxContactStreamIterator& contacts) override;
    void OnTriggerEnter(PhysicsActorEventListener& other, NxShape& own, NxShape& otherShape) override;
    void UserInit() override;
    void UserProceed() override;
    void UserShutDown() override;
    // The body's pose.
    void SetPose(Matrix pose) override;

    void RecalcVelocity();
    void CreateStrip();
    void CreateParticles();
    // A fragment of a divided bullet.
    void SetLaunched(bool launched) { _launched = launched; }
    bool IsLaunched() const { return _launched; }

private:
    bool _touched = false;
    Actor* _shooter;
    Actor* _target;
    Weapon* _weapon;
    Emitter* _emitter = nullptr;
    float _divisionDelay = 0;
    float _divisionTimer = 0;
    bool _launched = true;
};
