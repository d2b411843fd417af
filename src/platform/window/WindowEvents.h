#pragma once

// The window's message queue in the engine's terms. The launcher's loop polls it and runs a
// frame whenever nothing is waiting; key codes are SDL scancodes, which the input layer
// translates to the engine's own codes in one table.
struct WindowEvent
{
    enum Type
    {
        Other,
        Quit,
        KeyDown,
        KeyUp,
        Text,
        MouseMove,
        MouseButtonDown,
        MouseButtonUp,
        MouseWheel,
        FocusGained,
        FocusLost,
        Resized,
        Minimized,
        Restored,
        Close,
    };
    enum Modifier
    {
        Shift = 1,
        Ctrl = 2,
        Alt = 4
    };

    Type type = Other;
    unsigned windowId = 0;
    int scancode = 0;
    int keycode = 0;
    int modifiers = 0;
    bool repeat = false;
    char text[32] = {};
    int x = 0, y = 0;   // mouse position, new window size
    int dx = 0, dy = 0; // mouse motion, wheel steps
    int button = 0;     // 1 left, 2 middle, 3 right
};

// Takes the next waiting event; false when the queue is empty.
bool PollWindowEvent(WindowEvent& event);
// Asks the program to end: a Quit event joins the queue, and the loop that polls it ends as it
// does when the window is closed.
void PostQuitEvent();
