#include "platform/window/Dialog.h"

#include <SDL.h>

#include "foundation/base/MessageBox.h"

namespace {

Uint32 IconFlag(DialogIcon icon)
{
    switch (icon)
    {
    case DialogIcon::Error: return SDL_MESSAGEBOX_ERROR;
    case DialogIcon::Warning: return SDL_MESSAGEBOX_WARNING;
    case DialogIcon::Information: break;
    }
    return SDL_MESSAGEBOX_INFORMATION;
}

int AskUser(const char* text, const char* caption, MessageBoxIcon icon, MessageBoxButtons buttons)
{
    const DialogIcon dialogIcon = icon == MessageBoxIcon::Error     ? DialogIcon::Error
                                  : icon == MessageBoxIcon::Warning ? DialogIcon::Warning
                                                                    : DialogIcon::Information;
    switch (ShowDialog(caption, text, dialogIcon, buttons != MessageBoxButtons::Ok))
    {
    case DialogChoice::Ok: return MB_RESULT_OK;
    case DialogChoice::Abort: return MB_RESULT_ABORT;
    case DialogChoice::Retry: return MB_RESULT_RETRY;
    case DialogChoice::Ignore: break;
    }
    return MB_RESULT_IGNORE;
}

} // namespace

DialogChoice ShowDialog(const char* caption, const char* text, DialogIcon icon, bool abortRetryIgnore)
{
    if (!abortRetryIgnore)
    {
        SDL_ShowSimpleMessageBox(IconFlag(icon), caption, text, nullptr);
        return DialogChoice::Ok;
    }
    const SDL_MessageBoxButtonData choices[] = {
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, static_cast<int>(DialogChoice::Abort), "Abort"},
        {0, static_cast<int>(DialogChoice::Retry), "Retry"},
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, static_cast<int>(DialogChoice::Ignore), "Ignore"},
    };
    SDL_MessageBoxData data{};
    data.flags = IconFlag(icon);
    data.title = caption;
    data.message = text;
    data.numbuttons = 3;
    data.buttons = choices;
    int answer = -1;
    if (SDL_ShowMessageBox(&data, &answer) != 0 || answer < 0)
        return DialogChoice::Ignore;
    return static_cast<DialogChoice>(answer);
}

void InstallDialogMessageBoxes() { SetMessageBoxHook(AskUser); }
