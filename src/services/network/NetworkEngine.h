#pragma once

#include "services/network/NetworkClient.h"
#include "services/network/NetworkEndpoints.h"
#include "services/network/NetworkGameInfo.h"
#include "services/network/NetworkPlayer.h"
#include "services/network/NetworkServer.h"

#include <memory>
#include <vector>

class NetworkSettings;

// Hosts, finds and joins games on the local network. A host is server and client at once.
class NetworkEngine
{
public:
    explicit NetworkEngine(NetworkSettings* settings, NetworkEndpoints endpoints = {});
    ~NetworkEngine();
    NetworkEngine(const NetworkEngine&) = delete;
    NetworkEngine& operator=(const NetworkEngine&) = delete;

    // Starts a server with the record and joins it; a server or client already there is closed
    // first. False when the server could not start (then no client is made).
    bool CreateServer(NetworkGameInfo* info);
    // Joins the record's server; a client already there is closed first.
    bool CreateClient(NetworkGameInfo* info);
    void CloseServer();
    void CloseClient();
    // Once per frame: the server, then the client; a client that asked to close is closed.
    void Update(float frameTime);

    // Pings every server on the network and lists the open ones that answer within the wait.
    // Blocks for the wait (a second in the game).
    void FindServers(std::vector<NetworkGameInfo>& out, float* unused = nullptr) const;
    void FindServers(std::vector<NetworkGameInfo>* out, float* unused) const;

    // Who this machine's client plays as (the current profile's name and level).
    void SetLocalPlayer(const NetworkPlayer& player) { _localPlayer = player; }

    // Where servers and clients made from now on listen, connect and search; tests move the
    // engine to free ports and the loopback broadcast address.
    void SetEndpoints(const NetworkEndpoints& endpoints) { _endpoints = endpoints; }
    const NetworkEndpoints& GetEndpoints() const { return _endpoints; }

    NetworkSettings* GetSettings() const { return _settings; }
    const NetworkServer* GetServer() const { return _server.get(); }
    const NetworkClient* GetClient() const { return _client.get(); }
    NetworkClient* GetClient() { return _client.get(); }
    // The client's copy of its server's record; null without a client.
    const NetworkGameInfo* GetServerInfo() const;

private:
    NetworkSettings* _settings;
    NetworkEndpoints _endpoints;
    NetworkPlayer _localPlayer;
    std::unique_ptr<NetworkServer> _server;
    std::unique_ptr<NetworkClient> _client;
};
