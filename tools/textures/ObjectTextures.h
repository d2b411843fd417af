#pragma once

#include <filesystem>

// Writes the textures of the world objects into the textures folder: the beacon's soft glow and
// a 2 x 2 atlas of lightning forks. False when a file could not be written.
bool WriteObjectTextures(const std::filesystem::path& textures);
