#include "services/network/NetworkEngine.h"

#include "foundation/base/Dumper.h"
#include "services/network/NetworkSearch.h"

NetworkEngine::NetworkEngine(NetworkSettings* settings, NetworkEndpoints endpoints)
    : _settings(settings), _endpoints(std::move(endpoints))
{}

NetworkEngine::~NetworkEngine()
{
    CloseServer();
    CloseClient();
}

bool NetworkEngine::CreateServer(NetworkGameInfo* info)
{
    // The old server keeps the port bound until it is closed.
    CloseServer();
    if (!info)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Cannot create server without game information\n");
        return false;
    }
    _server = std::make_unique<NetworkServer>(_endpoints);
    if (!_server->Init(info))
    {
        _server.reset();
        return false;
    }
    return CreateClient(info);
}

bool NetworkEngine::CreateClient(NetworkGameInfo* info)
{
    CloseClient();
    _client = std::make_unique<NetworkClient>(_endpoints, _localPlayer);
    return _client->Init(info);
}

void NetworkEngine::CloseServer()
{
    if (!_server)
        return;
    _server->Close();
    _server.reset();
}

void NetworkEngine::CloseClient()
{
    if (!_client)
        return;
    _client->Close();
    _client.reset();
}

void NetworkEngine::Update(float frameTime)
{
    if (_server)
        _server->Update(frameTime);
    if (_client)
        _client->Update(frameTime);
    if (_client && _client->IsNeedToClose())
        CloseClient();
}

void NetworkEngine::FindServers(std::vector<NetworkGameInfo>& out, float*) const { SearchServers(_endpoints, out); }

void NetworkEngine::FindServers(std::vector<NetworkGameInfo>* out, float* unused) const
{
    if (out)
        FindServers(*out, unused);
}

const NetworkGameInfo* NetworkEngine::GetServerInfo() const
{
    return _client ? &_client->GetServerGameInfo() : nullptr;
}
