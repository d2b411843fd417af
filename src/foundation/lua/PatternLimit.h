#pragma once
// The string library's matcher recurses once per pattern item, in one C call that no instruction
// budget sees, so a long enough pattern overflows the stack. Every script state of the engine that
// opens the string library bounds its patterns with this.
#include <cstddef>

struct lua_State;

// The longest pattern that string.find, match, gmatch and gsub take; the game's scripts use a few
// characters.
constexpr size_t MaxPatternLength = 256;

// Replaces the matching functions of the string library, already opened in `L`, by ones that
// refuse a longer pattern with a script error. Runs inside a protected call.
void BoundStringPatterns(lua_State* L);
