#pragma once

#include <filesystem>

// Writes the textures of the weapons' and explosions' sprites into the textures folder: a round
// glow for bolt flares and sparks, a 2 x 2 atlas of light rays and a shock ring. False when a
// file could not be written.
bool WriteWeaponTextures(const std::filesystem::path& textures);
