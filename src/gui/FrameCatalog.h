#pragma once

#include <memory>

class GameFrame;
class GameFrameManager;

// The game's screens by frame name: the menus, the mission screens, the hangar and the network
// screens. Null for a name that has no screen here ("level" and "empty" are the game's own).
std::unique_ptr<GameFrame> CreateGameFrame(GameFrameManager* manager, const char* name);

// Installs the screens' maker in the global `game`; the program calls it before starting the game.
void InstallGameFrames();
