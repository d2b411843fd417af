#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/base/Console.h"

namespace {

class Screen : public ConsolVisualizer
{
public:
    void AddLineToConsole(const char* text) override { lines.emplace_back(text); }
    void SetCurrentConsoleLine(const char* text) override { current = text; }
    std::vector<std::string> lines;
    std::string current;
};

void Count(void* argument) { ++*static_cast<int*>(argument); }

class ConsoleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        console.SetVizualizer(&screen);
        screen.lines.clear();
    }

    bool Add(const char* name, eCommandType type, void* variable, void (*callback)(void*) = nullptr,
             void* argument = nullptr)
    {
        std::string n = name;
        return console.AddCommand(n, type, variable, callback, argument);
    }

    Console console;
    Screen screen;
};

TEST_F(ConsoleTest, BoolVariableIsSetCaseInsensitivelyAndShownAsTyped)
{
    struct
    {
        bool before = false;
        bool flag = false;
        bool after = false;
    } packed;
    EXPECT_TRUE(Add("r_show_bounds", CMD_BOOL, &packed.flag));
    bool other = false;
    EXPECT_FALSE(Add("r_show_bounds", CMD_BOOL, &other));

    EXPECT_TRUE(console.ExecuteCommand("R_SHOW_BOUNDS 1"));
    EXPECT_TRUE(packed.flag);
    EXPECT_FALSE(packed.before);
    EXPECT_FALSE(packed.after);
    EXPECT_FALSE(other);

    EXPECT_TRUE(console.ExecuteCommand("r_show_bounds"));
    EXPECT_EQ(screen.lines, std::vector<std::string>{"r_show_bounds 1"});
    console.ExecuteCommand("r_show_bounds 0");
    EXPECT_FALSE(packed.flag);
}

TEST_F(ConsoleTest, EveryVariableTypeIsSetAndShown)
{
    unsigned char byteValue = 0;
    int intValue = 0;
    unsigned uintValue = 0;
    float floatValue = 0;
    std::string text;
    Add("b", CMD_BYTE, &byteValue);
    Add("i", CMD_INT, &intValue);
    Add("u", CMD_UINT, &uintValue);
    Add("f", CMD_FLOAT, &floatValue);
    Add("s", CMD_STRING, &text);

    console.ExecuteCommand("b 258"); // keeps the low bits
    console.ExecuteCommand("i -12");
    console.ExecuteCommand("u 40000");
    console.ExecuteCommand("f 0.5");
    console.ExecuteCommand("s hello  big world");
    EXPECT_EQ(byteValue, 2);
    EXPECT_EQ(intValue, -12);
    EXPECT_EQ(uintValue, 40000u);
    EXPECT_FLOAT_EQ(floatValue, 0.5f);
    EXPECT_EQ(text, "hello  big world");

    for (const char* name : {"b", "i", "u", "f", "s"})
        console.ExecuteCommand(name);
    EXPECT_EQ(screen.lines, (std::vector<std::string>{"b 2", "i -12", "u 40000", "f 0.500000", "s hello  big world"}));
}

TEST_F(ConsoleTest, CallbacksRunForFunctionsAndAfterSetting)
{
    int shots = 0;
    int changes = 0;
    int value = 0;
    Add("takescreenshot", CMD_FUNCTION, nullptr, Count, &shots);
    Add("r_lod", CMD_INT, &value, Count, &changes);

    console.ExecuteCommand("takescreenshot");
    console.ExecuteCommand("TakeScreenShot now please");
    EXPECT_EQ(shots, 2);

    console.ExecuteCommand("r_lod"); // showing does not call back
    EXPECT_EQ(changes, 0);
    console.ExecuteCommand("r_lod 3");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(value, 3);
}

TEST_F(ConsoleTest, EmptyAndUnknownLines)
{
    EXPECT_FALSE(console.ExecuteCommand(""));
    EXPECT_FALSE(console.ExecuteCommand("   "));
    EXPECT_TRUE(screen.lines.empty());
    EXPECT_FALSE(console.ExecuteCommand("nope 1"));
    EXPECT_EQ(screen.lines, std::vector<std::string>{"Unknown command: nope 1"});
}

TEST_F(ConsoleTest, Completion)
{
    float a = 0, b = 0, c = 0;
    Add("r_lod_distance", CMD_FLOAT, &a);
    Add("r_fog", CMD_FLOAT, &b);
    Add("s_volume", CMD_FLOAT, &c);

    std::string line = "r_";
    console.AutoCompleteCMD(line);
    EXPECT_EQ(screen.lines,
              (std::vector<std::string>{"List of variables bigin with 'r_':", "R_FOG", "R_LOD_DISTANCE"}));
    EXPECT_EQ(screen.current, "");

    screen.lines.clear();
    line = "r_lo";
    console.AutoCompleteCMD(line);
    EXPECT_EQ(screen.current, "R_LOD_DISTANCE ");
    EXPECT_EQ(line, "r_lo");
    EXPECT_TRUE(screen.lines.empty());

    line = "x";
    console.AutoCompleteCMD(line);
    EXPECT_EQ(screen.lines, std::vector<std::string>{"Variable begin with 'x' not found."});
}

TEST(ConsoleReplayTest, LinesBeforeTheVisualizerAreReplayedInOrder)
{
    Console console;
    console.Add("one %d", 1);
    console.Add("two");
    Screen screen;
    console.SetVizualizer(&screen);
    EXPECT_EQ(screen.lines, (std::vector<std::string>{"one 1", "two", ""}));
    console.Add("three");
    EXPECT_EQ(screen.lines.back(), "three");
}

TEST(ConsoleReplayTest, OnlyTheLastLinesAreKeptWithoutAVisualizer)
{
    // The main console logs every line for the life of the process; it keeps a screenful.
    Console console;
    for (int i = 0; i < 50000; ++i)
        console.Add("line %d", i);
    Screen screen;
    console.SetVizualizer(&screen);
    ASSERT_EQ(screen.lines.size(), Console::MaxKeptLines + 1);
    EXPECT_EQ(screen.lines.front(), "line " + std::to_string(50000 - Console::MaxKeptLines));
    EXPECT_EQ(screen.lines[Console::MaxKeptLines - 1], "line 49999");
}

TEST(ConsoleReplayTest, OverlongLineIsCut)
{
    Console console;
    Screen screen;
    console.SetVizualizer(&screen);
    std::string big(100000, 'z');
    console.Add("%s", big.c_str());
    EXPECT_EQ(screen.lines.back().size(), Console::BufferSize - 1);
}

TEST(ConsoleTextTest, WordsAndConversions)
{
    EXPECT_EQ(Console::GetStrWordCount("  a  bb c "), 3);
    EXPECT_EQ(Console::GetStrWordCount(""), 0);
    std::string word;
    EXPECT_TRUE(Console::GetStrWord(2, "  a  bb c ", word));
    EXPECT_EQ(word, "bb");
    EXPECT_FALSE(Console::GetStrWord(4, "  a  bb c ", word));
    EXPECT_EQ(Console::Str2Str("lo", "hello"), 3);
    EXPECT_EQ(Console::Str2Str("x", "hello"), -1);
    EXPECT_EQ(Console::StrToBYTE("300"), 44);
}

} // namespace
