#pragma once
// A keyboard, a mouse and a joystick that report what a test or a benchmark scripts: key and
// button transitions and mouse movement queued for the next frame, the joystick as it is set.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/input/InputSource.h"

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
    void MouseMove(int32_t dx, int32_t dy, int32_t wheel = 0);

    JoystickState joystick;

private:
    std::vector<InputRecord> _keys;
    std::vector<InputRecord> _mouse;
};
