#pragma once
// One collection of the game-data database: an ordered list of records that it owns.
#include <algorithm>
#include <cstring>
#include <memory>
#include <strings.h>
#include <vector>

template <class Record>
class RecordList
{
public:
    // Appends a record with its defaults.
    Record* Add()
    {
        _records.push_back(std::make_unique<Record>());
        return _records.back().get();
    }

    // One more than the greatest identifier, where the greatest starts at 0.
    float NextUid() const
    {
        float greatest = 0;
        for (const auto& record : _records)
            greatest = std::max(greatest, record->uid);
        return greatest + 1;
    }

    Record* ByUid(float uid) const
    {
        for (const auto& record : _records)
            if (record->uid == uid)
                return record.get();
        return nullptr;
    }

    Record* ByIndex(int index) const
    {
        return index >= 0 && index < Count() ? _records[static_cast<size_t>(index)].get() : nullptr;
    }

    Record* ByName(const char* name, bool ignoreCase) const
    {
        for (const auto& record : _records)
            if ((ignoreCase ? strcasecmp(record->name, name) : std::strcmp(record->name, name)) == 0)
                return record.get();
        return nullptr;
    }

    int Count() const { return static_cast<int>(_records.size()); }
    void Clear() { _records.clear(); }

    // Ties keep their order.
    template <class Less>
    void Sort(Less less)
    {
        std::stable_sort(_records.begin(), _records.end(), [&](const auto& a, const auto& b) { return less(*a, *b); });
    }

private:
    std::vector<std::unique_ptr<Record>> _records;
};
