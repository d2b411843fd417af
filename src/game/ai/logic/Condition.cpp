#include "game/ai/logic/Condition.h"

#include "game/ai/LevelLogic.h"
#include "game/ai/logic/LogicServices.h"
#include "game/ai/logic/Trigger.h"
#include "game/core/FixedText.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/ships/Ship.h"

Condition::Condition() { SetName("condition"); }

void Condition::SetName(const char* name) { CopyFixedText(_name, name); }

ConditionTimer::ConditionTimer() { SetName("ConditionTimer"); }

bool ConditionTimer::Is()
{
    const SingleLevel* level = Logic::GetLevel();
    return IsEnable() && level && level->GetTime() >= _timer;
}

ConditionTriggerNotCompleted::ConditionTriggerNotCompleted() { SetName("ConditionTriggerNotCompleted"); }

void ConditionTriggerNotCompleted::Initialize(const char* triggerName) { CopyFixedText(_triggerName, triggerName); }

bool ConditionTriggerNotCompleted::Is()
{
    LevelLogic* logic = Logic::GetLogic();
    const Trigger* trigger = logic ? logic->GetTriggerSystem().GetTrigger(_triggerName) : nullptr;
    return !(trigger && trigger->IsTriggered());
}

ConditionShipCount::ConditionShipCount() { SetName("ConditionShipCount"); }

void ConditionShipCount::Initialize(const char* classname) { CopyFixedText(_classname, classname); }

bool ConditionShipCount::Is()
{
    const SingleLevel* level = Logic::GetLevel();
    const int count = level ? static_cast<int>(level->GetActorCountByClassname(_classname)) : 0;
    if (_countEqual >= 0 && count == _countEqual)
        return true;
    return _countNotEqual >= 0 && count != _countNotEqual;
}

ConditionShipDestroyed::ConditionShipDestroyed() { SetName("ConditionShipDestroyed"); }

void ConditionShipDestroyed::Initialize(const char* shipName)
{
    _ship = Logic::FindActor(shipName, Logic::PLAYER_NAME_NONE);
}

bool ConditionShipDestroyed::Is()
{
    Actor* actor = _ship.Get();
    if (!actor)
        return true;
    if (const Ship* ship = Logic::AsShip(actor))
        return ship->IsDead();
    return actor->IsDeleted();
}

ConditionShipInArea::ConditionShipInArea() { SetName("ConditionShipInArea"); }

void ConditionShipInArea::InitializeArea(const char* shipName, const Vec3& min, const Vec3& max)
{
    _ship = Logic::FindActor(shipName, Logic::PLAYER_NAME_EXACT);
    if (!_ship.Get())
        return;
    _kind = AREA_BOX;
    _min = min;
    _max = max;
}

void ConditionShipInArea::InitializeSphere(const char* shipName, const Vec3& centre, float radius)
{
    _ship = Logic::FindActor(shipName, Logic::PLAYER_NAME_EXACT);
    if (!_ship.Get())
        return;
    _kind = AREA_SPHERE;
    _centre = centre;
    _radiusSquared = radius * radius;
}

bool ConditionShipInArea::Is()
{
    const Actor* ship = _ship.Get();
    if (!ship)
        return false;
    const Vec3 position = ship->GetPosition();
    switch (_kind)
    {
    case AREA_BOX: return _min <= position && position <= _max;
    case AREA_SPHERE: return position.DistanceSquared(_centre) <= _radiusSquared;
    default: return false;
    }
}
