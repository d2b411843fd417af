#pragma once

#include "foundation/base/Handles.h"
#include "platform/window/VideoSubsystem.h"

#include <cstdint>
#include <memory>
#include <string>

struct SDL_Window;

// The game window: an SDL window able to carry an OpenGL context. Its address is what a
// WindowHandle points to wherever the engine passes the render window around.
class Window
{
public:
    struct Style
    {
        bool fullscreen = false;
        bool bordered = true;
        bool hidden = false;
        bool resizable = false;
    };

    // Null (with the SDL error in `error`) when the window cannot be made.
    static std::unique_ptr<Window> Create(const char* title, int width, int height, const Style& style,
                                          std::string* error = nullptr);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    WindowHandle GetHandle() { return this; }
    static Window* FromHandle(WindowHandle handle) { return static_cast<Window*>(handle); }

    // Restyling used by the render device: full screen on or off, border, client size. A new
    // size centres the window on its display again, as at creation.
    bool SetFullscreen(bool fullscreen);
    void SetBordered(bool bordered);
    void SetSize(int width, int height);
    void GetSize(int& width, int& height) const;
    // The client area's top-left corner on the desktop.
    void GetPosition(int& x, int& y) const;
    // The size of the drawable area in pixels (differs from GetSize on high-density screens).
    void GetDrawableSize(int& width, int& height) const;
    void Show();
    // The icon the window system shows for the window, from ARGB pixels, top row first.
    void SetIcon(const uint32_t* argb, int width, int height);
    // The mouse cursor over the window: hidden while the game has the focus; shown again, with
    // any grab or relative mode dropped, when it loses the focus.
    void HideCursor();
    void ReleaseMouse();
    bool IsMinimized() const;
    bool IsFullscreen() const;
    unsigned GetId() const;
    int GetDisplayIndex() const;

    SDL_Window* GetSdlWindow() const { return _window; }

private:
    explicit Window(SDL_Window* window);
    void Centre();

    VideoSubsystem _video;
    SDL_Window* _window;
};
