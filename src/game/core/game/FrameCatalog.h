#pragma once

#include <memory>

class GameFrame;
class GameFrameManager;

// The screen the game builds under a frame name. A name whose screen this build does not have
// yet gets a blank frame of that name, and `blank` is set.
std::unique_ptr<GameFrame> CreateGameFrame(GameFrameManager* manager, const char* name, bool& blank);
