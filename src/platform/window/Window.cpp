#include "platform/window/Window.h"

#include <SDL.h>

#include <algorithm>

std::unique_ptr<Window> Window::Create(const char* title, int width, int height, const Style& style, std::string* error)
{
    VideoSubsystem video;
    if (!video.IsAvailable())
    {
        if (error)
            *error = SDL_GetError();
        return nullptr;
    }
    Uint32 flags = SDL_WINDOW_OPENGL;
    if (style.fullscreen)
        flags |= SDL_WINDOW_FULLSCREEN;
    if (!style.bordered)
        flags |= SDL_WINDOW_BORDERLESS;
    flags |= style.hidden ? SDL_WINDOW_HIDDEN : SDL_WINDOW_SHOWN;
    if (style.resizable)
        flags |= SDL_WINDOW_RESIZABLE;
    SDL_Window* window =
        SDL_CreateWindow(title ? title : "", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, flags);
    if (!window)
    {
        if (error)
            *error = SDL_GetError();
        return nullptr;
    }
    return std::unique_ptr<Window>(new Window(window));
}

Window::Window(SDL_Window* window) : _window(window) {}

Window::~Window() { SDL_DestroyWindow(_window); }

bool Window::SetFullscreen(bool fullscreen)
{
    return SDL_SetWindowFullscreen(_window, fullscreen ? SDL_WINDOW_FULLSCREEN : 0) == 0;
}

void Window::SetBordered(bool bordered) { SDL_SetWindowBordered(_window, bordered ? SDL_TRUE : SDL_FALSE); }

void Window::SetSize(int width, int height)
{
    SDL_SetWindowSize(_window, width, height);
    Centre();
}

void Window::Centre()
{
    // A new size keeps the old top-left corner, which can push the window off the screen.
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(GetDisplayIndex(), &bounds) != 0)
        return;
    int width = 0, height = 0;
    SDL_GetWindowSize(_window, &width, &height);
    int top = 0, left = 0, bottom = 0, right = 0;
    if (SDL_GetWindowBordersSize(_window, &top, &left, &bottom, &right) != 0)
        top = left = bottom = right = 0;
    // Too large a window keeps its title bar on the screen.
    const int x = bounds.x + left + std::max(0, (bounds.w - width - left - right) / 2);
    const int y = bounds.y + top + std::max(0, (bounds.h - height - top - bottom) / 2);
    // Moving waits for the window system to answer; a window in place is left alone.
    int oldX = 0, oldY = 0;
    SDL_GetWindowPosition(_window, &oldX, &oldY);
    if (x != oldX || y != oldY)
        SDL_SetWindowPosition(_window, x, y);
}

void Window::GetSize(int& width, int& height) const { SDL_GetWindowSize(_window, &width, &height); }

void Window::GetPosition(int& x, int& y) const { SDL_GetWindowPosition(_window, &x, &y); }

void Window::GetDrawableSize(int& width, int& height) const { SDL_GL_GetDrawableSize(_window, &width, &height); }

void Window::Show() { SDL_ShowWindow(_window); }

void Window::SetIcon(const uint32_t* argb, int width, int height)
{
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(argb), width, height, 32, width * 4,
                                                           SDL_PIXELFORMAT_ARGB8888);
    if (!icon)
        return;
    SDL_SetWindowIcon(_window, icon);
    SDL_FreeSurface(icon);
}

void Window::HideCursor() { SDL_ShowCursor(SDL_DISABLE); }

void Window::ReleaseMouse()
{
    SDL_SetRelativeMouseMode(SDL_FALSE);
    SDL_SetWindowGrab(_window, SDL_FALSE);
    SDL_ShowCursor(SDL_ENABLE);
}

bool Window::IsMinimized() const { return (SDL_GetWindowFlags(_window) & SDL_WINDOW_MINIMIZED) != 0; }

bool Window::IsFullscreen() const { return (SDL_GetWindowFlags(_window) & SDL_WINDOW_FULLSCREEN) != 0; }

unsigned Window::GetId() const { return SDL_GetWindowID(_window); }

int Window::GetDisplayIndex() const
{
    int index = SDL_GetWindowDisplayIndex(_window);
    return index < 0 ? 0 : index;
}
