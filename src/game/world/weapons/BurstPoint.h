#pragma once
// One energy bolt: a light record (not an actor) that moves itself each frame, finds what it
// hits with a short raycast through its own report, draws a plasma mesh and a glow, and leaves
// a spark sprite and a short light where it hits.
#include <memory>

#include "foundation/math/Quaternion.h"
#include "foundation/math/Vec3.h"
#include "scene/nodes/IDebugRenderable.h"

class Actor;
class Bone;
class Group;
class IObject;
class ParticleSet;
class RaycastReport;
class Weapon;
struct Particle;

class BurstPoint : public IDebugRenderable
{
public:
    BurstPoint(float lifetime, Actor* shooter, Weapon* weapon, Bone* bone);
    ~BurstPoint() override;
    BurstPoint(const BurstPoint&) = delete;
    BurstPoint& operator=(const BurstPoint&) = delete;

    void Initialize(const Vec3& velocity, const Vec3& position);
    void Proceed();
    void ShutDown();
    void OnRender(eSceneLayerType layer, Camera* camera, MaterialSystem* system) override;

    bool GetDead() const { return _dead; }
    void SetDead(bool dead) { _dead = dead; }
    void SetHitTo(IObject* hit) { _hitTo = hit; }
    void SetDeathPos(const Vec3& position) { _deathPosition = position; }
    float GetLifetime() const { return _lifetime; }
    void SetLifetime(float lifetime) { _lifetime = lifetime; }
    Weapon* GetWeapon() const { return _weapon; }
    Actor* GetShooter() const { return _shooter; }
    const Vec3& GetPosition() const { return _position; }
    const Vec3& GetDirection() const { return _direction; }
    // The glow; null for the player's bolts.
    const Particle* GetFlare() const { return _flareParticle; }

private:
    void CreateFlare();
    void UpdateFlare();

    bool _dead = false;
    IObject* _hitTo = nullptr;
    float _lifetime; // seconds left
    Group* _node = nullptr;
    Actor* _shooter;
    Weapon* _weapon;
    Bone* _bone;
    ParticleSet* _flareSet = nullptr; // none for the player's bolts
    Particle* _flareParticle = nullptr;
    Vec3 _deathPosition{0, 0, 0};
    Vec3 _position{0, 0, 0};
    Vec3 _direction{0, 0, 1};
    Quaternion _orientation{0, 0, 0, 1};
    Vec3 _velocity{0, 0, 0};
    float _speed = 0;
    std::unique_ptr<RaycastReport> _report;
    Vec3 _previousPosition{0, 0, 0};
};
