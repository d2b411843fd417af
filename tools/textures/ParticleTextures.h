#pragma once

#include <filesystem>

// Writes the particle textures into the textures folder: atlases of square cells (puffs,
// glows and streaks, rock chunks, flame and explosion animations, read row by row), a single
// spark for stretched billboards and a strip for lines and ribbon trails. False when a file could not be written.
bool WriteParticleTextures(const std::filesystem::path& textures);
