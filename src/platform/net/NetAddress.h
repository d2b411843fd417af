#pragma once

#include <cstdint>
#include <string>

// An IPv4 endpoint: dotted address text and a port in host order.
struct NetAddress
{
    std::string host;
    uint16_t port = 0;
};

// The machine's first IPv4 address on an interface that is up, preferring one that is not
// loopback; "127.0.0.1" when there is none.
std::string FirstLocalAddress();
