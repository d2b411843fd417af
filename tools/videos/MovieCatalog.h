#pragma once

#include "platform/video/AviWriter.h"

#include <string>
#include <vector>

// One demo movie: where it goes in the data folder, its format and what paints its frames.
struct MovieEntry
{
    std::string path;
    video::AviFormat format;
    video::FramePainter paint;
};

// The intro logo (played once) and the two looping screen backgrounds; the looping ones end
// where they begin, so the loop shows no seam.
std::vector<MovieEntry> MovieCatalog();
