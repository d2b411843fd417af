#pragma once
// The started game of MenuTest with its network engine on a free port of this machine,
// searching through the loopback broadcast address, and movies that report every call the game
// makes on them while they go on working as they do in the game.
#include "MenuFixture.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class NetworkEngine;
struct NetworkGameInfo;

class MultiplayerTest : public MenuTest
{
protected:
    // The connection's time-out runs on the network library's own wall clock, while a busy
    // machine can keep the game from servicing the network for seconds (a screen loading,
    // shaders compiling for a first draw): a join that should work is not given up before this.
    static constexpr uint32_t JoinTimeoutMs = 60000;
    static constexpr uint32_t NetworkWaitMs = 2 * JoinTimeoutMs;

    void SetUp() override;

    // The game's movies of these names, each reporting the calls it gets in the log.
    void Spy(std::initializer_list<const char*> movies);
    // The calls the movie got since the mark, as "Function(arg,...)" with strings quoted.
    static std::vector<std::string> Calls(const LogWatch& since, const std::string& movie);
    // True when one of the calls is exactly this.
    static bool Called(const LogWatch& since, const std::string& movie, const std::string& call);

    NetworkEngine* Network() const;
    // Runs frames (and so the network) until the condition on the network holds. The network runs
    // on the real clock, so the wait is bounded on it, past a join's time-out: the network decides
    // first however busy the machine. What frames step (a fade) is waited for by frames, with
    // Settle, once the network has done its part.
    bool RunUntilNetwork(const std::function<bool()>& done);
    // Types the text, byte by byte, into the current frame.
    void Type(const std::string& text);

    uint16_t _port = 0;
};
