#pragma once

#include "platform/video/AviWriter.h"

#include <string>
#include <vector>

// One demo movie: where it goes in the data folder, its format, what paints its frames and its
// sound track (none when it has no samples).
struct MovieEntry
{
    std::string path;
    video::AviFormat format;
    video::FramePainter paint;
    video::AviSound sound;
};

// The intro logo (played once, with a chord that swells and fades with the emblem) and the two
// looping screen backgrounds (silent); the looping ones end where they begin, so the loop shows
// no seam.
std::vector<MovieEntry> MovieCatalog();
