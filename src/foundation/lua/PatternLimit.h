#pragma once
// The string library's find, match, gmatch and gsub for the script states that open it. The
// library's own matcher recurses once per pattern item, so a long pattern overflows the stack,
// and it backtracks without limit inside one C call that no instruction budget sees. These
// refuse a long pattern and charge every step of their work to the script's budget.
#include "foundation/lua/PatternMatcher.h"

#include <cstddef>

// The longest pattern that string.find, match, gmatch and gsub take; the game's scripts use a few
// characters.
constexpr size_t MaxPatternLength = 256;

// Replaces the matching functions of the string library, already opened in `L`, by the bounded
// ones, which charge their work through `charge`. Runs inside a protected call.
void BoundStringPatterns(lua_State* L, ChargeWork charge);
