#pragma once
// A gun mounted on a bone of a station module: a turret model and one weapon, and a list of the
// enemies near it.
#include <vector>

#include "game/world/actor/Actor.h"

class Weapon;

struct TurretTarget
{
    Actor* actor = nullptr;
    int unused = 0;
};

class Turret : public Actor
{
public:
    static constexpr size_t WeaponNameSize = 64;

    Turret(const char* weaponTypeName, Bone* mountBone, Actor* owner);
    ~Turret() override;

    void UserInit() override;
    void UserProceed() override {}
    // Sends the weapon the delete telegram and destroys the turret model.
    void UserShutDown() override;

    // The player's ship and the first of each Blg fighter class, when near and fighting.
    void UpdateTargetList();
    const std::vector<TurretTarget*>& GetTargets() const { return _targets; }
    Weapon* GetWeapon() const { return _weapon; }
    Actor* GetOwner() const { return _owner; }

private:
    void ClearTargets();

    Weapon* _weapon = nullptr; // an actor of the mission frame
    Bone* _mountBone;
    Actor* _owner;
    char _weaponTypeName[WeaponNameSize] = {};
    int _unused = 0;
    std::vector<TurretTarget*> _targets; // owned
};
