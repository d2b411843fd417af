#include "services/network/NetworkServer.h"

#include "foundation/base/Dumper.h"
#include "services/network/NetworkDiscovery.h"
#include "services/network/NetworkProtocol.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace {
constexpr float AdvertisePeriodOpen = 200.0f;
constexpr float AdvertisePeriodAdvertised = 3000.0f;
constexpr auto CloseGrace = std::chrono::milliseconds(100);
} // namespace

NetworkServer::NetworkServer(const NetworkEndpoints& endpoints) : _endpoints(endpoints) { ResetRecord(); }

void NetworkServer::ResetRecord()
{
    _info = NetworkGameInfo{};
    _info.header = 1;
}

NetworkServer::~NetworkServer()
{
    Close();
    Dumper::Instance().Print(DUMP_INFO, "Server: closed\n");
}

bool NetworkServer::Init(NetworkGameInfo* info)
{
    if (!info)
    {
        Dumper::Instance().Print(DUMP_ERROR, "Server: no game information to start with\n");
        return false;
    }
    Close();
    _info.currentPlayers = 0;
    _info.extra = info->extra;
    _info.maxPlayers = info->maxPlayers;
    _info.fragLimit = info->fragLimit;
    _info.timeLimit = info->timeLimit;
    std::snprintf(_info.name, sizeof(_info.name), "%.*s", static_cast<int>(sizeof(_info.name) - 1), info->name);
    std::snprintf(_info.text, sizeof(_info.text), "%.*s", static_cast<int>(sizeof(_info.text) - 1), info->text);
    _info.address[0] = '\0';

    SetNetworkState(NETWORK_SERVER_STATE_STARTING);
    // One slot beyond the limit, so that a player over it is accepted and told the server is full.
    std::string error;
    _peer = NetHost::Listen(_endpoints.port, static_cast<size_t>(_info.maxPlayers) + 1, &error);
    if (!_peer)
    {
        Dumper::Instance().Print(
            DUMP_ERROR, "Cannot create server. Maybe your port is used by another application! (port %u: %s)\n",
            static_cast<unsigned>(_endpoints.port), error.c_str());
        ResetRecord();
        return false;
    }
    _peer->SetLimits(NetworkProtocol::MaxPacketSize, NetworkProtocol::MaxWaitingData);
    _peer->SetDatagramHandler([this](const uint8_t* data, size_t size, std::vector<uint8_t>& reply) {
        return AnswerDatagram(data, size, reply);
    });
    _accepted.assign(_peer->PeerSlots(), false);
    _acceptedCount = 0;
    _advertiseTimer = 0.0f;

    Dumper::Instance().Print(DUMP_INFO, "Server: started at %s:%u\n", FirstLocalAddress().c_str(),
                             static_cast<unsigned>(_endpoints.port));
    SetNetworkState(NETWORK_SERVER_STATE_OPEN);
    _pingResponse = _info.Serialize();
    return true;
}

void NetworkServer::Close()
{
    if (!_peer)
        return;
    Dumper::Instance().Print(DUMP_INFO, "Server: closing...\n");
    _peer->DisconnectAll(NetworkProtocol::REASON_CLOSED);
    // Give the players a moment to hear the server is closing.
    const auto deadline = std::chrono::steady_clock::now() + CloseGrace;
    NetEvent event;
    while (_peer->ConnectedPeers() > 0 && std::chrono::steady_clock::now() < deadline)
        _peer->Service(event, 10);
    _peer->Flush();
    _peer.reset();
    ResetRecord();
    _players.clear();
    _pingResponse.clear();
    _accepted.clear();
    _acceptedCount = 0;
}

void NetworkServer::Update(float frameTime)
{
    UpdateServerGameInfo(frameTime);
    UpdateReceive();
}

void NetworkServer::UpdateReceive()
{
    if (!_peer)
        return;
    NetEvent event;
    for (int i = 0; i < NetworkProtocol::MaxEventsPerUpdate; ++i)
    {
        const int result = _peer->Service(event, 0);
        if (result == 0)
            break;
        if (result < 0 || event.peer >= _accepted.size())
            continue;
        switch (event.type)
        {
        case NetEventType::Connect:
            if (_acceptedCount >= _info.maxPlayers)
            {
                Dumper::Instance().Print(DUMP_INFO, "Server: refused %s:%u, the server is full\n",
                                         event.from.host.c_str(), static_cast<unsigned>(event.from.port));
                _peer->Disconnect(event.peer, NetworkProtocol::REASON_FULL);
                break;
            }
            _accepted[event.peer] = true;
            ++_acceptedCount;
            Dumper::Instance().Print(DUMP_INFO, "Server: %s:%u connected\n", event.from.host.c_str(),
                                     static_cast<unsigned>(event.from.port));
            break;
        case NetEventType::Disconnect:
            if (_accepted[event.peer])
            {
                _accepted[event.peer] = false;
                --_acceptedCount;
                Dumper::Instance().Print(DUMP_INFO, "Server: %s:%u disconnected\n", event.from.host.c_str(),
                                         static_cast<unsigned>(event.from.port));
            }
            break;
        case NetEventType::Receive:
            // Peers decide how often they send: the log gets the first packets and then one
            // line in a thousand, so no peer can grow it at will.
            if (!event.packet.empty() && (++_received <= LoggedPackets || _received % 1000 == 0))
                Dumper::Instance().Print(DUMP_INFO, "Server: recv %d (%llu packets)\n", event.packet[0],
                                         static_cast<unsigned long long>(_received));
            break;
        case NetEventType::None: break;
        }
    }
}

void NetworkServer::SetNetworkState(const NETWORK_SERVER_STATE& state)
{
    Dumper::Instance().Print(DUMP_INFO, "Server: switched status to %d\n", static_cast<int>(state));
    _info.status = state;
}

void NetworkServer::UpdateServerGameInfo(float frameTime)
{
    float period = 0.0f;
    if (_info.status == NETWORK_SERVER_STATE_OPEN)
        period = AdvertisePeriodOpen;
    else if (_info.status == NETWORK_SERVER_STATE_ADVERTISED)
        period = AdvertisePeriodAdvertised;
    else
        return;
    _advertiseTimer += frameTime;
    if (_advertiseTimer >= period)
    {
        SetServerGameInfo();
        _advertiseTimer = 0.0f;
    }
}

void NetworkServer::SetServerGameInfo()
{
    // The players connected within the limit: nothing fills the player list yet.
    const auto players = static_cast<uint16_t>(_acceptedCount);
    if (players == _info.currentPlayers)
        return;
    _info.currentPlayers = players;
    if (_peer)
        _pingResponse = _info.Serialize();
}

bool NetworkServer::AnswerDatagram(const uint8_t* data, size_t size, std::vector<uint8_t>& reply) const
{
    uint64_t timeStamp = 0;
    if (!NetworkDiscovery::ReadPing(data, size, timeStamp))
        return false;
    if (!_pingResponse.empty())
        reply = NetworkDiscovery::MakePong(timeStamp, _pingResponse);
    return true;
}
