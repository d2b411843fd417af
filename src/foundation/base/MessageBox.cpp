#include "foundation/base/MessageBox.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "foundation/base/Dumper.h"

namespace {

std::atomic<bool> interactiveAllowed{true};
std::atomic<MessageBoxHook> installedHook{nullptr};

bool HasUser()
{
    const char* ci = getenv("CI");
    if (ci && *ci)
        return false;
    const char* display = getenv("DISPLAY");
    const char* wayland = getenv("WAYLAND_DISPLAY");
    return (display && *display) || (wayland && *wayland);
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

    MessageBoxHook hook = installedHook;
    if (!hook || !AreMessageBoxesInteractive())
        return buttons == MessageBoxButtons::Ok ? MB_RESULT_OK : MB_RESULT_IGNORE;
    return hook(message.c_str(), title.c_str(), icon, buttons);
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) { return installedHook.exchange(hook); }

void SetMessageBoxesInteractive(bool interactive) { interactiveAllowed = interactive; }

bool AreMessageBoxesInteractive() { return interactiveAllowed && HasUser(); }
