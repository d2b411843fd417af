// The ship entity's frame: the mode's steering, the force applied, fire control and the pose
// written into the ship's body; or, for a ship out of control, the body's pose read back.
#include <cmath>

#include "foundation/base/Dumper.h"
#include "foundation/math/Quaternion.h"
#include "game/ai/EntityManager.h"
#include "game/ai/ShipEntity.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/ships/Ship.h"
#include "services/physics/PhysicsActor.h"

namespace Pelloris {

namespace {

constexpr float PathPrediction = 2.0f; // seconds
constexpr float BrakingRate = 0.8f;    // of the maximum force
constexpr float ArrivalDistance = 5.0f;
constexpr float WanderArrival = 24.0f;
constexpr float FormationDistance = 200.0f;
constexpr float FireRange = 1500.0f;
constexpr float FireCone = 0.98f; // cosine
constexpr float TwoPi = 6.2831853f;

} // namespace

void ShipEntity::Update(float seconds)
{
    if (!_ship || _ship->IsDead() || _ship->IsDeleted() || (_manager && this == _manager->GetPlayerEntity()))
        return;
    if (_ship->GetOutOfControl())
    {
        FollowBody();
        return;
    }
    _avoidanceDone = false;
    const eShipMode mode = _mode;
    switch (mode)
    {
    case MODE_IDLE:
        // Stations and cruisers hold still and look for nobody.
        if (!_ship->HasFlag(ACTOR_FLAG_LARGE_CRAFT))
        {
            SearchTarget(seconds, true);
            if (GetSpeed() > 0)
                ApplyBraking(BrakingRate * GetMaxForce(), seconds);
        }
        Sync(false);
        ReleaseObstacles();
        break;
    case MODE_MOVE_TO_POINT:
    case MODE_FOLLOW_LEADER:
    case MODE_PATROL_AREA:
        SearchTarget(seconds, false);
        Apply(Steering(mode, seconds), seconds);
        Fire();
        Sync();
        break;
    case MODE_ATTACK:
    case MODE_EVADE:
    case MODE_BACK_ON_TARGET:
        Apply(Steering(mode, seconds), seconds);
        Sync();
        Fire();
        break;
    case MODE_STAY_ON_PATH:
    case MODE_BACK_TO_PATH:
    case MODE_PATROL_PATH:
        if (!_path)
        {
            _mode = MODE_IDLE;
            break;
        }
        if (mode == MODE_PATROL_PATH)
            SearchTarget(seconds, false);
        Apply(Steering(mode, seconds), seconds);
        Fire();
        Sync();
        break;
    case MODE_ESCORT:
        SearchTarget(seconds, false);
        Fire();
        Apply(Steering(mode, seconds), seconds);
        Sync();
        break;
    case MODE_BACK_TO_ESCORT:
        Fire();
        Apply(Steering(mode, seconds), seconds);
        Sync();
        break;
    }
    DebugAnnotation();
}

// An idle ship attacks any enemy of the level at once; a busy one without a target looks once
// a second for an enemy in range.
void ShipEntity::SearchTarget(float seconds, bool immediate)
{
    if (!_manager || (_target && !immediate))
        return;
    _targetSearchTime += seconds;
    if (_targetSearchTime < 1.0 && !immediate)
        return;
    _targetSearchTime = 0;
    Ship* found = _manager->GetBestNearestTarget(_ship, immediate);
    if (!found)
        return;
    _target = found;
    _mode = MODE_ATTACK;
    SetSpeed(OrderedSpeed);
    _ship->SetTarget(found);
}

SteerVec3 ShipEntity::Steering(eShipMode mode, float seconds)
{
    switch (mode)
    {
    case MODE_MOVE_TO_POINT: return MoveToPointSteering();
    case MODE_ATTACK: return AttackSteering();
    case MODE_EVADE: return EvadeSteering();
    case MODE_BACK_ON_TARGET: return BackOnTargetSteering();
    case MODE_FOLLOW_LEADER: return FollowLeaderSteering(seconds);
    case MODE_PATROL_AREA: return PatrolAreaSteering();
    case MODE_STAY_ON_PATH: return StayOnPathSteering();
    case MODE_PATROL_PATH: return PatrolPathSteering();
    case MODE_BACK_TO_PATH: return BackToPathSteering();
    case MODE_ESCORT: return EscortSteering(false, seconds);
    case MODE_BACK_TO_ESCORT: return EscortSteering(true, seconds);
    case MODE_IDLE: break;
    }
    return SteerVec3::zero;
}

SteerVec3 ShipEntity::Avoidance()
{
    if (!_avoidanceDone)
    {
        _avoidance = _manager ? AvoidNeighbours(NeighbourTime, _manager->NeighboursOf(*this)) : SteerVec3::zero;
        _avoidanceDone = true;
    }
    return _avoidance;
}

SteerVec3 ShipEntity::PositionOf(const Ship* ship) const
{
    const ShipEntity* entity = ship->GetEntity();
    return entity ? entity->GetPosition() : SteerVec3(ship->GetPosition());
}

float ShipEntity::OutsideOfPath() const
{
    SteerVec3 tangent;
    float outside = 0;
    _path->MapPointToPath(GetPosition(), tangent, outside);
    return outside;
}

SteerVec3 ShipEntity::MoveToPointSteering()
{
    const SteerVec3 point(_targetPoint);
    if (Distance(GetPosition(), point) <= ArrivalDistance)
    {
        _mode = MODE_IDLE;
        _targetPoint = Vec3(0, 0, 0);
        return SteerVec3::zero;
    }
    const SteerVec3 avoidance = Avoidance();
    return avoidance != SteerVec3::zero ? avoidance : SeekPoint(point);
}

SteerVec3 ShipEntity::AttackSteering()
{
    if (!_target)
    {
        FallBack(true);
        return SteerVec3::zero;
    }
    const ShipEntity* quarry = _target->GetEntity();
    const SteerVec3 pursuit = quarry ? PursueEntity(*quarry, 1.0f) : SeekPoint(PositionOf(_target));
    const SteerVec3 avoidance = Avoidance();
    if (avoidance != SteerVec3::zero)
    {
        _mode = MODE_EVADE;
        return avoidance;
    }
    if (_escortTarget && _escortTarget->IsDead())
    {
        _escortTarget = nullptr;
        _mode = MODE_IDLE;
        return SteerVec3::zero;
    }
    // Too far from the escorted ship, or from the patrolled path (which decides last): back.
    if (_escortTarget && _escortTarget->GetEntity() &&
        Distance(GetPosition(), PositionOf(_escortTarget)) >= _escortRadius)
    {
        _target = nullptr;
        _mode = MODE_BACK_TO_ESCORT;
        SetSpeed(OrderedSpeed);
    }
    if (_path && OutsideOfPath() >= _disengageDistance)
    {
        _target = nullptr;
        _mode = MODE_BACK_TO_PATH;
        SetSpeed(OrderedSpeed);
    }
    return pursuit;
}

SteerVec3 ShipEntity::EvadeSteering()
{
    if (!_target)
    {
        _mode = MODE_IDLE;
        return SteerVec3::zero;
    }
    const SteerVec3 avoidance = Avoidance();
    if (avoidance == SteerVec3::zero)
    {
        // Off past the target, then round to attack again.
        _mode = MODE_BACK_ON_TARGET;
        _wanderPoint = (PositionOf(_target) + GetForward() * RandomBetween(1000, 1500)).ToVec3();
    }
    return avoidance;
}

SteerVec3 ShipEntity::BackOnTargetSteering()
{
    if (!_target)
    {
        _mode = MODE_IDLE;
        return SteerVec3::zero;
    }
    if (_escortTarget && _escortTarget->IsDead())
    {
        _escortTarget = nullptr;
        _mode = MODE_IDLE;
        return SteerVec3::zero;
    }
    const SteerVec3 avoidance = Avoidance();
    if (avoidance != SteerVec3::zero)
    {
        _mode = MODE_EVADE;
        return avoidance;
    }
    if (Distance(GetPosition(), SteerVec3(_wanderPoint)) <= WanderArrival)
    {
        _mode = MODE_ATTACK;
        SetSpeed(OrderedSpeed);
        return AttackSteering();
    }
    // Towards the point at full speed, less the present velocity: the heading alone as a force
    // would pull the ship round the point like a weight on a string, never to it, and the
    // present speed in its place would hold a ship slowed by its pass at that crawl all the way.
    return (SteerVec3(_wanderPoint) - GetPosition()).Normalize() * GetMaxSpeed() - GetVelocity();
}

SteerVec3 ShipEntity::FollowLeaderSteering(float seconds)
{
    if (!_leader || _leader->IsDead())
    {
        _leader = nullptr;
        _mode = MODE_IDLE;
        return SteerVec3::zero;
    }
    const ShipEntity* leader = _leader->GetEntity();
    const SteerVec3 place = leader ? leader->FormationPoint(_formationSlot, FormationDistance) : PositionOf(_leader);
    const SteerVec3 avoidance = Avoidance();
    if (avoidance != SteerVec3::zero)
        return avoidance;
    if (Distance(GetPosition(), place) <= GetRadius())
    {
        ApplyBraking(BrakingRate * GetMaxForce(), seconds);
        return SteerVec3::zero;
    }
    if (leader)
        SetSpeed(leader->GetSpeed());
    return SeekPoint(place);
}

SteerVec3 ShipEntity::FormationPoint(int slot, float distance) const
{
    const size_t count = _followers.size();
    if (slot == -1 || count == 0)
        return GetPosition();
    const SteerVec3 behind = GetPosition() - GetForward() * distance;
    if (count == 1)
        return behind;
    // On a circle about the forward axis, the followers evenly apart.
    Vec3 side = GetSide().ToVec3();
    side.Rotate(GetForward().ToVec3(), static_cast<float>(slot) * TwoPi / static_cast<float>(count));
    return behind + SteerVec3(side) * distance;
}

SteerVec3 ShipEntity::PatrolAreaSteering()
{
    if (Distance(GetPosition(), SteerVec3(_wanderPoint)) <= ArrivalDistance)
    {
        _wanderPoint = RandomPointOf(_patrolArea);
        return SeekPoint(SteerVec3(_wanderPoint));
    }
    const SteerVec3 avoidance = Avoidance();
    return avoidance != SteerVec3::zero ? avoidance : SeekPoint(SteerVec3(_wanderPoint));
}

SteerVec3 ShipEntity::StayOnPathSteering()
{
    if (_path->GetSpeed() > 0)
        SetSpeed(_path->GetSpeed());
    const SteerVec3 follow = FollowPath(1, PathPrediction, *_path);
    const SteerVec3 avoidance = Avoidance();
    if (avoidance != SteerVec3::zero)
        return avoidance;
    if (!_path->IsCyclic() && Distance(GetPosition(), _path->GetLastPoint()) < _path->GetRadius())
    {
        _mode = MODE_IDLE;
        _path.reset();
        return SteerVec3::zero;
    }
    return follow;
}

SteerVec3 ShipEntity::PatrolPathSteering()
{
    if (_path->GetSpeed() > 0)
        SetSpeed(_path->GetSpeed());
    const SteerVec3 avoidance = Avoidance();
    return avoidance != SteerVec3::zero ? avoidance : StayOnPath(PathPrediction, *_path);
}

SteerVec3 ShipEntity::BackToPathSteering()
{
    const SteerVec3 back = StayOnPath(PathPrediction, *_path);
    const SteerVec3 avoidance = Avoidance();
    if (avoidance != SteerVec3::zero)
        return avoidance;
    if (OutsideOfPath() >= 0.75f * _disengageDistance)
    {
        _mode = MODE_PATROL_PATH;
        SetSpeed(OrderedSpeed);
        SetTarget(nullptr);
        for (ShipEntity* follower : _followers)
            follower->SetTarget(nullptr);
    }
    return back;
}

SteerVec3 ShipEntity::EscortSteering(bool back, float seconds)
{
    if (!_escortTarget || _escortTarget->IsDead())
    {
        _escortTarget = nullptr;
        _mode = MODE_IDLE;
        return SteerVec3::zero;
    }
    const SteerVec3 avoidance = Avoidance();
    if (avoidance != SteerVec3::zero)
        return avoidance;
    const ShipEntity* escorted = _escortTarget->GetEntity();
    const SteerVec3 escortedPosition = PositionOf(_escortTarget);
    if (_escortOffset == Vec3(0, 0, 0))
    {
        // Far off: a place of its own near the escorted ship; close by: where it is now.
        if (Distance(GetPosition(), escortedPosition) >= 0.5f * _escortRadius)
        {
            const float nearest = escorted ? escorted->GetRadius() : 0;
            const float x = RandomBetween(nearest, 0.5f * _escortRadius);
            const float y = RandomBetween(nearest, 0.5f * _escortRadius);
            const float z = RandomBetween(nearest, 0.5f * _escortRadius);
            _escortOffset = Vec3(x, y, z);
        }
        else
            _escortOffset = (GetPosition() - escortedPosition).ToVec3();
        return SteerVec3::zero;
    }
    const SteerVec3 place = escortedPosition + SteerVec3(_escortOffset);
    const float distance = Distance(GetPosition(), place);
    const float radius = GetRadius();
    if (back && distance <= 3 * radius)
    {
        _mode = MODE_ESCORT;
        return SteerVec3::zero;
    }
    if (!back && distance <= radius)
    {
        ApplyBraking(BrakingRate * GetMaxForce(), seconds);
        return SteerVec3::zero;
    }
    // On the way back the seek force alone sets the speed: held at full speed far off, the ship
    // could not brake into its turn, and slowed with the distance it fell below its turning
    // speed short of the place when the escorted ship was slow, then passed it by, unarmed.
    if (back)
        return SeekPoint(place);
    // From the escorted ship's speed at the place up to full speed at the escort radius; an
    // escort radius within the entity's own radius leaves nothing to scale by. Beyond the
    // radius it stays at full speed: more would leave the force too little to turn the ship,
    // which then flies off for good; and an escorted ship faster than its maximum does not
    // make it fly backwards.
    const float escortedSpeed = escorted ? escorted->GetSpeed() : 0;
    const float maxSpeed = GetMaxSpeed();
    const float speed = _escortRadius > radius ? escortedSpeed + (maxSpeed - escortedSpeed) * (distance - radius) /
                                                                     (_escortRadius - radius)
                                               : maxSpeed;
    SetSpeed(Clip(speed, 0, maxSpeed));
    return SeekPoint(place);
}

void ShipEntity::Apply(SteerVec3 force, float seconds)
{
    Ship::IncomingFire& fire = _ship->GetIncomingFire();
    if (fire.shooter)
    {
        // Away from the line of a bolt that passed close: the record's point stands for the
        // impact vector and its direction for the other one.
        const SteerVec3 impact(fire.point);
        const SteerVec3 evade =
            impact * static_cast<float>(50 + EngineRandom() % 100) * impact.Dot(SteerVec3(fire.direction));
        force = FleePoint(evade) * 10;
        fire.shooter = nullptr;
    }
    else if (!_obstacles.empty())
    {
        // Only a sphere in the way takes over: one beside or behind leaves the mode steering,
        // else a ship parked by another would never steer again.
        const SteerVec3 avoidance = AvoidObstacles(NeighbourTime, _obstacles);
        if (avoidance != SteerVec3::zero)
            force = avoidance;
        ReleaseObstacles();
    }
    ApplySteering(force, seconds);
}

void ShipEntity::Fire()
{
    if (!_target)
    {
        if (_ship->IsShooting())
            _ship->StopShooting(-1);
        return;
    }
    const SteerVec3 offset = PositionOf(_target) - GetPosition();
    const float distance = offset.Length();
    if (distance < FireRange)
    {
        const bool onTheNose = distance > 0 && (offset / distance).Dot(GetForward()) > FireCone;
        if (onTheNose && !_ship->IsShooting())
            _ship->StartShooting(_target, -1);
        else if (!onTheNose && _ship->IsShooting())
            _ship->StopShooting(-1);
    }
    if (_target->IsDead())
    {
        _target = nullptr;
        FallBack(false);
    }
}

void ShipEntity::FallBack(bool toEscortOrPath)
{
    if (_leader)
        _mode = MODE_FOLLOW_LEADER;
    else if (_targetPoint != Vec3(0, 0, 0))
        _mode = MODE_MOVE_TO_POINT;
    else if (_patrolArea.GetVolume() > 0)
        _mode = MODE_PATROL_AREA;
    else if (toEscortOrPath && _escortTarget)
    {
        _mode = MODE_ESCORT;
        SetSpeed(OrderedSpeed);
    }
    else if (toEscortOrPath && _path)
    {
        _mode = MODE_BACK_TO_PATH;
        SetSpeed(OrderedSpeed);
    }
    else
        _mode = MODE_IDLE;
}

void ShipEntity::FollowBody()
{
    PhysicsActor* body = _ship->GetPhysEntity();
    if (!body)
        return;
    if (body->readBodyFlag(NX_BF_KINEMATIC))
    {
        // Handed over flying as the entity flew it.
        body->clearBodyFlag(NX_BF_KINEMATIC);
        body->SetGlobalLinearVelocity(GetVelocity().ToVec3());
    }
    const Matrix pose = body->GetGlobalPose();
    const SteerVec3 position(pose.Pos()), forward(pose.Dir()), up(pose.Up());
    if (!position.IsFinite() || !forward.IsFinite() || !up.IsFinite())
        return;
    SetPosition(position);
    RegenerateBasisFromForwardAndUp(forward, up);
    SetSpeed(body->GetGlobalLinearVelocity().Length());
}

void ShipEntity::Sync(bool orientation)
{
    PhysicsActor* body = _ship->GetPhysEntity();
    if (!body)
        return;
    const SteerVec3 position = GetPosition();
    if (!position.IsFinite() || !GetSide().IsFinite() || !GetUp().IsFinite() || !GetForward().IsFinite())
    {
        Dumper::Instance().Print(DUMP_ERROR, "AI: the pose of \"%s\" is not a number; the body keeps its own\n",
                                 _shipName);
        return;
    }
    if (orientation)
    {
        Quaternion rotation;
        rotation.FromOrientation((-GetSide()).ToVec3(), GetUp().ToVec3(), GetForward().ToVec3());
        body->SetGlobalOrientationQuat(rotation);
    }
    Vec3 place = position.ToVec3();
    body->SetGlobalPosition(place);
}

} // namespace Pelloris
