#include "game/ai/Task.h"

#include <cstdio>

#include "game/ai/ShipStates.h"
#include "game/core/FixedText.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/core/states/StateMachine.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/environment/Track.h"
#include "game/world/ships/Ship.h"
#include "services/physics/PhysicsActor.h"

namespace {

void ChangeState(Ship* ship, State* state)
{
    if (StateMachine* machine = ship ? ship->GetStateMachine() : nullptr)
        machine->ChangeState(state);
}

} // namespace

void Task::GetDescription(char* buffer, size_t size) const { std::snprintf(buffer, size, "Task (base, not valid)"); }

void Task::SetParent(Ship* ship)
{
    _parent = ship;
    OnEnterTask();
}

void ShipTask::SetShipName(const char* name) { CopyFixedText(_shipName, name); }

void ShipTask::OnLevelStart()
{
    SingleLevel* level = game.GetLevel();
    Actor* actor = level ? level->GetActor(_shipName) : nullptr;
    _ship = actor && actor->HasFlag(ACTOR_FLAG_SHIP) ? static_cast<Ship*>(actor) : nullptr;
}

bool ShipTask::IsValid() const { return _ship && !_ship->IsDead() && _ship->IsEnable() && !_ship->IsDeleted(); }

void TaskSupport::GetDescription(char* buffer, size_t size) const
{
    if (GetShip())
        std::snprintf(buffer, size, "Support (%s)", GetShip()->GetName());
    else
        std::snprintf(buffer, size, "Support (no valid)");
}

void TaskSupport::OnEnterTask() { ChangeState(GetParent(), ShipStateSupport::Instance()); }

void TaskMoveByTrack::SetTrackName(const char* name) { CopyFixedText(_trackName, name); }

void TaskMoveByTrack::OnLevelStart()
{
    SingleLevel* level = game.GetLevel();
    _track = level ? level->GetTrackByName(Name(_trackName)) : nullptr;
}

void TaskMoveByTrack::GetDescription(char* buffer, size_t size) const
{
    const char* name = _track ? _track->GetName().Str() : nullptr;
    if (name)
        std::snprintf(buffer, size, "MoveByTrack (%s)", name);
    else
        std::snprintf(buffer, size, "MoveByTrack (no valid)");
}

void TaskAttack::OnLevelStart()
{
    ShipTask::OnLevelStart();
    if (GetParent())
        GetParent()->SetTarget(GetShip());
}

void TaskAttack::GetDescription(char* buffer, size_t size) const
{
    const Ship* ship = GetShip();
    if (!ship)
    {
        std::snprintf(buffer, size, "Attack (no valid)");
        return;
    }
    const Vec3 at = ship->GetPhysEntity() ? ship->GetPhysEntity()->GetGlobalPosition() : ship->GetPosition();
    std::snprintf(buffer, size, "At (%s[%.2f,%.2f,%.2f])", ship->GetName(), at.x, at.y, at.z);
}

void TaskAttack::OnEnterTask() { ChangeState(GetParent(), ShipStateAttack::Instance()); }
