#pragma once
// The ship states that tasks switch a ship's state machine into. They fly the ship through its
// own flight controls (speed and turn orders). Each state exists once, shared by every ship.
#include "game/core/states/State.h"

class ShipStateIdle : public State
{
public:
    static ShipStateIdle* Instance();
    void OnEnter(Actor*) override {}
    void OnExecute(Actor*) override {}
    void OnExit(Actor*) override {}
    void OnMessage(Telegram*) override {}

private:
    ShipStateIdle() { SetDescription("SS_Idle"); }
};

// Chases the ship's target, fires when it is on the nose within range, and turns away when the
// target comes close head-on.
class ShipStateAttack : public State
{
public:
    static ShipStateAttack* Instance();
    void OnEnter(Actor*) override {}
    void OnExecute(Actor* actor) override;
    void OnExit(Actor* actor) override;
    void OnMessage(Telegram*) override {}

private:
    ShipStateAttack() { SetDescription("SS_Attack"); }
};

// Breaks off sideways, then away from the dead point, rolling the harder the more shield is
// lost, for 3.5 to 5.4 seconds; then back to the state before.
class ShipStateTurnAway : public State
{
public:
    static ShipStateTurnAway* Instance();
    void OnEnter(Actor* actor) override;
    void OnExecute(Actor* actor) override;
    void OnExit(Actor* actor) override;
    void OnMessage(Telegram*) override {}

    float GetElapsed() const { return _elapsed; }
    float GetDuration() const { return _duration; }

private:
    ShipStateTurnAway() { SetDescription("SS_TurnAway"); }
    void NewDuration();

    float _elapsed = 0;  // seconds
    float _duration = 0; // seconds
};

class ShipStateSupport : public State
{
public:
    static ShipStateSupport* Instance();
    void OnEnter(Actor*) override {}
    void OnExecute(Actor*) override {}
    void OnExit(Actor*) override {}
    void OnMessage(Telegram*) override {}

private:
    ShipStateSupport() { SetDescription("SS_Support"); }
};

// Flies back towards the world's origin, then to the state before.
class ShipStateGotoPoint : public State
{
public:
    static ShipStateGotoPoint* Instance();
    void OnEnter(Actor*) override {}
    void OnExecute(Actor* actor) override;
    void OnExit(Actor*) override {}
    void OnMessage(Telegram*) override {}

private:
    ShipStateGotoPoint() { SetDescription("SS_GoToPoint"); }
};
