#include "foundation/base/MessageBox.h"

#include <SDL.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "foundation/base/Dumper.h"

namespace {

std::atomic<bool> interactiveAllowed{true};

bool HasUser()
{
    const char* ci = getenv("CI");
    if (ci && *ci)
        return false;
    const char* display = getenv("DISPLAY");
    const char* wayland = getenv("WAYLAND_DISPLAY");
    return (display && *display) || (wayland && *wayland);
}

Uint32 IconFlag(MessageBoxIcon icon)
{
    switch (icon)
    {
    case MessageBoxIcon::Error: return SDL_MESSAGEBOX_ERROR;
    case MessageBoxIcon::Warning: return SDL_MESSAGEBOX_WARNING;
    case MessageBoxIcon::Information: break;
    }
    return SDL_MESSAGEBOX_INFORMATION;
}

int AskUser(const char* text, const char* caption, MessageBoxIcon icon, MessageBoxButtons buttons)
{
    if (buttons == MessageBoxButtons::Ok)
    {
        SDL_ShowSimpleMessageBox(IconFlag(icon), caption, text, nullptr);
        return MB_RESULT_OK;
    }
    const SDL_MessageBoxButtonData choices[] = {
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, MB_RESULT_ABORT, "Abort"},
        {0, MB_RESULT_RETRY, "Retry"},
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, MB_RESULT_IGNORE, "Ignore"},
    };
    SDL_MessageBoxData data{};
    data.flags = IconFlag(icon);
    data.title = caption;
    data.message = text;
    data.numbuttons = 3;
    data.buttons = choices;
    int answer = MB_RESULT_IGNORE;
    if (SDL_ShowMessageBox(&data, &answer) != 0 || answer < 0)
        return MB_RESULT_IGNORE;
    return answer;
}

} // namespace

int ShowMessageBox(const char* text, const char* caption, MessageBoxIcon icon, MessageBoxButtons buttons)
{
    // Callers often pass a Format text; logging may format again before the box is shown.
    const std::string message = text ? text : "";
    const std::string title = caption ? caption : "";
    fprintf(stderr, "%s\n%s\n", title.c_str(), message.c_str());
    fflush(stderr);
    Dumper::Instance().Print(icon == MessageBoxIcon::Error     ? DUMP_ERROR
                             : icon == MessageBoxIcon::Warning ? DUMP_WARNING
                                                               : DUMP_INFO,
                             "%s %s\n", title.c_str(), message.c_str());

    if (!AreMessageBoxesInteractive())
        return buttons == MessageBoxButtons::Ok ? MB_RESULT_OK : MB_RESULT_IGNORE;
    return AskUser(message.c_str(), title.c_str(), icon, buttons);
}

void SetMessageBoxesInteractive(bool interactive) { interactiveAllowed = interactive; }

bool AreMessageBoxesInteractive() { return interactiveAllowed && HasUser(); }
