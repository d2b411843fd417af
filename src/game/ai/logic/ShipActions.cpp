#include "game/ai/logic/ShipActions.h"

#include "game/ai/ShipEntity.h"
#include "game/ai/ShipTaskRecord.h"
#include "game/ai/logic/LogicServices.h"
#include "game/core/FixedText.h"
#include "game/world/ships/Ship.h"

ActionEnableDisableShip::ActionEnableDisableShip() { SetName("ActionEnableDisableShip"); }

void ActionEnableDisableShip::Initialize(const char* shipName)
{
    CopyFixedText(_shipName, shipName);
    SetInitialized();
}

void ActionEnableDisableShip::DoAction()
{
    // A ship blows up once.
    Ship* ship = Logic::AsShip(Logic::FindActor(_shipName, Logic::PLAYER_NAME_NONE));
    if (ship && !ship->IsDead())
        ship->Explode();
}

ActionShipChangeTask::ActionShipChangeTask() { SetName("ActionShipChangeTask"); }

bool ActionShipChangeTask::Begin(eTask task, const char* ship)
{
    if (IsInitialized())
        return false;
    _task = task;
    _ship = Logic::FindActor(ship, Logic::PLAYER_NAME_ANY_CASE);
    SetInitialized();
    return true;
}

void ActionShipChangeTask::Initialize_Idle(const char* ship) { Begin(TASK_IDLE, ship); }

void ActionShipChangeTask::Initialize_AttackTheTarget(const char* ship, const char* target)
{
    if (Begin(TASK_ATTACK_THE_TARGET, ship))
        CopyFixedText(_targetName, target);
}

void ActionShipChangeTask::Initialize_FollowTheLeader(const char* ship, const char* target)
{
    if (Begin(TASK_FOLLOW_THE_LEADER, ship))
        CopyFixedText(_targetName, target);
}

void ActionShipChangeTask::Initialize_ReachThePoint(const char* ship, const Vec3& point)
{
    if (Begin(TASK_REACH_THE_POINT, ship))
        _point = point;
}

void ActionShipChangeTask::Initialize_PatrolTheArea(const char* ship, const Vec3& first, const Vec3& second)
{
    if (!Begin(TASK_PATROL_THE_AREA, ship))
        return;
    _firstCorner = first;
    _secondCorner = second;
}

void ActionShipChangeTask::Initialize_StayOnTrack(const char* ship, const char* track, float radius, bool looped)
{
    if (!Begin(TASK_STAY_ON_TRACK, ship))
        return;
    CopyFixedText(_trackName, track);
    _radius = radius;
    _looped = looped;
}

void ActionShipChangeTask::Initialize_PatrolTheTrack(const char* ship, const char* track, float radius, float disengage)
{
    if (!Begin(TASK_PATROL_THE_TRACK, ship))
        return;
    CopyFixedText(_trackName, track);
    _radius = radius;
    _disengageDistance = disengage;
}

void ActionShipChangeTask::Initialize_EscortTheTarget(const char* ship, const char* target, float radius)
{
    if (!Begin(TASK_ESCORT_THE_TARGET, ship))
        return;
    CopyFixedText(_targetName, target);
    _radius = radius;
}

void ActionShipChangeTask::DoAction()
{
    const Ship* ship = Logic::AsShip(_ship.Get());
    Pelloris::ShipEntity* entity = ship && !ship->IsDead() ? ship->GetEntity() : nullptr;
    if (!entity)
        return;
    // The record's names hold 63 characters; longer ones are cut.
    Pelloris::ShipTaskRecord task;
    switch (_task)
    {
    case TASK_IDLE: task.kind = Pelloris::TASK_NONE; break;
    case TASK_ATTACK_THE_TARGET:
        task.kind = Pelloris::TASK_ATTACK_THE_TARGET;
        CopyFixedText(task.targetName, _targetName);
        break;
    case TASK_FOLLOW_THE_LEADER:
        task.kind = Pelloris::TASK_FOLLOW_THE_LEADER;
        CopyFixedText(task.targetName, _targetName);
        break;
    case TASK_REACH_THE_POINT:
        task.kind = Pelloris::TASK_REACH_THE_POINT;
        task.params = _point;
        break;
    case TASK_PATROL_THE_AREA:
        task.kind = Pelloris::TASK_PATROL_THE_AREA;
        task.area.SetDimensions(_firstCorner.x, _firstCorner.y, _firstCorner.z, _secondCorner.x, _secondCorner.y,
                                _secondCorner.z);
        break;
    case TASK_STAY_ON_TRACK:
        task.kind = Pelloris::TASK_STAY_ON_TRACK;
        CopyFixedText(task.targetName, _trackName);
        task.params = Vec3(_looped ? 1.0f : 0.0f, _radius, 0);
        break;
    case TASK_PATROL_THE_TRACK:
        task.kind = Pelloris::TASK_PATROL_THE_TRACK;
        CopyFixedText(task.targetName, _trackName);
        task.params = Vec3(_radius, _disengageDistance, 0);
        break;
    case TASK_ESCORT_THE_TARGET:
        task.kind = Pelloris::TASK_ESCORT_THE_TARGET;
        CopyFixedText(task.targetName, _targetName);
        task.params = Vec3(_radius, 0, 0);
        break;
    }
    entity->SetTask(task);
}
