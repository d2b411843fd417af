#include "platform/window/Displays.h"

#include <SDL.h>

#include <algorithm>

namespace {

DisplayMode ToMode(const SDL_DisplayMode& mode)
{
    return DisplayMode{mode.w, mode.h, mode.refresh_rate, static_cast<int>(SDL_BITSPERPIXEL(mode.format))};
}

} // namespace

int Displays::GetCount() const
{
    if (!_video.IsAvailable())
        return 0;
    int count = SDL_GetNumVideoDisplays();
    return count < 0 ? 0 : count;
}

std::string Displays::GetName(int display) const
{
    if (display < 0 || display >= GetCount())
        return std::string();
    const char* name = SDL_GetDisplayName(display);
    return name ? name : std::string();
}

std::vector<DisplayMode> Displays::GetModes(int display) const
{
    std::vector<DisplayMode> modes;
    if (display < 0 || display >= GetCount())
        return modes;
    int count = SDL_GetNumDisplayModes(display);
    for (int i = 0; i < count; ++i)
    {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(display, i, &mode) != 0)
            continue;
        DisplayMode m = ToMode(mode);
        if (std::find(modes.begin(), modes.end(), m) == modes.end())
            modes.push_back(m);
    }
    return modes;
}

bool Displays::GetDesktopMode(int display, DisplayMode& mode) const
{
    if (display < 0 || display >= GetCount())
        return false;
    SDL_DisplayMode m;
    if (SDL_GetDesktopDisplayMode(display, &m) != 0)
        return false;
    mode = ToMode(m);
    return true;
}
