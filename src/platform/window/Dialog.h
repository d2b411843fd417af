#pragma once

// Modal dialogs of the window system, for the few messages that need an answer from the user.
enum class DialogIcon
{
    Information,
    Warning,
    Error,
};

enum class DialogChoice
{
    Ok,
    Abort,
    Retry,
    Ignore,
};

// An OK box, or Abort/Retry/Ignore when `abortRetryIgnore`. Ignore when the dialog cannot be shown.
DialogChoice ShowDialog(const char* caption, const char* text, DialogIcon icon, bool abortRetryIgnore);

// Makes the foundation's message boxes show these dialogs.
void InstallDialogMessageBoxes();
