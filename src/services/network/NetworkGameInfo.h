#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class BinaryReader;
class BinaryWriter;

// States of a server, carried in its advertised record.
enum NETWORK_SERVER_STATE : int32_t
{
    NETWORK_SERVER_STATE_CONSTRUCTED = 0,
    NETWORK_SERVER_STATE_STARTING = 1,
    NETWORK_SERVER_STATE_OPEN = 2,
    NETWORK_SERVER_STATE_ADVERTISED = 4,
};

// A server's advertisement: what the server tells searchers about its game. Copied whole;
// on the wire it is 136 bytes, little-endian, written field by field.
struct NetworkGameInfo
{
    static constexpr size_t WireSize = 136;

    uint32_t header = 0;
    char address[16] = {};
    uint16_t port = 0;
    char name[32] = {};
    char text[64] = {};
    uint16_t maxPlayers = 0;
    uint16_t currentPlayers = 0;
    uint16_t fragLimit = 0;
    uint16_t timeLimit = 0;
    uint16_t reserved = 0;
    uint32_t extra = 0;
    int32_t status = 0;

    void Write(BinaryWriter& out) const;
    std::vector<uint8_t> Serialize() const;
    // Reads one record; every text field comes back terminated. False on a short record.
    bool Read(BinaryReader& in);
};

// The in-memory record mirrors the wire layout, so both stay 136 bytes.
static_assert(sizeof(NetworkGameInfo) == NetworkGameInfo::WireSize);
static_assert(offsetof(NetworkGameInfo, port) == 20 && offsetof(NetworkGameInfo, name) == 22);
static_assert(offsetof(NetworkGameInfo, text) == 54 && offsetof(NetworkGameInfo, maxPlayers) == 118);
static_assert(offsetof(NetworkGameInfo, extra) == 128 && offsetof(NetworkGameInfo, status) == 132);
