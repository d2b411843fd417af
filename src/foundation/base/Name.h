#pragma once

#include <map>
#include <string>
#include <vector>

class Dumper;

// One slot of the process-wide name table.
struct NameEntry
{
    static constexpr unsigned MaxLength = 127;

    int index; // -1 in a slot given back
    char text[MaxLength + 1];
    bool permanent;  // interned for good: the slot is never given back
    unsigned leases; // leases (NameLease) that hold it
};

// An interned string: a 32-bit index into one process-wide table (-1 is no name). Equal texts
// give equal indices (case matters), so comparing names never compares text. Texts longer than
// 127 characters are cut; once the table is full a new text gives no name, logged once.
// A name interned here lives for the process; one that only leases ever held is given back with
// the last of them, and its slot is used again.
class Name
{
public:
    static constexpr unsigned MaxNames = 4096;

    Name() : _index(-1) {}
    Name(int index) : _index(index) {}
    Name(const char* text) { *this = text; }

    Name& operator=(int index)
    {
        _index = index;
        return *this;
    }
    Name& operator=(const char* text);

    operator int() const { return _index; }
    bool IsValid() const { return _index != -1; }
    void Reset() { _index = -1; }
    bool operator==(const Name& other) const { return _index == other._index; }
    bool operator!=(const Name& other) const { return _index != other._index; }
    bool operator==(int index) const { return _index == index; }
    bool operator!=(int index) const { return _index != index; }

    // The text; "" for the empty name or an index outside the table.
    const char* Str() const { return GetString(_index); }
    const char* operator*() const { return Str(); }

    static const char* GetString(int index);
    static NameEntry* GetEntry(int index);
    // The names in use.
    static unsigned GetHashSize() { return _nameCount; }
    static bool IsInitialized() { return _initialized; }
    static void ClearHash();
    static void DumpHash(Dumper* dumper);

private:
    friend class NameLease;

    // Overlong texts are interned by their first 127 characters, consistently for every lookup.
    static std::string Key(const char* text);
    static int FindString(const char* text);
    static int AddNameEntry(const char* text, bool permanent);
    // The index of the text, held by one more lease; -1 when it is new and the table is within
    // `reserve` names of full.
    static int Lease(const char* text, unsigned reserve);
    // One lease fewer on the name; the last one gives back a name that was never interned for good.
    static void Release(int index);
    // Built on first use so that names interned during static initialisation are safe.
    static std::map<std::string, NameEntry*>& HashedNames();
    // Slots given back, below _slotCount.
    static std::vector<int>& FreeSlots();

    int _index;

    static NameEntry _names[MaxNames];
    static unsigned _nameCount;
    static unsigned _slotCount; // slots filled since the last ClearHash, given back or not
    static bool _initialized;
};
