#pragma once
// Library functions whose C loops run as long as their arguments say, with no instruction in
// between for a budget to count: string.rep, and table.insert, remove, concat and sort. The
// bounded ones behave as the library's and charge their work to the script's budget.
#include "foundation/lua/PatternMatcher.h"

// Replaces those of the functions that `L` has opened; runs inside a protected call.
void BoundLibraryWork(lua_State* L, ChargeWork charge);
