// The work budget of a movie's script: no way of catching its error gives the script control
// back, and work done inside one library call is charged as instructions are.
#include "MovieFixture.h"

#include "platform/movie/MovieContext.h"
#include "platform/movie/ScriptBudget.h"

#include <algorithm>
#include <ctime>
#include <functional>
#include <numeric>

namespace {

// Every case calls back() wherever it would run again after its budget was spent, and loops a
// bounded number of times (or until the host stops entering it), so a script that regains control
// is seen at once instead of hanging.
const char* const kCatchingPrelude = R"(
function spin() while true do end end
function back() movie.call("Back") end
function Spin() spin() end
)";

// The host enters the movie again at most so many times: some 220,000 entries spend the
// budget of the call they are in, and were each of them to refill it the loop would run on until
// the host stops.
constexpr int kMaxEntries = 4000000;

int Backs(const RecordingHost& host) { return int(std::count(host.calls.begin(), host.calls.end(), "Back()")); }

void Step(movie::Movie& m) { m.Advance(movie::Movie::FrameSeconds); }

// The time this thread has run: what the budget's ceiling counts, whatever else the machine does.
double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// The thread time of one frame of the movie.
double FrameSeconds(movie::Movie& m)
{
    const double start = ThreadSeconds();
    Step(m);
    m.Render(movie::Rect{0, 0, m.GetWidth(), m.GetHeight()});
    return ThreadSeconds() - start;
}

} // namespace

TEST_F(MovieTest, AScriptThatCatchesItsBudgetErrorIsStoppedAllTheSame)
{
    struct Case
    {
        const char* what;
        const char* script;
        std::function<void(movie::Movie&)> trigger = Step;
    };
    const Case cases[] = {
        {"pcall in a loop",
         "function Update(dt) for i = 1, 20 do pcall(function() while true do end end) back() end end"},
        {"pcall of pcall", "function Update(dt) for i = 1, 20 do pcall(pcall, spin) back() end end"},
        {"pcall inside pcall",
         "function Update(dt) for i = 1, 20 do pcall(function() pcall(spin) back() end) back() end end"},
        {"an xpcall handler",
         "function Update(dt)\n"
         "    for i = 1, 20 do\n"
         "        xpcall(spin, function(e) back() local n = 0 while n < 1e5 do n = n + 1 end return e end)\n"
         "        back()\n"
         "    end\n"
         "end"},
        {"an xpcall handler that runs away on an ordinary error",
         "function Update(dt)\n"
         "    for i = 1, 20 do\n"
         "        xpcall(function() error('x') end, function(e) local n = 0 while n < 3e7 do n = n + 1 end back() "
         "end)\n"
         "        back()\n"
         "    end\n"
         "end"},
        {"an __index metamethod", "local t = setmetatable({}, {__index = function() pcall(spin) back() end})\n"
                                  "function Update(dt) for i = 1, 20 do local v = t.x end back() end"},
        {"a __tostring metamethod",
         "local t = setmetatable({}, {__tostring = function() pcall(spin) back() return '' end})\n"
         "function Update(dt) for i = 1, 20 do tostring(t) end back() end"},
        {"a gsub callback",
         "function Update(dt) string.gsub(('x'):rep(20), '.', function() pcall(spin) back() end) end"},
        {"a sort comparison",
         "function Update(dt) table.sort({3, 1, 2, 5, 4}, function(a, b) pcall(spin) back() return a < b end) end"},
        {"Draw", "function Draw(c) for i = 1, 20 do pcall(spin) back() end end", [](movie::Movie& m) { Render(m); }},
        {"a published function", "function Run() for i = 1, 20 do pcall(spin) back() end end",
         [](movie::Movie& m) { m.Call("Run", {}); }},
        {"a host call that runs the movie away",
         "function Update(dt) for i = 1, 20 do movie.call('Reenter') back() end end"},
        {"host calls that enter the movie again and again",
         "function Inner() end function Update(dt) while true do movie.call('Enter') end end"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        LogLines().clear();
        _host.calls.clear();
        auto m = Make(std::string(kCatchingPrelude) + c.script + "\n");
        int entries = 0; // through the host, into a movie whose loop calls the host again
        _host.onCall = [&](const std::string& name) {
            if (name == "Reenter")
                m->Call("Spin", {});
            if (name == "Enter" && entries < kMaxEntries)
            {
                ++entries;
                m->Call("Inner", {});
            }
        };
        c.trigger(*m);
        _host.onCall = nullptr;
        EXPECT_FALSE(m->IsLoaded()) << "stopped at its first overrun";
        EXPECT_EQ(Backs(_host), 0) << "the script ran again after its budget was spent";
        EXPECT_EQ(LogCount("the script ran too long and was stopped; the movie is stopped"), 1);
        EXPECT_LT(entries, kMaxEntries / 4) << "an entry through the host refilled the budget of the call it is in";
        EXPECT_FALSE(Render(*m));
    }
}

// Every other error is caught as the library catches it.
TEST_F(MovieTest, PcallAndXpcallCatchOrdinaryErrors)
{
    auto m = Make(R"(
function Caught()
    local ok1, e1 = pcall(error, "plain", 0)
    local ok2, a, b = pcall(function(x, y) return x, y end, 1, 2)
    local ok3, e3 = xpcall(function() error("deep", 0) end, function(e) return "handled " .. e end)
    local ok4, r4 = xpcall(function() return 7 end, print)
    local ok5, e5 = xpcall(function() error("x") end, 5)
    return table.concat({tostring(ok1), e1, tostring(ok2), a, b, tostring(ok3), e3, tostring(ok4), r4,
                         tostring(ok5), e5}, ",")
end
)");
    EXPECT_EQ(m->Call("Caught", {}).text,
              "false,plain,true,1,2,false,handled deep,true,7,false,error in error handling");
    EXPECT_TRUE(m->IsLoaded());
    EXPECT_TRUE(LogLines().empty());
}

// The library's matcher backtracks, and some library functions loop, inside one C call that no
// instruction count sees: their work is charged to the same budget. Without the charge every row
// that stops would run from half a second to minutes (and with 40 optional items instead of 24
// the match would not end at all); the others are what movies do and go on.
TEST_F(MovieTest, WorkInsideOneLibraryCallIsChargedToTheBudget)
{
    struct Case
    {
        const char* what;
        const char* body; // of Update, or of Draw when `inDraw`
        bool stops;
        bool inDraw = false;
    };
    const Case cases[] = {
        {"find that backtracks", "local s = ('a'):rep(24) s:find(('a?'):rep(24) .. s)", true},
        {"match that backtracks", "local s = ('a'):rep(24) string.match(s, ('a?'):rep(24) .. s)", true},
        {"gmatch that backtracks", "local s = ('a'):rep(24) for w in s:gmatch(('a?'):rep(24) .. s) do end", true},
        {"gsub that backtracks", "local s = ('a'):rep(24) string.gsub(s, ('a?'):rep(24) .. s, '')", true},
        {"find that backtracks in Draw", "local s = ('a'):rep(24) s:find(('a?'):rep(24) .. s)", true, true},
        {"a plain find of a long text", "local s = ('a'):rep(2e5) s:find(('a'):rep(1e5) .. 'b', 1, true)", true},
        {"gsub with a library function", "local s = ('x'):rep(4e5) for i = 1, 100 do s:gsub('.', tostring) end", true},
        {"a long repetition", "local s = ('x'):rep(1e8)", true},
        {"inserting at the front",
         "local t = {} for i = 1, 2e5 do t[i] = i end for i = 1, 1000 do table.insert(t, 1, i) end", true},
        {"removing from the front",
         "local t = {} for i = 1, 2e5 do t[i] = i end for i = 1, 1000 do table.remove(t, 1) end", true},
        {"concatenating a long list",
         "local t = {} for i = 1, 1e5 do t[i] = 'x' end for i = 1, 200 do table.concat(t) end", true},
        {"sorting a long list", "local t = {} for i = 1, 1e5 do t[i] = math.fmod(i * 7919, 1e5) end table.sort(t)",
         true},
        {"copying a long text again and again", "local s = ('x'):rep(1e6) for i = 1, 2000 do local u = s .. i end",
         true},
        // Neither allocates: the text made exists already, the comparison makes none. Only the
        // thread time stops these; without it they would take many seconds.
        {"making a text that exists again and again",
         "local s = ('x'):rep(1e6) for i = 1, 2e5 do local u = s .. 'y' end", true},
        {"comparing long texts",
         "local a, b = ('x'):rep(1e6), ('x'):rep(1e6) .. 'y' for i = 1, 1e6 do local c = a < b end", true},
        {"what movies do", R"(
            local t = {}
            for i = 1, 100 do table.insert(t, 1, tostring(i)) end
            table.sort(t)
            table.remove(t, 1)
            assert(table.concat(t, ","):find("98,99", 1, true))
            assert(string.gsub("menu.swf", "%.swf$", ".dds") == "menu.dds")
            assert(("ab"):rep(3) == "ababab" and ("a"):rep(0) == "")
         )",
         false},
        {"a repetition of nothing is nothing at once", "assert(string.rep('', 2147483647) == '')", false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        LogLines().clear();
        const std::string function = c.inDraw ? "Draw(c)" : "Update(dt)";
        auto m = Make("function " + function + " " + c.body + " end\n");
        if (c.inDraw)
            Render(*m);
        else
            Step(*m);
        EXPECT_EQ(m->IsLoaded(), !c.stops);
        EXPECT_EQ(LogCount("the script ran too long and was stopped; the movie is stopped"), c.stops ? 1 : 0);
        if (!c.stops)
        {
            EXPECT_TRUE(LogLines().empty()) << LogLines().front();
        }
    }
}

// A finalizer runs inside the collector, where no budget counts: the script cannot give the
// canvas or a gradient one of its own.
TEST_F(MovieTest, TheCanvasAndGradientsKeepTheirMetatables)
{
    auto m = Make(R"(
function Draw(c)
    local g = c:linearGradient(0, 0, 1, 1, {0, "#000", 1, "#fff"})
    movie.call("Seen", getmetatable(c), getmetatable(g))
    getmetatable(g).__gc = function() while true do end end
end
)");
    EXPECT_FALSE(Render(*m));
    ASSERT_EQ(_host.calls.size(), 1u);
    EXPECT_EQ(_host.calls[0], "Seen(\"locked\", \"locked\")");
    EXPECT_EQ(LogCount("attempt to index"), 1);
    EXPECT_TRUE(m->IsLoaded());
}

// The frame in which a movie spends its budget ends within the budget's thread time, however the
// work is hidden: memory filled (caught or not), a library walk of a long table, a set that one
// matcher step scans whole, comparisons of long texts inside one sort, an instruction that
// converts a long text. Then the movie is inert and the log holds the one line of its stop.
// Before the budget counted them, memory filled slowed every frame for good, and the others took
// 3 to 20 seconds of one frame.
TEST_F(MovieTest, TheFrameThatSpendsTheBudgetEndsWithinItsTime)
{
    struct Case
    {
        const char* what;
        const char* script;
        const char* logged;
    };
    const char* const outOfMemory = "not enough memory; the movie is stopped and draws nothing";
    const char* const tooLong = "the script ran too long and was stopped; the movie is stopped and draws nothing";
    const Case cases[] = {
        {"filling the memory", "function Update(dt) local t = {} local i = 0 while true do i = i + 1 t[i] = {} end end",
         outOfMemory},
        {"filling the memory inside pcall",
         "function fill() local t = {} local i = 0 while true do i = i + 1 t[i] = {} end end\n"
         "function Update(dt) for i = 1, 20 do pcall(fill) back() end end",
         outOfMemory},
        {"a text doubled until the memory is full, inside xpcall",
         "function Update(dt) for i = 1, 20 do xpcall(function() local s = 'x' while true do s = s .. s end end, back) "
         "end end",
         outOfMemory},
        {"a walk over a long table again and again",
         "local t = {} for i = 1, 2000000 do t[i] = true end local maxn = table.maxn\n"
         "function Update(dt) while true do maxn(t) end end",
         tooLong},
        {"a set of 251 characters", "function Update(dt) ('a'):rep(10000):find('[' .. ('b'):rep(251) .. 'a]-x') end",
         tooLong},
        {"sorting long texts that differ at their ends",
         "local s = ('x'):rep(2 ^ 20) local texts = {} for i = 1, 8 do texts[i] = s .. i end\n"
         "local t = {} for i = 1, 1000 do t[i] = texts[math.fmod(i * 7, 8) + 1] end\n"
         "function Update(dt) while true do table.sort(t) end end",
         tooLong},
        {"converting a long text again and again",
         "local s = '1' for i = 1, 24 do s = s .. s end\n"
         "function Update(dt) while true do local x = s + s + s + s end end",
         tooLong},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        _host.calls.clear();
        auto m = Make(std::string(kCatchingPrelude) + c.script + "\n");
        ASSERT_TRUE(m->IsLoaded());
        LogLines().clear();
        EXPECT_LT(FrameSeconds(*m), movie::ScriptBudget::CPUSeconds + 0.25);
        EXPECT_FALSE(m->IsLoaded());
        EXPECT_EQ(Backs(_host), 0) << "the script ran again after its budget was spent";
        EXPECT_EQ(LogCount(c.logged), 1);
        double later = 0;
        for (int i = 0; i < 3; ++i)
            later += FrameSeconds(*m);
        EXPECT_LT(later, 0.01) << "the inert movie costs the frames after nothing";
        EXPECT_EQ(LogLines().size(), 1u) << ::testing::PrintToString(LogLines());
    }
}

// The memory limit counts what a movie holds, not garbage its collector has yet to reach. The
// interpreter's collector does a fixed amount of work per allocation, so texts of megabytes, made
// a few a frame, outran it: before the runtime collected at a mark, each of the movies that throw
// their texts away was stopped as out of memory within 2 to 13 frames, holding 12 to 25 MB. A
// movie that keeps what it makes is stopped as before, with the one line of its stop.
TEST_F(MovieTest, GarbageIsCollectedBeforeItFillsTheMemory)
{
    struct Case
    {
        const char* what;
        const char* script;
        bool stops = false;
    };
    // 4 MB, made by doubling: the garbage of its making is collected too.
    const std::string big = "local big = 'x' for i = 1, 22 do big = big .. big end local n = 0\n";
    const Case cases[] = {
        {"a 4 MB text made each update", "function Update(dt) n = n + 1 local s = big .. n end"},
        {"eight made in one update", "function Update(dt) for i = 1, 8 do n = n + 1 local s = big .. n end end"},
        {"one kept until the next update replaces it", "function Update(dt) n = n + 1 last = big .. n end"},
        {"one made in each paint", "function Draw(c) n = n + 1 local s = big .. n end"},
        {"200,000 small tables beside one",
         "function Update(dt) n = n + 1 local s = big .. n local t = {} for i = 1, 200000 do t[i] = {} end end"},
        {"every one kept", "local kept = {} function Update(dt) n = n + 1 kept[n] = big .. n end", true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        auto m = Make(big + c.script + "\n");
        ASSERT_TRUE(m->IsLoaded());
        LogLines().clear();
        int frames = 0;
        for (; frames < 60 && m->IsLoaded(); ++frames)
        {
            Step(*m);
            Render(*m);
            _host.frame += 4; // time is not what this is about: a share of several game frames
        }
        EXPECT_EQ(m->IsLoaded(), !c.stops) << "after " << frames << " frames";
        if (c.stops)
        {
            EXPECT_LT(frames, 16) << "64 MB hold fewer than 16 of its texts";
            EXPECT_EQ(LogCount("not enough memory; the movie is stopped and draws nothing"), 1);
            EXPECT_EQ(LogLines().size(), 1u) << ::testing::PrintToString(LogLines());
        }
        else
        {
            EXPECT_TRUE(LogLines().empty()) << ::testing::PrintToString(LogLines());
        }
    }
}

// Printing is no runaway: the movie goes on, but the log takes a bounded amount of its lines, then
// one that says the rest is not logged, and later prints cost next to nothing. Each line counts
// with what the log adds to it, so empty prints reach the bound too; once it is reached, values
// are no more made into text (a __tostring that would run is not called).
TEST_F(MovieTest, PrintsAreLoggedUpToABound)
{
    struct Case
    {
        const char* what;
        const char* update;
        char repeated = 0; // of the printed text, logged whole at least twice
    };
    const Case cases[] = {
        {"long texts", "local s = string.rep('x', 5000) for i = 1, 3000 do print(s) end", 'x'},
        {"empty prints", "for i = 1, 30000 do print() end"},
        {"a value made into text by a script",
         "local s = string.rep('y', 5000) for i = 1, 3000 do print(s) end print(made)", 'y'},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        LogLines().clear();
        _host.calls.clear();
        auto m =
            Make(std::string("made = setmetatable({}, {__tostring = function() movie.call('Made') return 'made' end})\n"
                             "print('loaded', 1, nil, true, made)\n"
                             "function Update(dt) ") +
                 c.update + " end\n");
        EXPECT_EQ(LogCount("Movie \"swf/test.lua\": loaded\t1\tnil\ttrue\tmade"), 1);
        EXPECT_LT(FrameSeconds(*m), 0.5);
        double later = 0;
        for (int i = 0; i < 3; ++i)
            later += FrameSeconds(*m);
        EXPECT_LT(later, 0.05);
        EXPECT_TRUE(m->IsLoaded());
        EXPECT_EQ(LogCount("Movie \"swf/test.lua\": printed more than " +
                           std::to_string(movie::MovieContext::MaxPrintedBytes) + " bytes, the rest is not logged"),
                  1);
        const size_t logged = std::accumulate(LogLines().begin(), LogLines().end(), size_t(0),
                                              [](size_t sum, const std::string& line) { return sum + line.size(); });
        EXPECT_LE(logged, movie::MovieContext::MaxPrintedBytes + 200);
        EXPECT_EQ(std::count(_host.calls.begin(), _host.calls.end(), "Made()"), 1)
            << "made into text only while the log took the lines";
        if (c.repeated)
        {
            EXPECT_GE(LogCount(std::string(5000, c.repeated)), 2) << "the first prints are logged whole";
        }
    }
}
