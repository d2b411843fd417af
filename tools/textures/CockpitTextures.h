#pragma once

#include <filesystem>

// Writes the textures of the sun's glare over the cockpit view: a faint wide glow, a bright
// flare disc and a horizontal streak, each white on black for additive screen quads. False when
// a file could not be written.
bool WriteCockpitTextures(const std::filesystem::path& textures);
