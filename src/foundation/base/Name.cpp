#include "foundation/base/Name.h"

#include <cstring>
#include <memory>
#include <utility>

#include "foundation/base/Dumper.h"
#include "foundation/base/Singletons.h"

NameEntry Name::_names[Name::MaxNames];
unsigned Name::_nameCount = 0;
unsigned Name::_slotCount = 0;
bool Name::_initialized = false;

std::map<std::string, NameEntry*>& Name::HashedNames()
{
    static auto* const names = Singletons::Adopt(std::make_unique<std::map<std::string, NameEntry*>>());
    return *names;
}

std::vector<int>& Name::FreeSlots()
{
    static auto* const slots = Singletons::Adopt(std::make_unique<std::vector<int>>());
    return *slots;
}

std::string Name::Key(const char* text) { return std::string(text, strnlen(text, NameEntry::MaxLength)); }

Name& Name::operator=(const char* text)
{
    if (!text || !*text)
    {
        _index = -1;
        return *this;
    }
    const std::string key = Key(text);
    _index = FindString(key.c_str());
    if (_index == -1)
        _index = AddNameEntry(key.c_str(), true);
    else
        _names[_index].permanent = true; // a lease may have brought it: it stays now
    return *this;
}

const char* Name::GetString(int index)
{
    const NameEntry* entry = GetEntry(index);
    return entry ? entry->text : "";
}

NameEntry* Name::GetEntry(int index)
{
    if (index < 0 || static_cast<unsigned>(index) >= _slotCount || _names[index].index != index)
        return nullptr;
    return &_names[index];
}

void Name::ClearHash()
{
    _nameCount = 0;
    _slotCount = 0;
    HashedNames().clear();
    FreeSlots().clear();
    _initialized = false;
}

void Name::DumpHash(Dumper* dumper)
{
    if (!dumper)
        return;
    dumper->Print("--- Dumping name hash:\n");
    for (const auto& [text, entry] : HashedNames())
        dumper->Print(DUMP_PLAIN, "\t%s, %d\n", text.c_str(), entry->index);
    dumper->Print("--- Finished dumping name hash\n");
}

int Name::FindString(const char* text)
{
    auto& names = HashedNames();
    auto it = names.find(text);
    return it == names.end() ? -1 : it->second->index;
}

// Texts from data files are interned too (track names, surfaces), so a full table is no reason to
// end the process: the name is refused, once logged.
int Name::AddNameEntry(const char* text, bool permanent)
{
    if (_nameCount >= MaxNames)
    {
        static bool reported = false;
        if (!std::exchange(reported, true))
            Dumper::Instance().Print(DUMP_ERROR, "Name table is full (%u names): <%s> and later names are refused\n",
                                     MaxNames, text);
        return -1;
    }
    _initialized = true;
    std::vector<int>& free = FreeSlots();
    int index = static_cast<int>(_slotCount);
    if (free.empty())
        ++_slotCount;
    else
    {
        index = free.back();
        free.pop_back();
    }
    NameEntry& entry = _names[index];
    strncpy(entry.text, text, NameEntry::MaxLength);
    entry.text[NameEntry::MaxLength] = 0;
    entry.index = index;
    entry.permanent = permanent;
    entry.leases = 0;
    HashedNames().emplace(entry.text, &entry);
    ++_nameCount;
    return index;
}

int Name::Lease(const char* text, unsigned reserve)
{
    if (!text || !*text)
        return -1;
    const std::string key = Key(text);
    int index = FindString(key.c_str());
    if (index == -1)
    {
        if (_nameCount + reserve >= MaxNames)
            return -1;
        index = AddNameEntry(key.c_str(), false);
    }
    ++_names[index].leases;
    return index;
}

void Name::Release(int index)
{
    NameEntry* entry = GetEntry(index);
    if (!entry || entry->leases == 0 || --entry->leases > 0 || entry->permanent)
        return;
    HashedNames().erase(entry->text);
    entry->index = -1;
    entry->text[0] = 0;
    FreeSlots().push_back(index);
    --_nameCount;
}
