#pragma once
// A handful of sparks that tumble as physics bodies and fade out over 3 seconds.
#include <memory>
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
    PhysicsActor* _body = nullptr; // released by the sparks
};

class PhysSparks : public Actor
{
public:
    static constexpr float Duration = 3; // seconds

    PhysSparks(const Vec3& position, int count);
    ~PhysSparks() override;

    void UserInit() override;
    void UserProceed() override;
    void UserShutDown() override;

    const std::vector<std::unique_ptr<PhysSparksPoint>>& GetPoints() const { return _points; }
    const ParticleSet* GetParticleSet() const { return _set; }

private:
    Vec3 _position;
    float _count;
    Bone* _node = nullptr;
    ParticleSet* _set = nullptr;
    Material* _material = nullptr;
    std::vector<std::unique_ptr<PhysSparksPoint>> _points;
};
