#pragma once
// The player in a mission of the started game, driven by scripted input through the game's
// own bindings file.
#include <memory>
#include <vector>

#include "StartedMission.h"
#include "game/core/level/SingleLevel.h"
#include "platform/input/InputSource.h"
#include "services/input/InputConfig.h"
#include "services/input/InputSystem.h"

class Player;
class PlayerShip;

// A keyboard, a mouse and a joystick that report what the test scripts: key and button
// transitions and mouse movement queued for the next frame, the joystick as it is set.
class ScriptedInput : public IInputSource
{
public:
    bool Open(InputDevice, size_t, std::string& name) override
    {
        name = "scripted";
        return true;
    }
    void Close(InputDevice) override {}
    bool Fetch(InputDevice device, std::vector<InputRecord>& records) override;
    void Acquire(InputDevice) override {}
    bool Poll(JoystickState& state) override
    {
        state = joystick;
        return true;
    }
    void ConfigureJoystick(int, bool) override {}
    bool HasForceFeedback() const override { return false; }
    void StopForceFeedback() override {}
    bool HasFocus() const override { return true; }

    // A key by its scan code, a mouse button by its number.
    void Key(uint32_t scanCode, bool down) { _keys.push_back({scanCode, down ? 0x80 : 0}); }
    void MouseButton(uint32_t button, bool down) { _mouse.push_back({MOUSE_OFFSET_BUTTON0 + button, down ? 0x80 : 0}); }
    void MouseMove(int32_t dx, int32_t dy, int32_t wheel);

    JoystickState joystick;

private:
    std::vector<InputRecord> _keys;
    std::vector<InputRecord> _mouse;
};

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
