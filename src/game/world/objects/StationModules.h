#pragma once
// The modules of a ytg station: objects whose parts bring each other down, carrying turrets on
// their "weapon_0%d" bones and an energy shield that can be switched on. Their parts collide
// for them: a destructible object has no body besides the parts' own (see Object).
#include <vector>

#include "game/world/objects/Object.h"

class EnergyShield;
class Turret;

// What the three modules share: the turrets and the shield.
class StationModule : public Object
{
public:
    // Then the turrets, each carrying a "TurretSush00" weapon; a missing mount bone is skipped.
    void UserInit() override;
    // The turrets and the shield go with the module; the turret models leave the mounts first,
    // so that the module's model does not take them.
    void UserShutDown() override;

    // Made from the module's shield model and physics asset, registered with the mission.
    void CreateEnergyShield();
    void EnergyShieldOn();
    void EnergyShieldOff();
    // Removed by the mission on its next step.
    void DestroyEnergyShield();
    EnergyShield* GetEnergyShield() const { return _shield; }
    const std::vector<Turret*>& GetTurrets() const { return _turrets; }

protected:
    StationModule(int turretCount, const char* shieldModel, const char* shieldPhysics);

    // Sends every turret the delete telegram and forgets them.
    void DeleteTurrets();

private:
    int _turretCount;
    const char* _shieldModel;
    const char* _shieldPhysics;
    EnergyShield* _shield = nullptr; // an actor of the mission frame
    std::vector<Turret*> _turrets;   // actors of the mission frame
    // Turrets sent the delete telegram, still on their mounts until they go; they stay
    // allocated for the mission.
    std::vector<Turret*> _deletedTurrets;
};

// The nose module: five turrets; damaging one engine damages the other and silences the guns.
class ObjectYtgSushNos : public StationModule
{
public:
    ObjectYtgSushNos();

    void OnPartDamaged(ObjectPart* part) override;
};

// The central module: three turrets; losing its hull collapses it, and it explodes on its next
// step.
class ObjectYtgSushCentr : public StationModule
{
public:
    ObjectYtgSushCentr();

    void UserProceed() override;
    void OnPartDestroyed(ObjectPart* part) override;
    bool IsCollapsing() const { return _explosionPending; }

private:
    void CollapseHull();

    bool _explosionPending = false;
};

// The cabin module: two turrets.
class ObjectYtgSushCabin : public StationModule
{
public:
    ObjectYtgSushCabin();

    void OnPartDestroyed(ObjectPart* part) override;
};
