#pragma once
// A game hosted by another process of this machine (the program network_peer beside these
// tests) on the port: it hosts "Remote" for four players and joins it itself.
#include <cstdint>
#include <sys/types.h>

class RemoteHost
{
public:
    // Each frame of the host lasts `frameSeconds` of game time (and 10 ms of real time).
    RemoteHost(uint16_t port, float frameSeconds);
    ~RemoteHost();
    RemoteHost(const RemoteHost&) = delete;
    RemoteHost& operator=(const RemoteHost&) = delete;

    // The host runs and its own player has joined.
    bool Ready() const { return _ready; }
    // Quits as a player quits the game: the server says goodbye to its players.
    void Close();
    // Ends the process at once: the server is gone without a word.
    void Kill();

private:
    void Wait();

    pid_t _pid = -1;
    int _input = -1; // the host's standard input; closing it ends the host
    bool _ready = false;
};
