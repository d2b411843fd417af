#include "game/profiles/ProfileShip.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <string>

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

// The device of a stored uid; only one of the very same bits, so that the record is written back
// as it was read.
DeviceType* DeviceOfRecord(const Base* base, uint32_t bits)
{
    DeviceType* device = base ? base->GetDeviceByUid(std::bit_cast<float>(bits)) : nullptr;
    return device && std::bit_cast<uint32_t>(device->uid) == bits ? device : nullptr;
}

// A stored uid as a number, damaged ones too ("12345.5", "nan").
std::string UidText(uint32_t bits)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(std::bit_cast<float>(bits)));
    return text;
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

// The whole field is written, so nothing of an earlier name stays after the end.
void ProfileShip::SetName(const char* name)
{
    std::memset(_name, 0, sizeof _name);
    CopyFixedText(_name, name);
}

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
    PutUnfittedFirst();
    SumParams();
}

void ProfileShip::RemoveDevice(DeviceType* device)
{
    auto it = std::find(_devices.begin(), _devices.end(), device);
    if (it == _devices.end())
        return;
    *it = _devices.back();
    _devices.pop_back();
    PutUnfittedFirst();
    SumParams();
}

// Once the ship is refitted, what it keeps unfitted goes first in its record: when the data that
// knows those devices returns, a device fitted since in the same slot comes later and wins it.
void ProfileShip::PutUnfittedFirst()
{
    for (size_t i = 0; i < _unfitted.size(); ++i)
        _unfitted[i].place = i;
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
    const size_t count = _devices.size() + _unfitted.size();
    out.Write(static_cast<int32_t>(count));
    auto unfitted = _unfitted.begin();
    auto device = _devices.begin();
    for (size_t place = 0; place < count; ++place)
    {
        if (unfitted != _unfitted.end() && (unfitted->place == place || device == _devices.end()))
            out.Write((unfitted++)->bits);
        else
            out.Write((*device++)->uid);
    }
    out.WriteBytes(_name, NameSize);
    out.Write(_flag);
}

// What AddDevice in record order would leave fitted, kept in record order: walking backwards, a
// device fits unless a later one of the record took its slot.
void ProfileShip::FitRecord(const std::vector<uint32_t>& uids)
{
    _devices.clear();
    _unfitted.clear();
    for (size_t i = uids.size(); i-- > 0;)
    {
        DeviceType* device = DeviceOfRecord(_base, uids[i]);
        if (device && !FindInSlot(device->type, device->subType) &&
            std::find(_devices.begin(), _devices.end(), device) == _devices.end())
            _devices.push_back(device);
        else
            _unfitted.push_back({i, uids[i]});
    }
    std::reverse(_devices.begin(), _devices.end());
    std::reverse(_unfitted.begin(), _unfitted.end());
    SumParams();
}

ProfileShip::LoadResult ProfileShip::Load(BinaryReader& in)
{
    int32_t count = 0;
    if (!in.Read(count))
        return LoadResult::Cut;
    // Each uid takes 4 bytes and the name and flag follow, so a count beyond that is corrupt.
    if (count < 0 || static_cast<size_t>(count) * 4 + NameSize + 1 > in.Remaining())
        return LoadResult::Cut;
    std::vector<uint32_t> uids(static_cast<size_t>(count));
    for (uint32_t& uid : uids)
        in.Read(uid);
    char name[NameSize];
    uint8_t flag = 0;
    in.ReadBytes(name, NameSize);
    in.Read(flag);
    if (in.Failed())
        return LoadResult::Cut;

    FitRecord(uids);
    std::memcpy(_name, name, NameSize);
    _flag = flag;
    const bool ended = std::memchr(name, 0, NameSize) != nullptr;
    if (!ended)
    {
        _name[NameSize - 1] = '\0';
        Dumper::Instance().Print(DUMP_WARNING, "Profile ship \"%s\": its name field has no end\n", _name);
    }
    if (!_unfitted.empty())
    {
        // A line of bounded length, however many there are.
        constexpr size_t Listed = 8;
        std::string listed;
        for (size_t i = 0; i < std::min(Listed, _unfitted.size()); ++i)
            listed += (i ? ", " : "") + UidText(_unfitted[i].bits);
        if (_unfitted.size() > Listed)
            listed += " and " + std::to_string(_unfitted.size() - Listed) + " more";
        Dumper::Instance().Print(DUMP_WARNING,
                                 "Profile ship \"%s\": devices %s stay in its record unfitted: the game data "
                                 "lacks them, or a later device of the record takes their slot\n",
                                 _name, listed.c_str());
    }
    return ended ? LoadResult::Whole : LoadResult::Damaged;
}
