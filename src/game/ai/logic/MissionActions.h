#pragma once
// The actions that steer the mission itself: loading a sub-level, winning and losing.
#include <cstddef>

#include "game/ai/logic/Action.h"

// Has the player's ship load "levels\<name>" into the running level after the delay (a
// telegram from the ship to itself). Without a player's ship nothing is loaded.
class ActionLoadSubLevel : public Action
{
public:
    static constexpr size_t LevelNameSize = 1024;

    ActionLoadSubLevel();
    void Initialize(const char* levelName, float delay);
    const char* GetLevelName() const { return _levelName; }
    float GetDelay() const { return _delay; }

private:
    void DoAction() override;

    char _levelName[LevelNameSize] = {};
    float _delay = 0;
};

class ActionMissionWin : public Action
{
public:
    ActionMissionWin();

private:
    void DoAction() override;
};

class ActionMissionLose : public Action
{
public:
    ActionMissionLose();

private:
    void DoAction() override;
};
