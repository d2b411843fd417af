#pragma once
// A comet crossing the sky for 20 seconds, exploding on the first thing it touches. Nothing in
// the game makes one; it completes the class set.
#include "game/world/actor/Actor.h"

class Emitter;
class Group;

class Comet : public Actor
{
public:
    Comet();

    // The first touch explodes it and hurts a world object it hit; it goes a second later.
    void OnStartTouch(PhysicsActorEventListener& other, PhysicsActor& own, PhysicsActor& otherActor, Vec3& point,
                      Vec3& normal, NxContactStreamIterator& contacts) override;
    void UserInit() override;
    void UserProceed() override;
    void UserShutDown() override;

private:
    Group* _group = nullptr;
    Emitter* _emitter = nullptr;
    bool _exploded = false;
};
