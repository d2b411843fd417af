#pragma once
// A handful of sparks that tumble as physics bodies and fade out over 3 seconds.
#include <vector>

#include "game/world/actor/Actor.h"

class Material;
class ParticleSet;
struct Particle;

// One spark: the particle it moves to its body's position.
class PhysSparksPoint : public PhysicsActorEventListener
{
public:
    void Init(Particle* particle) { _particle = particle; }
    Particle* GetParticle() const { return _particle; }
    PhysicsActor* GetBody() const { return _body; }
    void SetBody(PhysicsActor* body) { _body = body; }

private:
    Particle* _particle = nullptr;
    PhysicsActor* _body = nullptr;
};

class PhysSparks : public Actor
{
public:
    PhysSparks(const Vec3& position, int count);
    ~PhysSparks() override;

    void UserInit() override;
    void UserProceed() override;
    void UserShutDown() override;

private:
    Vec3 _position;
    float _count;
    Bone* _node = nullptr;
    ParticleSet* _set = nullptr;
    Material* _material = nullptr;
    std::vector<PhysSparksPoint*> _points; // owned
};
