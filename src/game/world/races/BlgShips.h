#pragma once
// The ships of the Blg, the player's allies: four fighters with their weapons, engine flares and
// trails, whose pilots scream when their ship burns, and a cruiser.
#include <vector>

#include "game/world/races/RaceShipEffects.h"
#include "game/world/ships/Fighter.h"

class ParticleSet;

// What tells the four fighters apart.
struct BlgFighterFit
{
    struct Mount
    {
        const char* weapon;
        int firstBone;
    };
    std::vector<Mount> weapons;
    std::vector<float> flareSizes;
    std::vector<int> trailEngines;
    float trailLifetime;
};

class ShipBlgFighter : public Fighter
{
public:
    // Weapons, flares, trails.
    void UserInit() override;
    // Flares, then the death effects.
    void UserProceed() override;
    // The pilot screams (when the radio is free) and the ship burns.
    void StartBurning() override;

protected:
    ShipBlgFighter(const char* classname, const BlgFighterFit& fit);

private:
    void CreateEngineFlares();
    void UpdateEngineFlares();

    const BlgFighterFit& _fit;
    ParticleSet* _flareSet = nullptr;
};

class ShipBlgFighter00 : public ShipBlgFighter
{
public:
    ShipBlgFighter00();
};

// Calls for help once when its shield falls below half.
class ShipBlgFighter01 : public ShipBlgFighter
{
public:
    ShipBlgFighter01();

    void DoDamage(float damage, float shieldFactor, float armorFactor, float structureFactor) override;
    bool IsHelpCallPlayed() const { return _helpCallPlayed; }

private:
    bool _helpCallPlayed = false;
};

class ShipBlgFighter02 : public ShipBlgFighter
{
public:
    ShipBlgFighter02();
};

class ShipBlgFighter03 : public ShipBlgFighter
{
public:
    ShipBlgFighter03();
};

class ShipBlgCruiser02 : public Fighter
{
public:
    ShipBlgCruiser02();

    // The death effects.
    void UserProceed() override;
};
