// network_peer <port> <frame seconds>: hosts the game "Remote" (four players) on the port of this
// machine and joins it, prints "ready" once its own client is connected, then runs a frame of
// the given length every 10 ms until its standard input closes. Then it closes the game, so its
// players hear that the server is gone.
#include "services/network/NetworkEngine.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace {

// True once the standard input is at its end.
bool InputClosed()
{
    pollfd input{STDIN_FILENO, POLLIN, 0};
    if (poll(&input, 1, 0) <= 0)
        return false;
    char byte = 0;
    return (input.revents & (POLLHUP | POLLERR)) || read(STDIN_FILENO, &byte, 1) <= 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: %s <port> <frame seconds>\n", argv[0]);
        return 2;
    }
    NetworkEndpoints endpoints;
    endpoints.port = static_cast<uint16_t>(std::atoi(argv[1]));
    endpoints.broadcastAddress = "127.255.255.255";
    endpoints.connectTimeoutMs = 3000;
    const float frameSeconds = static_cast<float>(std::atof(argv[2]));

    // The tests read up to "ready" and close their end: the log written after it (at once when
    // the output is line-buffered) is lost, and must not end the host.
    std::signal(SIGPIPE, SIG_IGN);
    NetworkEngine engine(nullptr, endpoints);
    NetworkPlayer host;
    host.SetName("Remote host");
    engine.SetLocalPlayer(host);
    NetworkGameInfo game;
    std::snprintf(game.name, sizeof(game.name), "Remote");
    std::snprintf(game.text, sizeof(game.text), "Asteroids");
    game.maxPlayers = 4;
    game.fragLimit = 10;
    game.timeLimit = 600;
    game.extra = 1;
    if (!engine.CreateServer(&game))
        return 1;
    bool ready = false;
    while (!InputClosed())
    {
        engine.Update(frameSeconds);
        if (!ready && engine.GetClient() && engine.GetClient()->IsConnected())
        {
            ready = true;
            std::printf("ready\n");
            std::fflush(stdout);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return 0;
}
