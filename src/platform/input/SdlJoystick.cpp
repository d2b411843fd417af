#include "platform/input/SdlJoystick.h"

#include "foundation/base/Dumper.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// Which SDL axis feeds each slot of JoystickState: X, Y, Z, slider 1, slider 2, RX, RY, RZ.
// SDL numbers them X, Y, Z, RX, RY, RZ, then the sliders.
constexpr int kAxisSource[8] = {0, 1, 2, 6, 7, 3, 4, 5};

uint32_t HatToHundredths(Uint8 hat)
{
    switch (hat)
    {
    case SDL_HAT_UP: return 0;
    case SDL_HAT_RIGHTUP: return 4500;
    case SDL_HAT_RIGHT: return 9000;
    case SDL_HAT_RIGHTDOWN: return 13500;
    case SDL_HAT_DOWN: return 18000;
    case SDL_HAT_LEFTDOWN: return 22500;
    case SDL_HAT_LEFT: return 27000;
    case SDL_HAT_LEFTUP: return 31500;
    default: return HAT_CENTRED;
    }
}

int ChooseDevice()
{
    const int count = SDL_NumJoysticks();
    for (int i = 0; i < count; ++i)
    {
        if (SDL_JoystickGetDeviceType(i) != SDL_JOYSTICK_TYPE_GAMECONTROLLER)
            return i;
    }
    return count > 0 ? 0 : -1;
}

} // namespace

int ScaleJoystickAxis(int raw, int deadZone)
{
    constexpr int64_t kFull = 32767;
    const int64_t magnitude = std::min<int64_t>(std::llabs(raw), kFull);
    const int64_t threshold = kFull * std::clamp(deadZone, 0, 10000) / 10000;
    if (magnitude <= threshold)
        return 0;
    const int64_t scaled = ((magnitude - threshold) * 1000 * 2 + (kFull - threshold)) / ((kFull - threshold) * 2);
    return static_cast<int>(raw < 0 ? -scaled : scaled);
}

std::unique_ptr<SdlJoystick> SdlJoystick::OpenFirst()
{
    auto subsystem = std::make_unique<SdlSubsystem>(SDL_INIT_JOYSTICK);
    if (!subsystem->IsAvailable())
    {
        Dumper::Instance().Print(DUMP_WARNING, "Joystick support unavailable: %s\n", SDL_GetError());
        return nullptr;
    }
    // The input system polls; queued joystick events would only pile up.
    SDL_JoystickEventState(SDL_IGNORE);
    const int device = ChooseDevice();
    if (device < 0)
        return nullptr;
    SDL_Joystick* joystick = SDL_JoystickOpen(device);
    if (!joystick)
    {
        Dumper::Instance().Print(DUMP_WARNING, "Cannot open joystick %d: %s\n", device, SDL_GetError());
        return nullptr;
    }
    return std::unique_ptr<SdlJoystick>(new SdlJoystick(joystick, std::move(subsystem)));
}

SdlJoystick::SdlJoystick(SDL_Joystick* joystick, std::unique_ptr<SdlSubsystem> subsystem)
    : _subsystem(std::move(subsystem)), _joystick(joystick)
{
    const char* name = SDL_JoystickName(joystick);
    _name = name ? name : "Joystick";
    char guid[33] = {};
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(joystick), guid, sizeof(guid));
    _guid = guid;

    if (SDL_JoystickIsHaptic(joystick) == 1)
    {
        _hapticSubsystem = std::make_unique<SdlSubsystem>(SDL_INIT_HAPTIC);
        if (_hapticSubsystem->IsAvailable())
            _haptic = SDL_HapticOpenFromJoystick(joystick);
    }
    Dumper::Instance().Print(DUMP_STARTUP, "Joystick \"%s\" GUID %s: %d axes, %d buttons, %d hats, force feedback %s\n",
                             _name.c_str(), _guid.c_str(), SDL_JoystickNumAxes(joystick),
                             SDL_JoystickNumButtons(joystick), SDL_JoystickNumHats(joystick), _haptic ? "yes" : "no");
}

SdlJoystick::~SdlJoystick()
{
    if (_haptic)
        SDL_HapticClose(_haptic);
    SDL_JoystickClose(_joystick);
}

bool SdlJoystick::Poll(JoystickState& state) const
{
    SDL_JoystickUpdate();
    if (!SDL_JoystickGetAttached(_joystick))
        return false;
    state = JoystickState{};
    const int axes = SDL_JoystickNumAxes(_joystick);
    for (int slot = 0; slot < 8; ++slot)
    {
        const int source = kAxisSource[slot];
        if (source < axes)
            state.axes[slot] = ScaleJoystickAxis(SDL_JoystickGetAxis(_joystick, source), _deadZone);
    }
    if (SDL_JoystickNumHats(_joystick) > 0)
        state.hat = HatToHundredths(SDL_JoystickGetHat(_joystick, 0));
    const int buttons = std::min(SDL_JoystickNumButtons(_joystick), 32);
    for (int b = 0; b < buttons; ++b)
        state.buttons[b] = SDL_JoystickGetButton(_joystick, b) ? 0x80 : 0;
    return true;
}

void SdlJoystick::SetAutoCentre(bool on)
{
    if (_haptic && (SDL_HapticQuery(_haptic) & SDL_HAPTIC_AUTOCENTER))
        SDL_HapticSetAutocenter(_haptic, on ? 100 : 0);
}

void SdlJoystick::StopForceFeedback()
{
    if (_haptic)
        SDL_HapticStopAll(_haptic);
}
