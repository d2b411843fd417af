#pragma once
// One actor's current, previous and global state. The machine owns none of them and routes no
// messages: the owner hands telegrams to its states itself where it wants to.
class Actor;
class State;

class StateMachine
{
public:
    explicit StateMachine(Actor* owner) : _owner(owner) {}

    // Set the field only, without entering or leaving anything.
    void SetCurrentState(State* state) { _current = state; }
    void SetPreviousState(State* state) { _previous = state; }
    void SetGlobalState(State* state) { _global = state; }

    State* GetCurrentState() const { return _current; }
    State* GetPreviousState() const { return _previous; }
    State* GetGlobalState() const { return _global; }
    bool IsInState(const State* state) const { return _current == state; }

    // Runs the global state, then the current one.
    void Update() const;
    // Leaves the current state and enters the new one, which becomes current; the old one becomes
    // the previous state. Changing to the current state, or to none, does nothing.
    void ChangeState(State* state);
    // False when there is no previous state; otherwise changes to it, so that repeated calls
    // swap the two.
    bool RevertToPreviousState();

private:
    Actor* _owner;
    State* _current = nullptr;
    State* _previous = nullptr;
    State* _global = nullptr;
};
