#include "platform/input/SdlSubsystem.h"

#include <SDL.h>

SdlSubsystem::SdlSubsystem(unsigned flags) : _flags(SDL_InitSubSystem(flags) == 0 ? flags : 0) {}

SdlSubsystem::~SdlSubsystem()
{
    if (_flags)
        SDL_QuitSubSystem(_flags);
}
