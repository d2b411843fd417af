#include "game/core/gamedata/Base.h"

#include <algorithm>

#include "foundation/base/Dumper.h"

namespace {
template <class Record>
Record* AddWithNextUid(RecordList<Record>& list)
{
    Record* record = list.Add();
    record->uid = list.NextUid();
    return record;
}

template <class Record>
Record* FindByName(const RecordList<Record>& list, const char* name, bool ignoreCase, Dumper* dumper,
                   const char* message)
{
    if (!name)
        name = "";
    Record* record = list.ByName(name, ignoreCase);
    if (!record)
        dumper->Print(DUMP_WARNING, message, name);
    return record;
}

float Factor(const float (&factors)[4], int difficulty) { return factors[std::clamp(difficulty, 0, 3)]; }
} // namespace

Base::Base(VirtualMachine* vm, Dumper* dumper) : _dumper(dumper ? dumper : &Dumper::Instance()), _vm(vm) {}

void Base::Clear()
{
    _default = nullptr;
    _ships.Clear();
    _weapons.Clear();
    _devices.Clear();
    _objects.Clear();
    _parts.Clear();
    _npcs.Clear();
}

ShipType* Base::AddShip() { return AddWithNextUid(_ships); }
WeaponType* Base::AddWeapon() { return AddWithNextUid(_weapons); }
ObjectType* Base::AddObject() { return AddWithNextUid(_objects); }
ObjectPartType* Base::AddPart() { return AddWithNextUid(_parts); }
NpcType* Base::AddNpc() { return AddWithNextUid(_npcs); }

// Devices draw a random identifier; only a draw of 0 falls back to the next one.
DeviceType* Base::AddDevice()
{
    DeviceType* device = _devices.Add();
    if (device->GenerateUniqueID() == 0)
        device->uid = _devices.NextUid();
    return device;
}

int Base::GetCount(int kind) const
{
    switch (kind)
    {
    case KIND_SHIPS: return GetShipCount();
    case KIND_WEAPONS: return GetWeaponCount();
    case KIND_DEVICES: return GetDeviceCount();
    case KIND_OBJECTS: return GetObjectCount();
    case KIND_PARTS: return GetPartCount();
    case KIND_NPCS: return GetNpcCount();
    default: return -1;
    }
}

ShipType* Base::GetShipByName(const char* name) const
{
    return FindByName(_ships, name, false, _dumper, "  Failed to load ship prototype \"%s\" : File not found\n");
}

WeaponType* Base::GetWeaponByName(const char* name) const
{
    return FindByName(_weapons, name, true, _dumper, "  Failed to load weapon prototype \"%s\" : File not found\n");
}

DeviceType* Base::GetDeviceByName(const char* name) const
{
    return FindByName(_devices, name, false, _dumper, "  Failed to load device prototype \"%s\" : File not found\n");
}

ObjectType* Base::GetObjectByName(const char* name) const
{
    return FindByName(_objects, name, false, _dumper, "  Failed to load object prototype \"%s\" : File not found\n");
}

ObjectPartType* Base::GetPartByName(const char* name) const
{
    return FindByName(_parts, name, false, _dumper, "  Failed to load ship part \"%s\" : File not found\n");
}

NpcType* Base::GetNpcByName(const char* name) const
{
    return FindByName(_npcs, name, false, _dumper, "  Failed to load npc prototype \"%s\" : File not found\n");
}

float Base::GetPartStrengthFactor(int difficulty) const { return Factor(_partStrength, difficulty); }
float Base::GetPlayerDamageFactor(int difficulty) const { return Factor(_playerDamage, difficulty); }
float Base::GetPlayerRegenerationFactor(int difficulty) const { return Factor(_playerRegeneration, difficulty); }
