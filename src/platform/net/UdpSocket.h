#pragma once

#include "platform/net/NetAddress.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// A plain datagram socket, used to find servers by broadcast.
class UdpSocket
{
public:
    struct Received
    {
        int result = 0;         // 1 a datagram, 0 nothing within the wait, -1 an error
        size_t size = 0;        // bytes stored
        bool truncated = false; // the datagram was larger than the buffer
        NetAddress from;
    };

    // A socket on the port (0: any free port), allowed to send to broadcast addresses when asked.
    static std::unique_ptr<UdpSocket> Open(uint16_t port, bool broadcast, std::string* error);

    ~UdpSocket();
    UdpSocket(const UdpSocket&) = delete;
    UdpSocket& operator=(const UdpSocket&) = delete;

    bool SendTo(const NetAddress& to, const void* data, size_t size, std::string* error);
    // Waits at most timeoutMs for one datagram.
    Received Receive(void* buffer, size_t capacity, uint32_t timeoutMs);
    uint16_t LocalPort() const;

private:
    explicit UdpSocket(int fd);
    int _fd;
};
