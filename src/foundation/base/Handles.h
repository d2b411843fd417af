#pragma once

// Opaque handles that cross module boundaries. The platform window layer decides what a
// WindowHandle points to; a ModuleHandle is any address inside a loaded module (or null for
// the running program).
using WindowHandle = void*;
using ModuleHandle = void*;
