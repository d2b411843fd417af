#pragma once
// The player in a mission of the started game, driven by scripted input through the game's
// own bindings file.
#include <memory>
#include <vector>

#include "ScriptedInput.h"
#include "StartedMission.h"
#include "game/core/level/SingleLevel.h"
#include "services/input/InputConfig.h"
#include "services/input/InputSystem.h"

class Player;
class PlayerShip;

// Each test a fresh mission with the player at the origin, in the game started once for the
// test program, with no pilot chosen and scripted input through the game's bindings file.
class PlayerTest : public StartedMissionTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    static bool GameStarted() { return GetStartedGame() && GetStartedGame()->Started(); }

    // Reads the scripted input, then runs one mission frame.
    void Step(float seconds = 1.0f / 64);
    void Steps(int count, float seconds = 1.0f / 64);
    // A key pressed in one frame and released in the next.
    void Tap(uint32_t scanCode);
    // The robot's voice is silent for the first seconds of a mission; this lets it speak.
    void OpenRobot();

    Player& ThePlayer();
    PlayerShip& Ship();

    ScriptedInput* script = nullptr;

private:
    InputConfig _bindings;
    std::unique_ptr<InputSystem> _input;
};

// Seeds the engine's random numbers so that the next draw modulo `modulus` gives `value`.
void SeedForDraw(int modulus, int value);
