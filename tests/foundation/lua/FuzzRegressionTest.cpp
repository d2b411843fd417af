// Malformed and generated input: the translator never crashes, and what it accepts the
// interpreter loads.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include <lua.hpp>

#include "foundation/lua/DataParser.h"
#include "foundation/lua/VirtualMachine.h"

namespace {
// Limits of the interpreter that are not the data language's own.
bool InterpreterLimit(const std::string& message)
{
    for (const char* limit : {"too many", "too complex", "overflow", "C levels"})
        if (message.find(limit) != std::string::npos)
            return true;
    return false;
}

// Translates; when accepted, the translation must load. Returns the error text or "".
std::string CheckChunk(const std::string& source)
{
    std::string out;
    std::string error;
    if (!DataParser::Translate(source.data(), source.size(), "", out, error))
    {
        EXPECT_FALSE(error.empty());
        return error;
    }
    lua_State* L = luaL_newstate();
    int status = luaL_loadbuffer(L, out.data(), out.size(), "");
    if (status != 0)
    {
        std::string message = lua_tostring(L, -1);
        EXPECT_TRUE(InterpreterLimit(message)) << message << "\nsource:\n" << source << "\ntranslated:\n" << out;
    }
    lua_close(L);
    return "";
}
} // namespace

TEST(DataFuzzRegression, CorpusLoads)
{
    std::filesystem::path folder = std::filesystem::path(TEST_DATA_DIR).parent_path() / "foundation" / "lua" / "corpus";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
    {
        std::ifstream file(entry.path(), std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        SCOPED_TRACE(entry.path().string());
        EXPECT_EQ("", CheckChunk(text.str()));
        ++files;
    }
    EXPECT_GT(files, 0);
}

TEST(DataFuzzRegression, HostileInputFailsCleanly)
{
    std::mt19937 random(1234);
    std::string garbage(4096, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random());
    const std::string cases[] = {
        garbage,
        std::string(100000, '{'),
        "x = " + std::string(100000, '-') + "1",
        "x = " + std::string(50000, '(') + "1",
        "x = \"" + std::string(1 << 20, 'a'),
        "x = [[" + std::string(1 << 20, '['),
        "x = " + std::string(1 << 20, '1') + "e",
        std::string(1 << 16, 'a') + " = 1",
        "a" + std::string(20000, ','),
        std::string("x = 1\0", 6),
    };
    VirtualMachine vm;
    for (const std::string& source : cases)
    {
        CheckChunk(source);
        testing::internal::CaptureStderr();
        testing::internal::CaptureStdout();
        vm.ExecBuffer(source.data(), source.size());
        testing::internal::GetCapturedStderr();
        testing::internal::GetCapturedStdout();
        EXPECT_EQ(0, vm.GetTop());
    }
}

// Token soup from the language's own vocabulary, seeded so that failures reproduce.
TEST(DataFuzzRegression, GeneratedChunks)
{
    const char* const words[] = {
        "x",          "y",        "nil",
        "this",       "T",        "=",
        "==",         "!=",       "~=",
        "!",          "(",        ")",
        "{",          "}",        "[",
        "]",          ".",        ":",
        ",",          ";",        "..",
        "...",        "+",        "-",
        "*",          "/",        "^",
        "<",          ">=",       "and",
        "or",         "not",      "NULL",
        "true",       "1",        "2.5e1",
        "\"s\"",      "'q\\n'",   "[[l\n]]",
        "--c\n",      "--[[c]]",  "\n",
        "function",   "event",    "local",
        "return",     "break",    "end",
        "do",         "if",       "then",
        "elseif",     "else",     "while",
        "for",        "in",       "repeat",
        "until",      "#",        "%",
        "\"a\\\nb\"", "[[[[]]]]", "\r",
        "--\r[[x\n",  "[[a\rb]]", "--[[\r]]",
        "--[=[",      "k, v in",  "for k in x do end",
        "\r\n",
    };
    std::mt19937 random(20240611);
    int accepted = 0;
    for (int round = 0; round < 20000; ++round)
    {
        std::string source;
        int length = 1 + static_cast<int>(random() % 24);
        for (int i = 0; i < length; ++i)
            source.append(words[random() % std::size(words)]).push_back(random() % 4 ? ' ' : '\n');
        if (CheckChunk(source).empty())
            ++accepted;
    }
    EXPECT_GT(accepted, 0);
}
