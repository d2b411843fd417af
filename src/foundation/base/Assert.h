#pragma once

#include "foundation/base/Handles.h"

// Assertion routines: they show the failed expression, the source path and line and an optional
// reason (null for none). `module` names the module whose file is shown (null: the program).
// Recoverable conditions log an error and fail instead of asserting.

// Fatal: reports with the caption "ENGINE CRITICAL ERROR" and ends the process with status 1.
[[noreturn]] void ExecRuntimeAssert(const char* expression, ModuleHandle module, const char* path, int line,
                                    const char* reason);

// Not fatal: reports with the caption "ENGINE DEBUG ERROR" and Abort/Retry/Ignore buttons and
// returns the answer (a MessageBoxResult).
int ExecAssert(const char* expression, ModuleHandle module, const char* path, int line, const char* reason);
