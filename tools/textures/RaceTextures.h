#pragma once

#include <filesystem>

// Writes the textures of the race ships and of the demo level's sky into the textures folder:
// the hull platings of the Blg, Rtb and Ytg, the Ytg wreck's scorched plating, the crystal
// chunks, and a starry nebula. False when a file could not be written.
bool WriteRaceTextures(const std::filesystem::path& textures);
