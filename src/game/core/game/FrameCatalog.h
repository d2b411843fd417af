#pragma once

#include <memory>

class GameFrame;
class GameFrameManager;

// The screen the game builds under a frame name; null for a name the game has no screen of.
std::unique_ptr<GameFrame> CreateGameFrame(GameFrameManager* manager, const char* name);
