#pragma once

#include "services/network/NetworkGameInfo.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The discovery datagrams: a searcher's ping and a server's answer.
namespace NetworkDiscovery {
std::vector<uint8_t> MakePing(uint64_t timeStamp);
// True when the datagram is a discovery ping; gives its time stamp.
bool ReadPing(const uint8_t* data, size_t size, uint64_t& timeStamp);

std::vector<uint8_t> MakePong(uint64_t timeStamp, const std::vector<uint8_t>& record);
// Reads a server's answer; false with a reason when the datagram is not a whole answer.
bool ReadPong(const uint8_t* data, size_t size, NetworkGameInfo& info, std::string& error);
} // namespace NetworkDiscovery
