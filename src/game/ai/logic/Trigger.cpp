#include "game/ai/logic/Trigger.h"

#include "game/core/FixedText.h"

Trigger::Trigger(const char* name) { SetName(name); }

void Trigger::SetName(const char* name) { CopyFixedText(_name, name); }

void Trigger::AddCondition(std::unique_ptr<Condition> condition)
{
    if (condition)
        _conditions.push_back(std::move(condition));
}

void Trigger::AddAction(std::unique_ptr<Action> action)
{
    if (action)
        _actions.push_back(std::move(action));
}

void Trigger::Update()
{
    if ((_triggered && _once) || !_enabled)
        return;
    for (const auto& condition : _conditions)
    {
        if (!condition->Is())
            return;
    }
    for (const auto& action : _actions)
        action->Do();
    _triggered = true;
}

void Trigger::Save(FILE*) const {}

void Trigger::Load(FILE*) {}
