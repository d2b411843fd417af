#include "foundation/base/MessageBox.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "foundation/base/Dumper.h"
#include "platform/window/Dialog.h"

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
