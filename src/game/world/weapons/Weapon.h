#pragma once
// An actor mounted on a ship, the player's ship or a turret: the firing data of its WeaponType,
// the mount bones shots leave from, an optional target, an energy store and a two-state firing
// machine. Owners start and stop firing by switching the machine between WeaponStateIdle and
// WeaponStateAttack; the attack state sends the weapon fire telegrams at its rate and the
// weapon answers each with its Fire.
#include <memory>
#include <vector>

#include "game/world/actor/Actor.h"

class EnergySystem;
struct WeaponType;

class Weapon : public Actor
{
public:
    Weapon(Actor* parent, int firstBoneIndex, Model* model, int firePoints);
    ~Weapon() override;

    // Takes the firing data of the record; a positive fire-points override is written into it.
    void InitializeData(WeaponType* type);

    void UserInit() override;
    void UserProceed() override;
    void UserShutDown() override;
    // The fire telegram, unless the owner is dead or the weapon removed; the others as an actor.
    void OnMessage(Telegram* telegram) override;
    // The bookkeeping after a shot: bursts and ammunition.
    virtual void Fire();

    void SetTarget(Actor* target) { _target = target; }
    void RemoveTarget() { _target = nullptr; }
    Actor* GetTarget() const { return _target; }
    Actor* GetParent() const { return _parent; }
    WeaponType* GetPrototype() const { return _prototype; }
    EnergySystem* GetEnergySystem() const { return _energy.get(); }
    float GetDamage() const { return _damage; }
    float GetDamageShieldKoef() const { return _damageShieldKoef; }
    float GetDamageArmorKoef() const { return _damageArmorKoef; }
    float GetDamageStructureKoef() const { return _damageStructureKoef; }
    float GetBulletLifetime() const { return _bulletLifetime; }
    float GetBulletSpeed() const { return _bulletSpeed; }
    // Negative: unlimited.
    int GetBulletAmount() const { return _bulletAmount; }
    float GetDelay() const { return _delay; }
    void SetDelay(float delay) { _delay = delay; }
    float GetDelayCurrent() const { return _delayCurrent; }
    void SetDelayCurrent(float delay) { _delayCurrent = delay; }
    // The reach of a shot.
    float GetDistance() const { return _bulletLifetime * _bulletSpeed; }
    float GetDistanceSquared() const { return GetDistance() * GetDistance(); }
    const std::vector<Bone*>& GetBones() const { return _bones; }

protected:
    float _damage = 0;
    float _damageShieldKoef = 0; // per cent
    float _damageArmorKoef = 0;
    float _damageStructureKoef = 0;
    float _bulletLifetime = 0; // seconds
    float _bulletSpeed = 0;    // units per second
    int _bulletAmount = 0;
    int _burstSize = -1; // -1: no bursts
    int _burstCounter = -1;
    float _delay = 0; // seconds between shots
    float _delayCurrent = 0;
    float _burstDelay = 0;
    float _burstTimer = 0;
    WeaponType* _prototype = nullptr; // the database's
    std::unique_ptr<EnergySystem> _energy;
    Model* _model; // the weapon's own model, may be null
    int _firePointsOverride;
    Actor* _parent;
    Actor* _target = nullptr;
    int _firstBoneIndex;
    std::vector<Bone*> _bones; // mount bones; a missing one is null
    int _nextBone = 0;         // the next single shot's bone
};
