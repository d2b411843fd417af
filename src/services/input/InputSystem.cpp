#include "services/input/InputSystem.h"

#include "foundation/base/Dumper.h"
#include "platform/input/ScanCodes.h"
#include "platform/input/SdlInputSource.h"
#include "services/input/InputConfig.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr size_t kKeyboardBuffer = 64;
constexpr size_t kMouseBuffer = 128;
constexpr uint32_t kDownBit = 0x80;
constexpr uint32_t kHatButton = 32; // up, right, down, left follow

const char* const kAxisNames[AXIS_COUNT] = {"MouseX",     "MouseY",     "MouseW", "JoyX",  "JoyY", "JoyZ",
                                            "JoySlider1", "JoySlider2", "JoyRX",  "JoyRY", "JoyRZ"};
const char* const kHatNames[4] = {"POV up", "POV right", "POV down", "POV left"};

void CopyName(const char* name, char* out, size_t outSize)
{
    if (out && outSize > 0)
        std::snprintf(out, outSize, "%s", name);
}

} // namespace

bool InputSystem::s_joyButtonDown[32] = {};

InputSystem::InputSystem(WindowHandle window) : InputSystem(std::make_unique<SdlInputSource>(window)) {}

InputSystem::InputSystem(std::unique_ptr<IInputSource> source) : _source(std::move(source)) { RestartSystem(); }

InputSystem::~InputSystem() { FreeDevices(); }

void InputSystem::FreeDevices()
{
    if (_joystick)
    {
        _source->StopForceFeedback();
        _source->Close(InputDevice::Joystick);
    }
    if (_keyboard)
        _source->Close(InputDevice::Keyboard);
    if (_mouse)
        _source->Close(InputDevice::Mouse);
    _keyboard = _mouse = _joystick = false;
}

void InputSystem::RestartSystem()
{
    FreeDevices();
    _deadZone = 0;
    std::fill(std::begin(_changes), std::end(_changes), 0);
    std::fill(std::begin(_axes), std::end(_axes), 0);
    std::fill(std::begin(_hatDown), std::end(_hatDown), false);
    std::fill(std::begin(_hatWasDown), std::end(_hatWasDown), false);

    std::string name;
    _keyboard = _source->Open(InputDevice::Keyboard, kKeyboardBuffer, name);
    CopyName(_keyboard ? name.c_str() : "", _info.keyboardName, sizeof(_info.keyboardName));
    _mouse = _source->Open(InputDevice::Mouse, kMouseBuffer, name);
    CopyName(_mouse ? name.c_str() : "", _info.mouseName, sizeof(_info.mouseName));
    _joystick = _source->Open(InputDevice::Joystick, 0, name);
    CopyName(_joystick ? name.c_str() : "", _info.joystickName, sizeof(_info.joystickName));
    if (!_joystick)
        Dumper::Instance().Print(DUMP_STARTUP, "No joystick is attached; joystick bindings have no effect\n");
    _info.forceFeedback = _joystick && _source->HasForceFeedback();
    UpdateSettings();
}

void InputSystem::UpdateSettings()
{
    if (_joystick)
        _source->ConfigureJoystick(_deadZone, true);
    _info.keyboard = _keyboard;
    _info.mouse = _mouse;
    _info.joystick = _joystick;
    _held.clear();
}

void InputSystem::DropStaleInput()
{
    // Nothing read while another window has the focus may surface later, and releases sent
    // meanwhile are lost, so the held buttons are forgotten too.
    _events.clear();
    _held.clear();
    _ignored.clear();
    std::fill(std::begin(_changes), std::end(_changes), 0);
    if (_keyboard)
        _source->Acquire(InputDevice::Keyboard);
    if (_mouse)
        _source->Acquire(InputDevice::Mouse);
}

void InputSystem::ProcessInputData()
{
    if (!_source->HasFocus())
    {
        DropStaleInput();
        return;
    }
    if (_config && _config->GetDeadZone() != _deadZone)
    {
        _deadZone = _config->GetDeadZone();
        UpdateSettings();
    }

    _events.clear();
    int32_t previous[AXIS_COUNT];
    std::copy(std::begin(_axes), std::end(_axes), previous);

    if (_keyboard)
        ReadButtons(InputDevice::Keyboard, INPUT_KEYBOARD);
    if (_mouse)
        ReadButtons(InputDevice::Mouse, INPUT_MOUSE);
    if (_joystick)
        ReadJoystick();

    for (uint32_t i = 0; i < AXIS_COUNT; ++i)
        _changes[i] = _axes[i] - previous[i];
    for (uint32_t code : _held)
    {
        if (!HasEvent(code, BUTTON_HELD))
            _events.push_back({code, BUTTON_HELD});
    }
}

void InputSystem::ReadButtons(InputDevice device, uint32_t deviceId)
{
    if (!_source->Fetch(device, _records))
    {
        _source->Acquire(device);
        _held.clear();
        return;
    }
    for (const InputRecord& record : _records)
    {
        if (deviceId == INPUT_MOUSE && record.offset < MOUSE_OFFSET_BUTTON0)
        {
            _axes[AXIS_MOUSE_X + record.offset / 4] += record.data;
            continue;
        }
        if (deviceId == INPUT_KEYBOARD && TakeIgnored(record))
            continue;
        ProcessKeys(record.data & kDownBit, deviceId | record.offset);
    }
}

void InputSystem::ReadJoystick()
{
    JoystickState state;
    if (!_source->Poll(state))
    {
        _source->Acquire(InputDevice::Joystick);
        _held.clear();
        return;
    }
    std::copy(std::begin(state.axes), std::end(state.axes), _axes + AXIS_JOY_X);
    if (static_cast<int32_t>(state.hat) != static_cast<int32_t>(_lastHat))
        ReadHat(state.hat);
    for (uint32_t button = 0; button < 32; ++button)
    {
        const uint32_t bit = state.buttons[button] & kDownBit;
        if ((bit != 0) != s_joyButtonDown[button])
        {
            ProcessKeys(bit, INPUT_JOYSTICK | button);
            s_joyButtonDown[button] = bit != 0;
        }
    }
}

void InputSystem::ReadHat(uint32_t hat)
{
    enum
    {
        Up,
        Right,
        Down,
        Left
    };
    // The directions a hat value holds, in the order they are pressed.
    int directions[2] = {-1, -1};
    if (hat == 0)
        directions[0] = Up;
    else if (hat == 9000)
        directions[0] = Right;
    else if (hat == 18000)
        directions[0] = Down;
    else if (hat == 27000)
        directions[0] = Left;
    else if (hat < 9000)
        directions[0] = Up, directions[1] = Right;
    else if (hat < 18000)
        directions[0] = Right, directions[1] = Down;
    else if (hat < 27000)
        directions[0] = Down, directions[1] = Left;
    else if (hat < 36000)
        directions[0] = Left, directions[1] = Up;

    std::fill(std::begin(_hatDown), std::end(_hatDown), false);
    for (int direction : directions)
    {
        if (direction < 0)
            continue;
        _hatDown[direction] = true;
        if (!_hatWasDown[direction])
            ProcessKeys(1, INPUT_JOYSTICK | (kHatButton + direction));
    }
    for (int direction = 0; direction < 4; ++direction)
    {
        if (_hatWasDown[direction] && !_hatDown[direction])
            ProcessKeys(0, INPUT_JOYSTICK | (kHatButton + direction));
    }
    std::copy(std::begin(_hatDown), std::end(_hatDown), _hatWasDown);
    _lastHat = hat;
}

void InputSystem::ProcessKeys(unsigned long down, unsigned long code)
{
    const uint32_t key = static_cast<uint32_t>(code);
    if (down)
    {
        _held.push_back(key);
    }
    else
    {
        const auto it = std::find(_held.begin(), _held.end(), key);
        if (it != _held.end())
            _held.erase(it);
    }
    _events.push_back({key, down ? BUTTON_PRESSED : BUTTON_RELEASED});
    _events.push_back({key, BUTTON_CHANGED});
}

void InputSystem::IgnoreKey(unsigned long scanCode)
{
    // Without a keyboard no release would ever take the key back.
    const uint32_t key = static_cast<uint32_t>(scanCode);
    if (_keyboard && std::find(_held.begin(), _held.end(), INPUT_KEYBOARD | key) == _held.end())
        _ignored.push_back(key);
}

bool InputSystem::TakeIgnored(const InputRecord& record)
{
    const auto it = std::find(_ignored.begin(), _ignored.end(), record.offset);
    if (it == _ignored.end())
        return false;
    if (!(record.data & kDownBit))
        _ignored.erase(it);
    return true;
}

bool InputSystem::HasEvent(uint32_t code, eButtonState state) const
{
    return std::any_of(_events.begin(), _events.end(),
                       [&](const Event& e) { return e.code == code && e.state == state; });
}

bool InputSystem::IsKeyEvent(unsigned long device, unsigned long code, eButtonState state) const
{
    return HasEvent(static_cast<uint32_t>(device | code), state);
}

bool InputSystem::IsKeyEvent(unsigned long device, const char* action, eButtonState state) const
{
    if (!_config)
        return false;
    const unsigned long code = _config->GetButtonEvent(device, action);
    return code != INPUT_NO_CODE && IsKeyEvent(device, code, state);
}

bool InputSystem::IsKeyEvent(const char* action, eButtonState state) const
{
    return IsKeyEvent(INPUT_KEYBOARD, action, state) || IsKeyEvent(INPUT_MOUSE, action, state) ||
           IsKeyEvent(INPUT_JOYSTICK, action, state);
}

long InputSystem::GetAxis(unsigned long index, bool change) const
{
    if (index >= AXIS_COUNT)
        return 0;
    return change ? _changes[index] : _axes[index];
}

long InputSystem::GetAxis(unsigned long device, const char* action, bool change) const
{
    unsigned long axis = 0;
    if (!_config || !_config->GetAxisEvent(device, action, axis))
        return 0;
    return GetAxis(axis, change);
}

bool InputSystem::GetAxisName(unsigned long device, unsigned long index, char* out, size_t outSize) const
{
    const bool valid = (device == INPUT_MOUSE && index <= AXIS_MOUSE_W) ||
                       (device == INPUT_JOYSTICK && index >= AXIS_JOY_X && index < AXIS_COUNT);
    if (!valid)
        return false;
    CopyName(kAxisNames[index], out, outSize);
    return true;
}

unsigned long InputSystem::GetLastBtn(unsigned long mask) const
{
    for (const Event& e : _events)
    {
        if (e.code & mask)
            return e.code;
    }
    return INPUT_NO_CODE;
}

bool InputSystem::GetObjectInfo(unsigned long device, unsigned long object, char* name, size_t nameSize) const
{
    // Bindings may carry their device identifier or not.
    if (object & device)
        object &= ~device;
    char text[64] = {};
    switch (device)
    {
    case INPUT_KEYBOARD:
        if (!_keyboard || object > 255 || !*ScanCodeName(static_cast<int>(object)))
            return false;
        CopyName(ScanCodeName(static_cast<int>(object)), text, sizeof(text));
        break;
    case INPUT_MOUSE:
        if (!_mouse || object < MOUSE_OFFSET_BUTTON0 || object >= MOUSE_OFFSET_BUTTON0 + MOUSE_BUTTON_COUNT)
            return false;
        std::snprintf(text, sizeof(text), "Mouse button %lu", object - MOUSE_OFFSET_BUTTON0 + 1);
        break;
    case INPUT_JOYSTICK:
        if (!_joystick || object >= kHatButton + 4)
            return false;
        if (object >= kHatButton)
            CopyName(kHatNames[object - kHatButton], text, sizeof(text));
        else
            std::snprintf(text, sizeof(text), "Joystick button %lu", object + 1);
        break;
    default: return false;
    }
    CopyName(text, name, nameSize);
    return true;
}
