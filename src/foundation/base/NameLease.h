#pragma once
// Names held for a while and given back: those a mission's files bring, which a file may hold
// by the thousand, so that one mission cannot take the name table from the rest of the run. A
// name given back frees its slot only when nothing else holds it: no other lease, and no one
// interned it for good (Name(text)) before or after.
#include <vector>

#include "foundation/base/Name.h"

class NameLease
{
public:
    // Room in the table that leases leave to the names interned for good (the game's own, and
    // those of the models and materials it loads).
    static constexpr unsigned Reserve = 1024;

    NameLease() = default;
    ~NameLease() { GiveBack(); }
    NameLease(const NameLease&) = delete;
    NameLease& operator=(const NameLease&) = delete;

    // The name of the text, held until GiveBack. No name for an empty text, nor for a new text
    // while the table is within Reserve of full.
    Name Take(const char* text);
    // Lets go of every name taken; those nothing else holds leave the table.
    void GiveBack();

private:
    std::vector<int> _held; // one entry for each Take that gave a name
};
