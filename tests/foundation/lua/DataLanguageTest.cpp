// The data language: what snippets compute, and the exact messages of what it rejects.
#include <gtest/gtest.h>

#include <string>

#include "foundation/lua/DataParser.h"
#include "foundation/lua/Table.h"
#include "foundation/lua/VirtualMachine.h"

namespace {
std::string Repeat(const std::string& text, int count, const std::string& separator)
{
    std::string out;
    for (int i = 1; i <= count; ++i)
        out += (i > 1 ? separator : "") + text + std::to_string(i);
    return out;
}

std::string TranslationError(const std::string& source)
{
    std::string out;
    std::string error;
    if (DataParser::Translate(source.data(), source.size(), "", out, error))
        return "(accepted)";
    return error;
}

// Runs the chunk and returns the global r as text ("nil", "true", "5", "abc"), or the status.
std::string Result(const std::string& source)
{
    VirtualMachine vm;
    testing::internal::CaptureStderr();
    int status = vm.ExecBuffer(source.data(), source.size());
    std::string errors = testing::internal::GetCapturedStderr();
    if (status != 0)
        return "status " + std::to_string(status) + ": " + errors;
    vm.GetGlobal("r");
    std::string text = vm.IsNil(-1) ? "nil" : vm.IsBool(-1) ? (vm.ToBool(-1) ? "true" : "false") : vm.ToString(-1);
    vm.Pop();
    return text;
}
} // namespace

struct ValueCase
{
    const char* source;
    const char* expected;
};

class DataLanguageValue : public testing::TestWithParam<ValueCase>
{};

TEST_P(DataLanguageValue, Computes) { EXPECT_EQ(GetParam().expected, Result(GetParam().source)) << GetParam().source; }

INSTANTIATE_TEST_SUITE_P(
    Snippets, DataLanguageValue,
    testing::Values(
        ValueCase{"r = NULL", "nil"}, ValueCase{"x = 1 x = NULL r = x", "nil"}, ValueCase{"r = nil", "nil"},
        ValueCase{"nil = 5 r = nil", "5"}, ValueCase{"local nil = 6 r = nil", "6"}, ValueCase{"r = 1 != 2", "true"},
        ValueCase{"r = 1 ~= 1", "false"}, ValueCase{"r = (2 != 2) == (2 ~= 2)", "true"},
        ValueCase{"T = {v = 7} function T:get() return this.v end r = T:get()", "7"},
        ValueCase{"T = {a = {v = 8}} function T.a:get(d) return this.v + d end r = T.a:get(1)", "9"},
        ValueCase{"T = {} function T:me() return this end r = T:me() == T", "true"},
        ValueCase{"self = 3 T = {} function T:m() return self end r = T:m()", "3"},
        ValueCase{"event f() return 4 end r = f()", "4"}, ValueCase{"local event f() return 5 end r = f()", "5"},
        ValueCase{"g = event(a) return a * 2 end r = g(3)", "6"},
        ValueCase{"T = {} event T:m() return this == T end r = T:m()", "true"},
        ValueCase{"t = {[\"event\"] = 1} r = t[\"event\"]", "1"},
        ValueCase{"t = {[\"NULL\"] = 2} r = t[\"NULL\"]", "2"}, ValueCase{"t = {nil = 3} r = t[\"nil\"]", "3"},
        ValueCase{"t = {} t.nil = 4 r = t[\"nil\"]", "4"},
        ValueCase{"T = {v = 9} function T:nil(a, b) return this.v + a + b end r = T:nil(1, 2)", "12"},
        ValueCase{"T = {} function T.nil() return 10 end r = T[\"nil\"]()", "10"},
        ValueCase{"function f(...) return arg.n end r = f(1, NULL, 3)", "3"},
        ValueCase{"#!/usr/bin/data\nr = 11", "11"}, ValueCase{"r = 2^3^2", "512"}, ValueCase{"r = -2^2", "-4"},
        ValueCase{"r = 1 .. 2 .. \"x\"", "12x"}, ValueCase{"r = 1 + 2 * 3 - 4 / 2", "5"},
        ValueCase{"r = NULL or false and 1", "false"}, ValueCase{"r = not NULL", "true"},
        ValueCase{"r = .5 + 5. + 1e1 + 2E-1", "15.7"}, ValueCase{"r = \"a\\65\\066c\\n\" .. 'q\\'\"'", "aABc\nq'\""},
        ValueCase{"r = [[\nline]]", "line"}, ValueCase{"r = [[a[[b]]c]]", "a[[b]]c"},
        ValueCase{"r = [[a]=]b]]", "a]=]b"}, ValueCase{"r = [[x]=]]", "x]="},
        ValueCase{"r = [[a\r\n]] .. [[\r]]", "a\r\n\r"},
        // A long string with a carriage return still takes the call's arguments that follow it.
        ValueCase{"function f(s) return function() return s end end r = f[[\n\r]]()", "\r"},
        ValueCase{"function f(s) return function(x) return s .. x end end r = f[[a\n\rb\n]]('c')", "a\n\rb\nc"},
        ValueCase{"--[[ a [[ b ]] c ]] r = 12", "12"}, ValueCase{"--[==[ short comment\nr = 13", "13"},
        ValueCase{"t = {1, ;2} r = t[2]", "2"}, ValueCase{"t = {;} r = next", "nil"},
        ValueCase{"t = {1, 2; n = 3,} r = t.n", "3"},
        // The until condition does not see the body's locals.
        ValueCase{"x = true r = 0 repeat local x = false r = r + 1 until x or r > 5", "1"},
        ValueCase{"r = 0 for i = 1, 10 do if i > 3 then break end r = i end", "3"},
        ValueCase{"r = 0 while true do r = r + 1 if r == 4 then break end end", "4"},
        ValueCase{"local a = 1 local f = function() return a end r = f()", "1"}, ValueCase{"x = 1a = 2 r = a", "2"},
        ValueCase{"r = 2--[[c]]-1", "1"}, ValueCase{"r = type", "nil"},
        // A generic "for" over a table steps with the global "next"; other generators are called.
        ValueCase{"function next(t, k) if k == NULL then return 1, t[1] end end t = {7}"
                  " r = 0 for k, v in t do r = r + k + v end",
                  "8"},
        ValueCase{"function f(s, c) if c == NULL then return s end end r = 0 for i in f, 3 do r = r + i end", "3"},
        ValueCase{"local function f(s, c) if c == NULL then return 2 end end"
                  " function g() local n = 0 for i in f do n = n + i end return n end r = g()",
                  "2"},
        ValueCase{"function next(t, k) return NULL end r = 0 for k in {1}, 5, 9 do r = 1 end", "0"}));

struct ErrorCase
{
    std::string source;
    std::string expected;
};

class DataLanguageError : public testing::TestWithParam<ErrorCase>
{};

TEST_P(DataLanguageError, Rejects)
{
    EXPECT_EQ(GetParam().expected, TranslationError(GetParam().source)) << GetParam().source;
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, DataLanguageError,
    testing::Values(
        ErrorCase{"x = !y", "[string \"\"]:1: unexpected symbol near `!'"},
        ErrorCase{"if a ! b then end", "[string \"\"]:1: `then' expected near `!'"},
        ErrorCase{"x = != 1", "[string \"\"]:1: unexpected symbol near `!='"},
        ErrorCase{"x = ~= 1", "[string \"\"]:1: unexpected symbol near `!='"},
        ErrorCase{"NULL = 1", "[string \"\"]:1: unexpected symbol near `NULL'"},
        ErrorCase{"x = 1 +", "[string \"\"]:1: unexpected symbol near `<eof>'"},
        ErrorCase{"f = event()\nx = 1", "[string \"\"]:2: `end' expected (to close `event' at line 1) near `<eof>'"},
        ErrorCase{"f = function()\nx = 1",
                  "[string \"\"]:2: `end' expected (to close `function' at line 1) near `<eof>'"},
        ErrorCase{"event f()\nx = 1", "[string \"\"]:2: `end' expected (to close `function' at line 1) near `<eof>'"},
        ErrorCase{"local event f()\nx = 1",
                  "[string \"\"]:2: `end' expected (to close `function' at line 1) near `<eof>'"},
        ErrorCase{"T = {}\nevent T:m()\n\nx = 1\n",
                  "[string \"\"]:5: `end' expected (to close `function' at line 2) near `<eof>'"},
        ErrorCase{"f = event() x = 1", "[string \"\"]:1: `end' expected near `<eof>'"},
        ErrorCase{"if x then\ny = 1", "[string \"\"]:2: `end' expected (to close `if' at line 1) near `<eof>'"},
        ErrorCase{"t = {\n1,\n2", "[string \"\"]:3: `}' expected (to close `{' at line 1) near `<eof>'"},
        ErrorCase{"t = {event = 1}", "[string \"\"]:1: `(' expected near `='"},
        ErrorCase{"t = {end = 1}", "[string \"\"]:1: unexpected symbol near `end'"},
        ErrorCase{"t = {NULL = 1}", "[string \"\"]:1: `}' expected near `='"},
        ErrorCase{"x = t.event", "[string \"\"]:1: <name> expected near `event'"},
        ErrorCase{"x = t:while()", "[string \"\"]:1: <name> expected near `while'"},
        ErrorCase{"x = #t", "[string \"\"]:1: unexpected symbol near `#'"},
        ErrorCase{"#first\nx = #t", "[string \"\"]:2: unexpected symbol near `#'"},
        ErrorCase{"x = 5 % 2", "[string \"\"]:1: unexpected symbol near `%'"},
        ErrorCase{"function f(...) return ... end", "[string \"\"]:1: unexpected symbol near `...'"},
        ErrorCase{"x = [=[a]=]", "[string \"\"]:1: unexpected symbol near `['"},
        ErrorCase{"x = \"\\300\"", "[string \"\"]:1: escape sequence too large near `\"'"},
        ErrorCase{"x = \"ab\\256\"", "[string \"\"]:1: escape sequence too large near `\"ab'"},
        ErrorCase{"x = \"abc", "[string \"\"]:1: unfinished string near `<eof>'"},
        ErrorCase{"x = \"a\\tc\ny\"", "[string \"\"]:1: unfinished string near `\"a\tc'"},
        ErrorCase{"x = \"abc\ny\"", "[string \"\"]:1: unfinished string near `\"abc'"},
        ErrorCase{"x = 'a\\\nb\nc'", "[string \"\"]:2: unfinished string near `'a\nb'"},
        ErrorCase{"x = 1 'ab'", "[string \"\"]:1: unexpected symbol near `'ab''"},
        ErrorCase{"x = 1 \"a\\tb\" y", "[string \"\"]:1: unexpected symbol near `\"a\tb\"'"},
        ErrorCase{"x = 1 [[ab]]", "[string \"\"]:1: unexpected symbol near `[[ab]]'"},
        ErrorCase{"x = 1 [[\nab]]", "[string \"\"]:2: unexpected symbol near `[[ab]]'"},
        ErrorCase{"x = [[abc\n", "[string \"\"]:2: unfinished long string near `<eof>'"},
        ErrorCase{"--[[ abc", "[string \"\"]:1: unfinished long comment near `<eof>'"},
        ErrorCase{"x = 1e", "[string \"\"]:1: malformed number near `1e'"},
        ErrorCase{"x = .5.", "[string \"\"]:1: malformed number near `.5.'"},
        ErrorCase{"x = 3..4", "[string \"\"]:1: ambiguous syntax (decimal point x string concatenation) near `3..'"},
        ErrorCase{std::string("x = \x01"), "[string \"\"]:1: invalid control char near `char(1)'"},
        ErrorCase{std::string("\x1bLua"), "[string \"\"]:1: invalid control char near `char(27)'"},
        ErrorCase{"x = 1 \"a\\0b\"", "[string \"\"]:1: unexpected symbol near `\"a'"},
        ErrorCase{"for i do end", "[string \"\"]:1: `=' or `in' expected near `do'"},
        ErrorCase{"break", "[string \"\"]:1: no loop to break near `<eof>'"},
        ErrorCase{"return 1 x = 2", "[string \"\"]:1: <eof> expected near `x'"},
        ErrorCase{"x", "[string \"\"]:1: `=' expected near `<eof>'"},
        ErrorCase{"(x) = 1", "[string \"\"]:1: syntax error near `='"},
        ErrorCase{"f() = 1", "[string \"\"]:1: unexpected symbol near `='"},
        ErrorCase{"f()\n(g)()", "[string \"\"]:2: ambiguous syntax (function call x new statement) near `('"},
        ErrorCase{"a:b.c()", "[string \"\"]:1: function arguments expected near `.'"},
        ErrorCase{"function f(a, 1) end", "[string \"\"]:1: <name> or `...' expected near `1'"},
        ErrorCase{"function f(a, ..., b) end", "[string \"\"]:1: `)' expected near `,'"},
        ErrorCase{"x = 'a' .. 12 y", "[string \"\"]:1: `=' expected near `<eof>'"}));

// The chunk name shown in messages: files by name (their tail when long), text by its first line.
TEST(DataLanguageChunkName, FormatsLikeTheInterpreter)
{
    std::string out;
    std::string error;
    EXPECT_FALSE(DataParser::Translate("x", 1, "@levels/a.lua", out, error));
    EXPECT_EQ("levels/a.lua:1: `=' expected near `<eof>'", error);
    std::string longPath = "@" + std::string(100, 'd') + "/file.lua";
    EXPECT_FALSE(DataParser::Translate("x", 1, longPath, out, error));
    EXPECT_EQ("..." + longPath.substr(longPath.size() - 72) + ":1: `=' expected near `<eof>'", error);
    EXPECT_FALSE(DataParser::Translate("x\ny", 3, "x\ny", out, error));
    EXPECT_EQ("[string \"x...\"]:2: `=' expected near `y'", error);
}

TEST(DataLanguageLimits, RejectWithTheLimitMessage)
{
    std::string locals = "local " + Repeat("a", 201, ", ") + " = 1";
    EXPECT_EQ("[string \"\"]:1: too many local variables (limit=200) near `='", TranslationError(locals));
    EXPECT_EQ("(accepted)", TranslationError("local " + Repeat("a", 200, ", ") + " = 1"));

    std::string upvalues =
        "local " + Repeat("a", 33, ", ") + " f = function() return " + Repeat("a", 33, ", ") + " end";
    EXPECT_EQ("[string \"\"]:1: too many upvalues (limit=32) near `end'", TranslationError(upvalues));
    std::string sameUpvalue = "local a f = function() return " + Repeat("a", 40, " + a") + " end";
    EXPECT_EQ("(accepted)", TranslationError(sameUpvalue));

    std::string parameters = "function f(" + Repeat("p", 101, ", ") + ") end";
    EXPECT_EQ("[string \"\"]:1: too many parameters (limit=100) near `)'", TranslationError(parameters));
    EXPECT_EQ("(accepted)", TranslationError("function f(" + Repeat("p", 100, ", ") + ") end"));
    EXPECT_EQ("[string \"\"]:1: too many parameters (limit=100) near `)'",
              TranslationError("T = {} function T:m(" + Repeat("p", 100, ", ") + ") end"));

    std::string nested = "x = " + std::string(300, '(') + "1" + std::string(300, ')');
    EXPECT_EQ("[string \"\"]:1: too many syntax levels near `('", TranslationError(nested));
    EXPECT_EQ("(accepted)", TranslationError("x = " + std::string(150, '(') + "1" + std::string(150, ')')));
}

TEST(DataLanguageLimits, WhileConditionsCountTheInstructionsTheyCompileTo)
{
    // Globals load in one instruction each; a comparison is two; `and`/`or` over a comparison
    // add nothing; a plain value is tested with two; the condition may take 100.
    struct Case
    {
        std::string condition;
        bool accepted;
    };
    const Case cases[] = {
        {Repeat("a", 33, " < 1 and ") + " < 1", true},  // 99
        {Repeat("a", 34, " < 1 and ") + " < 1", false}, // 102
        {Repeat("a", 33, " == 1 or ") + " == 1", true},
        {Repeat("a", 49, " + "), true},  // 49 loads, 48 sums and the test: 99
        {Repeat("a", 50, " + "), false}, // 101
        {Repeat("a", 100, " + "), false},
        {Repeat("a", 33, " and "), true},  // a load and a test each: 99
        {Repeat("a", 34, " and "), false}, // 102
        {"local " + Repeat("l", 50, ", ") + " while " + Repeat("l", 50, " < 1 and ") + " < 1", true},
        {"a and b != NULL", true},
        {"not (" + Repeat("a", 33, " < 1 and ") + " < 1)", true},
    };
    for (const Case& c : cases)
    {
        std::string source =
            c.condition.starts_with("local ") ? c.condition + " do end" : "while " + c.condition + " do end";
        EXPECT_EQ(c.accepted ? "(accepted)" : "[string \"\"]:1: `while' condition too complex near `do'",
                  TranslationError(source))
            << c.condition;
    }
}

TEST(DataLanguageLimits, ConstructorItems)
{
    std::string items = "t = {";
    for (int i = 0; i < (1 << 18); ++i)
        items += "1,";
    EXPECT_EQ("(accepted)", TranslationError(items + "}"));
    EXPECT_EQ("[string \"\"]:1: too many items in a constructor (limit=262143) near `}'",
              TranslationError(items + "1}"));
}

// Translated code keeps the source's lines, so run-time errors name them.
TEST(DataLanguageLines, RuntimeErrorsNameTheSourceLine)
{
    const std::string cases[][2] = {
        {"x = 1\ny = 2\nz = missing.field", ":3:"},
        {"s = [[a\nb\nc]]\nz = missing.field", ":4:"},
        {"s = [[\n\nb]] z = missing.field", ":3:"},
        {"s = \"a\\\nb\\\nc\"\nz = missing.field", ":4:"},
        {"-- comment\n--[[ long\ncomment ]]\n\nz = missing.field", ":5:"},
        {"#!first line\nz = missing.field", ":2:"},
        {"x = 1\ry = 2\r\n\rz = missing.field", ":2:"},
        {"-- a\rb = = 1\nz = missing.field", ":2:"},
        {"s = [[a\rb]] --[[\r\n]] --[[\n\r]]\nz = missing.field", ":4:"},
        {"T = {}\nfunction T:nil()\nreturn missing.field\nend\nT:nil()", ":3:"},
        {"repeat\nlocal a = 1\nz = missing.field\nuntil true", ":3:"},
        {"t = {1}\nfor k, v\nin t do\nend", ":3: attempt to call a nil value"},
    };
    for (const auto& c : cases)
    {
        VirtualMachine vm;
        testing::internal::CaptureStderr();
        EXPECT_EQ(LUA_STATUS_RUNTIME, vm.ExecBuffer(c[0].data(), c[0].size())) << c[0];
        std::string message = testing::internal::GetCapturedStderr();
        EXPECT_NE(std::string::npos, message.find("[string \"\"]" + c[1])) << c[0] << " gave " << message;
    }
}
