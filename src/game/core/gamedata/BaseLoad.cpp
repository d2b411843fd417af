// Reading the game-data files into the database.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "foundation/base/Dumper.h"
#include "foundation/base/Name.h"
#include "foundation/lua/Table.h"
#include "foundation/lua/TableIterator.h"
#include "foundation/lua/VirtualMachine.h"
#include "game/core/FixedText.h"
#include "game/core/gamedata/Base.h"
#include "game/core/gamedata/RecordFields.h"

namespace {
constexpr auto DUMP_LISTING = static_cast<eDumpEvent>(8);

// Compares digit runs by their value, so that "el_2" comes before "el_10".
int NaturalCompare(std::string_view a, std::string_view b)
{
    size_t i = 0;
    size_t j = 0;
    auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    while (i < a.size() && j < b.size())
    {
        if (digit(a[i]) && digit(b[j]))
        {
            while (i < a.size() && a[i] == '0')
                ++i;
            while (j < b.size() && b[j] == '0')
                ++j;
            size_t startA = i;
            size_t startB = j;
            while (i < a.size() && digit(a[i]))
                ++i;
            while (j < b.size() && digit(b[j]))
                ++j;
            if (i - startA != j - startB)
                return i - startA < j - startB ? -1 : 1;
            if (int c = a.substr(startA, i - startA).compare(b.substr(startB, j - startB)))
                return c;
            continue;
        }
        if (a[i] != b[j])
            return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]) ? -1 : 1;
        ++i;
        ++j;
    }
    return (i < a.size()) - (j < b.size());
}

// One record table of a file, under a string key or an element number (a number key that
// truncates to 0 is taken for no key and skipped).
struct Entry
{
    int index; // 0 for a string key
    std::string name;
    Table table;
};

bool EntryLess(const Entry& a, const Entry& b)
{
    if ((a.index != 0) != (b.index != 0))
        return a.index != 0;
    if (a.index != b.index)
        return a.index < b.index;
    int c = NaturalCompare(a.name, b.name);
    return c < 0 || (c == 0 && a.name < b.name);
}

// The record tables of a file in the order of their keys: element numbers ascending, then names
// in natural order, so that the records keep the order of the file as the writer numbers them,
// whatever the interpreter's table order.
std::vector<Entry> RecordTables(const Table& file)
{
    std::vector<Entry> entries;
    TableIterator it(file);
    for (it.Begin(); it.End(); it.Next())
    {
        int type = it.GetVarType();
        if (type != LUA_TYPE_TABLE && type != LUA_TYPE_ARRAY)
            continue;
        const char* name = it.GetVarName();
        int index = name ? 0 : it.GetVarIndex();
        if (name || index != 0)
            entries.push_back({index, name ? name : "", it.ToTable()});
    }
    std::sort(entries.begin(), entries.end(), EntryLess);
    return entries;
}

int TruncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(value, -2147483648.0, 2147483647.0));
}

void Raise(float& maximum, float value)
{
    if (value > maximum)
        maximum = value;
}
} // namespace

// Reads the files of one Load into the database.
class GameDataReader
{
public:
    explicit GameDataReader(Base& base) : _base(base) {}

    template <class Record>
    void ReadFile(const char* path, const char* global)
    {
        Table file = _base._vm->CreateNewTable();
        file.SetGlobalName(Name(global));
        if (_base._vm->ExecFile(path) != 0)
            return;
        _path = path;
        for (const Entry& entry : RecordTables(file))
            ReadRecord(static_cast<Record*>(nullptr), entry.table);
    }

private:
    void ReadRecord(ShipType*, const Table& table)
    {
        // A reload looks the ship up by name and updates it in place.
        char name[64] = {};
        TableIterator it(table);
        for (it.Begin(); it.End(); it.Next())
            if (it.GetVarType() == LUA_TYPE_STRING && it.GetVarName() && std::strcmp(it.GetVarName(), "name") == 0)
                CopyFixedText(name, it.ToString());
        ShipType* ship = _base._reload == 1 ? _base.GetShipByName(name) : nullptr;
        Fill(ship ? *ship : *_base.AddShip(), table, _base._ships);
    }

    void ReadRecord(WeaponType*, const Table& table)
    {
        WeaponType& weapon = *_base.AddWeapon();
        Fill(weapon, table, _base._weapons);
        GameDataMaxima& m = _base._maxima;
        Raise(std::strcmp(weapon.classname, "Burst") == 0 ? m.burstDamage : m.otherDamage, weapon.damage);
        Raise(m.weaponRange, weapon.speed * weapon.lifetime);
        Raise(m.weaponDelay, weapon.delay);
        Raise(m.weaponAmount, weapon.amount);
    }

    void ReadRecord(DeviceType*, const Table& table)
    {
        DeviceType& device = *_base.AddDevice();
        Fill(device, table, _base._devices);
        GameDataMaxima& m = _base._maxima;
        Raise(m.deviceShield, device.shield);
        Raise(m.deviceShieldRegen, device.shieldRegen);
        Raise(m.deviceArmor, device.armor);
        Raise(m.deviceArmorRegen, device.armorRegen);
        Raise(m.deviceSpeed, device.speed);
        Raise(m.deviceAcceleration, device.acceleration);
    }

    void ReadRecord(ObjectType*, const Table& table) { Fill(*_base.AddObject(), table, _base._objects); }
    void ReadRecord(ObjectPartType*, const Table& table) { Fill(*_base.AddPart(), table, _base._parts); }
    void ReadRecord(NpcType*, const Table& table) { Fill(*_base.AddNpc(), table, _base._npcs); }

    // Stores every member whose key names a field and whose value has the field's type; a table
    // that gives "uid" = 0 gets the next identifier.
    template <class Record>
    void Fill(Record& record, const Table& table, const RecordList<Record>& list)
    {
        TableIterator it(table);
        for (it.Begin(); it.End(); it.Next())
            if (const char* key = it.GetVarName())
                Store(record, key, it);
        if (record.uid == 0)
            record.uid = list.NextUid();
    }

    template <class Record>
    void Store(Record& record, const char* key, const TableIterator& it)
    {
        const int type = it.GetVarType();
        for (const RecordField<Record>& field : RecordFields<Record>())
        {
            if (std::strcmp(field.key, key) != 0)
                continue;
            std::visit(
                [&](auto member) {
                    auto& value = record.*member;
                    using Value = std::remove_reference_t<decltype(value)>;
                    if constexpr (std::is_same_v<Value, float>)
                    {
                        if (type == LUA_TYPE_NUMBER)
                            value = static_cast<float>(it.ToNumber());
                    }
                    else if constexpr (std::is_same_v<Value, int>)
                    {
                        if (type == LUA_TYPE_NUMBER)
                            value = TruncateToInt(it.ToNumber());
                    }
                    else if (type == LUA_TYPE_STRING && !CopyFixedText(value, it.ToString()))
                        _base._dumper->Print(DUMP_WARNING, "  \"%s\" of \"%s\" in \"%s\" cut to %zu characters\n", key,
                                             record.name, _path.c_str(), sizeof(value) - 1);
                },
                field.member);
            return;
        }
    }

    Base& _base;
    std::string _path;
};

void Base::Load(bool reload)
{
    _reload = reload ? 1 : 0;
    GameDataReader reader(*this);

    _vm->ExecFile("gamedata\\races.lua");

    reader.ReadFile<ObjectType>("gamedata\\objects.lua", "Objects");
    _dumper->Print(DUMP_LISTING, "\t  Loading Gamedata ... Objects (%d)\n", GetObjectCount());

    reader.ReadFile<DeviceType>("gamedata\\devices.lua", "Devices");
    _devices.Sort([](const DeviceType& a, const DeviceType& b) {
        return a.race < b.race || (a.race == b.race && a.priority < b.priority);
    });
    _dumper->Print(DUMP_LISTING, "\t  Loading Gamedata ... Devices (%d)\n", GetDeviceCount());

    reader.ReadFile<WeaponType>("gamedata\\weapons.lua", "Weapons");
    reader.ReadFile<WeaponType>("gamedata\\weapons_player.lua", "Weapons");
    _dumper->Print(DUMP_LISTING, "\t  Loading Gamedata ... Weapons (%d)\n", GetWeaponCount());

    reader.ReadFile<ShipType>("gamedata\\ships.lua", "Ships");
    _dumper->Print(DUMP_LISTING, "\t  Loading Gamedata ... Ships (%d)\n", GetShipCount());

    for (const char* race : {"unknown", "asp", "blg", "fslk", "rtb", "sha", "smkt", "tld", "ytg", "trsk"})
        reader.ReadFile<ObjectPartType>(("gamedata\\constructor_" + std::string(race) + ".lua").c_str(), "Parts");
    _dumper->Print(DUMP_LISTING, "\t  Loading Gamedata ... Parts (%d)\n", GetPartCount());

    reader.ReadFile<NpcType>("gamedata\\npcs.lua", "Npcs");
    _dumper->Print(DUMP_LISTING, "\t  Loading Gamedata ... Npcs (%d)\n", GetNpcCount());

    _default = GetShipByName("dummy_shippart");
}
