// The game program as a player runs it: started in a working folder of the game data, it reaches
// its first screen, and a close request from the window system ends it cleanly; a mission file
// that does not load gives the menus back. And every way a process of the engine ends, with a
// mission loaded, ends it cleanly.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fcntl.h>
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

// A program of the engine started in a working folder of the game data, its standard output and
// error kept in "output.txt" there.
class ProgramTest : public testing::Test
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

    bool Spawn(const std::vector<std::string>& arguments, const char* program = VANTREL_PROGRAM)
    {
        std::vector<std::string> line = {program};
        line.insert(line.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& argument : line)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        ::posix_spawn_file_actions_init(&actions);
        ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "output.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
        const bool spawned = ::posix_spawn(&_pid, program, &actions, nullptr, argv.data(), environ) == 0;
        ::posix_spawn_file_actions_destroy(&actions);
        return spawned;
    }

    // What the sanitizers of a checking build print when they find a fault.
    bool SanitizerReported() const
    {
        const std::string output = _data.Read("output.txt");
        return output.find("Sanitizer") != std::string::npos || output.find("runtime error:") != std::string::npos;
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

class GameProgram : public ProgramTest, public testing::WithParamInterface<RunCase>
{};

// How a process that holds the game ends: its argument for the ending program.
class ProgramEnd : public ProgramTest, public testing::WithParamInterface<const char*>
{};
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
    EXPECT_FALSE(SanitizerReported()) << _data.Read("output.txt");
}

INSTANTIATE_TEST_SUITE_P(Runs, GameProgram,
                         testing::Values(RunCase{"intro_to_main_menu", {}, "frame \"main_menu\" is current"},
                                         RunCase{"mission_from_the_command_line",
                                                 {"-level", "demo.lua", "-level_desc", "demo_desc.lua", "-level_logic",
                                                  "demo_logic.lua"},
                                                 "\"levels\\demo.lua\" is loaded"}),
                         [](const testing::TestParamInfo<RunCase>& info) { return info.param.what; });

// A level file that does not run ends the mission it was named for on the command line, and the
// main menu comes back; the program goes on and ends cleanly.
TEST_F(ProgramTest, ABrokenMissionOnTheCommandLineGivesTheMainMenu)
{
    if (!::getenv("DISPLAY"))
        GTEST_SKIP() << "no display";
    namespace fs = std::filesystem;
    const fs::path levels = _data.GetPath() / "levels";
    const fs::path shared = fs::read_symlink(levels);
    fs::remove(levels);
    fs::create_directory(levels);
    for (const fs::directory_entry& entry : fs::directory_iterator(shared))
        fs::create_symlink(entry.path(), levels / entry.path().filename());
    FILE* broken = std::fopen((levels / "broken.lua").c_str(), "wb");
    ASSERT_NE(broken, nullptr);
    std::fputs("Level.obj_player = {\n", broken); // 21 bytes
    std::fclose(broken);

    ASSERT_TRUE(Spawn({"-level", "broken.lua", "-level_desc", "demo_desc.lua", "-level_logic", "demo_logic.lua"}));
    ASSERT_TRUE(WaitForLog("frame \"main_menu\" is current", std::chrono::seconds(90))) << _data.Read("game.log");
    const std::string log = _data.Read("game.log");
    EXPECT_NE(log.find("\"levels\\broken.lua\" does not load; the mission ends"), std::string::npos) << log;
    ::kill(_pid, SIGTERM);
    EXPECT_EQ(WaitForExit(std::chrono::seconds(60)), 0) << _data.Read("game.log");
    EXPECT_FALSE(SanitizerReported()) << _data.Read("output.txt");
}

// With a mission loaded, the game's shut-down finds every engine object alive however it is
// reached: from main, from exit (the global game's own destructor) or from a static destructor.
TEST_P(ProgramEnd, EndsCleanlyWithAMissionLoaded)
{
    if (!::getenv("DISPLAY"))
        GTEST_SKIP() << "no display";
    ASSERT_TRUE(Spawn({GetParam()}, ENDING_PROGRAM));
    EXPECT_EQ(WaitForExit(std::chrono::seconds(180)), 0) << _data.Read("output.txt") << _data.Read("game.log");
    const std::string log = _data.Read("game.log");
    EXPECT_NE(log.find("\"levels\\demo.lua\" is loaded"), std::string::npos) << log;
    EXPECT_NE(log.find("Engine: virtual machine freed"), std::string::npos) << log;
    EXPECT_FALSE(SanitizerReported()) << _data.Read("output.txt");
}

INSTANTIATE_TEST_SUITE_P(Ways, ProgramEnd, testing::Values("main", "exit", "static"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });
