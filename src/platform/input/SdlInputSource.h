#pragma once

#include "foundation/base/Handles.h"
#include "platform/input/SdlJoystick.h"
#include "platform/input/SdlSubsystem.h"
#include "platform/input/InputSource.h"

#include <memory>
#include <mutex>
#include <vector>

struct SDL_Window;
union SDL_Event;

// The game's devices: keyboard and mouse records taken from SDL's event stream as the events
// arrive (whoever pumps them), the joystick polled. Focus follows the window's focus events.
class SdlInputSource : public IInputSource
{
public:
    // `window` is the platform window layer's handle; null means no owning window (always
    // focused, every window's events).
    explicit SdlInputSource(WindowHandle window);
    ~SdlInputSource() override;
    SdlInputSource(const SdlInputSource&) = delete;
    SdlInputSource& operator=(const SdlInputSource&) = delete;

    bool Open(InputDevice device, size_t bufferSize, std::string& name) override;
    void Close(InputDevice device) override;
    bool Fetch(InputDevice device, std::vector<InputRecord>& records) override;
    void Acquire(InputDevice device) override;
    bool Poll(JoystickState& state) override;
    void ConfigureJoystick(int deadZone, bool autoCentre) override;
    bool HasForceFeedback() const override;
    void StopForceFeedback() override;
    bool HasFocus() const override;

    // Window-less use, where a toolkit of its own owns the window: its key and mouse events in
    // the engine's codes (a scan code; mouse button 0 left, 1 right, 2 middle, 3 X1; movement in
    // pixels and the wheel in 120ths of a notch). The joystick still comes from SDL.
    void InjectKey(int scanCode, bool down);
    void InjectMouseButton(int button, bool down);
    void InjectMouseMotion(int dx, int dy, int wheel);

private:
    struct Buffer
    {
        bool open = false;
        size_t capacity = 0;
        std::vector<InputRecord> records;
    };

    static int OnEvent(void* self, SDL_Event* event);
    void Handle(const SDL_Event& event);
    bool IsOurs(unsigned windowId) const;
    void Push(Buffer& buffer, InputRecord record);
    void AddMotion(uint32_t offset, int32_t delta);

    SdlSubsystem _events;
    SDL_Window* _window;
    unsigned _windowId = 0;
    // Guards the buffers and the focus: events may be pushed from other threads. Never held
    // across SDL calls, which may post events back into Handle.
    mutable std::mutex _lock;
    bool _focus = true;
    Buffer _keyboard;
    Buffer _mouse;
    std::unique_ptr<SdlJoystick> _joystick; // used on the input system's thread only
};
