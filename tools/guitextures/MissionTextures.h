#pragma once

#include "textures/DdsWriter.h"

#include <filesystem>

// Writes the mission screens' textures below `root` (the data folder's "textures"): the faces
// of the people for hire and the dealers, the agent's briefing, the loan card, the list arrows
// and the missions' pictures. False when a file could not be written.
bool WriteMissionTextures(const std::filesystem::path& root, const DdsWriteOptions& options);
