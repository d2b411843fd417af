#include "platform/net/NetHost.h"

#include <enet/enet.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {
bool InitLibrary()
{
    static const bool ok = enet_initialize() == 0;
    return ok;
}

struct HostDeleter
{
    void operator()(ENetHost* host) const { enet_host_destroy(host); }
};

// The host being serviced on this thread: ENet's raw-datagram callback carries no user data.
struct InterceptContext
{
    ENetHost* host;
    const NetHost::DatagramHandler* handler;
    std::vector<uint8_t>* reply;
};
thread_local InterceptContext* t_intercept = nullptr;

int InterceptDatagram(ENetHost* host, ENetEvent*)
{
    InterceptContext* context = t_intercept;
    if (!context || context->host != host || !*context->handler)
        return 0;
    context->reply->clear();
    if (!(*context->handler)(host->receivedData, host->receivedDataLength, *context->reply))
        return 0;
    if (!context->reply->empty())
    {
        ENetBuffer buffer;
        buffer.data = context->reply->data();
        buffer.dataLength = context->reply->size();
        enet_socket_send(host->socket, &host->receivedAddress, &buffer, 1);
    }
    return 1;
}

NetAddress ToNetAddress(const ENetAddress& address)
{
    char text[64] = {};
    NetAddress out;
    if (enet_address_get_host_ip(&address, text, sizeof(text)) == 0)
        out.host = text;
    out.port = address.port;
    return out;
}

std::unique_ptr<ENetHost, HostDeleter> CreateHost(const ENetAddress* bind, size_t peerSlots, std::string* error)
{
    if (!InitLibrary())
    {
        if (error)
            *error = "the network library failed to start";
        return nullptr;
    }
    peerSlots = std::clamp<size_t>(peerSlots, 1, ENET_PROTOCOL_MAXIMUM_PEER_ID);
    errno = 0;
    std::unique_ptr<ENetHost, HostDeleter> host(enet_host_create(bind, peerSlots, 1, 0, 0));
    if (!host)
    {
        if (error)
            *error = errno ? std::strerror(errno) : "cannot create the socket";
        return nullptr;
    }
    host->intercept = InterceptDatagram;
    return host;
}
} // namespace

struct NetHost::Impl
{
    std::unique_ptr<ENetHost, HostDeleter> host;
    DatagramHandler handler;
    std::vector<uint8_t> reply;

    ENetPeer* Peer(size_t index) const { return index < host->peerCount ? &host->peers[index] : nullptr; }
};

NetHost::NetHost(std::unique_ptr<Impl> impl) : _impl(std::move(impl)) {}

NetHost::~NetHost() = default;

std::unique_ptr<NetHost> NetHost::Listen(uint16_t port, size_t peerSlots, std::string* error)
{
    ENetAddress address;
    address.host = ENET_HOST_ANY;
    address.port = port;
    auto impl = std::make_unique<Impl>();
    impl->host = CreateHost(&address, peerSlots, error);
    if (!impl->host)
        return nullptr;
    return std::unique_ptr<NetHost>(new NetHost(std::move(impl)));
}

std::unique_ptr<NetHost> NetHost::Open(size_t peerSlots, std::string* error)
{
    auto impl = std::make_unique<Impl>();
    impl->host = CreateHost(nullptr, peerSlots, error);
    if (!impl->host)
        return nullptr;
    return std::unique_ptr<NetHost>(new NetHost(std::move(impl)));
}

void NetHost::SetLimits(size_t maxPacketSize, size_t maxWaitingData)
{
    _impl->host->maximumPacketSize = maxPacketSize;
    _impl->host->maximumWaitingData = maxWaitingData;
}

void NetHost::SetDatagramHandler(DatagramHandler handler) { _impl->handler = std::move(handler); }

bool NetHost::Connect(const NetAddress& to, uint32_t timeoutMs, size_t* peer, std::string* error)
{
    ENetAddress address;
    if (enet_address_set_host_ip(&address, to.host.c_str()) != 0 || to.port == 0)
    {
        if (error)
            *error = "invalid address " + to.host + ":" + std::to_string(to.port);
        return false;
    }
    address.port = to.port;
    ENetPeer* connection = enet_host_connect(_impl->host.get(), &address, 1, 0);
    if (!connection)
    {
        if (error)
            *error = "no free connection slot";
        return false;
    }
    enet_peer_timeout(connection, 0, timeoutMs, timeoutMs);
    if (peer)
        *peer = static_cast<size_t>(connection - _impl->host->peers);
    return true;
}

bool NetHost::Send(size_t peer, const void* data, size_t size)
{
    ENetPeer* target = _impl->Peer(peer);
    if (!target || target->state != ENET_PEER_STATE_CONNECTED)
        return false;
    ENetPacket* packet = enet_packet_create(data, size, ENET_PACKET_FLAG_RELIABLE);
    if (!packet)
        return false;
    if (enet_peer_send(target, 0, packet) < 0)
    {
        enet_packet_destroy(packet);
        return false;
    }
    return true;
}

void NetHost::Disconnect(size_t peer, uint32_t reason)
{
    if (ENetPeer* target = _impl->Peer(peer))
        enet_peer_disconnect(target, reason);
}

void NetHost::DisconnectAll(uint32_t reason)
{
    for (size_t i = 0; i < _impl->host->peerCount; ++i)
    {
        ENetPeer& peer = _impl->host->peers[i];
        if (peer.state != ENET_PEER_STATE_DISCONNECTED && peer.state != ENET_PEER_STATE_ZOMBIE)
            enet_peer_disconnect(&peer, reason);
    }
}

int NetHost::Service(NetEvent& event, uint32_t timeoutMs)
{
    ENetHost* host = _impl->host.get();
    InterceptContext context{host, &_impl->handler, &_impl->reply};
    InterceptContext* previous = t_intercept;
    t_intercept = &context;
    ENetEvent raw;
    const int result = enet_host_service(host, &raw, timeoutMs);
    t_intercept = previous;
    if (result <= 0)
        return result < 0 ? -1 : 0;
    if (!raw.peer)
        return 0;

    event = NetEvent{};
    event.peer = static_cast<size_t>(raw.peer - host->peers);
    event.from = ToNetAddress(raw.peer->address);
    event.data = raw.data;
    switch (raw.type)
    {
    case ENET_EVENT_TYPE_CONNECT: event.type = NetEventType::Connect; break;
    case ENET_EVENT_TYPE_DISCONNECT: event.type = NetEventType::Disconnect; break;
    case ENET_EVENT_TYPE_RECEIVE:
        event.type = NetEventType::Receive;
        event.packet.assign(raw.packet->data, raw.packet->data + raw.packet->dataLength);
        enet_packet_destroy(raw.packet);
        break;
    default: event.type = NetEventType::None; break;
    }
    return 1;
}

void NetHost::Flush() { enet_host_flush(_impl->host.get()); }

size_t NetHost::ConnectedPeers() const { return _impl->host->connectedPeers; }

size_t NetHost::PeerSlots() const { return _impl->host->peerCount; }

uint16_t NetHost::LocalPort() const
{
    ENetAddress address;
    if (enet_socket_get_address(_impl->host->socket, &address) != 0)
        return 0;
    return address.port;
}
