#pragma once
// The physics assets the ship types of the game data name, and those of the cargo ship's
// parts: one sphere of the ship's collision radius (or the part's size) each.
#include <filesystem>

// False when a file could not be written.
bool WriteShipAssets(const std::filesystem::path& physFolder);
