#include "platform/window/VideoSubsystem.h"

#include <SDL.h>

#include "platform/window/Dialog.h"

VideoSubsystem::VideoSubsystem() : _available(SDL_InitSubSystem(SDL_INIT_VIDEO) == 0)
{
    // From here on a fatal error can be shown to the user, not only logged.
    InstallDialogMessageBoxes();
}

VideoSubsystem::~VideoSubsystem()
{
    if (_available)
    {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
}
