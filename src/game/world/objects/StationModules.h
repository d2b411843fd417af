#pragma once
// The modules of a ytg station: objects whose parts bring each other down, carrying turrets and
// an energy shield that can be switched on. Each raises NX_AF_DISABLE_COLLISION on its own body
// (its parts collide instead).
#include <vector>

#include "game/world/objects/Object.h"

class EnergyShield;
class Turret;

// The nose module: five turrets; damaging one engine damages the other and silences the guns.
class ObjectYtgSushNos : public Object
{
public:
    ObjectYtgSushNos();

    void UserInit() override;
    void UserShutDown() override;
    void OnPartDamaged(ObjectPart* part) override;
    void OnPartDestroyed(ObjectPart*) override {}

    void CreateEnergyShield();
    void EnergyShieldOn();
    void EnergyShieldOff();
    void DestroyEnergyShield();
    unsigned GetTurretCount() const { return static_cast<unsigned>(_turrets.size()); }

private:
    void DeleteTurrets();

    EnergyShield* _shield = nullptr; // an actor of the mission frame
    std::vector<Turret*> _turrets;   // actors of the mission frame
};

// The central module: three turrets; losing its hull collapses it and it explodes.
class ObjectYtgSushCentr : public Object
{
public:
    ObjectYtgSushCentr();

    void UserInit() override;
    void UserProceed() override;
    void UserShutDown() override;
    void OnPartDamaged(ObjectPart*) override {}
    void OnPartDestroyed(ObjectPart* part) override;

    void CreateEnergyShield();
    void EnergyShieldOn();
    void EnergyShieldOff();
    void DestroyEnergyShield();
    unsigned GetTurretCount() const { return static_cast<unsigned>(_turrets.size()); }

private:
    void DeleteTurrets();
    void CollapseHull();

    EnergyShield* _shield = nullptr;
    std::vector<Turret*> _turrets;
    bool _explosionPending = false;
};

// The cabin module: two turrets.
class ObjectYtgSushCabin : public Object
{
public:
    ObjectYtgSushCabin();

    void UserInit() override;
    void UserShutDown() override;
    void OnPartDamaged(ObjectPart*) override {}
    void OnPartDestroyed(ObjectPart* part) override;

    void CreateEnergyShield();
    void EnergyShieldOn();
    void EnergyShieldOff();
    void DestroyEnergyShield();
    unsigned GetTurretCount() const { return static_cast<unsigned>(_turrets.size()); }

private:
    void DeleteTurrets();

    EnergyShield* _shield = nullptr;
    std::vector<Turret*> _turrets;
};
