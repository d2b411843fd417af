#include "services/network/NetworkReplicaManager.h"

#include "foundation/base/BinaryReader.h"

void* NetworkConnection::AllocReplica(BinaryReader& in)
{
    uint16_t typeTag = 0;
    in.Read(typeTag);
    return nullptr;
}

std::unique_ptr<NetworkConnection> NetworkReplicaManager::AllocConnection(const NetAddress& address,
                                                                          uint64_t guid) const
{
    return std::make_unique<NetworkConnection>(address, guid);
}

void NetworkReplicaManager::DeallocConnection(std::unique_ptr<NetworkConnection>) const {}
