#pragma once
// A fog of particles; its points do nothing. Nothing in the game makes one; it completes the
// class set.
#include <vector>

#include "game/world/actor/Actor.h"

struct Particle;

class FogPoint
{
public:
    void Init(Particle*) {}
    void Update() {}
};

class FogField : public Actor
{
public:
    void UserInit() override {}
    void UserProceed() override {}
    void UserShutDown() override {}

private:
    std::vector<FogPoint> _points;
};
