#pragma once
// The ships of the Rtb: two fighters whose flames outlive them, and a cruiser.
#include <vector>

#include "game/world/races/RaceShipEffects.h"
#include "game/world/ships/Fighter.h"

class Emitter;
class ParticleSet;

// What tells the two fighters apart.
struct RtbFighterFit
{
    EngineFlares flares;
    std::vector<EngineTrail> trails;
};

class ShipRtbFighter : public Fighter
{
public:
    // Scale, weapon, flares, trails.
    void UserInit() override;
    // Flares, then the death effects.
    void UserProceed() override;
    // Hands the fire to a particle keeper first.
    void Explode() override;
    // The fire is kept for the explosion.
    void StartBurning() override;
    const Emitter* GetFire() const { return _fireEmitter; }

protected:
    ShipRtbFighter(const char* classname, const RtbFighterFit& fit);

private:
    void CreateEngineFlares();
    void UpdateEngineFlares();

    const RtbFighterFit& _fit;
    ParticleSet* _flareSet = nullptr;
    Emitter* _fireEmitter = nullptr;
};

class ShipRtbFighter02 : public ShipRtbFighter
{
public:
    ShipRtbFighter02();
};

class ShipRtbFighter03 : public ShipRtbFighter
{
public:
    ShipRtbFighter03();
};

class ShipRtbCruiser00 : public Fighter
{
public:
    ShipRtbCruiser00();

    // The death effects.
    void UserProceed() override;
};
