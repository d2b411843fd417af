#pragma once
// A gun mounted on a bone of a station module: a turret model and one weapon, and a list of the
// enemies near it.
#include <vector>

#include "game/world/actor/Actor.h"

class Weapon;

// An enemy the turret sees.
struct TurretTarget
{
    Actor* actor = nullptr;
};

class Turret : public Actor
{
public:
    static constexpr size_t WeaponNameSize = 64;

    Turret(const char* weaponTypeName, Bone* mountBone, Actor* owner);
    ~Turret() override;

    // The turret model "ytg_gan_s_d.mod" on the mount bone becomes the main model, where the
    // weapon finds its mount bones; then the weapon is made, owned by the turret.
    void UserInit() override;
    void UserProceed() override {}
    // Sends the weapon the delete telegram and destroys the turret model.
    void UserShutDown() override;
    // Takes the turret model off the mount, keeping its place, when the mount is about to go
    // before the turret does.
    void Unmount();

    // The player's ship and the first of each Blg fighter class, when within 8192 units of the
    // mount, alive and under control. Nothing in the turret reads the list.
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
    std::vector<TurretTarget*> _targets; // owned
};
