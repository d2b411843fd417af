#include "platform/window/Window.h"
#include "services/input/InputCodes.h"
#include "services/input/InputSystem.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

void PushWindowEvent(unsigned windowId, Uint8 kind)
{
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = windowId;
    e.window.event = kind;
    ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
}

void PushKey(unsigned windowId, SDL_Scancode scancode, bool down)
{
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.windowID = windowId;
    e.key.keysym.scancode = scancode;
    ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
}

// The game window's focus events decide whether input is read. Needs a display.
TEST(WindowFocusTest, InputFollowsTheWindowsFocus)
{
    std::string error;
    Window::Style style;
    style.hidden = true;
    auto window = Window::Create("input", 64, 64, style, &error);
    if (!window)
        GTEST_SKIP() << "no window: " << error;
    const unsigned id = window->GetId();
    {
        InputSystem input(window->GetHandle());
        PushWindowEvent(id, SDL_WINDOWEVENT_FOCUS_GAINED);
        PushKey(id, SDL_SCANCODE_P, true);
        PushKey(id + 1, SDL_SCANCODE_W, true); // another window's key
        input.ProcessInputData();
        EXPECT_TRUE(input.IsKeyEvent(INPUT_KEYBOARD, 25, BUTTON_PRESSED));
        EXPECT_FALSE(input.IsKeyEvent(INPUT_KEYBOARD, 17, BUTTON_PRESSED));

        PushWindowEvent(id + 1, SDL_WINDOWEVENT_FOCUS_LOST); // not ours
        input.ProcessInputData();
        EXPECT_TRUE(input.IsKeyEvent(INPUT_KEYBOARD, 25, BUTTON_HELD));

        PushWindowEvent(id, SDL_WINDOWEVENT_FOCUS_LOST);
        PushKey(id, SDL_SCANCODE_P, false);
        PushKey(id, SDL_SCANCODE_A, true);
        input.ProcessInputData();
        EXPECT_EQ(input.GetLastBtn(0xFFFFFFFF), INPUT_NO_CODE);

        // Input that arrives between the last unfocused frame and the focus coming back is as
        // stale as the rest.
        PushKey(id, SDL_SCANCODE_D, true);
        PushWindowEvent(id, SDL_WINDOWEVENT_FOCUS_GAINED);
        input.ProcessInputData();
        EXPECT_EQ(input.GetLastBtn(0xFFFFFFFF), INPUT_NO_CODE);

        PushKey(id, SDL_SCANCODE_D, true);
        input.ProcessInputData();
        EXPECT_TRUE(input.IsKeyEvent(INPUT_KEYBOARD, 32, BUTTON_PRESSED));
    }
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

} // namespace
