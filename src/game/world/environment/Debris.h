#pragma once
// One flying chunk thrown by an explosion or a destroyed object: it drifts and spins, may
// expire, and hurts the player once when it comes within 8 units of the player's ship.
#include "game/world/actor/Actor.h"
#include "game/world/environment/DebrisType.h"

class Group;

class Debris : public Actor
{
public:
    // A zero velocity spins the chunk in place about a random axis.
    Debris(const Vec3& position, const Vec3& velocity, eDebrisType kind, bool expires);

    void UserInit() override;
    void UserProceed() override;
    void UserShutDown() override;
    void UserPreDeleteEffect() override;
    void UserPostDeleteEffect() override {}

    // The chunk's node, also the main model; null without a scene.
    const Group* GetGroup() const { return _group; }
    const Vec3& GetSpinAxis() const { return _spinAxis; }
    float GetSpinSpeed() const { return _spinSpeed; }
    bool HasHitPlayer() const { return _hitPlayer; }

private:
    // Damage, sound, shake and a crack in the glass; the chunk goes at once.
    void HitPlayer();

    Vec3 _startPosition;
    Vec3 _velocity; // units per second
    Vec3 _spinAxis; // unit length
    eDebrisType _kind;
    bool _hitPlayer = false;
    bool _expires;
    float _spinSpeed = 0;    // degrees per second
    Group* _group = nullptr; // layer 3, holds the chunk's mesh
};
