#pragma once

#include "foundation/base/Handles.h"
#include "services/input/InputCodes.h"
#include "platform/input/InputSource.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class InputConfig;

// The product names and presence of the current devices.
struct InputInfo
{
    char keyboardName[256] = {};
    char mouseName[256] = {};
    char joystickName[256] = {};
    bool forceFeedback = false;
    bool mouse = false;
    bool keyboard = false;
    bool joystick = false;
};

// Reads the keyboard, the mouse and one joystick once per frame into a list of button events
// and eleven axes, and answers questions about named actions through the bindings.
class InputSystem
{
public:
    // The game: SDL devices for the platform window behind `window`.
    explicit InputSystem(WindowHandle window);
    // Any other owner of the input (the settings program's toolkit, tests).
    explicit InputSystem(std::unique_ptr<IInputSource> source);
    virtual ~InputSystem();
    InputSystem(const InputSystem&) = delete;
    InputSystem& operator=(const InputSystem&) = delete;

    void SetConfig(InputConfig* config) { _config = config; }
    InputConfig* GetConfig() const { return _config; }

    // Reads all devices once; called once per frame.
    void ProcessInputData();
    // Records one button transition; `down` is non-zero for a press.
    virtual void ProcessKeys(unsigned long down, unsigned long code);
    // The next press of the keyboard key (a scan code) and its release are read but kept from
    // the bindings: something else (the console) has taken that key. A key held already is
    // left alone, so that its release still ends what its press began.
    void IgnoreKey(unsigned long scanCode);

    // With device 0 the code carries its device identifier itself.
    bool IsKeyEvent(unsigned long device, unsigned long code, eButtonState state) const;
    bool IsKeyEvent(unsigned long device, const char* action, eButtonState state) const;
    // Keyboard, mouse or joystick.
    bool IsKeyEvent(const char* action, eButtonState state) const;

    // The change since the last frame or the absolute value; 0 beyond the eleven axes.
    long GetAxis(unsigned long index, bool change) const;
    long GetAxis(unsigned long device, const char* action, bool change) const;
    bool GetAxisName(unsigned long device, unsigned long index, char* out, size_t outSize) const;

    // The first event's code sharing a bit with `mask`, or 9999999.
    unsigned long GetLastBtn(unsigned long mask) const;
    // The display name of a button of a device ("P", "Mouse button 2", "POV up"); false when
    // the device is absent or has no such button.
    bool GetObjectInfo(unsigned long device, unsigned long object, char* name, size_t nameSize) const;

    long GetMouseX() const { return _axes[AXIS_MOUSE_X]; }
    long GetMouseY() const { return _axes[AXIS_MOUSE_Y]; }
    long GetMouseW() const { return _axes[AXIS_MOUSE_W]; }
    long GetJoyX() const { return _axes[AXIS_JOY_X]; }
    long GetJoyY() const { return _axes[AXIS_JOY_Y]; }
    long GetJoyZ() const { return _axes[AXIS_JOY_Z]; }
    long GetJoySlider1() const { return _axes[AXIS_JOY_SLIDER1]; }
    long GetJoySlider2() const { return _axes[AXIS_JOY_SLIDER2]; }
    long GetJoyRX() const { return _axes[AXIS_JOY_RX]; }
    long GetJoyRY() const { return _axes[AXIS_JOY_RY]; }
    long GetJoyRZ() const { return _axes[AXIS_JOY_RZ]; }

    bool IsKeybord() const { return _keyboard; }
    bool IsMouse() const { return _mouse; }
    bool IsJoystick() const { return _joystick; }
    const InputInfo& GetInputInfo() const { return _info; }

    // Reopens every device and resets the axes.
    void RestartSystem();
    // Applies the dead zone to the joystick and forgets the held buttons.
    void UpdateSettings();
    void FreeDevices();

private:
    struct Event
    {
        uint32_t code;
        eButtonState state;
    };

    void ReadButtons(InputDevice device, uint32_t deviceId);
    void ReadJoystick();
    void ReadHat(uint32_t hat);
    bool HasEvent(uint32_t code, eButtonState state) const;
    void DropStaleInput();
    // Whether the keyboard record belongs to a key that IgnoreKey took away.
    bool TakeIgnored(const InputRecord& record);

    std::unique_ptr<IInputSource> _source;
    bool _keyboard = false;
    bool _mouse = false;
    bool _joystick = false;
    InputInfo _info;
    int32_t _changes[AXIS_COUNT] = {};
    int32_t _axes[AXIS_COUNT] = {};
    bool _hatDown[4] = {};
    bool _hatWasDown[4] = {};
    uint32_t _lastHat = 0;
    std::vector<uint32_t> _held;
    std::vector<uint32_t> _ignored; // one entry per ignored press still to be released
    int _deadZone = 0;
    InputConfig* _config = nullptr;
    std::vector<Event> _events;
    std::vector<InputRecord> _records; // reused between frames

    // The last seen state of joystick buttons 0..31, shared by every input system.
    static bool s_joyButtonDown[32];
};
