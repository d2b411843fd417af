#include "ProfilesTestSupport.h"

#include <cstring>

#include "game/core/FixedText.h"
#include "game/profiles/ProfileShip.h"

TestGameData::TestGameData(bool defaults)
{
    if (!defaults)
        return;
    const std::vector<float>& uids = ProfileShip::DefaultDeviceUids();
    for (size_t i = 0; i < uids.size(); ++i)
    {
        DeviceType* device = Device(uids[i], static_cast<float>(i / 5), static_cast<float>(i % 5));
        device->shield = static_cast<float>(i + 1);
        device->armor = 10.0f * static_cast<float>(i + 1);
        device->flightModel = 1;
    }
    ShipType* player = base.AddShip();
    CopyFixedText(player->name, "Player");
    player->speed = 120;
    player->throttle = 3;
}

DeviceType* TestGameData::Device(float uid, float type, float subType)
{
    DeviceType* device = base.AddDevice();
    device->uid = uid;
    device->type = type;
    device->subType = subType;
    return device;
}

NpcType* TestGameData::Npc(const char* name, float type, float totalScore, float race)
{
    NpcType* npc = base.AddNpc();
    CopyFixedText(npc->name, name);
    npc->type = type;
    npc->totalScore = totalScore;
    npc->race = race;
    return npc;
}

ProfileContext TestGameData::Context(const GameTexts* texts, const std::string& folder) const
{
    return ProfileContext{texts, &base, folder};
}

Bytes& Bytes::U32(uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        data += static_cast<char>((value >> (8 * i)) & 0xFF);
    return *this;
}

Bytes& Bytes::F32(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    return U32(bits);
}

Bytes& Bytes::U8(uint8_t value)
{
    data += static_cast<char>(value);
    return *this;
}

Bytes& Bytes::Name(const std::string& name, bool terminated)
{
    std::string field = name.substr(0, terminated ? 63 : 64);
    field.resize(64, terminated ? '\0' : 'x');
    data += field;
    return *this;
}

Bytes& Bytes::Ship(const std::vector<float>& uids, const std::string& name, uint8_t flag)
{
    I32(static_cast<int32_t>(uids.size()));
    for (float uid : uids)
        F32(uid);
    return Name(name).U8(flag);
}

Bytes& Bytes::Header(uint32_t version, int32_t shipCount, int32_t current)
{
    U32(version);
    for (int32_t number : {1, 2, 3, 4, 5})
        I32(number);
    return I32(shipCount).I32(current);
}
