#pragma once
// The order in which the level-logic reader takes the members of a table: the interpreter's own
// order is its hash order, so the keys are sorted instead, with runs of digits compared by their
// value ("Trigger2" before "Trigger10"). Keys of equal value ("Trigger01", "Trigger1") fall back
// to byte order.

// True when `a` comes before `b`.
bool NaturalLess(const char* a, const char* b);
