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

// Runs of one character, as "{count*character}", so that a failed comparison of lines many
// kilobytes long shows where they part.
std::string Runs(const std::string& text)
{
    std::string out;
    for (size_t at = 0; at < text.size();)
    {
        size_t size = 1;
        while (at + size < text.size() && (static_cast<unsigned char>(text[at + size]) & 0xC0) == 0x80)
            ++size;
        const std::string character = text.substr(at, size);
        size_t count = 1;
        while (text.compare(at + count * size, size, character) == 0)
            ++count;
        out += count < 16 ? text.substr(at, count * size) : "{" + std::to_string(count) + "*" + character + "}";
        at += count * size;
    }
    return out;
}

// A line cut at the buffer still ends with its line end, cut at a whole character: the next line
// starts on its own in the file and on the console. A line that fits loses nothing.
TEST(DumperTest, ALineCutAtTheBufferKeepsItsLineEnd)
{
    // The longest line that fits, its line end included: the buffer less the terminator.
    constexpr size_t Fits = Dumper::BufferSize - 1;
    const std::string e = "\xC3\xA9", euro = "\xE2\x82\xAC";
    const auto xs = [](size_t count) { return std::string(count, 'x'); };
    std::string es;
    for (int i = 0; i < 15000; ++i)
        es += e;
    struct Case
    {
        const char* what;
        std::string text; // printed with its line end
        size_t kept;      // bytes of it that reach the log
    };
    const Case cases[] = {
        {"the longest line", xs(Fits - 1), Fits - 1},
        {"one byte past it", xs(Fits), Fits - 1},
        {"the longest line, ending in a two-byte character", xs(Fits - 3) + e, Fits - 1},
        {"one byte past it, ending in a two-byte character", xs(Fits - 2) + e, Fits - 2},
        {"a two-byte character begun in the last place", xs(Fits - 1) + e, Fits - 1},
        {"one byte past it, ending in a three-byte character", xs(Fits - 3) + euro, Fits - 3},
        {"far past it, in two-byte characters", es, Fits - 1},
        {"far past it, in two-byte characters after one byte", "x" + es, Fits - 2},
    };
    ScratchDir dir;
    const std::string path = dir / "game.log";
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        ::testing::internal::CaptureStdout();
        {
            Dumper log;
            log.RegisterClient(new FileDumper(path.c_str(), FileDumper::FD_RELIABLE));
            log.RegisterClient(new ConsoleDumper);
            log.Print(DUMP_ERROR, "%s\n", c.text.c_str());
            log.Print("%s\n", c.text.c_str());
            log.Print(DUMP_INFO, "next\n");
            fflush(stdout);
        }
        const std::string console = ::testing::internal::GetCapturedStdout();
        const std::string line = c.text.substr(0, c.kept) + "\n";
        EXPECT_EQ(Runs(dir.Read("game.log")), Runs("ERROR:    " + line + "Log:      " + line + "INFO:     next\n"));
        // The log echoes each line once itself and once through the console client.
        EXPECT_EQ(Runs(console), Runs(line + "ERROR: " + line + line + line + "next\nINFO: next\n"));
    }
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
