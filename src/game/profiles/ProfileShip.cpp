#include "game/profiles/ProfileShip.h"

#include <algorithm>

#include "foundation/base/BinaryReader.h"
#include "foundation/base/BinaryWriter.h"
#include "foundation/base/Dumper.h"
#include "game/core/FixedText.h"
#include "game/core/gamedata/Base.h"

namespace {
constexpr size_t NameSize = 64;

bool InSlot(const DeviceType& device, float type, float subType)
{
    return device.type == type && device.subType == subType;
}

DeviceType* FindDevice(const Base* base, float uid)
{
    DeviceType* device = base ? base->GetDeviceByUid(uid) : nullptr;
    if (!device)
        Dumper::Instance().Print(DUMP_WARNING, "Profile ship: device %.0f is not in the game data\n", uid);
    return device;
}

const ShipType* PlayerShip(const Base* base) { return base ? base->GetShipByName("Player") : nullptr; }
} // namespace

const std::vector<float>& ProfileShip::DefaultDeviceUids()
{
    static const std::vector<float> uids = {31111, 13213, 28937, 4683, 5598,  8855,  20584, 590,  8404,
                                            29404, 24388, 32285, 7719, 16703, 33662, 31673, 31679};
    return uids;
}

ProfileShip::ProfileShip(const Base* base, const char* name) : _base(base) { SetName(name); }

void ProfileShip::SetName(const char* name) { CopyFixedText(_name, name); }

DeviceType* ProfileShip::GetDevice(int type, int subType) const
{
    return FindInSlot(static_cast<float>(type), static_cast<float>(subType));
}

DeviceType* ProfileShip::FindInSlot(float type, float subType) const
{
    for (DeviceType* device : _devices)
        if (InSlot(*device, type, subType))
            return device;
    return nullptr;
}

void ProfileShip::AddDevice(DeviceType* device)
{
    if (!device || std::find(_devices.begin(), _devices.end(), device) != _devices.end())
        return;
    if (DeviceType* taken = FindInSlot(device->type, device->subType))
        RemoveDevice(taken);
    _devices.push_back(device);
    SumParams();
}

void ProfileShip::RemoveDevice(DeviceType* device)
{
    auto it = std::find(_devices.begin(), _devices.end(), device);
    if (it == _devices.end())
        return;
    *it = _devices.back();
    _devices.pop_back();
    SumParams();
}

void ProfileShip::Clone(const ProfileShip* from)
{
    if (!from || from == this)
        return;
    for (DeviceType* device : from->_devices)
        AddDevice(device);
}

void ProfileShip::CreateDefault()
{
    for (float uid : DefaultDeviceUids())
        AddDevice(FindDevice(_base, uid));
}

// Summed afresh from the list, so the sums always equal those of the fitted devices.
void ProfileShip::SumParams()
{
    _params = ShipParams();
    for (const DeviceType* device : _devices)
    {
        _params.shield += device->shield;
        _params.armor += device->armor;
        _params.structure += device->structure;
        _params.maxShield += device->shield;
        _params.maxArmor += device->armor;
        _params.maxStructure += device->structure;
        _params.shieldRegen += device->shieldRegen;
        _params.armorRegen += device->armorRegen;
        _params.structureRegen += device->structureRegen;
        _params.speed += device->speed;
        _params.acceleration += device->acceleration;
        _params.speedAng += device->speedAng;
        _params.accelerationAng += device->accelerationAng;
    }
}

eFlightModel ProfileShip::GetFlightModel() const
{
    float best = 0;
    for (const DeviceType* device : _devices)
        best = std::max(best, device->flightModel);
    switch (best < 5 ? static_cast<int>(best) : 0)
    {
    case 2: return FLIGHT_MODEL_STRAFE;
    case 3: return FLIGHT_MODEL_DUPLEX;
    case 4: return FLIGHT_MODEL_COMBY;
    default: return FLIGHT_MODEL_DIRECT;
    }
}

float ProfileShip::GetSpeed() const
{
    const ShipType* ship = PlayerShip(_base);
    return ship ? ship->speed : 0;
}

float ProfileShip::GetAcceleration() const
{
    const ShipType* ship = PlayerShip(_base);
    return ship ? ship->throttle * 100 : 0;
}

void ProfileShip::Save(BinaryWriter& out) const
{
    out.Write(static_cast<int32_t>(_devices.size()));
    for (const DeviceType* device : _devices)
        out.Write(device->uid);
    out.WriteFixedString(_name, NameSize);
    out.Write(_flag);
}

bool ProfileShip::Load(BinaryReader& in)
{
    int32_t count = 0;
    if (!in.Read(count))
        return false;
    // Each uid takes 4 bytes and the name and flag follow, so a count beyond that is corrupt.
    if (count < 0 || static_cast<size_t>(count) * 4 + NameSize + 1 > in.Remaining())
        return false;
    std::vector<float> uids(static_cast<size_t>(count));
    for (float& uid : uids)
        in.Read(uid);
    char name[NameSize];
    uint8_t flag = 0;
    in.ReadFixedString(name, NameSize);
    in.Read(flag);
    if (in.Failed())
        return false;

    _devices.clear();
    SumParams();
    for (float uid : uids)
        AddDevice(FindDevice(_base, uid));
    SetName(name);
    _flag = flag;
    return true;
}
