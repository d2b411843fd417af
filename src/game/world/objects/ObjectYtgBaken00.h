#pragma once
// A beacon with four blinking flares; each flare goes dark with its cap, and losing the
// cross-piece brings the whole beacon down.
#include "game/world/objects/Object.h"

class ParticleSet;

class ObjectYtgBaken00 : public Object
{
public:
    static constexpr int FlareCount = 4;

    ObjectYtgBaken00() = default;

    void UserInit() override;
    void UserProceed() override;
    void DoDamage(float amount) override;
    void DoDamageRandom(float amount) override;
    void DoDamageToPart(const char* partName, float amount) override;
    void OnPartDamaged(ObjectPart* part) override;
    void OnPartDestroyed(ObjectPart* part) override;

protected:
    void Explode() override;

private:
    void SetShieldPower(float) {}
    void UpdateSound() {}

    bool _rising = true;
    float _intensity = 1;
    ParticleSet* _flares = nullptr;
    bool _flareOn[FlareCount] = {true, true, true, true};
};
