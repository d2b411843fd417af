#pragma once
// The actor of every spacecraft of a mission: AI fighters, cruisers, stations, the player's
// ship and the pieces that break off ships. It carries the three defence layers (shield,
// armour, structure) with their regeneration and the damage rules that strip them, the
// burning, out-of-control and exploded states, the mounted weapons with the orders to start
// and stop shooting, and the speed and turning orders it hands to its ship controller. Its
// numbers come from a ShipType record; Fighter and its subclasses build the body.
#include <memory>
#include <vector>

#include "MaterialSystem/draw/DrawTypes.h"
#include "foundation/math/Quaternion.h"
#include "game/world/actor/Actor.h"

class DestructableObject;
class DynamicShipController;
class Material;
class ObjectPart;
class Track;
class Weapon;
struct ShipType;

namespace Pelloris {
class ShipEntity;
}

class Ship : public Actor
{
public:
    // The last enemy bolt whose ray crossed the ship's sensor sphere: written by the bolt, read
    // and cleared (the shooter set back to null) by the ship's AI.
    struct IncomingFire
    {
        Vec3 direction{0, 0, 0};
        Vec3 point{0, 0, 0}; // where the ray met the sensor sphere
        Actor* shooter = nullptr;
    };

    Ship();
    ~Ship() override;

    // Keeps the record and takes its numbers (the player's ship keeps its own defence values).
    void InitializeData(ShipType* type);
    ShipType* GetPrototype() const { return _prototype; }
    // "Fighter YTG", "Fighter BLG" or "(error)", by class name.
    const char* GetPublicName() const;
    Material* GetScannerIcon() const;

    float GetCurrentShield() const { return _currentShield; }
    float GetCurrentArmor() const { return _currentArmor; }
    float GetCurrentStructure() const { return _currentStructure; }
    float GetMaximumShield() const { return _maxShield; }
    float GetMaximumArmor() const { return _maxArmor; }
    float GetMaximumStructure() const { return _maxStructure; }
    void SetCurrentShield(float value) { _currentShield = value; }
    void SetCurrentArmor(float value) { _currentArmor = value; }
    void SetCurrentStructure(float value) { _currentStructure = value; }
    void SetMaximumShield(float value) { _maxShield = value; }
    void SetMaximumArmor(float value) { _maxArmor = value; }
    void SetMaximumStructure(float value) { _maxStructure = value; }

    // Has the mission frame make the weapon and mounts it; a weapon the game data lacks leaves
    // its slot empty (null).
    void AddWeapon(const char* name, int firstBoneIndex, Model* model, int firePoints);
    // Null when out of range.
    Weapon* GetWeapon(unsigned index) const;
    unsigned GetWeaponCount() const { return static_cast<unsigned>(_weapons.size()); }
    // Sends the weapon the delete telegram.
    void RemoveWeapon(Weapon* weapon);
    bool IsShooting() const;

    // Movement orders, in per cent of the maximum speed; they need a controller.
    void SetSpeed(float percent);
    float GetSpeed() const { return _orderedSpeed; }
    // -1 after a negative speed order, else 1.
    float GetSpeedSign() const { return _speedSign; }
    float GetCurrentSpeed() const { return _currentSpeed; }
    const Vec3& GetCurrentVelocity() const { return _velocity; }
    float GetMaxSpeed() const { return _maxSpeed; }
    // The prototype's movement numbers; angles in degrees.
    float GetAcceleration() const { return _acceleration; }
    float GetDamping() const { return _damping; }
    float GetAngularSpeed() const { return _angularSpeed; }
    float GetAngularAcceleration() const { return _angularAcceleration; }
    float GetAngularDamping() const { return _angularDamping; }
    void SetMaxSpeed(float speed);
    void ChangeSpeed(float rate);
    void SetSpeedPerc(float percent, bool fromJoystick);
    float GetSpeedPerc() const { return _speedPerc; }
    void SetSpeedKoef(float factor) { _speedKoef = factor; }
    float GetSpeedKoef() const { return _speedKoef; }
    void Yaw(long value);
    void Pitch(long value);
    void Roll(long value);
    void SetAbsStrafe(float value);
    void SetStrafeSpeed(float value);
    // Kept normalised.
    void SetRotateToDir(const Vec3& dir);
    const Vec3& GetRotateToDir() const { return _steeringDirection; }
    Vec3 GetTrackPos(int index) const;
    const Vec3& GetNextTrackPos() const { return _nextTrackPos; }

    void Attack(Ship* target) { _target = target; }
    bool AcquirePrimaryTask() { return false; }
    Ship* GetTarget() const { return _target; }
    void SetTarget(Ship* target) { _target = target; }
    const Vec3& GetDeadPoint() const { return _deadPoint; }
    void SetDeadPoint(const Vec3& point) { _deadPoint = point; }
    bool IsDead() const { return _dead; }
    bool IsBurning() const { return _burning; }
    bool GetOutOfControl() const { return _outOfControl; }
    void EnableTurrets(bool enable) { _turretsEnabled = enable; }
    bool IsTurretsEnable() const { return _turretsEnabled; }
    bool IsDestructable() const { return _parts != nullptr; }
    DestructableObject* GetDestructableObject() const { return _parts.get(); }
    DynamicShipController* GetController() const { return _controller.get(); }
    DynamicShipController* GetDynamicShipController() const { return _controller.get(); }
    Pelloris::ShipEntity* GetEntity() const { return _entity; }
    void SetEntity(Pelloris::ShipEntity* entity) { _entity = entity; }
    // The entity manager's sort key of this ship in the player's target choice.
    float GetAimKey() const { return _aimKey; }
    void SetAimKey(float key) { _aimKey = key; }
    IncomingFire& GetIncomingFire() { return _incomingFire; }
    // The particle effect "dustMetal.pse" when the camera is near.
    void SpawnDust(const Vec3& point, const Quaternion& orientation);

    void OnTouch(PhysicsActorEventListener& other, PhysicsActor& own, PhysicsActor& otherActor, Vec3& point,
                 Vec3& normal, NxContactStreamIterator& contacts) override;
    void OnTriggerStay(PhysicsActorEventListener& other, NxShape& own, NxShape& otherShape) override;
    // Registers the ship's debug drawing with the scene.
    void UserInit() override;
    void UserProceed() override;
    void UserShutDown() override;
    // The root matrix and the body's pose.
    void SetPose(Matrix pose) override;
    void Enable() override { Actor::Enable(); }
    void Disable() override { Actor::Disable(); }
    // Damage of every kind after the actor's own handling; a dead ship ignores it.
    void OnMessage(Telegram* telegram) override;
    void OnLevelStart() override {}
    void OnTimer(unsigned int) override {}
    // The forward and steering lines, for the game settings' debug information.
    void OnRender(eSceneLayerType layer, Camera* camera, MaterialSystem* system) override;

    virtual void Explode();
    virtual void StartBurning();
    // Its AI lets go and its order stops it: the body flies by physics, toward the speed the
    // ship's own class orders from then on, if any.
    virtual void SetOutOfControl();
    // 1 for a plain ship.
    virtual float GetAverageDamage();
    virtual void MoveToPoint(const Vec3& point);
    virtual void MoveByTrack(Track* track);
    virtual void StartShooting(Weapon* weapon);
    // Index -1: every weapon.
    virtual void StartShooting(Actor* target, int index);
    virtual void StartShooting(int index);
    virtual void StopShooting(Weapon* weapon);
    virtual void StopShooting(int index);
    virtual void OnPartDamaged(ObjectPart*) {}
    virtual void OnPartDestroyed(ObjectPart*) {}
    virtual void OnPartDetached(ObjectPart*) {}
    virtual void DoDamageByWeapon(Weapon* weapon);
    // The factors weigh the damage per layer; only the outermost layer left takes it.
    virtual void DoDamage(float damage, float shieldFactor, float armorFactor, float structureFactor);
    virtual void DoRegeneration();

protected:
    // The player's ship of the mission.
    bool IsPlayerShip() const;
    // A type-4 telegram: the part structure, or the whole ship, takes the hit.
    void DoDamageToPart(NxShape* shape, Weapon* weapon, float amount, bool ownShape);
    // Radians per second for a turn order of -1000..1000 of the angular speed; 0 once dead.
    float TurnRate(long value) const;
    // The level's obstacle spheres near the ship, for its AI entity.
    void AvoidLevelObstacles();

    std::unique_ptr<DynamicShipController> _controller; // made by Fighter
    std::unique_ptr<DestructableObject> _parts;         // made when the prototype is destructible

private:
    float _speedSign = 1;
    Pelloris::ShipEntity* _entity = nullptr; // not owned
    Vec3 _velocity{0, 0, 0};
    Vec3 _lastPosition{0, 0, 0};
    float _currentSpeed = 0;
    HelperLine _debugLines[2] = {};
    ShipType* _prototype = nullptr;
    float _speedKoef = 1;
    bool _turretsEnabled = true;
    float _maxSpeed = 0;
    float _strafeStep = 0;
    float _acceleration = 0;
    float _damping = 0;
    float _angularSpeed = 0; // degrees
    float _angularAcceleration = 0;
    float _angularDamping = 0;
    float _maxShield = 0, _maxArmor = 0, _maxStructure = 0;
    float _currentShield = 0, _currentArmor = 0, _currentStructure = 0;
    float _shieldRegen = 0, _armorRegen = 0, _structureRegen = 0; // per second
    bool _shieldLostReported = false;
    bool _outOfControl = false;
    float _contactTimer = 0;
    bool _dead = false;
    bool _burning = false;
    Vec3 _smoothedDirection{0, 0, 1};
    Vec3 _steeringDirection{0, 0, 1};
    float _orderedSpeed = 0;
    std::vector<Weapon*> _weapons; // actors of the mission frame, in mounting order
    Track* _track = nullptr;
    int _trackPoint = 0;
    Vec3 _nextTrackPos{0, 0, 0};
    Ship* _target = nullptr;
    Vec3 _deadPoint{0, 0, 0};
    float _protectionTimer = 0.5f; // seconds without damage after creation
    float _speedPerc = 1;
    IncomingFire _incomingFire;
    float _aimKey = 0;
};
