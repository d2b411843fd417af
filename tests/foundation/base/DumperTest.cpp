#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "ScratchDir.h"
#include "foundation/base/Console.h"
#include "foundation/base/Dumper.h"
#include "foundation/base/MessageBox.h"
#include "foundation/base/Name.h"

namespace {

// Records what reaches the main console while the test runs.
class ConsoleCapture : public ConsolVisualizer
{
public:
    ConsoleCapture()
    {
        MainConsole->SetVizualizer(this);
        lines.clear(); // drop the replay of earlier lines
    }
    ~ConsoleCapture() override { MainConsole->SetVizualizer(nullptr); }
    void AddLineToConsole(const char* text) override { lines.emplace_back(text); }
    std::vector<std::string> lines;
};

class RecordingClient : public IDumperClient
{
public:
    explicit RecordingClient(std::vector<std::string>* out) : _out(out) {}
    void OnPrint(eDumpEvent kind, const char* text) override { _out->push_back(std::to_string(kind) + ":" + text); }
    void OnDump(eDumpEvent kind, const void* data, unsigned size) override
    {
        _out->push_back(std::to_string(kind) + "#" + std::string(static_cast<const char*>(data), size));
    }

private:
    std::vector<std::string>* _out;
};

TEST(DumperTest, ReliableFileIsEmptiedAtStartAndCarriesEachPrefix)
{
    ScratchDir dir;
    dir.Write("game.log", "old contents\n");
    const std::string path = dir / "game.log";
    {
        Dumper log;
        log.RegisterClient(new FileDumper(path.c_str(), FileDumper::FD_RELIABLE));
        EXPECT_EQ(dir.Read("game.log"), "");
        for (int kind = 0; kind <= 8; ++kind)
            log.Print(static_cast<eDumpEvent>(kind), "line %d\n", kind);
        log.Print("plain\n");
        // Reliable: every line is already on disk while the log still lives.
        EXPECT_NE(dir.Read("game.log").find("Log:      plain\n"), std::string::npos);
    }
    EXPECT_EQ(dir.Read("game.log"), "ERROR:    line 0\n"
                                    "WARNING:  line 1\n"
                                    "StartUp:  line 2\n"
                                    "Script:   line 3\n"
                                    "ShutDown: line 4\n"
                                    "INFO:     line 5\n"
                                    "System:   line 6\n"
                                    "Log:      line 7\n"
                                    "line 8\n"
                                    "Log:      plain\n");
}

TEST(DumperTest, NoPrefixFlagAndUnreliableFile)
{
    ScratchDir dir;
    const std::string bare = dir / "bare.log";
    const std::string kept = dir / "kept.log";
    {
        Dumper log;
        log.RegisterClient(new FileDumper(bare.c_str(), FileDumper::FD_RELIABLE | FileDumper::FD_NO_PREFIX));
        log.RegisterClient(new FileDumper(kept.c_str(), 0));
        log.Print(DUMP_ERROR, "first\n");
        log.Dump(DUMP_INFO, "raw", 3);
    }
    EXPECT_EQ(dir.Read("bare.log"), "first\nraw");
    EXPECT_EQ(dir.Read("kept.log"), "ERROR:    first\nINFO:     raw");
}

TEST(DumperTest, PathIsCopied)
{
    ScratchDir dir;
    std::string path = dir / "copied.log";
    Dumper log;
    log.RegisterClient(new FileDumper(path.c_str(), FileDumper::FD_RELIABLE));
    path.assign(path.size(), 'x');
    log.Print(DUMP_INFO, "still here\n");
    EXPECT_EQ(dir.Read("copied.log"), "INFO:     still here\n");
}

TEST(DumperTest, StandardOutputPrefixesOnlyErrorsWarningsAndInfo)
{
    struct Case
    {
        int kind;
        const char* expected;
    };
    const Case cases[] = {
        {0, "e\nERROR: e\n"}, {1, "e\nWARNING: e\n"}, {2, "e\ne\n"}, {3, "e\ne\n"}, {4, "e\ne\n"},
        {5, "e\nINFO: e\n"},  {6, "e\ne\n"},          {7, "e\ne\n"}, {8, "e\ne\n"},
    };
    for (const Case& c : cases)
    {
        Dumper log;
        log.RegisterClient(new ConsoleDumper);
        ::testing::internal::CaptureStdout();
        log.Print(static_cast<eDumpEvent>(c.kind), "e\n");
        fflush(stdout);
        // The log echoes each line once itself and once through the console client.
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), c.expected) << "kind " << c.kind;
    }
}

TEST(DumperTest, ListingKindIsAValueOfTheKindType)
{
    // Listings print with kind 8; an enumeration without a fixed type would not hold it.
    static_assert(std::is_same_v<std::underlying_type_t<eDumpEvent>, int>);
    EXPECT_EQ(8, DUMP_PLAIN);
    EXPECT_STREQ("", DumpFilePrefix(DUMP_PLAIN));
    EXPECT_STREQ("", DumpConsolePrefix(DUMP_PLAIN));
}

TEST(DumperTest, UnwritableFileDisablesOnlyThatClient)
{
    SetMessageBoxesInteractive(false);
    ScratchDir dir;
    const std::string good = dir / "good.log";
    std::vector<std::string> seen;
    Dumper log;
    auto* broken = new FileDumper((dir / "missing-folder/game.log").c_str(), FileDumper::FD_RELIABLE);
    EXPECT_TRUE(broken->IsDisabled());
    log.RegisterClient(broken);
    log.RegisterClient(new FileDumper(good.c_str(), FileDumper::FD_RELIABLE));
    log.RegisterClient(new RecordingClient(&seen));
    ::testing::internal::CaptureStderr();
    log.Print(DUMP_WARNING, "after\n");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), ""); // warned once, at creation
    EXPECT_EQ(dir.Read("good.log"), "WARNING:  after\n");
    EXPECT_EQ(seen, std::vector<std::string>{"1:after\n"});
}

TEST(DumperTest, FailedOpenWarnsWithTheLogPath)
{
    SetMessageBoxesInteractive(false);
    ScratchDir dir;
    const std::string path = dir / "no/such.log";
    ::testing::internal::CaptureStderr();
    FileDumper broken(path.c_str(), 0);
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Engine warning:"), std::string::npos);
    EXPECT_NE(err.find("Couldn't create or append to log file \"" + path + "\".\nFile dumping is disabled."),
              std::string::npos);
}

TEST(DumperTest, OnlyLinesWithAKindReachTheConsoleUnformattedAgain)
{
    ConsoleCapture console;
    Dumper log;
    ::testing::internal::CaptureStdout();
    log.Print("no kind\n");
    log.Print(DUMP_INFO, "%s", "100% done\n");
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(console.lines, std::vector<std::string>{"100% done\n"});
}

TEST(DumperTest, ClientsBeyondSixteenAreRefusedAndLongLinesCut)
{
    std::vector<std::string> seen;
    Dumper log;
    for (int i = 0; i < Dumper::MaxClients; ++i)
        EXPECT_TRUE(log.RegisterClient(new RecordingClient(&seen)));
    EXPECT_FALSE(log.RegisterClient(new RecordingClient(&seen)));
    EXPECT_EQ(log.GetClientCount(), Dumper::MaxClients);

    std::string big(30000, 'x');
    ::testing::internal::CaptureStdout();
    log.Print("%s", big.c_str());
    ::testing::internal::GetCapturedStdout();
    ASSERT_EQ(seen.size(), 16u);
    EXPECT_EQ(seen[0].size(), 2 + Dumper::BufferSize - 1);
    EXPECT_EQ(seen[0].back(), '\n');
}

// A line cut at the buffer still ends with its line end, cut at a whole character: the next line
// starts on its own in the file.
TEST(DumperTest, ALineCutAtTheBufferKeepsItsLineEnd)
{
    ScratchDir dir;
    const std::string path = dir / "game.log";
    {
        Dumper log;
        log.RegisterClient(new FileDumper(path.c_str(), FileDumper::FD_RELIABLE));
        std::string wide;
        for (int i = 0; i < 15000; ++i)
            wide += "\xC3\xA9"; // two bytes a character
        ::testing::internal::CaptureStdout();
        log.Print(DUMP_ERROR, "x%s\n", wide.c_str());
        log.Print("%s\n", wide.c_str());
        log.Print(DUMP_INFO, "next\n");
        ::testing::internal::GetCapturedStdout();
    }
    const std::string text = dir.Read("game.log");
    std::vector<std::string> lines;
    for (size_t at = 0; at < text.size();)
    {
        const size_t end = text.find('\n', at);
        ASSERT_NE(end, std::string::npos) << "every line ends with its line end";
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].compare(0, 11, "ERROR:    x"), 0);
    EXPECT_EQ(lines[1].compare(0, 10, "Log:      "), 0);
    for (int i = 0; i < 2; ++i)
    {
        EXPECT_GT(lines[i].size(), 10 + Dumper::BufferSize - 4);
        EXPECT_LE(lines[i].size(), 10 + Dumper::BufferSize - 2);
        EXPECT_EQ(lines[i].compare(lines[i].size() - 2, 2, "\xC3\xA9"), 0) << "no character is cut in two";
    }
    EXPECT_EQ(lines[2], "INFO:     next");
}

TEST(DumperTest, NameHashListing)
{
    Name::ClearHash();
    Name("beta");
    Name("alpha");
    std::vector<std::string> seen;
    Dumper log;
    log.RegisterClient(new RecordingClient(&seen));
    ::testing::internal::CaptureStdout();
    Name::DumpHash(&log);
    ::testing::internal::GetCapturedStdout();
    Name::ClearHash();
    EXPECT_EQ(seen, (std::vector<std::string>{"7:--- Dumping name hash:\n", "8:\talpha, 1\n", "8:\tbeta, 0\n",
                                              "7:--- Finished dumping name hash\n"}));
}

TEST(DumperTest, WideConversionKeepsAsciiAndRoundTripsUtf8)
{
    EXPECT_EQ(wstring2string(L"abc 1"), "abc 1");
    EXPECT_EQ(string2wstring("abc 1"), L"abc 1");
    const std::wstring wide = L"\u044f\u00ff\u20ac";
    EXPECT_EQ(string2wstring(wstring2string(wide)), wide);
    // A stray byte that is not UTF-8 is kept as one character.
    EXPECT_EQ(string2wstring("a\xff"), std::wstring(L"a\u00ff"));
}

} // namespace
