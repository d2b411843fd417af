#pragma once
// The physics assets the ship types of the game data name: one hull sphere of the ship's
// collision radius each.
#include <filesystem>

// False when a file could not be written.
bool WriteShipAssets(const std::filesystem::path& physFolder);
