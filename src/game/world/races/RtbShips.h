#pragma once
// The ships of the Rtb: two fighters whose flames outlive them, and a cruiser.
#include "game/world/ships/Fighter.h"

class Emitter;
class ParticleSet;

class ShipRtbFighter : public Fighter
{
public:
    void UserInit() override;
    void UserProceed() override;
    // Hands the fire to a particle keeper first.
    void Explode() override;
    void StartBurning() override;

protected:
    explicit ShipRtbFighter(const char* classname);

private:
    void CreateEngineFlares();
    void UpdateEngineFlares();

    ParticleSet* _flareSet = nullptr;
    Emitter* _fireEmitter = nullptr;
};

class ShipRtbFighter02 : public ShipRtbFighter
{
public:
    ShipRtbFighter02() : ShipRtbFighter("ShipRtbFighter02") {}
};

class ShipRtbFighter03 : public ShipRtbFighter
{
public:
    ShipRtbFighter03() : ShipRtbFighter("ShipRtbFighter03") {}
};

class ShipRtbCruiser00 : public Fighter
{
public:
    ShipRtbCruiser00();

    void UserProceed() override;
};
