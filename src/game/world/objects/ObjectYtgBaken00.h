#pragma once
// A beacon with four blinking flares on its "flare_0%d" bones; each flare goes dark with its cap,
// losing the cross-piece brings the whole beacon down, and every part it loses nudges it.
#include "game/world/objects/Object.h"

class ParticleSet;
struct Particle;

class ObjectYtgBaken00 : public Object
{
public:
    static constexpr int FlareCount = 4;

    ObjectYtgBaken00() = default;

    void UserInit() override;
    void UserProceed() override;
    void OnPartDamaged(ObjectPart* part) override;
    void OnPartDestroyed(ObjectPart* part) override;

    // The flares' size factor at a squared distance from the player's ship: 0.2 close up, 1
    // from 5000 units on.
    static float FlareFactor(float distanceSquared);
    const Particle* GetFlare(int index) const { return _flareParticles[index]; }
    bool IsFlareOn(int index) const { return _flareOn[index]; }

protected:
    // Its own large blast first, then the object's explosion.
    void Explode() override;

private:
    void Blink(float spf);
    void PlaceFlares();
    // A push away from a random point near the root, and a turn.
    void Nudge(float force, float torque);

    bool _rising = true;
    float _intensity = 1;
    ParticleSet* _flares = nullptr;
    Particle* _flareParticles[FlareCount] = {};
    bool _flareOn[FlareCount] = {true, true, true, true};
};
