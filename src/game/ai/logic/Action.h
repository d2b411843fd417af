#pragma once
// The base of the actions that a level-logic trigger runs when it fires. An action runs only
// when it is enabled and was initialised: each kind's initialise operation marks it so, and an
// action whose keys the reader could not make sense of is never initialised.
#include <cstddef>

class Action
{
public:
    static constexpr size_t NameSize = 512;

    Action();
    virtual ~Action() = default;

    const char* GetName() const { return _name; }
    void SetName(const char* name);
    void Enable() { _enabled = true; }
    void Disable() { _enabled = false; }
    bool IsEnable() const { return _enabled; }
    bool IsInitialized() const { return _initialized; }

    // Runs the action when it is enabled and initialised.
    void Do();

protected:
    void SetInitialized() { _initialized = true; }

private:
    virtual void DoAction() = 0;

    char _name[NameSize] = {};
    bool _enabled = true;
    bool _initialized = false;
};
