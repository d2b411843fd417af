#include "game/core/states/StateMachine.h"

#include "game/core/states/State.h"

void StateMachine::Update() const
{
    if (_global)
        _global->OnExecute(_owner);
    if (_current)
        _current->OnExecute(_owner);
}

void StateMachine::ChangeState(State* state)
{
    if (!state || state == _current)
        return;
    _previous = _current;
    if (_current)
        _current->OnExit(_owner);
    _current = state;
    _current->OnEnter(_owner);
}

bool StateMachine::RevertToPreviousState()
{
    if (!_previous)
        return false;
    ChangeState(_previous);
    return true;
}
