#pragma once

#include "platform/window/VideoSubsystem.h"

#include <string>
#include <vector>

struct DisplayMode
{
    int width = 0;
    int height = 0;
    int refreshHz = 0;
    int bitsPerPixel = 0;

    bool operator==(const DisplayMode&) const = default;
};

// The displays (the "adapters" of the renderer) and their modes, as the video driver reports them.
class Displays
{
public:
    int GetCount() const;
    std::string GetName(int display) const;
    // Distinct modes, largest first; empty for an unknown display.
    std::vector<DisplayMode> GetModes(int display) const;
    bool GetDesktopMode(int display, DisplayMode& mode) const;

private:
    VideoSubsystem _video;
};
