#pragma once

#include "services/network/INetworkEntity.h"
#include "services/network/NetworkEndpoints.h"
#include "services/network/NetworkGameInfo.h"

#include <memory>

// Joins a server and follows the connection: accepted, refused, full or closed. Anything but
// accepted asks the engine to close it.
class NetworkClient : public INetworkEntity
{
public:
    NetworkClient(const NetworkEndpoints& endpoints, const NetworkPlayer& localPlayer);
    ~NetworkClient() override;

    // Starts connecting to the record's server, or to this machine when its address is empty
    // (the caller's record then receives that address and port).
    bool Init(NetworkGameInfo* info) override;
    void Close() override;
    void Update(float frameTime) override;
    void UpdateReceive() override;

    const NetworkGameInfo& GetServerGameInfo() const { return _serverInfo; }
    bool IsConnected() const { return _connected; }
    const NetworkPlayer* GetLocalPlayer() const { return _localPlayer.get(); }

private:
    // The message identifier an event stands for; 0 for events the client ignores.
    uint8_t Identify(const NetEvent& event) const;
    void Fail();

    NetworkEndpoints _endpoints;
    NetworkPlayer _playerTemplate;
    NetworkGameInfo _serverInfo;
    bool _connected = false;
    std::unique_ptr<NetworkPlayer> _localPlayer;
    size_t _serverPeer = 0;
};
