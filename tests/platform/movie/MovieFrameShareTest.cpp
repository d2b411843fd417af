// A movie's share of the game's frames: all its entries of one frame count together, in its
// thread's time. A movie that keeps taking more than its share is stopped with one log line,
// though no entry of it passes the bounds of an entry; a slow frame now and then is carried.
// The scripts spin on the thread's clock (the host's "Now"), so every frame costs what the case
// says on any machine, however loaded.
#include "MovieFrameFixture.h"

#include "platform/movie/ScriptBudget.h"

namespace {

// The share of one movie, with a reserve of a fifth of the game's: a movie over its share spends
// it in a few of its frames.
movie::MovieGroup::Bounds QuickBounds()
{
    movie::MovieGroup::Bounds bounds;
    bounds.movie.reserve = 0.5;
    bounds.together.reserve = 10.0; // the group's share is not what these cases are about
    return bounds;
}

const char* const kStopped =
    "took more than its share of the frames and was stopped; the movie is stopped and draws nothing from now on";

} // namespace

// Each case takes three to six times its share every frame, in entries far under the two seconds
// and the work of an entry. It is stopped once it has taken what its frames' shares and the
// reserve allow, with one line; then it costs nothing.
TEST_F(MovieFrameTest, AMovieOverItsShareFrameAfterFrameIsStopped)
{
    UseBounds(QuickBounds());
    const double share = QuickBounds().movie.share, reserve = QuickBounds().movie.reserve;
    struct Case
    {
        const char* what;
        const char* script;
        int workCalls = 0; // the game's calls of Work(seconds) a frame
        double workSeconds = 0.0;
    };
    const Case cases[] = {
        {"a loop in Update and in Draw", "function Update(dt) loop(0.03) movie.invalidate() end\n"
                                         "function Draw(c) loop(0.03) end"},
        {"comparing long texts that differ in their last byte",
         "local s = ('x'):rep(2 ^ 20):rep(8) local a, b = s .. 'a', s .. 'b'\n"
         "function Update(dt)\n"
         "    local start = movie.call('Now')\n"
         "    repeat local less = a < b until movie.call('Now') - start >= 0.08\n"
         "end"},
        {"next over a table emptied in place",
         "local t = {} for i = 1, 1000000 do t[i] = true end for i = 1, 1000000 do t[i] = nil end\n"
         "function Update(dt)\n"
         "    local start = movie.call('Now')\n"
         "    repeat next(t) until movie.call('Now') - start >= 0.08\n"
         "end"},
        {"many calls of the game", "function Work(seconds) spin(seconds) end", 8, 0.01},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        double loading = 0.0;
        auto m = MakeSpinning(c.script, loading);
        ASSERT_TRUE(m->IsLoaded());
        double taken = loading, worst = 0.0;
        int frames = 1; // the loading's
        while (m->IsLoaded() && frames < 1000)
        {
            const double frame = PlayFrame(*m, c.workCalls, c.workSeconds);
            taken += frame;
            worst = std::max(worst, frame);
            ++frames;
        }
        EXPECT_FALSE(m->IsLoaded());
        EXPECT_LT(worst, movie::ScriptBudget::CPUSeconds / 4) << "no entry comes near its own bounds";
        EXPECT_NEAR(taken, reserve + frames * share, 0.1)
            << "stopped when the reserve was spent, " << frames << " frames";
        ASSERT_EQ(LogLines().size(), 1u) << ::testing::PrintToString(LogLines());
        EXPECT_EQ(LogCount(kStopped), 1);
        double later = 0.0;
        for (int i = 0; i < 3; ++i)
            later += PlayFrame(*m, c.workCalls, c.workSeconds);
        EXPECT_LT(later, 0.01) << "the stopped movie costs the frames after nothing";
        EXPECT_EQ(LogLines().size(), 1u);
    }
}

// The reserve carries a slow frame, and frames under the share fill it again: neither a frame
// that takes most of the reserve at once, nor slow frames now and then that take more than the
// reserve together, stop a movie that is quick in between; nor does a movie that works as the
// game's do, for as long as it plays.
TEST_F(MovieFrameTest, ASlowFrameNowAndThenIsCarried)
{
    struct Case
    {
        const char* what;
        int frames;
        int slowEvery;      // every so many frames, from the first; 0 for never
        double slowSeconds; // taken in a slow frame, in three of the game's calls
    };
    const Case cases[] = {
        {"one slow frame", 120, 1000, 1.8},
        {"a slow frame every few seconds", 300, 75, 0.75}, // five of them: 3.75 s in all
        {"a movie as the game's are", 600, 0, 0.0},
    };
    const char* const script = R"(
function Work(seconds) spin(seconds) end
local t = tween(0)
function Update(dt)
    if not t:running() then t:to(1 - t.value, 0.5) end
end
function Draw(c)
    c:rect(0, 0, movie.width, movie.height, mix("#1f5fa8", "#e39a2d", t.value))
    c:font("Arial", 12, true)
    c:text("frame " .. movie.frame, 2, 2, "#ffffff")
end
)";
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        auto m = MakeSpinning(script);
        for (int frame = 0; frame < c.frames && m->IsLoaded(); ++frame)
        {
            const bool slow = c.slowEvery > 0 && frame % c.slowEvery == 0;
            PlayFrame(*m, slow ? 3 : 0, c.slowSeconds / 3);
        }
        EXPECT_TRUE(m->IsLoaded());
        EXPECT_TRUE(LogLines().empty()) << ::testing::PrintToString(LogLines());
    }
}

// The share counts by the host's frames, not by the movie's updates or paints: calls in frames
// in which the movie is neither updated nor painted (a hidden layer's) are each their own
// frame's. Taken together in one frame, the same calls would spend the reserve.
TEST_F(MovieFrameTest, TheShareCountsTheHostsFrames)
{
    auto m = MakeSpinning("function Work(seconds) spin(seconds) end");
    for (int frame = 0; frame < 300; ++frame)
    {
        m->Call("Work", {movie::Value::FromNumber(0.01)});
        ++_host.frame;
        _host.calls.clear();
    }
    EXPECT_TRUE(m->IsLoaded()) << "3 s in 300 frames, each under its share";
    EXPECT_TRUE(LogLines().empty()) << ::testing::PrintToString(LogLines());
}

// Frames a movie is not called in each put their share by, up to the reserve. A movie called
// every fourth frame may take three and a half shares a call for as long as it plays, but not four
// and a half; and a long spell without a call fills the reserve to its size, no further, so
// four and a half shares a frame after it spend the reserve within a few frames.
TEST_F(MovieFrameTest, FramesWithoutACallPutTheirShareByUpToTheReserve)
{
    movie::MovieGroup::Bounds bounds = QuickBounds();
    bounds.movie.reserve = 0.1;
    UseBounds(bounds);
    const double share = bounds.movie.share;
    struct Case
    {
        const char* what;
        int idle;  // frames without a call before the first
        int every; // frames from one call to the next
        double shares;
        bool stops;
    };
    const Case cases[] = {
        {"three and a half shares every fourth frame", 0, 4, 3.5, false},
        {"four and a half shares every fourth frame", 0, 4, 4.5, true},
        {"a thousand frames without a call, then four and a half shares a frame", 1000, 1, 4.5, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        auto m = MakeSpinning("function Work(seconds) spin(seconds) end");
        _host.frame += c.idle;
        int calls = 0;
        for (; calls < 10 && m->IsLoaded(); ++calls)
        {
            m->Call("Work", {movie::Value::FromNumber(c.shares * share)});
            _host.frame += c.every;
            _host.calls.clear();
        }
        EXPECT_EQ(m->IsLoaded(), !c.stops) << calls << " calls";
        EXPECT_EQ(LogCount(kStopped), c.stops ? 1 : 0) << ::testing::PrintToString(LogLines());
    }
}
