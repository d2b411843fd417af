// The game program as a player runs it: started in a working folder of the game data, it reaches
// its first screen, and a close request from the window system ends it cleanly.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <string>
#include <thread>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "CoreTestSupport.h"

extern char** environ;

namespace {
using Clock = std::chrono::steady_clock;

struct RunCase
{
    const char* what;
    std::vector<std::string> arguments;
    const char* reached; // a line of "game.log" that shows the program got there
};

void PrintTo(const RunCase& c, std::ostream* out) { *out << c.what; }

class GameProgram : public testing::TestWithParam<RunCase>
{
protected:
    void TearDown() override
    {
        if (_pid > 0)
        {
            ::kill(_pid, SIGKILL);
            ::waitpid(_pid, nullptr, 0);
        }
    }

    bool Spawn(const std::vector<std::string>& arguments)
    {
        std::vector<std::string> line = {VANTREL_PROGRAM};
        line.insert(line.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& argument : line)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        return ::posix_spawn(&_pid, VANTREL_PROGRAM, nullptr, nullptr, argv.data(), environ) == 0;
    }

    // False when the program ended or the time ran out first.
    bool WaitForLog(const std::string& line, std::chrono::seconds limit)
    {
        const auto end = Clock::now() + limit;
        while (Clock::now() < end)
        {
            if (_data.Read("game.log").find(line) != std::string::npos)
                return true;
            if (::waitpid(_pid, &_status, WNOHANG) == _pid)
            {
                _pid = 0;
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    // The exit status, or -1 when the program had to be killed.
    int WaitForExit(std::chrono::seconds limit)
    {
        const auto end = Clock::now() + limit;
        while (Clock::now() < end)
        {
            if (::waitpid(_pid, &_status, WNOHANG) == _pid)
            {
                _pid = 0;
                return WIFEXITED(_status) ? WEXITSTATUS(_status) : -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return -1;
    }

    std::vector<std::string> ErrorLines() const
    {
        std::vector<std::string> errors;
        const std::string log = _data.Read("game.log");
        for (size_t start = 0; start < log.size();)
        {
            size_t end = log.find('\n', start);
            if (end == std::string::npos)
                end = log.size();
            if (log.compare(start, 6, "ERROR:") == 0)
                errors.push_back(log.substr(start, end - start));
            start = end + 1;
        }
        return errors;
    }

    GameDataFolder _data;
    pid_t _pid = 0;
    int _status = 0;
};
} // namespace

TEST_P(GameProgram, ReachesItsFirstScreenAndClosesCleanly)
{
    if (!::getenv("DISPLAY"))
        GTEST_SKIP() << "no display";
    const RunCase& test = GetParam();
    ASSERT_TRUE(Spawn(test.arguments));
    // Start-up on a loaded machine, an intro video or a mission to load.
    ASSERT_TRUE(WaitForLog(test.reached, std::chrono::seconds(90))) << _data.Read("game.log");

    // A few frames more, then the window system's close request, which reaches the program as a
    // quit event.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    ::kill(_pid, SIGTERM);
    EXPECT_EQ(WaitForExit(std::chrono::seconds(60)), 0) << _data.Read("game.log");
    const std::string log = _data.Read("game.log");
    EXPECT_NE(log.find("Engine: virtual machine freed"), std::string::npos) << log;
    EXPECT_NE(_data.Read("outconfig.cfg").find("Video"), std::string::npos);
    EXPECT_EQ(ErrorLines(), std::vector<std::string>()) << log;
}

INSTANTIATE_TEST_SUITE_P(Runs, GameProgram,
                         testing::Values(RunCase{"intro_to_main_menu", {}, "frame \"main_menu\" is current"},
                                         RunCase{"mission_from_the_command_line",
                                                 {"-level", "demo.lua", "-level_desc", "demo_desc.lua", "-level_logic",
                                                  "demo_logic.lua"},
                                                 "\"levels\\demo.lua\" is loaded"}),
                         [](const testing::TestParamInfo<RunCase>& info) { return info.param.what; });
