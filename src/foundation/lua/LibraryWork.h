#pragma once
// Library functions whose C loops run as long as their arguments say, with no instruction in
// between for a budget to count: they walk a table (unpack, table.maxn, foreach, foreachi,
// insert, remove, concat, sort), copy or convert a text (string.rep, sub, upper, lower,
// reverse, byte, char, format, tonumber), or hand back many values (select). The bounded ones
// behave as the library's and charge their work to the script's budget.
#include "foundation/lua/PatternMatcher.h"

// Replaces those of the functions that `L` has opened; runs inside a protected call.
void BoundLibraryWork(lua_State* L, ChargeWork charge);

// Sets library.name to `function`, with the charge (a ChargeWork in the userdata on the top of
// the stack) as its first upvalue and, when it `keepsOwn`, the library's own function as its
// second; a library or function that is not there is left out. A null library is the globals.
void ReplaceCharged(lua_State* L, const char* library, const char* name, int (*function)(lua_State*), bool keepsOwn);

// Inside a replaced function: charges `steps` through its first upvalue.
void ChargeSteps(lua_State* L, double steps);

// The replacements by library, each with the charge on the top of the stack.
void BoundTableWork(lua_State* L);
void BoundStringWork(lua_State* L);
void BoundStringFormat(lua_State* L);
void BoundBaseWork(lua_State* L);

// Work in steps of about one instruction: a table element moved or read, bytes copied or
// converted, and a function called through the interpreter.
constexpr long StepsPerElement = 4;
constexpr long BytesPerStep = 16;
constexpr long StepsPerCall = 16;
