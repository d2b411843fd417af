#pragma once
// The game-data database: the prototypes of every ship, weapon, device, world object, part and
// non-player character, read from the Lua files under "gamedata/". It owns the records; actors,
// screens and profiles keep plain pointers to them, which stay valid until Clear. It also holds
// the per-difficulty factors and the largest device and weapon values for the hangar's bars.
#include "game/core/gamedata/RecordList.h"
#include "game/core/gamedata/TypeRecords.h"

class Dumper;
class VirtualMachine;

// The largest values met while reading; 0 until a greater value is read.
struct GameDataMaxima
{
    float deviceShield = 0;
    float deviceShieldRegen = 0;
    float deviceArmor = 0;
    float deviceArmorRegen = 0;
    float deviceSpeed = 0;
    float deviceAcceleration = 0;
    float burstDamage = 0; // weapons of class "Burst"
    float otherDamage = 0; // every other weapon
    float weaponRange = 0; // speed times lifetime
    float weaponDelay = 0;
    float weaponAmount = 0;
};

class Base
{
public:
    // Kind numbers of GetCount.
    enum eKind
    {
        KIND_SHIPS,
        KIND_WEAPONS,
        KIND_DEVICES,
        KIND_OBJECTS,
        KIND_PARTS,
        KIND_NPCS,
    };

    // Uses both without owning them.
    Base(VirtualMachine* vm, Dumper* dumper);
    Base(const Base&) = delete;
    Base& operator=(const Base&) = delete;

    // Reads every game-data file. A reload updates ships in place, so that pointers to them stay
    // valid, and appends every other kind again behind the records already read.
    void Load(bool reload);
    // Writes every collection back as Lua text; false when a file could not be written.
    bool Save() const;
    // Frees every record.
    void Clear();

    // A new record with its defaults and a fresh identifier.
    ShipType* AddShip();
    WeaponType* AddWeapon();
    DeviceType* AddDevice();
    ObjectType* AddObject();
    ObjectPartType* AddPart();
    NpcType* AddNpc();

    // The first record with exactly this identifier, or null.
    ShipType* GetShipByUid(float uid) const { return _ships.ByUid(uid); }
    WeaponType* GetWeaponByUid(float uid) const { return _weapons.ByUid(uid); }
    DeviceType* GetDeviceByUid(float uid) const { return _devices.ByUid(uid); }
    ObjectType* GetObjectByUid(float uid) const { return _objects.ByUid(uid); }
    ObjectPartType* GetObjectPartByUid(float uid) const { return _parts.ByUid(uid); }
    NpcType* GetNpcByUid(float uid) const { return _npcs.ByUid(uid); }

    // The record at that position, or null outside the collection.
    ShipType* GetShipByIndex(int index) const { return _ships.ByIndex(index); }
    WeaponType* GetWeaponByIndex(int index) const { return _weapons.ByIndex(index); }
    DeviceType* GetDeviceByIndex(int index) const { return _devices.ByIndex(index); }
    ObjectType* GetObjectByIndex(int index) const { return _objects.ByIndex(index); }
    ObjectPartType* GetPartByIndex(int index) const { return _parts.ByIndex(index); }
    NpcType* GetNpcByIndex(int index) const { return _npcs.ByIndex(index); }

    int GetShipCount() const { return _ships.Count(); }
    int GetWeaponCount() const { return _weapons.Count(); }
    int GetDeviceCount() const { return _devices.Count(); }
    int GetObjectCount() const { return _objects.Count(); }
    int GetPartCount() const { return _parts.Count(); }
    int GetNpcCount() const { return _npcs.Count(); }
    // By eKind; -1 for any other number.
    int GetCount(int kind) const;

    // The first record of that name, or null with a logged warning. Weapon names ignore case.
    ShipType* GetShipByName(const char* name) const;
    WeaponType* GetWeaponByName(const char* name) const;
    DeviceType* GetDeviceByName(const char* name) const;
    ObjectType* GetObjectByName(const char* name) const;
    ObjectPartType* GetPartByName(const char* name) const;
    NpcType* GetNpcByName(const char* name) const;

    // The ship prototype "dummy_shippart" that loose ship parts take, or null.
    ShipType* GetDefault() const { return _default; }

    // Factors by the game's difficulty setting (0 to 3; others are held to that range).
    float GetPartStrengthFactor(int difficulty) const;
    float GetPlayerDamageFactor(int difficulty) const;
    float GetPlayerRegenerationFactor(int difficulty) const;

    const GameDataMaxima& GetMaxima() const { return _maxima; }

private:
    friend class GameDataReader;

    float _partStrength[4] = {0.5f, 1, 1.5f, 2};
    float _playerDamage[4] = {0.5f, 0.75f, 1, 1.25f};
    float _playerRegeneration[4] = {2, 1, 0.5f, 0.25f};

    RecordList<ShipType> _ships;
    RecordList<WeaponType> _weapons;
    RecordList<DeviceType> _devices;
    RecordList<ObjectType> _objects;
    RecordList<ObjectPartType> _parts;
    RecordList<NpcType> _npcs;

    ShipType* _default = nullptr;
    Dumper* _dumper;
    VirtualMachine* _vm;
    int _reload = 0;
    GameDataMaxima _maxima;
};
