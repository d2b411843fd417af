#include "services/network/NetworkClient.h"

#include "foundation/base/Dumper.h"
#include "services/network/NetworkProtocol.h"

#include <chrono>
#include <cstdio>
#include <cstring>

namespace {
constexpr const char* LoopbackAddress = "127.0.0.1";
constexpr auto CloseGrace = std::chrono::milliseconds(100);
} // namespace

NetworkClient::NetworkClient(const NetworkEndpoints& endpoints, const NetworkPlayer& localPlayer)
    : _endpoints(endpoints), _playerTemplate(localPlayer)
{}

NetworkClient::~NetworkClient()
{
    Close();
    Dumper::Instance().Print(DUMP_INFO, "Client: closed\n");
}

void NetworkClient::Fail()
{
    _peer.reset();
    _connected = false;
    _needToClose = true;
}

bool NetworkClient::Init(NetworkGameInfo* info)
{
    Dumper::Instance().Print(DUMP_INFO, "Client: initing...\n");
    if (!info)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Client: no server to connect to\n");
        Fail();
        return false;
    }
    _serverInfo = *info;
    _players.clear();
    _connected = false;
    _needToClose = false;

    _localPlayer = std::make_unique<NetworkPlayer>(_playerTemplate);
    const uint16_t portrait = 1;
    _localPlayer->SetPortrait(portrait);

    std::string error;
    _peer = NetHost::Open(1, &error);
    if (!_peer)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Client: cannot create network peer! (%s)\n", error.c_str());
        Fail();
        return false;
    }
    _peer->SetLimits(NetworkProtocol::MaxPacketSize, NetworkProtocol::MaxWaitingData);
    Dumper::Instance().Print(DUMP_INFO, "Client: inited\n");

    NetAddress target;
    if (info->address[0] != '\0')
    {
        target.host.assign(info->address, strnlen(info->address, sizeof(info->address)));
        target.port = info->port;
        Dumper::Instance().Print(DUMP_INFO, "Client: connecting to %s:%u...\n", target.host.c_str(),
                                 static_cast<unsigned>(target.port));
    }
    else
    {
        std::snprintf(info->address, sizeof(info->address), "%s", LoopbackAddress);
        info->port = _endpoints.port;
        target.host = LoopbackAddress;
        target.port = _endpoints.port;
        Dumper::Instance().Print(DUMP_INFO, "Client: connecting to local machine %s:%u...\n", LoopbackAddress,
                                 static_cast<unsigned>(target.port));
    }

    if (!_peer->Connect(target, _endpoints.connectTimeoutMs, &_serverPeer, &error))
    {
        Dumper::Instance().Print(DUMP_ERROR, "Cannot connect to server! (%s)\n", error.c_str());
        Fail();
        return false;
    }
    return true;
}

void NetworkClient::Close()
{
    if (!_localPlayer && !_peer)
        return;
    Dumper::Instance().Print(DUMP_INFO, "Client: closing...\n");
    _localPlayer.reset();
    if (_peer)
    {
        if (_peer->ConnectedPeers() > 0)
        {
            // Say goodbye so that the server frees the slot now rather than at its time-out.
            _peer->Disconnect(_serverPeer, NetworkProtocol::REASON_NONE);
            const auto deadline = std::chrono::steady_clock::now() + CloseGrace;
            NetEvent event;
            while (std::chrono::steady_clock::now() < deadline)
            {
                const int result = _peer->Service(event, 10);
                if (result > 0 && event.type == NetEventType::Disconnect)
                    break;
            }
        }
        _peer.reset();
    }
    _connected = false;
    _serverInfo = NetworkGameInfo{};
    _players.clear();
}

void NetworkClient::Update(float)
{
    if (_peer)
        UpdateReceive();
}

uint8_t NetworkClient::Identify(const NetEvent& event) const
{
    if (event.type == NetEventType::Connect)
        return NetworkProtocol::ID_CONNECTION_ACCEPTED;
    if (event.type != NetEventType::Disconnect)
        return 0;
    if (event.data == NetworkProtocol::REASON_FULL)
        return NetworkProtocol::ID_SERVER_FULL;
    if (_connected || event.data == NetworkProtocol::REASON_CLOSED)
        return NetworkProtocol::ID_SERVER_CLOSED;
    return NetworkProtocol::ID_CONNECTION_FAILED;
}

void NetworkClient::UpdateReceive()
{
    if (!_peer)
        return;
    NetEvent event;
    for (int i = 0; i < NetworkProtocol::MaxEventsPerUpdate && !_needToClose; ++i)
    {
        const int result = _peer->Service(event, 0);
        if (result == 0)
            break;
        if (result < 0 || event.peer != _serverPeer)
            continue;
        // Packets carry nothing the client acts on yet.
        switch (Identify(event))
        {
        case NetworkProtocol::ID_CONNECTION_ACCEPTED:
            _connected = true;
            Dumper::Instance().Print(DUMP_INFO, "Client: connected to server!\n");
            break;
        case NetworkProtocol::ID_CONNECTION_FAILED:
            Dumper::Instance().Print(DUMP_INFO, "Client: cannot connect to server!\n");
            _needToClose = true;
            break;
        case NetworkProtocol::ID_SERVER_FULL:
            Dumper::Instance().Print(DUMP_INFO, "Client: Server is full!\n");
            _needToClose = true;
            break;
        case NetworkProtocol::ID_SERVER_CLOSED:
            Dumper::Instance().Print(DUMP_INFO, "Client: Server is closed!\n");
            _needToClose = true;
            break;
        default: break;
        }
        if (_needToClose)
            _connected = false;
    }
}
