#pragma once

#include "services/network/NetworkEndpoints.h"
#include "services/network/NetworkEngine.h"
#include "services/network/NetworkGameInfo.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A port that was free a moment ago; every test takes its own so test programs can run side by side.
uint16_t FreePort();
// How long a test's search waits for a port that does not answer. A search where nobody is meant
// to answer sets a short wait of its own.
constexpr uint32_t SearchWindowMs = 30000;
// Endpoints on the port, searching through the loopback broadcast address until each searched
// port has answered.
NetworkEndpoints TestEndpoints(uint16_t port, uint32_t connectTimeoutMs = 3000);
NetworkGameInfo MakeGame(const char* name, uint16_t maxPlayers);

// Runs `step` until `done` holds or the time is up; true when done.
bool PumpUntil(const std::function<bool()>& done, const std::function<void()>& step, int timeoutMs = 3000);
// Searches on another thread while this one keeps the servers running.
std::vector<NetworkGameInfo> SearchWhilePumping(const NetworkEngine& searcher, const std::function<void()>& pump);

// Log lines seen since the last Clear.
namespace TestLog {
void Clear();
bool Contains(const std::string& text);
size_t Count(const std::string& text);
} // namespace TestLog
