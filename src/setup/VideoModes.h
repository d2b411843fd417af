#pragma once

#include "platform/window/Displays.h"

#include <string>
#include <vector>

// One entry of the resolution list.
struct VideoMode
{
    int width = 0;
    int height = 0;
    int refresh_rate = 0;

    bool operator==(const VideoMode&) const = default;
};

// The modes the display reports, one entry per size with the highest refresh rate of that
// size, by width ascending (equal widths keep the reported order).
std::vector<VideoMode> MergeVideoModes(const std::vector<DisplayMode>& reported);

// Adds `saved` to the list, at its place by width, unless an entry of its size is there already
// (or it has no size).
void KeepVideoMode(std::vector<VideoMode>& modes, const VideoMode& saved);

// The modes of the first display, as the game's window layer sees them.
std::vector<DisplayMode> ReportedDisplayModes();

// "1024x768".
std::string VideoModeText(const VideoMode& mode);

// The last entry of the given size, else -1.
int FindVideoMode(const std::vector<VideoMode>& modes, int width, int height);
