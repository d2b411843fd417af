#pragma once
// A visible and solid bubble around an owner actor: while on, the owner's body stops colliding
// and the shield's collides in its place; weapon hits drain its power, and at none it switches
// off. It glows up when struck.
#include "game/world/actor/Actor.h"

class RenderMesh;

class EnergyShield : public Actor
{
public:
    static constexpr size_t NameSize = 64;

    // Null names count as empty: no model gives the default shield mesh, no physics asset no
    // body.
    EnergyShield(Actor* owner, const char* modelName, const char* physicsAsset, bool glowOnHit);

    void SetShield(float power);
    float GetShieldMax() const { return _maxPower; }
    float GetShieldCurrent() const { return _power; }
    void SetShieldRegeneration(float rate) { _regeneration = rate; }
    // Starts the glow pulse; the argument is not used.
    void SetPower(float);
    // Only with a body of its own.
    void On();
    void Off();

    void UserInit() override;
    void UserProceed() override;
    void UserShutDown() override;
    void OnMessage(Telegram* telegram) override;

private:
    // On: the shield's body collides in place of the owner's, and it shows.
    void Switch(bool on);
    void DoDamage(float damage, float factor);

    RenderMesh* _mesh = nullptr;
    float _maxPower = 10000;
    float _power = 10000;
    float _regeneration = 0;
    char _modelName[NameSize] = {};
    char _physicsAsset[NameSize] = {};
    bool _glowOnHit;
    Actor* _owner;
    float _glow = 0;
    bool _hitPending = false;
};
