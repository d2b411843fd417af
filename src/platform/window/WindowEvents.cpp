#include "platform/window/WindowEvents.h"

#include <SDL.h>

#include <cstdio>

namespace {

int Modifiers(Uint16 mod)
{
    int out = 0;
    if (mod & KMOD_SHIFT)
        out |= WindowEvent::Shift;
    if (mod & KMOD_CTRL)
        out |= WindowEvent::Ctrl;
    if (mod & KMOD_ALT)
        out |= WindowEvent::Alt;
    return out;
}

void TranslateWindowEvent(const SDL_WindowEvent& w, WindowEvent& out)
{
    out.windowId = w.windowID;
    switch (w.event)
    {
    case SDL_WINDOWEVENT_FOCUS_GAINED: out.type = WindowEvent::FocusGained; break;
    case SDL_WINDOWEVENT_FOCUS_LOST: out.type = WindowEvent::FocusLost; break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        out.type = WindowEvent::Resized;
        out.x = w.data1;
        out.y = w.data2;
        break;
    case SDL_WINDOWEVENT_MINIMIZED: out.type = WindowEvent::Minimized; break;
    case SDL_WINDOWEVENT_RESTORED: out.type = WindowEvent::Restored; break;
    case SDL_WINDOWEVENT_CLOSE: out.type = WindowEvent::Close; break;
    default: out.type = WindowEvent::Other; break;
    }
}

} // namespace

bool PollWindowEvent(WindowEvent& out)
{
    SDL_Event e;
    if (!SDL_PollEvent(&e))
        return false;
    out = WindowEvent{};
    switch (e.type)
    {
    case SDL_QUIT: out.type = WindowEvent::Quit; break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        out.type = e.type == SDL_KEYDOWN ? WindowEvent::KeyDown : WindowEvent::KeyUp;
        out.windowId = e.key.windowID;
        out.scancode = e.key.keysym.scancode;
        out.keycode = e.key.keysym.sym;
        out.modifiers = Modifiers(e.key.keysym.mod);
        out.repeat = e.key.repeat != 0;
        break;
    case SDL_TEXTINPUT:
        out.type = WindowEvent::Text;
        out.windowId = e.text.windowID;
        std::snprintf(out.text, sizeof(out.text), "%s", e.text.text);
        break;
    case SDL_MOUSEMOTION:
        out.type = WindowEvent::MouseMove;
        out.windowId = e.motion.windowID;
        out.x = e.motion.x;
        out.y = e.motion.y;
        out.dx = e.motion.xrel;
        out.dy = e.motion.yrel;
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        out.type = e.type == SDL_MOUSEBUTTONDOWN ? WindowEvent::MouseButtonDown : WindowEvent::MouseButtonUp;
        out.windowId = e.button.windowID;
        out.x = e.button.x;
        out.y = e.button.y;
        out.button = e.button.button;
        break;
    case SDL_MOUSEWHEEL:
        out.type = WindowEvent::MouseWheel;
        out.windowId = e.wheel.windowID;
        out.dx = e.wheel.x;
        out.dy = e.wheel.y;
        break;
    case SDL_WINDOWEVENT: TranslateWindowEvent(e.window, out); break;
    default: out.type = WindowEvent::Other; break;
    }
    return true;
}

void PostQuitEvent()
{
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}
