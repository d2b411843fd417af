#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

// The player's bindings: which button of which device triggers a named action, which axis
// drives a named axis action, and the joystick dead zone; kept in the INI file "config.ini".
// Device 8192 means the mouse, 16384 the joystick, anything else the keyboard (for axes,
// 16384 the joystick and anything else the mouse).
class InputConfig
{
public:
    using ButtonMap = std::map<std::string, uint32_t>;
    using AxisMap = std::map<std::string, uint32_t>;

    InputConfig() = default;

    // The bound code (as stored, with or without its device identifier), or 9999999.
    unsigned long GetButtonEvent(unsigned long device, const char* action) const;
    void SetButtonEvent(unsigned long device, const char* action, unsigned long code);
    bool DeleteButtonEvent(unsigned long device, const char* action);
    // The first action in name order bound to exactly `code`, copied into `action` (cut to
    // fit `actionSize`, always terminated).
    bool IsUsed(unsigned long device, char* action, size_t actionSize, unsigned long code) const;

    // False with `axis` = 0 when the action has no axis on that device.
    bool GetAxisEvent(unsigned long device, const char* action, unsigned long& axis) const;
    void SetAxisEvent(unsigned long device, const char* action, unsigned long axis);
    void DeleteAxisEvent(unsigned long device, const char* action);
    bool IsAxisUsed(unsigned long device, char* action, size_t actionSize, unsigned long axis) const;

    // In hundredths of a percent of an axis' range.
    int GetDeadZone() const { return _deadZone; }
    void SetDeadZone(int deadZone) { _deadZone = deadZone; }

    // Adds the file's bindings to those held (a missing file adds nothing). "\\" in the path
    // is accepted.
    bool LoadConfig(const char* file);
    // Rewrites the five binding sections of the file, keeping whatever else it holds.
    bool SaveConfig(const char* file) const;

private:
    ButtonMap& Buttons(unsigned long device);
    const ButtonMap& Buttons(unsigned long device) const;
    AxisMap& Axes(unsigned long device);
    const AxisMap& Axes(unsigned long device) const;

    ButtonMap _keyboard;
    ButtonMap _mouse;
    ButtonMap _joystick;
    AxisMap _mouseAxes;
    AxisMap _joystickAxes;
    int _deadZone = 0;
};
