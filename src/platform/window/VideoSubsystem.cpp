#include "platform/window/VideoSubsystem.h"

#include <SDL.h>

VideoSubsystem::VideoSubsystem() : _available(SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {}

VideoSubsystem::~VideoSubsystem()
{
    if (_available)
    {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
}
