#pragma once

#include "platform/net/NetAddress.h"

#include <cstdint>
#include <memory>

class BinaryReader;

// A connection as seen by object replication. Replication is not in use: it creates no objects.
class NetworkConnection
{
public:
    explicit NetworkConnection(NetAddress address, uint64_t guid) : _address(std::move(address)), _guid(guid) {}

    // Reads the object's type tag and creates nothing.
    void* AllocReplica(BinaryReader& in);

    const NetAddress& GetAddress() const { return _address; }
    uint64_t GetGuid() const { return _guid; }

private:
    NetAddress _address;
    uint64_t _guid;
};

// Hands out replication connections; no peer attaches it, so nothing is replicated.
class NetworkReplicaManager
{
public:
    std::unique_ptr<NetworkConnection> AllocConnection(const NetAddress& address, uint64_t guid) const;
    void DeallocConnection(std::unique_ptr<NetworkConnection> connection) const;
};
