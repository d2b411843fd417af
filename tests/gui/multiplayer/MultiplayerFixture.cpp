#include "MultiplayerFixture.h"

#include "NetworkTestSupport.h"

#include "game/core/frames/GameFrame.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "services/network/NetworkEngine.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// Before the movie's own script: the names that are not the movie's.
const char* const SpyPrefix = R"lua(
local spyKnown = {}
for name in pairs(_G) do
    spyKnown[name] = true
end
)lua";

// After it: every function the movie published logs its call, then does what it did.
const char* const SpySuffix = R"lua(
local spyHandlers = { Draw = true, Update = true, OnMouseMove = true, OnMouseDown = true, OnMouseUp = true,
                      OnKeyDown = true, OnKeyUp = true, OnChar = true, OnRewind = true }
local spyPublished = {}
for name, value in pairs(_G) do
    if type(value) == "function" and not spyKnown[name] and not spyHandlers[name] then
        spyPublished[name] = value
    end
end
for name, original in pairs(spyPublished) do
    local called = name
    local run = original
    _G[called] = function(a, b, c, d, e)
        local shown = {}
        for _, value in ipairs({ a, b, c, d, e }) do
            if type(value) == "string" then
                table.insert(shown, "'" .. value .. "'")
            else
                table.insert(shown, tostring(value))
            end
        end
        print("call " .. called .. "(" .. table.concat(shown, ",") .. ")")
        return run(a, b, c, d, e)
    end
end
)lua";

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

void MultiplayerTest::SetUp()
{
    MenuTest::SetUp();
    if (IsSkipped())
        return;
    _port = FreePort();
    ASSERT_NE(_port, 0);
    Network()->SetEndpoints(TestEndpoints(_port, JoinTimeoutMs));
}

NetworkEngine* MultiplayerTest::Network() const { return game.GetNetworkEngine(); }

void MultiplayerTest::Spy(std::initializer_list<const char*> movies)
{
    const std::filesystem::path swf = _data->GetPath() / "swf";
    if (std::filesystem::is_symlink(swf))
    {
        // The movies become links of their own, so that some can be replaced.
        const std::filesystem::path source = std::filesystem::read_symlink(swf);
        std::filesystem::remove(swf);
        std::filesystem::create_directory(swf);
        for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(source))
            std::filesystem::create_symlink(entry.path(), swf / entry.path().filename());
    }
    for (const char* movie : movies)
    {
        const std::filesystem::path file = swf / (std::string(movie) + ".lua");
        const std::string script = ReadFile(file);
        ASSERT_FALSE(script.empty()) << file;
        std::filesystem::remove(file);
        std::ofstream(file, std::ios::binary) << SpyPrefix << script << "\n" << SpySuffix;
    }
}

std::vector<std::string> MultiplayerTest::Calls(const LogWatch& since, const std::string& movie)
{
    const std::string mark = "Movie \"swf/" + movie + ".lua\": call ";
    std::vector<std::string> calls;
    std::istringstream lines(since.All());
    std::string line;
    while (std::getline(lines, line))
    {
        const size_t at = line.find(mark);
        if (at != std::string::npos)
            calls.push_back(line.substr(at + mark.size()));
    }
    return calls;
}

bool MultiplayerTest::Called(const LogWatch& since, const std::string& movie, const std::string& call)
{
    for (const std::string& made : Calls(since, movie))
    {
        if (made == call)
            return true;
    }
    return false;
}

bool MultiplayerTest::RunUntilNetwork(const std::function<bool()>& done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(NetworkWaitMs);
    while (!done())
    {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        Frames();
    }
    return true;
}

void MultiplayerTest::Type(const std::string& text)
{
    for (char c : text)
        _frames->GetCurrent()->AddChar(c);
}
