#pragma once

// Message boxes for fatal errors and warnings. The text always goes to standard error and the
// log; a window is shown only when a user can answer it (a display is there, CI is not set and
// the boxes were not switched off) and the window layer has installed its dialog, so tests and
// unattended runs never block.
enum class MessageBoxIcon
{
    Error,
    Warning,
    Information,
};

enum class MessageBoxButtons
{
    Ok,
    AbortRetryIgnore,
};

// The answers, with the classic dialog result codes.
enum MessageBoxResult
{
    MB_RESULT_OK = 1,
    MB_RESULT_ABORT = 3,
    MB_RESULT_RETRY = 4,
    MB_RESULT_IGNORE = 5,
};

// Shows the box (or only reports it) and returns the answer. Without a user the answer is OK,
// or Ignore for Abort/Retry/Ignore boxes.
int ShowMessageBox(const char* text, const char* caption, MessageBoxIcon icon,
                   MessageBoxButtons buttons = MessageBoxButtons::Ok);

// Switches windows off (or back on) for this process, whatever the environment says.
void SetMessageBoxesInteractive(bool interactive);
bool AreMessageBoxesInteractive();

// Shows the box in a window and returns the answer. The window layer installs one when it
// starts; the previous one is returned, and null removes it.
using MessageBoxHook = int (*)(const char* text, const char* caption, MessageBoxIcon icon, MessageBoxButtons buttons);
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);
