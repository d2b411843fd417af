#pragma once
// A rock cluster with a dust glow that fades in as the player's ship comes near. Nothing in
// the game makes one; it completes the class set.
#include "game/world/actor/Actor.h"

class Group;
class ParticleSet;

class Field : public Actor
{
public:
    Field(const Vec3& centre, int count, float unused, float extent);

    void UserInit() override;
    void UserProceed() override;
    void UserShutDown() override {}

private:
    Vec3 _centre;
    int _count;
    float _extent;
    Group* _group = nullptr;
    ParticleSet* _dust = nullptr;
};
