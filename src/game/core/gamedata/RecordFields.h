#pragma once
// The data keys of each record kind: which field a key fills when a game-data file is read, and
// how the field is written back by the database's writer, in the written order.
#include <span>
#include <variant>

#include "game/core/gamedata/TypeRecords.h"

enum eFieldWrite
{
    FIELD_WRITE_PLAIN,   // texts quoted, floats "%f", integers "%d"
    FIELD_WRITE_ROUNDED, // floats "%.0f"
    FIELD_WRITE_NEVER,   // read only
};

template <class Record>
struct RecordField
{
    using Member = std::variant<float Record::*, int Record::*, char (Record::*)[64], char (Record::*)[256]>;

    const char* key;
    Member member;
    int tabs = 3; // between the key and "=" when written
    eFieldWrite write = FIELD_WRITE_PLAIN;
};

template <class Record>
std::span<const RecordField<Record>> RecordFields();

template <>
std::span<const RecordField<ShipType>> RecordFields<ShipType>();
template <>
std::span<const RecordField<WeaponType>> RecordFields<WeaponType>();
template <>
std::span<const RecordField<DeviceType>> RecordFields<DeviceType>();
template <>
std::span<const RecordField<ObjectType>> RecordFields<ObjectType>();
template <>
std::span<const RecordField<ObjectPartType>> RecordFields<ObjectPartType>();
template <>
std::span<const RecordField<NpcType>> RecordFields<NpcType>();
