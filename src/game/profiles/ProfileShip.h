#pragma once
// One ship a pilot has fitted: its name, the devices of the game data fitted to it (at most one
// per type and sub-type) and what they add up to. What its stored record names that the ship
// cannot fit stays in the record unfitted, so that nothing the pilot had is lost.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/core/gamedata/FlightModelKind.h"

class Base;
class BinaryReader;
class BinaryWriter;
struct DeviceType;

// The sums of the fitted devices' parameters. Shield, armour and structure are summed twice: as
// the ship's current values and as its maximum.
struct ShipParams
{
    float shield = 0;
    float armor = 0;
    float structure = 0;
    float maxShield = 0;
    float maxArmor = 0;
    float maxStructure = 0;
    float shieldRegen = 0;
    float armorRegen = 0;
    float structureRegen = 0;
    float speed = 0;
    float acceleration = 0;
    float speedAng = 0;
    float accelerationAng = 0;
};

class ProfileShip
{
public:
    // The uids of the devices a new ship is fitted with, in fitting order.
    static const std::vector<float>& DefaultDeviceUids();

    // Devices are looked up in `base` (none without it).
    explicit ProfileShip(const Base* base, const char* name = "");

    const char* GetName() const { return _name; }
    void SetName(const char* name);

    unsigned GetDeviceCount() const { return static_cast<unsigned>(_devices.size()); }
    // Null outside the list.
    DeviceType* GetDeviceByIndex(unsigned index) const { return index < _devices.size() ? _devices[index] : nullptr; }
    // The device fitted in that slot, or null.
    DeviceType* GetDevice(int type, int subType) const;
    // Fits the device, replacing the one in its slot; a device already fitted, or null, changes nothing.
    void AddDevice(DeviceType* device);
    // The last device takes the removed one's place in the list.
    void RemoveDevice(DeviceType* device);
    // Fits every device of `from` in its order.
    void Clone(const ProfileShip* from);
    // Fits the default devices; those the game data does not know are skipped with a warning.
    void CreateDefault();

    const ShipParams& GetParams() const { return _params; }
    eFlightModel GetFlightModel() const;
    // The player's ship prototype "Player" sets speed and acceleration; 0 without it.
    float GetSpeed() const;
    float GetAcceleration() const;

    // Set: the ship carries its extra weapon.
    uint8_t GetFlag() const { return _flag; }
    void SetFlag(uint8_t flag) { _flag = flag; }

    // The ship's record of a profile file (see docs/profile-file.md); a ship read from a record
    // and not changed since writes that record back byte for byte.
    void Save(BinaryWriter& out) const;
    enum class LoadResult
    {
        Cut,     // cut short, or a device count that cannot fit the data left: the ship is unchanged
        Damaged, // read, but not as the game writes it (a name field without its end)
        Whole,
    };
    // Reads a whole record and only then replaces devices, name and flag. The devices fitted are
    // those that fitting the record's uids in order would leave; a uid the game data lacks, or
    // whose slot a later device of the record takes, is kept unfitted (with one warning line).
    LoadResult Load(BinaryReader& in);

private:
    // A uid of the record that the ship cannot fit, as it was read, and its place in the record.
    struct UnfittedUid
    {
        size_t place;
        uint32_t bits;
    };

    DeviceType* FindInSlot(float type, float subType) const;
    void FitRecord(const std::vector<uint32_t>& uids);
    void PutUnfittedFirst();
    void SumParams();

    const Base* _base;
    char _name[64] = {}; // as read: the bytes after the end are written back too
    ShipParams _params;
    std::vector<DeviceType*> _devices;  // owned by the game data
    std::vector<UnfittedUid> _unfitted; // in record order
    uint8_t _flag = 1;
};
