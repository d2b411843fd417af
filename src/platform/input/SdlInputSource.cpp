#include "platform/input/SdlInputSource.h"

#include "platform/input/ScanCodes.h"
#include "platform/window/Window.h"

#include <SDL.h>

namespace {

constexpr int32_t kDown = 0x80;
constexpr int32_t kWheelNotch = 120;

// SDL numbers the mouse buttons left, middle, right, X1; the engine's offsets go left, right,
// middle, X1.
int MouseButtonOffset(Uint8 button)
{
    switch (button)
    {
    case SDL_BUTTON_LEFT: return MOUSE_OFFSET_BUTTON0;
    case SDL_BUTTON_RIGHT: return MOUSE_OFFSET_BUTTON0 + 1;
    case SDL_BUTTON_MIDDLE: return MOUSE_OFFSET_BUTTON0 + 2;
    case SDL_BUTTON_X1: return MOUSE_OFFSET_BUTTON0 + 3;
    default: return -1;
    }
}

} // namespace

SdlInputSource::SdlInputSource(WindowHandle window)
    : _events(SDL_INIT_EVENTS), _window(window ? Window::FromHandle(window)->GetSdlWindow() : nullptr)
{
    if (_window)
    {
        _windowId = SDL_GetWindowID(_window);
        _focus = (SDL_GetWindowFlags(_window) & SDL_WINDOW_INPUT_FOCUS) != 0;
    }
    SDL_AddEventWatch(&SdlInputSource::OnEvent, this);
}

SdlInputSource::~SdlInputSource() { SDL_DelEventWatch(&SdlInputSource::OnEvent, this); }

int SdlInputSource::OnEvent(void* self, SDL_Event* event)
{
    static_cast<SdlInputSource*>(self)->Handle(*event);
    return 1;
}

bool SdlInputSource::IsOurs(unsigned windowId) const
{
    // What arrives while another window has the focus is stale by the time ours gets it back.
    if (_window && !_focus)
        return false;
    return !_window || windowId == 0 || windowId == _windowId;
}

void SdlInputSource::Push(Buffer& buffer, InputRecord record)
{
    // A full buffer drops what comes next, as a device buffer overflows.
    if (buffer.open && buffer.records.size() < buffer.capacity)
        buffer.records.push_back(record);
}

void SdlInputSource::AddMotion(uint32_t offset, int32_t delta)
{
    if (delta == 0)
        return;
    // Movement since the last button record is summed per axis, so motion neither crowds
    // buttons out nor changes their order relative to it.
    for (auto it = _mouse.records.rbegin(); it != _mouse.records.rend() && it->offset < MOUSE_OFFSET_BUTTON0; ++it)
    {
        if (it->offset == offset)
        {
            it->data += delta;
            return;
        }
    }
    Push(_mouse, {offset, delta});
}

void SdlInputSource::Handle(const SDL_Event& e)
{
    std::lock_guard guard(_lock);
    switch (e.type)
    {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    {
        if (e.key.repeat || !IsOurs(e.key.windowID))
            return;
        const int code = SdlScancodeToScanCode(e.key.keysym.scancode);
        if (code == 0)
            return;
        Push(_keyboard, {static_cast<uint32_t>(code), e.type == SDL_KEYDOWN ? kDown : 0});
        break;
    }
    case SDL_MOUSEMOTION:
        if (!IsOurs(e.motion.windowID))
            return;
        AddMotion(MOUSE_OFFSET_X, e.motion.xrel);
        AddMotion(MOUSE_OFFSET_Y, e.motion.yrel);
        break;
    case SDL_MOUSEWHEEL:
    {
        if (!IsOurs(e.wheel.windowID) || e.wheel.y == 0)
            return;
        const int32_t notches = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
        Push(_mouse, {MOUSE_OFFSET_W, notches * kWheelNotch});
        break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    {
        if (!IsOurs(e.button.windowID))
            return;
        const int offset = MouseButtonOffset(e.button.button);
        if (offset < 0)
            return;
        Push(_mouse, {static_cast<uint32_t>(offset), e.type == SDL_MOUSEBUTTONDOWN ? kDown : 0});
        break;
    }
    case SDL_WINDOWEVENT:
        if (!_window || e.window.windowID != _windowId)
            return;
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED)
            _focus = true;
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST)
            _focus = false;
        break;
    default: break;
    }
}

bool SdlInputSource::Open(InputDevice device, size_t bufferSize, std::string& name)
{
    if (device == InputDevice::Joystick)
    {
        // Not under the lock: opening the joystick subsystem posts events, which come back
        // through Handle on this thread.
        _joystick = SdlJoystick::OpenFirst();
        if (!_joystick)
            return false;
        name = _joystick->GetName();
        return true;
    }
    if (!_events.IsAvailable())
        return false;
    std::lock_guard guard(_lock);
    Buffer& buffer = device == InputDevice::Keyboard ? _keyboard : _mouse;
    buffer.open = true;
    buffer.capacity = bufferSize;
    buffer.records.clear();
    buffer.records.reserve(bufferSize);
    name = device == InputDevice::Keyboard ? "Keyboard" : "Mouse";
    return true;
}

void SdlInputSource::Close(InputDevice device)
{
    if (device == InputDevice::Joystick)
    {
        _joystick.reset();
        return;
    }
    std::lock_guard guard(_lock);
    (device == InputDevice::Keyboard ? _keyboard : _mouse) = Buffer{};
}

bool SdlInputSource::Fetch(InputDevice device, std::vector<InputRecord>& records)
{
    std::lock_guard guard(_lock);
    records.clear();
    Buffer* buffer = device == InputDevice::Keyboard ? &_keyboard : device == InputDevice::Mouse ? &_mouse : nullptr;
    if (!buffer || !buffer->open)
        return false;
    records.swap(buffer->records);
    buffer->records.reserve(buffer->capacity);
    return true;
}

void SdlInputSource::Acquire(InputDevice device)
{
    std::lock_guard guard(_lock);
    if (device == InputDevice::Keyboard)
        _keyboard.records.clear();
    if (device == InputDevice::Mouse)
        _mouse.records.clear();
}

bool SdlInputSource::Poll(JoystickState& state) { return _joystick && _joystick->Poll(state); }

void SdlInputSource::ConfigureJoystick(int deadZone, bool autoCentre)
{
    if (!_joystick)
        return;
    _joystick->SetDeadZone(deadZone);
    _joystick->SetAutoCentre(autoCentre);
}

bool SdlInputSource::HasForceFeedback() const { return _joystick && _joystick->HasForceFeedback(); }

void SdlInputSource::StopForceFeedback()
{
    if (_joystick)
        _joystick->StopForceFeedback();
}

void SdlInputSource::InjectKey(int scanCode, bool down)
{
    if (scanCode <= 0 || scanCode > 255)
        return;
    std::lock_guard guard(_lock);
    Push(_keyboard, {static_cast<uint32_t>(scanCode), down ? kDown : 0});
}

void SdlInputSource::InjectMouseButton(int button, bool down)
{
    if (button < 0 || button >= static_cast<int>(MOUSE_BUTTON_COUNT))
        return;
    std::lock_guard guard(_lock);
    Push(_mouse, {MOUSE_OFFSET_BUTTON0 + button, down ? kDown : 0});
}

void SdlInputSource::InjectMouseMotion(int dx, int dy, int wheel)
{
    std::lock_guard guard(_lock);
    AddMotion(MOUSE_OFFSET_X, dx);
    AddMotion(MOUSE_OFFSET_Y, dy);
    if (wheel != 0)
        Push(_mouse, {MOUSE_OFFSET_W, wheel});
}

bool SdlInputSource::HasFocus() const
{
    std::lock_guard guard(_lock);
    return _focus;
}
