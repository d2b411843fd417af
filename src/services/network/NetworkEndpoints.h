#pragma once

#include "services/network/NetworkProtocol.h"

#include <cstdint>
#include <string>
#include <vector>

// Where the engine listens, connects and searches. The defaults are the game's; tests move the
// engine to free ports, the loopback broadcast address and shorter waits.
struct NetworkEndpoints
{
    uint16_t port = NetworkProtocol::DefaultPort;     // the server's port and a client's default target
    std::string broadcastAddress = "255.255.255.255"; // where a search sends its ping
    std::vector<uint16_t> searchPorts;                // ports a search pings; empty means `port`
    uint32_t searchWaitMs = 1000;                     // how long a search collects answers
    uint32_t connectTimeoutMs = 6000;                 // 12 attempts, 500 ms apart
    // Each searched port holds one server (as on one machine): the search ends once every port
    // has answered instead of at the end of the wait. Off for the game, whose broadcast any
    // number of machines may answer.
    bool searchEndsOnceEveryPortAnswered = false;
};
