#pragma once

#include <string>

struct DeviceType;

// The device categories of the hangar (a device's `type`); the hangar opens on NoCategory.
enum ShipDeviceType : int
{
    SDT_WEAPONRY = 0,
    SDT_ARMOR = 1,
    SDT_POWER = 2,
    SDT_ADDITIONAL = 3,
    SDT_NONE = 5,
};

// What the hangar's panels ask of the hangar they work for: fitting a device on the current
// ship (with its meshes), the device of a slot, and the slot being looked at, which decides
// whether the ship is shown assembled or apart.
class IConstructionAngar
{
public:
    virtual ~IConstructionAngar() = default;

    virtual void SwitchDevice(DeviceType* device, int type, int subType) = 0;
    // Null when the slot is empty or there is no current ship.
    virtual DeviceType* GetCurrentDevice(int type, int subType) const = 0;
    virtual void EnterSlot(int type, int subType) = 0;
    virtual void LeaveSlot(int type, int subType) = 0;

    // The localised name of a slot ("ui_devices_type_<type>_<subType>"), or "(unknown)" for a
    // pair no device can have.
    static std::string GetCategoryName(int type, int subType);
};
