#pragma once
// The steering entity of one ship of a mission (and of the player's ship): the ship's AI mode
// with the task data that drives it, a pool of obstacle spheres, and the kinematic state of the
// steering library. Once a frame the entity manager runs Update: the mode computes a steering
// force, the force moves the entity, the entity writes its pose into the ship's physics body
// (which it flies kinematically) and fire control starts or stops the ship's weapons; a ship out
// of control is left to its controller and its physics. Modes
// change by themselves and by tasks: the ship's first task from the level file and later ones
// from the mission logic.
#include <cstddef>
#include <memory>
#include <vector>

#include "foundation/math/Bounds.h"
#include "foundation/math/Sphere.h"
#include "game/ai/ShipTaskRecord.h"
#include "game/ai/steering/SimpleEntity.h"

class Ship;

namespace Pelloris {

class EntityManager;

enum eShipMode : int
{
    MODE_IDLE = 0,
    MODE_MOVE_TO_POINT = 1,
    MODE_ATTACK = 2,
    MODE_EVADE = 3,
    MODE_BACK_ON_TARGET = 4,
    MODE_FOLLOW_LEADER = 5,
    MODE_PATROL_AREA = 6,
    MODE_STAY_ON_PATH = 7,
    MODE_PATROL_PATH = 8,
    MODE_BACK_TO_PATH = 9,
    MODE_ESCORT = 10,
    MODE_BACK_TO_ESCORT = 11,
};

class ShipEntity : public SimpleEntity
{
public:
    static constexpr int ObstaclePoolSize = 500;
    // The speed a task or a found target orders; the seconds ahead that neighbours and
    // obstacles are judged.
    static constexpr float OrderedSpeed = 100;
    static constexpr float NeighbourTime = 2.0f;
    static constexpr size_t ShipNameSize = 256;
    static constexpr size_t FractionNameSize = 64;

    // Made by the entity manager for the ship, which it does not own.
    ShipEntity(EntityManager* manager, Ship* ship);
    ~ShipEntity() override;
    ShipEntity(const ShipEntity&) = delete;
    ShipEntity& operator=(const ShipEntity&) = delete;

    // The ship type's "speed", "throttle", "mass" and "collisionRadius" as the limits.
    void ApplyShipType();

    // The first task, as the level file gives it; started by ActivateInitialTask.
    void SetInitialTask(const ShipTaskRecord& task) { _task = task; }
    const ShipTaskRecord& GetTask() const { return _task; }
    void MarkAsPlayer() { _task.isPlayer = true; }
    // A named ship or track that does not exist leaves the entity as it is.
    void ActivateInitialTask();
    // Clears the task data and starts the task; a named ship or track that does not exist
    // leaves the entity idle.
    void SetTask(const ShipTaskRecord& task);

    // (0, 0, 0) stands for no point and is taken as (0.001, 0.001, 0.001).
    void SetMoveToPoint(const Vec3& point);
    void SetAttackTarget(ShipEntity* entity);
    void SetFollowLeader(ShipEntity* entity);
    // Each follower takes the next formation slot.
    void AddFollower(ShipEntity* entity);
    // The followers behind the one that leaves close up.
    void RemoveFollower(ShipEntity* entity);
    // Drops every hold on a ship that leaves the mission: target, leader and escorted ship.
    void ForgetShip(const Ship* ship);
    // An area without volume leaves the entity idle.
    void SetPatrolArea(const Bounds& area);
    // The entity owns the path; null changes nothing.
    void SetStayOnPath(std::unique_ptr<PolyPathway> path);
    void SetPatrolPath(std::unique_ptr<PolyPathway> path, float disengageDistance);
    void SetEscort(ShipEntity* entity, float radius);
    // The target of the entity and of its ship.
    void SetTarget(Ship* target);
    // A sphere to steer around this frame; past the pool's size a frame's spheres are ignored.
    void AddObstacle(const Sphere& sphere);

    void Update(float seconds);

    Ship* GetShip() const { return _ship; }
    const char* GetShipName() const { return _shipName; }
    void SetShipName(const char* name);
    const char* GetFraction() const { return _fractionName; }
    void SetFraction(const char* name);

    eShipMode GetMode() const { return _mode; }
    Ship* GetTarget() const { return _target; }
    Ship* GetLeader() const { return _leader; }
    int GetFormationSlot() const { return _formationSlot; }
    const std::vector<ShipEntity*>& GetFollowers() const { return _followers; }
    Ship* GetEscortTarget() const { return _escortTarget; }
    float GetEscortRadius() const { return _escortRadius; }
    const Vec3& GetEscortOffset() const { return _escortOffset; }
    const Vec3& GetTargetPoint() const { return _targetPoint; }
    const Vec3& GetWanderPoint() const { return _wanderPoint; }
    const PolyPathway* GetPath() const { return _path.get(); }
    float GetDisengageDistance() const { return _disengageDistance; }
    const std::vector<SphericalObstacle*>& GetObstacles() const { return _obstacles; }

    // Where a follower in the slot stands behind this leader, at the distance.
    SteerVec3 FormationPoint(int slot, float distance) const;

private:
    // Starts the record by its kind; false when its ship or track is missing.
    bool StartTask(const ShipTaskRecord& task);
    void ClearTaskData();
    void LeaveLeader();

    // The steps of Update.
    void SearchTarget(float seconds, bool immediate);
    SteerVec3 Steering(eShipMode mode, float seconds);
    // The neighbour avoidance, worked out once a frame.
    SteerVec3 Avoidance();
    SteerVec3 MoveToPointSteering();
    SteerVec3 AttackSteering();
    SteerVec3 EvadeSteering();
    SteerVec3 BackOnTargetSteering();
    SteerVec3 FollowLeaderSteering(float seconds);
    SteerVec3 PatrolAreaSteering();
    SteerVec3 StayOnPathSteering();
    SteerVec3 PatrolPathSteering();
    SteerVec3 BackToPathSteering();
    SteerVec3 EscortSteering(bool back, float seconds);
    void Apply(SteerVec3 force, float seconds);
    void Fire();
    // The body takes the entity's pose; the idle mode moves only its position.
    void Sync(bool orientation = true);
    // A ship out of control is left to its controller: its body flies by physics from then on
    // (with the entity's velocity to start with), and the entity takes the body's pose each
    // frame, so that the others see where it is.
    void FollowBody();
    void ReleaseObstacles();
    // Once the target is gone: to the leader, the point or the area the task data still
    // holds, else idle; the attack also returns to its escort or its path.
    void FallBack(bool toEscortOrPath);
    void DebugAnnotation() const;

    SteerVec3 PositionOf(const Ship* ship) const;
    float OutsideOfPath() const;
    static Vec3 RandomPointOf(const Bounds& area);

    Vec3 _targetPoint{0, 0, 0};
    Vec3 _wanderPoint{0, 0, 0};
    char _shipName[ShipNameSize] = {};
    char _fractionName[FractionNameSize] = {};
    std::vector<SphericalObstacle*> _obstacles; // this frame's, from the pool
    ShipTaskRecord _task;
    eShipMode _mode = MODE_IDLE;
    EntityManager* _manager;
    Ship* _ship;
    Ship* _target = nullptr;
    double _targetSearchTime = 0;
    Ship* _leader = nullptr;
    std::vector<ShipEntity*> _followers;
    int _formationSlot = -1;
    Bounds _patrolArea;
    std::unique_ptr<PolyPathway> _path;
    float _disengageDistance = 0;
    Ship* _escortTarget = nullptr;
    float _escortRadius = 0;
    Vec3 _escortOffset{0, 0, 0};
    std::vector<SphericalObstacle> _obstaclePool;
    int _obstaclePoolUsed = 0;
    SteerVec3 _avoidance;
    bool _avoidanceDone = false;
};

} // namespace Pelloris
