#pragma once
// Library functions whose C loops run as long as their arguments say, with no instruction in
// between for a budget to count: string.rep, and table.insert, remove, concat and sort. The
// bounded ones behave as the library's and charge their work to the script's budget.
#include "foundation/lua/PatternMatcher.h"

// Replaces those of the functions that `L` has opened; runs inside a protected call.
void BoundLibraryWork(lua_State* L, ChargeWork charge);

// Sets library.name to `function`, with the charge (a ChargeWork in the userdata on the top of
// the stack) as its first upvalue and, when it `keepsOwn`, the library's own function as its
// second; a library or function that is not there is left out.
void ReplaceCharged(lua_State* L, const char* library, const char* name, int (*function)(lua_State*), bool keepsOwn);
