#pragma once
// The weapon that fires energy bolts: a salvo from every mount bone or one bone after another.
// The player's blasters draw on its energy store, sound, and are the only ones whose shots use
// up ammunition.
#include <memory>

#include "game/world/weapons/Weapon.h"

class Burst;

class WeaponBurst : public Weapon
{
public:
    static constexpr float PlayerShotEnergy = 2.5f;

    WeaponBurst(Actor* parent, int firstBoneIndex, Model* model, int firePoints);
    ~WeaponBurst() override;

    void UserInit() override;
    void UserProceed() override;
    void UserShutDown() override;
    void Fire() override;
    Burst* GetBurst() const { return _burst.get(); }

private:
    void FireByRegime();
    void PlayShotSound() const;
    void WarnLowPower() const;

    std::unique_ptr<Burst> _burst;
};
