#include "services/network/NetworkDiscovery.h"

#include "foundation/base/BinaryReader.h"
#include "foundation/base/BinaryWriter.h"
#include "services/network/NetworkProtocol.h"

#include <cstring>

namespace NetworkDiscovery {
std::vector<uint8_t> MakePing(uint64_t timeStamp)
{
    BinaryWriter out;
    out.WriteBytes(NetworkProtocol::PingMagic, sizeof(NetworkProtocol::PingMagic));
    out.Write(timeStamp);
    const std::vector<uint8_t> padding(NetworkProtocol::PingSize - out.Size(), 0);
    out.WriteBytes(padding.data(), padding.size());
    return out.Data();
}

bool ReadPing(const uint8_t* data, size_t size, uint64_t& timeStamp)
{
    if (size != NetworkProtocol::PingSize ||
        std::memcmp(data, NetworkProtocol::PingMagic, sizeof(NetworkProtocol::PingMagic)) != 0)
        return false;
    BinaryReader in(data, size, "discovery ping");
    return in.Skip(sizeof(NetworkProtocol::PingMagic)) && in.Read(timeStamp);
}

std::vector<uint8_t> MakePong(uint64_t timeStamp, const std::vector<uint8_t>& record)
{
    BinaryWriter out;
    out.Write(NetworkProtocol::ID_PONG);
    out.Write(timeStamp);
    out.WriteBytes(record.data(), record.size());
    return out.Data();
}

bool ReadPong(const uint8_t* data, size_t size, NetworkGameInfo& info, std::string& error)
{
    if (size == 0 || data[0] != NetworkProtocol::ID_PONG)
    {
        error = "not a discovery answer";
        return false;
    }
    if (size != NetworkProtocol::PongSize)
    {
        error = "discovery answer of " + std::to_string(size) + " bytes, expected " +
                std::to_string(NetworkProtocol::PongSize);
        return false;
    }
    BinaryReader in(data, size, "discovery answer");
    uint64_t timeStamp = 0;
    if (!in.Skip(1) || !in.Read(timeStamp) || !info.Read(in))
    {
        error = in.Error();
        return false;
    }
    return true;
}
} // namespace NetworkDiscovery
