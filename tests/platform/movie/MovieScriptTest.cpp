#include "MovieFixture.h"

#include <functional>

namespace {

std::string Text(const movie::Value& value)
{
    return value.type == movie::Value::String ? value.text : "<not a string>";
}

} // namespace

TEST_F(MovieTest, PublishedFunctionsTakeAndReturnValues)
{
    auto m = Make(R"(
function Describe(n, s, b, x)
    return string.format("%s:%d:%s:%s", s, n * 2, tostring(b), tostring(x))
end
function Answer() return 42 end
function Nothing() end
function Table() return {} end
)");
    const movie::Value text =
        m->Call("Describe", {movie::Value::FromNumber(21), movie::Value::FromString("w\xC3\xB6rd"),
                             movie::Value::FromBool(true), movie::Value()});
    EXPECT_EQ(Text(text), "w\xC3\xB6rd:42:true:nil");
    EXPECT_EQ(m->Call("Answer", {}).number, 42.0);
    EXPECT_EQ(m->Call("Nothing", {}).type, movie::Value::Null);
    EXPECT_EQ(m->Call("Table", {}).type, movie::Value::Null) << "tables do not reach the host";
}

TEST_F(MovieTest, AMissingFunctionAnswersNullAndIsLoggedOncePerName)
{
    auto m = Make("x = 1\n");
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(m->Call("Absent", {}).type, movie::Value::Null);
        EXPECT_EQ(m->Call("x", {}).type, movie::Value::Null) << "a global that is not a function";
    }
    EXPECT_EQ(LogCount("has no function \"Absent\""), 1);
    EXPECT_EQ(LogCount("has no function \"x\""), 1);
}

TEST_F(MovieTest, ScriptErrorsAreLoggedWithNameAndLineAndLeaveTheMovieStanding)
{
    struct Case
    {
        const char* script;
        const char* logged;
    };
    const Case broken[] = {
        {"function Draw(c)\n  c:rect(0, 0\nend\n", "swf/broken.lua:3:"},
        {"local a = 1\nerror(\"at load\")\n", "swf/broken.lua:2: at load"},
        {"x = NULL\nx.y = 1\n", "swf/broken.lua:2:"},
    };
    for (const Case& c : broken)
    {
        SCOPED_TRACE(c.script);
        LogLines().clear();
        auto m = Make(c.script, 16, 16, "broken");
        EXPECT_FALSE(m->IsLoaded());
        EXPECT_EQ(LogCount(c.logged), 1);
        EXPECT_EQ(LogCount("is not loaded and draws nothing"), 1);
        EXPECT_FALSE(Render(*m)) << "an inert movie draws nothing";
        EXPECT_EQ(m->Call("Draw", {}).type, movie::Value::Null);
        m->Advance(1.0);
        m->MouseDown(1, 1);
    }

    LogLines().clear();
    auto m = Make(R"(
broken = false
function Break() broken = true end
function Fail(n) error("no " .. n) end
function Draw(c)
    c:rect(0, 0, 16, 16, "#00ff00")
    if broken then
        c:rect(0, 0, 16, 16, "#ff0000")
        c:rect(0, 0, 16, 16, "not a colour")
    end
end
)",
                  16, 16, "runtime");
    ASSERT_TRUE(Render(*m));
    EXPECT_EQ(m->Call("Fail", {movie::Value::FromString("way")}).type, movie::Value::Null);
    EXPECT_EQ(LogCount("swf/runtime.lua:4: no way"), 1);
    m->Call("Break", {});
    EXPECT_FALSE(Render(*m));
    EXPECT_FALSE(Render(*m));
    EXPECT_EQ(LogCount("colour or gradient expected"), 1) << "the same error is logged once";
}

TEST_F(MovieTest, TheSandboxHasNoFilesOrChunks)
{
    auto m = Make(R"(
function Has(name) return _G[name] != NULL end
function Libraries() return string.upper("ok") .. math.floor(2.5) .. table.getn({1, 2}) end
)");
    for (const char* name :
         {"io", "os", "debug", "dofile", "loadfile", "loadstring", "require", "setfenv", "collectgarbage", "coroutine"})
    {
        EXPECT_FALSE(m->Call("Has", {movie::Value::FromString(name)}).boolean) << name;
    }
    EXPECT_EQ(Text(m->Call("Libraries", {})), "OK22");
    EXPECT_TRUE(m->Call("Has", {movie::Value::FromString("print")}).boolean);
}

// A handler that runs away is stopped by the instruction budget once; then the movie is inert, as
// one that failed to load, instead of paying the whole budget again on every later call.
TEST_F(MovieTest, AMovieStoppedForRunningTooLongStaysInert)
{
    struct Case
    {
        const char* where;
        std::function<void(movie::Movie&)> trigger;
    };
    const Case cases[] = {
        {"a published function", [](movie::Movie& m) { m.Call("Spin", {}); }},
        {"Draw", [](movie::Movie& m) { Render(m); }},
        {"Update", [](movie::Movie& m) { m.Advance(movie::Movie::FrameSeconds); }},
        {"a mouse handler", [](movie::Movie& m) { m.MouseDown(1, 1); }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.where);
        LogLines().clear();
        auto m = Make(R"(
entered = 0
spin = false
function Spin() entered = entered + 1 while true do end end
function Entered() return entered end
function Arm() spin = true end
function Draw(c) c:rect(0, 0, 4, 4, "#00ff00") if spin then Spin() end end
function Update() if spin then Spin() end end
function OnMouseDown() if spin then Spin() end end
)");
        ASSERT_TRUE(Render(*m));
        m->Call("Arm", {});
        c.trigger(*m);
        EXPECT_FALSE(m->IsLoaded()) << "stopped at the first overrun";
        for (int i = 0; i < 2; ++i)
            c.trigger(*m);
        EXPECT_FALSE(m->IsLoaded());
        EXPECT_EQ(m->Call("Entered", {}).type, movie::Value::Null) << "the script is not entered again";
        EXPECT_FALSE(Render(*m));
        m->Advance(1.0);
        m->MouseDown(1, 1);
        EXPECT_EQ(LogCount("ran too long and was stopped; the movie is stopped and draws nothing"), 1);
        EXPECT_EQ(LogCount("has no function"), 0);
    }
}

// The string library's matcher recurses once per pattern item: a long pattern is refused as a
// script error before it can take the stack, and the movie goes on.
TEST_F(MovieTest, LongStringPatternsAreRefusedAndTheMovieGoesOn)
{
    auto m = Make(R"(
long = ("a?"):rep(2e5)
text = ("a"):rep(2e5)
function Find() return text:find(long) end
function Match() return string.match(text, long) end
function Gmatch() for w in text:gmatch(long) do end end
function Gsub() return (string.gsub(text, long, "")) end
function Plain() return (text:find(("a"):rep(1000), 1, true)) end
function Short() return (string.gsub("menu.swf", "%.swf$", ".dds")) end
drawn = false
function Draw(c) if drawn then string.gsub(text, long, "") end drawn = true end
)",
                  16, 16, "patterns");
    for (const char* name : {"Find", "Match", "Gmatch", "Gsub"})
    {
        LogLines().clear();
        EXPECT_EQ(m->Call(name, {}).type, movie::Value::Null) << name;
        EXPECT_EQ(LogCount("a pattern of 400000 characters is refused"), 1) << name;
    }
    EXPECT_TRUE(Render(*m));
    EXPECT_FALSE(Render(*m)) << "the same through gsub from Draw";
    EXPECT_EQ(m->Call("Plain", {}).number, 1.0) << "a plain find compares text";
    EXPECT_EQ(Text(m->Call("Short", {})), "menu.dds");
    EXPECT_TRUE(m->IsLoaded());
}

TEST_F(MovieTest, CallsBackIntoTheHostWithTheirAnswer)
{
    auto m = Make(R"(
function Ask(n)
    local answer = movie.call("Score", n, "pilot", true, NULL)
    return "host said " .. tostring(answer)
end
function Wrong() movie.call("Score", {}) end
)");
    _host.answer = movie::Value::FromNumber(7);
    EXPECT_EQ(Text(m->Call("Ask", {movie::Value::FromNumber(3)})), "host said 7");
    ASSERT_EQ(_host.calls.size(), 1u);
    EXPECT_EQ(_host.calls[0], "Score(3, \"pilot\", true, nil)");
    m->Call("Wrong", {});
    EXPECT_EQ(_host.calls.size(), 1u) << "a table is refused before the host is reached";
    EXPECT_EQ(LogCount("only nil, booleans, numbers and strings"), 1);
}
