#include "setup/VideoModes.h"

#include <algorithm>

std::vector<VideoMode> MergeVideoModes(const std::vector<DisplayMode>& reported)
{
    std::vector<VideoMode> modes;
    for (const DisplayMode& m : reported)
    {
        auto same = std::find_if(modes.begin(), modes.end(),
                                 [&](const VideoMode& v) { return v.width == m.width && v.height == m.height; });
        if (same == modes.end())
            modes.push_back({m.width, m.height, m.refreshHz});
        else
            same->refresh_rate = std::max(same->refresh_rate, m.refreshHz);
    }
    std::stable_sort(modes.begin(), modes.end(),
                     [](const VideoMode& a, const VideoMode& b) { return a.width < b.width; });
    return modes;
}

void KeepVideoMode(std::vector<VideoMode>& modes, const VideoMode& saved)
{
    if (saved.width <= 0 || saved.height <= 0)
        return;
    auto same = [&](const VideoMode& v) { return v.width == saved.width && v.height == saved.height; };
    if (std::any_of(modes.begin(), modes.end(), same))
        return;
    auto after = std::upper_bound(modes.begin(), modes.end(), saved,
                                  [](const VideoMode& a, const VideoMode& b) { return a.width < b.width; });
    modes.insert(after, saved);
}

std::vector<DisplayMode> ReportedDisplayModes() { return Displays().GetModes(0); }

std::string VideoModeText(const VideoMode& mode)
{
    return std::to_string(mode.width) + "x" + std::to_string(mode.height);
}

int FindVideoMode(const std::vector<VideoMode>& modes, int width, int height)
{
    for (int i = static_cast<int>(modes.size()) - 1; i >= 0; --i)
    {
        if (modes[i].width == width && modes[i].height == height)
            return i;
    }
    return -1;
}
