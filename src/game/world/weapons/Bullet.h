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
    // Homing eases in from this age on, over a second.
    static constexpr float HomingStart = 0.5f;

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
    // A fragment of a divided bullet; set before registering it.
    void SetLaunched(bool launched) { _launched = launched; }
    bool IsLaunched() const { return _launched; }
    bool IsTouched() const { return _touched; }
    Actor* GetTarget() const { return _target; }
    Weapon* GetWeapon() const { return _weapon; }

private:
    // Where the body is and which way it points.
    Vec3 BodyPosition() const;
    Vec3 BodyDirection() const;
    void Divide();
    void CreateHitEffects(const Vec3& explosionVelocity);
    void CreateTorpedoDebris(const Vec3& position, int count);
    // Stops the particles and hands them over, so that they die out on their own.
    void ReleaseEmitter();
    bool IsTorpedo() const;

    bool _touched = false;
    Actor* _shooter;
    Actor* _target;
    Weapon* _weapon;
    Emitter* _emitter = nullptr;
    float _divisionDelay = 0;
    float _divisionTimer = 0;
    bool _launched = true;
};
