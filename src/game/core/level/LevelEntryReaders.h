#pragma once
// Reading helpers shared by the mission frame's level readers: the member keys of a table in
// table order, vectors, and the first AI task of a ship entry.
#include <string>
#include <vector>

#include "foundation/math/Vec3.h"
#include "game/ai/ShipTaskRecord.h"

class Table;
class VirtualMachine;

// Runs the data file into a new table that becomes the global of that name; false without a
// script machine or when the file cannot be run.
bool RunDataFile(VirtualMachine* vm, const char* path, const char* global, Table& table);

// The keys of the table's members in the interpreter's order; a key that is not a string is an
// empty text (it names no entry, but counts).
std::vector<std::string> MemberKeys(const Table& table);

// The member table's numbers "x", "y" and "z"; a missing one keeps its default.
Vec3 ReadVector(const Table& table, const char* key, const Vec3& defaults);

// The entry's "task" table: task kind 0 for none or an unknown "type". The escort radius left
// at 0 is the caller's to fill.
Pelloris::ShipTaskRecord ReadTask(const Table& entry);

// Of a "debris" entry: "rock" 0, "ytg" 1, "ice" 4, "lava" 5; anything else rock.
int EntryDebrisType(const char* name);
// Of a level description: "rock" 0, "ice" 4, "lava" 5, "crystal" 3; anything else rock.
int LevelDebrisType(const char* name);
