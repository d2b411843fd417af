#pragma once

#include "platform/input/SdlSubsystem.h"
#include "platform/input/InputSource.h"

#include <memory>
#include <string>

struct _SDL_Joystick;
struct _SDL_Haptic;

// Scales a raw axis (-32768..32767) to -1000..1000 with a dead zone in hundredths of a percent
// of the range around the centre; outside it the rest of the range is stretched to the full scale.
int ScaleJoystickAxis(int raw, int deadZone);

// The first attached joystick (a game pad only when there is nothing else) with its force
// feedback, read by polling. Needs no window.
class SdlJoystick
{
public:
    // Null when no joystick is attached; logs the one it opens.
    static std::unique_ptr<SdlJoystick> OpenFirst();
    ~SdlJoystick();
    SdlJoystick(const SdlJoystick&) = delete;
    SdlJoystick& operator=(const SdlJoystick&) = delete;

    const std::string& GetName() const { return _name; }
    const std::string& GetGuid() const { return _guid; }
    bool HasForceFeedback() const { return _haptic != nullptr; }

    // False when the device was unplugged.
    bool Poll(JoystickState& state) const;
    void SetDeadZone(int deadZone) { _deadZone = deadZone; }
    void SetAutoCentre(bool on);
    void StopForceFeedback();

private:
    SdlJoystick(_SDL_Joystick* joystick, std::unique_ptr<SdlSubsystem> subsystem);

    std::unique_ptr<SdlSubsystem> _subsystem;
    std::unique_ptr<SdlSubsystem> _hapticSubsystem;
    _SDL_Joystick* _joystick;
    _SDL_Haptic* _haptic = nullptr;
    std::string _name;
    std::string _guid;
    int _deadZone = 0;
};
