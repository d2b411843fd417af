#include "ScriptedInput.h"

bool ScriptedInput::Fetch(InputDevice device, std::vector<InputRecord>& records)
{
    records.clear();
    if (device == InputDevice::Keyboard)
        records.swap(_keys);
    else if (device == InputDevice::Mouse)
        records.swap(_mouse);
    return true;
}

void ScriptedInput::MouseMove(int32_t dx, int32_t dy, int32_t wheel)
{
    if (dx)
        _mouse.push_back({MOUSE_OFFSET_X, dx});
    if (dy)
        _mouse.push_back({MOUSE_OFFSET_Y, dy});
    if (wheel)
        _mouse.push_back({MOUSE_OFFSET_W, wheel});
}
