#pragma once
// The two firing states every weapon shares. The idle state holds at most one ready shot; the
// attack state sends the weapon a fire telegram whenever its delay has passed and its
// ammunition allows.
#include "game/core/states/State.h"

class WeaponStateIdle : public State
{
public:
    static WeaponStateIdle* Instance();

    void OnEnter(Actor*) override {}
    void OnExecute(Actor* weapon) override;
    void OnExit(Actor*) override {}
    void OnMessage(Telegram*) override {}

private:
    WeaponStateIdle();
};

class WeaponStateAttack : public State
{
public:
    static WeaponStateAttack* Instance();

    void OnEnter(Actor*) override {}
    void OnExecute(Actor* weapon) override;
    void OnExit(Actor*) override {}
    void OnMessage(Telegram*) override {}

private:
    WeaponStateAttack();
};
