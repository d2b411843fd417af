#include "RemoteHost.h"

#include <chrono>
#include <csignal>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int StartTimeoutMs = 10000;
constexpr auto QuitTimeout = std::chrono::seconds(5);

// Reads the output until the line "ready" or the time is up.
bool ReadReady(int output)
{
    std::string text;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(StartTimeoutMs);
    while (text.find("ready\n") == std::string::npos)
    {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd wait{output, POLLIN, 0};
        if (left.count() <= 0 || poll(&wait, 1, int(left.count())) <= 0)
            return false;
        char buffer[64];
        const ssize_t got = read(output, buffer, sizeof(buffer));
        if (got <= 0)
            return false;
        text.append(buffer, size_t(got));
    }
    return true;
}

} // namespace

RemoteHost::RemoteHost(uint16_t port, float frameSeconds)
{
    int input[2], output[2];
    if (pipe(input) != 0)
        return;
    if (pipe(output) != 0)
    {
        close(input[0]);
        close(input[1]);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    // The host keeps none of this process's sockets.
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    const std::string portText = std::to_string(port);
    const std::string frameText = std::to_string(frameSeconds);
    char* const arguments[] = {const_cast<char*>(NETWORK_PEER), const_cast<char*>(portText.c_str()),
                               const_cast<char*>(frameText.c_str()), nullptr};
    if (posix_spawn(&_pid, NETWORK_PEER, &actions, nullptr, arguments, environ) != 0)
        _pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(input[0]);
    close(output[1]);
    _input = input[1];
    _ready = _pid > 0 && ReadReady(output[0]);
    close(output[0]);
}

RemoteHost::~RemoteHost() { Close(); }

void RemoteHost::Close()
{
    if (_input >= 0)
    {
        close(_input);
        _input = -1;
    }
    Wait();
}

void RemoteHost::Kill()
{
    if (_pid > 0)
        kill(_pid, SIGKILL);
    Close();
}

void RemoteHost::Wait()
{
    if (_pid <= 0)
        return;
    const auto deadline = std::chrono::steady_clock::now() + QuitTimeout;
    while (waitpid(_pid, nullptr, WNOHANG) == 0)
    {
        if (std::chrono::steady_clock::now() > deadline)
        {
            kill(_pid, SIGKILL);
            waitpid(_pid, nullptr, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    _pid = -1;
    _ready = false;
}
