#include "platform/net/UdpSocket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
void SetError(std::string* error, const char* what)
{
    if (error)
        *error = std::string(what) + ": " + std::strerror(errno);
}
} // namespace

UdpSocket::UdpSocket(int fd) : _fd(fd) {}

UdpSocket::~UdpSocket() { close(_fd); }

std::unique_ptr<UdpSocket> UdpSocket::Open(uint16_t port, bool broadcast, std::string* error)
{
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
    {
        SetError(error, "socket");
        return nullptr;
    }
    std::unique_ptr<UdpSocket> owner(new UdpSocket(fd));
    const int on = 1;
    if (broadcast && setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof(on)) != 0)
    {
        SetError(error, "broadcast");
        return nullptr;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    address.sin_port = htons(port);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0)
    {
        SetError(error, "bind");
        return nullptr;
    }
    return owner;
}

bool UdpSocket::SendTo(const NetAddress& to, const void* data, size_t size, std::string* error)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(to.port);
    if (inet_pton(AF_INET, to.host.c_str(), &address.sin_addr) != 1)
    {
        if (error)
            *error = "invalid address " + to.host;
        return false;
    }
    const ssize_t sent =
        sendto(_fd, data, size, MSG_NOSIGNAL, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
    if (sent < 0 || static_cast<size_t>(sent) != size)
    {
        SetError(error, "sendto");
        return false;
    }
    return true;
}

UdpSocket::Received UdpSocket::Receive(void* buffer, size_t capacity, uint32_t timeoutMs)
{
    Received out;
    pollfd entry{_fd, POLLIN, 0};
    const int ready = poll(&entry, 1, static_cast<int>(timeoutMs));
    if (ready <= 0)
    {
        out.result = ready < 0 && errno != EINTR ? -1 : 0;
        return out;
    }
    sockaddr_in from{};
    socklen_t fromSize = sizeof(from);
    // MSG_TRUNC reports the datagram's real length, so oversized ones can be told apart.
    const ssize_t length =
        recvfrom(_fd, buffer, capacity, MSG_TRUNC | MSG_DONTWAIT, reinterpret_cast<sockaddr*>(&from), &fromSize);
    if (length < 0)
    {
        out.result = errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR ? 0 : -1;
        return out;
    }
    out.result = 1;
    out.truncated = static_cast<size_t>(length) > capacity;
    out.size = out.truncated ? capacity : static_cast<size_t>(length);
    char text[INET_ADDRSTRLEN] = {};
    if (inet_ntop(AF_INET, &from.sin_addr, text, sizeof(text)))
        out.from.host = text;
    out.from.port = ntohs(from.sin_port);
    return out;
}

uint16_t UdpSocket::LocalPort() const
{
    sockaddr_in address{};
    socklen_t size = sizeof(address);
    if (getsockname(_fd, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        return 0;
    return ntohs(address.sin_port);
}
