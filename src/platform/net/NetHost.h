#pragma once

#include "platform/net/NetAddress.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

enum class NetEventType
{
    None,
    Connect,
    Disconnect,
    Receive,
};

// One connection event of a host. Peers are named by their slot index in the host.
struct NetEvent
{
    NetEventType type = NetEventType::None;
    size_t peer = 0;
    NetAddress from;
    uint32_t data = 0;           // the reason of a disconnection
    std::vector<uint8_t> packet; // the payload of a received packet
};

// A connection endpoint over reliable UDP: a bound socket with a fixed number of peer slots.
// Raw datagrams that are no part of the connection protocol can be answered through a handler.
class NetHost
{
public:
    // Answers a raw datagram: returns true when the datagram is ours (it is then not handed to
    // the connection protocol); a non-empty reply is sent back to the sender.
    using DatagramHandler = std::function<bool(const uint8_t* data, size_t size, std::vector<uint8_t>& reply)>;

    // A host bound to the port on every interface; null with a reason when the port cannot be bound.
    static std::unique_ptr<NetHost> Listen(uint16_t port, size_t peerSlots, std::string* error);
    // A host on a free port, for outgoing connections.
    static std::unique_ptr<NetHost> Open(size_t peerSlots, std::string* error);

    ~NetHost();
    NetHost(const NetHost&) = delete;
    NetHost& operator=(const NetHost&) = delete;

    // Bounds what one peer may make the host hold: the largest packet and the data waiting for delivery.
    void SetLimits(size_t maxPacketSize, size_t maxWaitingData);
    void SetDatagramHandler(DatagramHandler handler);

    // Starts a connection; the outcome arrives as a Connect or Disconnect event.
    bool Connect(const NetAddress& to, uint32_t timeoutMs, size_t* peer, std::string* error);
    // Sends one reliable, ordered packet.
    bool Send(size_t peer, const void* data, size_t size);
    // Asks the peer to disconnect gracefully, handing it the reason.
    void Disconnect(size_t peer, uint32_t reason);
    void DisconnectAll(uint32_t reason);

    // Sends what is queued and returns the next event: 1 with an event, 0 when none came within
    // the wait, -1 on a socket error or a malformed datagram (the host stays usable).
    int Service(NetEvent& event, uint32_t timeoutMs);
    void Flush();

    size_t ConnectedPeers() const;
    size_t PeerSlots() const;
    uint16_t LocalPort() const;

private:
    struct Impl;
    explicit NetHost(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> _impl;
};
