#pragma once

#include <cstdint>

// The mouse-state offsets and hat values of the devices' records.
#include "platform/input/InputSource.h"

// Button codes: a device identifier or-ed with the button's number on that device.
enum : uint32_t
{
    INPUT_KEYBOARD = 4096,  // keyboard scan code 0..255 (25 is P)
    INPUT_MOUSE = 8192,     // mouse-state offset 12..15 of buttons 0..3
    INPUT_JOYSTICK = 16384, // buttons 0..31; 32 up, 33 right, 34 down, 35 left of the first hat
    INPUT_NO_CODE = 9999999,
};

enum eButtonState
{
    BUTTON_PRESSED = 0,  // went down this frame
    BUTTON_RELEASED = 1, // went up this frame
    BUTTON_CHANGED = 2,  // went down or up this frame
    BUTTON_HELD = 3,     // down at the end of this frame
};

// The eleven axes: 0..2 mouse (sums of relative movement), 3..10 joystick (-1000..1000).
enum : uint32_t
{
    AXIS_MOUSE_X = 0,
    AXIS_MOUSE_Y,
    AXIS_MOUSE_W,
    AXIS_JOY_X,
    AXIS_JOY_Y,
    AXIS_JOY_Z,
    AXIS_JOY_SLIDER1,
    AXIS_JOY_SLIDER2,
    AXIS_JOY_RX,
    AXIS_JOY_RY,
    AXIS_JOY_RZ,
    AXIS_COUNT,
};
