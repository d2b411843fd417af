#include "foundation/base/Name.h"

#include <cstring>
#include <memory>
#include <utility>

#include "foundation/base/Dumper.h"
#include "foundation/base/Singletons.h"

NameEntry Name::_names[Name::MaxNames];
unsigned Name::_nameCount = 0;
bool Name::_initialized = false;

std::map<std::string, NameEntry*>& Name::HashedNames()
{
    static auto* const names = Singletons::Adopt(std::make_unique<std::map<std::string, NameEntry*>>());
    return *names;
}

Name& Name::operator=(const char* text)
{
    if (!text || !*text)
    {
        _index = -1;
        return *this;
    }
    // Overlong texts are interned by their first 127 characters, consistently for every lookup.
    std::string key(text, strnlen(text, NameEntry::MaxLength));
    _index = FindString(key.c_str());
    if (_index == -1)
        _index = AddNameEntry(key.c_str());
    return *this;
}

const char* Name::GetString(int index)
{
    if (index < 0 || static_cast<unsigned>(index) >= _nameCount)
        return "";
    return _names[index].text;
}

NameEntry* Name::GetEntry(int index)
{
    if (index < 0 || static_cast<unsigned>(index) >= _nameCount)
        return nullptr;
    return &_names[index];
}

void Name::ClearHash()
{
    _nameCount = 0;
    HashedNames().clear();
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
int Name::AddNameEntry(const char* text)
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
    NameEntry& entry = _names[_nameCount];
    strncpy(entry.text, text, NameEntry::MaxLength);
    entry.text[NameEntry::MaxLength] = 0;
    entry.index = static_cast<int>(_nameCount);
    HashedNames().emplace(entry.text, &entry);
    ++_nameCount;
    return entry.index;
}
