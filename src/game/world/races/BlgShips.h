#pragma once
// The ships of the Blg, the player's allies: four fighters with their weapons, engine flares and
// trails, whose pilots scream when their ship burns, and a cruiser.
#include "game/world/ships/Fighter.h"

class ParticleSet;

class ShipBlgFighter : public Fighter
{
public:
    void UserInit() override;
    void UserProceed() override;
    void StartBurning() override;

protected:
    explicit ShipBlgFighter(const char* classname);

private:
    void CreateEngineFlares();
    void UpdateEngineFlares();

    ParticleSet* _flareSet = nullptr;
};

class ShipBlgFighter00 : public ShipBlgFighter
{
public:
    ShipBlgFighter00() : ShipBlgFighter("ShipBlgFighter00") {}
};

// Calls for help once when its shield falls below half.
class ShipBlgFighter01 : public ShipBlgFighter
{
public:
    ShipBlgFighter01() : ShipBlgFighter("ShipBlgFighter01") {}

    void DoDamage(float damage, float shieldFactor, float armorFactor, float structureFactor) override;

private:
    bool _helpCallPlayed = false;
};

class ShipBlgFighter02 : public ShipBlgFighter
{
public:
    ShipBlgFighter02() : ShipBlgFighter("ShipBlgFighter02") {}
};

class ShipBlgFighter03 : public ShipBlgFighter
{
public:
    ShipBlgFighter03() : ShipBlgFighter("ShipBlgFighter03") {}
};

class ShipBlgCruiser02 : public Fighter
{
public:
    ShipBlgCruiser02();

    void UserProceed() override;
};
