// The ship entity's data: construction, the ship type's limits, tasks and their setters, and
// the obstacle pool.
#include "game/ai/ShipEntity.h"

#include <algorithm>
#include <cstring>

#include "game/ai/EntityManager.h"
#include "game/core/FixedText.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/world/environment/Track.h"
#include "game/world/ships/Ship.h"

namespace Pelloris {

namespace {

const Track* FindTrack(const std::vector<Track*>* tracks, const char* name)
{
    if (!tracks)
        return nullptr;
    for (const Track* track : *tracks)
    {
        const char* trackName = track->GetName().Str();
        if (trackName && std::strcmp(trackName, name) == 0)
            return track;
    }
    return nullptr;
}

std::unique_ptr<PolyPathway> PathOf(const Track& track, float radius, bool looped)
{
    std::vector<SteerVec3> points;
    for (unsigned i = 0; i < track.GetPointCount(); ++i)
        points.emplace_back(track.GetPoint(i).position);
    return std::make_unique<PolyPathway>(static_cast<int>(points.size()), points.data(), radius, looped,
                                         track.GetConstrainedSpeed());
}

} // namespace

ShipEntity::ShipEntity(EntityManager* manager, Ship* ship)
    : _manager(manager), _ship(ship), _obstaclePool(ObstaclePoolSize)
{
    _patrolArea.SetNull();
    _obstacles.reserve(ObstaclePoolSize);
}

ShipEntity::~ShipEntity() = default;

void ShipEntity::ApplyShipType()
{
    const ShipType* type = _ship ? _ship->GetPrototype() : nullptr;
    if (!type)
        return;
    SetMaxSpeed(type->speed);
    SetMaxForce(type->throttle);
    SetMass(type->mass);
    SetRadius(type->collisionRadius);
}

void ShipEntity::SetShipName(const char* name) { CopyFixedText(_shipName, name); }

void ShipEntity::SetFraction(const char* name) { CopyFixedText(_fractionName, name); }

void ShipEntity::ActivateInitialTask() { StartTask(_task); }

void ShipEntity::SetTask(const ShipTaskRecord& task)
{
    ClearTaskData();
    if (!StartTask(task))
        _mode = MODE_IDLE;
}

void ShipEntity::ClearTaskData()
{
    _target = nullptr;
    _targetSearchTime = 0;
    LeaveLeader();
    _followers.clear();
    _patrolArea.SetNull();
    _path.reset();
    _disengageDistance = 0;
    _escortTarget = nullptr;
    _escortRadius = 0;
    _targetPoint = Vec3(0, 0, 0);
}

bool ShipEntity::StartTask(const ShipTaskRecord& task)
{
    ShipEntity* named = nullptr;
    const Track* track = nullptr;
    switch (task.kind)
    {
    case TASK_ATTACK_THE_TARGET:
    case TASK_FOLLOW_THE_LEADER:
    case TASK_ESCORT_THE_TARGET:
        named = _manager ? _manager->GetEntityByName(task.targetName) : nullptr;
        if (!named)
            return false;
        break;
    case TASK_STAY_ON_TRACK:
    case TASK_PATROL_THE_TRACK:
        track = FindTrack(_manager ? _manager->GetAllTracks() : nullptr, task.targetName);
        if (!track)
            return false;
        break;
    default: break;
    }

    switch (task.kind)
    {
    case TASK_NONE: _mode = MODE_IDLE; break;
    case TASK_REACH_THE_POINT: SetMoveToPoint(task.params); break;
    case TASK_ATTACK_THE_TARGET: SetAttackTarget(named); break;
    case TASK_FOLLOW_THE_LEADER: SetFollowLeader(named); break;
    case TASK_PATROL_THE_AREA: SetPatrolArea(task.area); break;
    case TASK_STAY_ON_TRACK: SetStayOnPath(PathOf(*track, task.params.y, task.params.x != 0)); break;
    case TASK_PATROL_THE_TRACK: SetPatrolPath(PathOf(*track, task.params.x, false), task.params.y); break;
    case TASK_ESCORT_THE_TARGET:
    {
        const ShipType* type = _ship ? _ship->GetPrototype() : nullptr;
        const float radius = task.params.x != 0 ? task.params.x : (type ? type->supportRange : 0);
        SetEscort(named, radius);
        break;
    }
    }
    return true;
}

void ShipEntity::SetMoveToPoint(const Vec3& point)
{
    _targetPoint = point == Vec3(0, 0, 0) ? Vec3(0.001f, 0.001f, 0.001f) : point;
    _mode = MODE_MOVE_TO_POINT;
    SetSpeed(OrderedSpeed);
}

void ShipEntity::SetAttackTarget(ShipEntity* entity)
{
    _target = entity ? entity->GetShip() : nullptr;
    _mode = MODE_ATTACK;
    SetSpeed(OrderedSpeed);
}

void ShipEntity::SetFollowLeader(ShipEntity* entity)
{
    LeaveLeader();
    _leader = entity ? entity->GetShip() : nullptr;
    if (entity)
        entity->AddFollower(this);
    _mode = MODE_FOLLOW_LEADER;
    SetSpeed(OrderedSpeed);
}

void ShipEntity::AddFollower(ShipEntity* entity)
{
    if (!entity || std::find(_followers.begin(), _followers.end(), entity) != _followers.end())
        return;
    entity->_formationSlot = static_cast<int>(_followers.size());
    _followers.push_back(entity);
}

// Out of the old leader's formation; the followers behind close up.
void ShipEntity::LeaveLeader()
{
    if (ShipEntity* leader = _leader ? _leader->GetEntity() : nullptr)
        leader->RemoveFollower(this);
    _leader = nullptr;
    _formationSlot = -1;
}

void ShipEntity::RemoveFollower(ShipEntity* entity)
{
    auto it = std::find(_followers.begin(), _followers.end(), entity);
    if (it == _followers.end())
        return;
    _followers.erase(it);
    for (size_t i = 0; i < _followers.size(); ++i)
        _followers[i]->_formationSlot = static_cast<int>(i);
}

void ShipEntity::ForgetShip(const Ship* ship)
{
    if (_target == ship)
        SetTarget(nullptr);
    if (_leader == ship)
        _leader = nullptr;
    if (_escortTarget == ship)
        _escortTarget = nullptr;
}

void ShipEntity::SetPatrolArea(const Bounds& area)
{
    _patrolArea = area;
    if (area.GetVolume() <= 0)
    {
        _mode = MODE_IDLE;
        return;
    }
    _wanderPoint = RandomPointOf(area);
    _mode = MODE_PATROL_AREA;
    SetSpeed(OrderedSpeed);
}

Vec3 ShipEntity::RandomPointOf(const Bounds& area)
{
    const float z = RandomBetween(area.min.z, area.max.z);
    const float y = RandomBetween(area.min.y, area.max.y);
    const float x = RandomBetween(area.min.x, area.max.x);
    return {x, y, z};
}

void ShipEntity::SetStayOnPath(std::unique_ptr<PolyPathway> path)
{
    if (!path)
        return;
    _path = std::move(path);
    _mode = MODE_STAY_ON_PATH;
    SetSpeed(_path->GetSpeed() < 0 ? GetMaxSpeed() : _path->GetSpeed());
}

void ShipEntity::SetPatrolPath(std::unique_ptr<PolyPathway> path, float disengageDistance)
{
    if (!path)
        return;
    SetStayOnPath(std::move(path));
    _disengageDistance = disengageDistance;
    _mode = MODE_PATROL_PATH;
}

void ShipEntity::SetEscort(ShipEntity* entity, float radius)
{
    _escortTarget = entity ? entity->GetShip() : nullptr;
    _escortRadius = radius;
    _mode = MODE_ESCORT;
    SetSpeed(OrderedSpeed);
}

void ShipEntity::SetTarget(Ship* target)
{
    _target = target;
    if (_ship)
        _ship->SetTarget(target);
}

void ShipEntity::AddObstacle(const Sphere& sphere)
{
    if (_obstaclePoolUsed >= ObstaclePoolSize)
        return;
    SphericalObstacle& obstacle = _obstaclePool[_obstaclePoolUsed++];
    obstacle.center = SteerVec3(sphere.center);
    obstacle.radius = 0.98f * sphere.radius - GetRadius();
    _obstacles.push_back(&obstacle);
}

void ShipEntity::ReleaseObstacles()
{
    _obstacles.clear();
    _obstaclePoolUsed = 0;
}

} // namespace Pelloris
