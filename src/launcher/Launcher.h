#pragma once

#include <string>
#include <vector>

class KeyRouter;
class Window;

// The game program: opens the 1024 by 768 window titled "Vantrel", reads the command line,
// starts the global `game`, runs the window's event loop with one engine frame whenever no event
// waits, and shuts the game down when the window closes or Alt+F4 is pressed. Returns the exit
// status: 0, or 1 when the window cannot be made.
int RunLauncher(const std::vector<std::string>& arguments);

// Handles every event that waits: keys and typed text through the router, focus changes on the
// window. False once the game is to end (the window closed, a quit asked for, Alt+F4).
bool HandleWindowEvents(Window& window, KeyRouter& keys);
