#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Mouse-state offsets carried by buffered mouse records.
enum : uint32_t
{
    MOUSE_OFFSET_X = 0,
    MOUSE_OFFSET_Y = 4,
    MOUSE_OFFSET_W = 8,
    MOUSE_OFFSET_BUTTON0 = 12,
    MOUSE_BUTTON_COUNT = 4,
};

// Hat values in hundredths of a degree clockwise from up; this one means centred.
constexpr uint32_t HAT_CENTRED = 0xFFFF;

// One buffered keyboard or mouse record: the scan code or mouse-state offset, and the data
// (0x80 set while a button is down; the movement for a mouse axis).
struct InputRecord
{
    uint32_t offset = 0;
    int32_t data = 0;
};

// The joystick's state as one poll reads it.
struct JoystickState
{
    // X, Y, Z, slider 1, slider 2, X rotation, Y rotation, Z rotation: -1000..1000 after the
    // dead zone.
    int32_t axes[8] = {};
    uint32_t hat = HAT_CENTRED;
    uint8_t buttons[32] = {}; // 0x80 while down
};

enum class InputDevice
{
    Keyboard,
    Mouse,
    Joystick,
};

// Where the input system's devices come from: SDL in the game, the settings program's own
// window toolkit there. Key records carry the classic PC scan codes whatever the toolkit.
class IInputSource
{
public:
    virtual ~IInputSource() = default;

    // Opens the device with a buffer of `bufferSize` records (unused for the joystick); false
    // when the device is absent. `name` gets its product name.
    virtual bool Open(InputDevice device, size_t bufferSize, std::string& name) = 0;
    virtual void Close(InputDevice device) = 0;

    // Takes the records buffered since the last fetch (at most the buffer size; more were
    // dropped on arrival). False when the device was lost.
    virtual bool Fetch(InputDevice device, std::vector<InputRecord>& records) = 0;
    // Forgets what is buffered and starts buffering afresh.
    virtual void Acquire(InputDevice device) = 0;

    // Reads the joystick; false when it was lost.
    virtual bool Poll(JoystickState& state) = 0;
    // Dead zone in hundredths of a percent of the range; auto-centring on or off.
    virtual void ConfigureJoystick(int deadZone, bool autoCentre) = 0;
    virtual bool HasForceFeedback() const = 0;
    virtual void StopForceFeedback() = 0;

    // Whether the window that owns the input has the input focus.
    virtual bool HasFocus() const = 0;
};
