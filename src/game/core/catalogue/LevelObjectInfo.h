#pragma once
// One object entry of a level file, as the older level framework reads it: the entry's table and
// its three names.
#include "foundation/lua/Table.h"

class LevelObjectInfo
{
public:
    static constexpr size_t TextSize = 64;

    explicit LevelObjectInfo(const Table& properties) : _properties(properties) {}

    // Reads "name", "classname" and "prototype"; a missing one stays empty.
    void Initialize();
    const char* GetName() const { return _name; }
    const char* GetClassname() const { return _classname; }
    const char* GetPrototype() const { return _prototype; }
    Table GetProperties() const { return _properties; }

private:
    Table _properties;
    char _name[TextSize] = {};
    char _classname[TextSize] = {};
    char _prototype[TextSize] = {};
};
