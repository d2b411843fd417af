#pragma once
// One rule of the level logic: when all its conditions hold, all its actions run. A trigger
// fires at most once unless it is set to fire on every frame in which its conditions hold, and a
// disabled trigger never fires. It owns its conditions and actions.
#include <cstddef>
#include <cstdio>
#include <memory>
#include <vector>

#include "game/ai/logic/Action.h"
#include "game/ai/logic/Condition.h"

class Trigger
{
public:
    static constexpr size_t NameSize = 256;

    explicit Trigger(const char* name = "trigger");
    // Conditions and actions have one owner.
    Trigger(const Trigger&) = delete;
    Trigger& operator=(const Trigger&) = delete;

    void SetName(const char* name);
    const char* GetName() const { return _name; }
    bool IsEnable() const { return _enabled; }
    void Enable() { _enabled = true; }
    void Disable() { _enabled = false; }
    bool IsOnce() const { return _once; }
    void SetOnce() { _once = true; }
    void SetForever() { _once = false; }
    bool IsTriggered() const { return _triggered; }

    // Appended in order; null is ignored.
    void AddCondition(std::unique_ptr<Condition> condition);
    void AddAction(std::unique_ptr<Action> action);
    size_t GetConditionCount() const { return _conditions.size(); }
    Condition* GetCondition(size_t index) const { return _conditions[index].get(); }
    size_t GetActionCount() const { return _actions.size(); }
    Action* GetAction(size_t index) const { return _actions[index].get(); }

    // Asks the conditions in order, stopping at the first that does not hold; when all hold (or
    // there are none) runs every action in order and marks the trigger fired.
    void Update();

    // Triggers are not stored: the logic file is their only source. Both leave the stream and
    // the trigger as they are.
    void Save(FILE* file) const;
    void Load(FILE* file);

private:
    char _name[NameSize] = {};
    bool _once = true;
    bool _triggered = false;
    bool _enabled = true;
    std::vector<std::unique_ptr<Condition>> _conditions;
    std::vector<std::unique_ptr<Action>> _actions;
};
