#pragma once

#include "platform/net/NetHost.h"
#include "services/network/NetworkPlayer.h"

#include <memory>
#include <vector>

struct NetworkGameInfo;

// What a server and a client share: a connection host, the players and the close request.
class INetworkEntity
{
public:
    INetworkEntity() = default;
    INetworkEntity(const INetworkEntity&) = delete;
    INetworkEntity& operator=(const INetworkEntity&) = delete;
    virtual ~INetworkEntity() = default;

    virtual bool Init(NetworkGameInfo* info) = 0;
    virtual void Close() = 0;
    // Runs once per frame with the frame's time in seconds.
    virtual void Update(float frameTime) = 0;
    virtual void UpdateReceive() = 0;
    virtual std::vector<NetworkPlayer*>& GetPlayerList() { return _players; }
    virtual const std::vector<NetworkPlayer*>& GetPlayerList() const { return _players; }

    bool IsNeedToClose() const { return _needToClose; }

protected:
    std::unique_ptr<NetHost> _peer;       // null while closed
    std::vector<NetworkPlayer*> _players; // not owned; nothing fills it yet
    bool _needToClose = false;
};
