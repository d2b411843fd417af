// A movie's share of the game's frames: all its entries of one frame count together, in its
// thread's time. A movie that keeps taking more than its share is stopped with one log line,
// though no entry of it passes the bounds of an entry; a slow frame now and then is carried.
// The scripts spin on the thread's clock (the host's "Now"), so every frame costs what the case
// says on any machine, however loaded.
#include "MovieFixture.h"

#include "platform/movie/FrameShare.h"
#include "platform/movie/ScriptBudget.h"

#include <ctime>

namespace {

double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// spin(seconds) takes that much of the thread's time in few instructions, comparing long texts,
// so that no entry spends its work; loop(seconds) runs instructions.
const char* const kSpin = R"(
local long = ('x'):rep(2 ^ 20)
local a, b = long .. 'a', long .. 'b'
function spin(seconds)
    local start = movie.call("Now")
    repeat local less = a < b until movie.call("Now") - start >= seconds
end
function loop(seconds)
    local start = movie.call("Now")
    repeat for i = 1, 1000 do end until movie.call("Now") - start >= seconds
end
)";

constexpr double kShare = movie::FrameShare::ShareSeconds;
constexpr double kReserve = movie::FrameShare::ReserveSeconds;

class MovieFrameTest : public MovieTest
{
protected:
    void SetUp() override
    {
        MovieTest::SetUp();
        _host.onCall = [this](const std::string& name) {
            if (name == "Now")
                _host.answer = movie::Value::FromNumber(ThreadSeconds());
        };
    }

    // A loaded movie that can spin, with the log of its loading cleared. Its loading is an entry
    // of its own frame and counts against the share too (the long texts take a while to make on
    // a busy machine): `loading` is its thread time.
    std::unique_ptr<movie::Movie> MakeSpinning(const std::string& script, double& loading)
    {
        const double start = ThreadSeconds();
        auto m = Make(std::string(kSpin) + script);
        loading = ThreadSeconds() - start;
        LogLines().clear();
        return m;
    }
    std::unique_ptr<movie::Movie> MakeSpinning(const std::string& script)
    {
        double loading = 0.0;
        return MakeSpinning(script, loading);
    }

    // One frame of the game: the timeline's update, the game's calls of `Work`, a paint of the
    // whole movie. Answers the thread time it took; the host forgets the calls (a spin makes many).
    double PlayFrame(movie::Movie& m, int workCalls = 0, double workSeconds = 0.0)
    {
        const double start = ThreadSeconds();
        m.Advance(movie::Movie::FrameSeconds + 1e-9);
        for (int i = 0; i < workCalls; ++i)
            m.Call("Work", {movie::Value::FromNumber(workSeconds)});
        Render(m);
        ++_host.frame;
        _host.calls.clear();
        return ThreadSeconds() - start;
    }
};

} // namespace

// Each case takes three to six times its share every frame, in entries far under the two seconds
// and the work of an entry. It is stopped once it has taken what its frames' shares and the
// reserve allow, within a few seconds of its own time, with one line; then it costs nothing.
TEST_F(MovieFrameTest, AMovieOverItsShareFrameAfterFrameIsStopped)
{
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
        EXPECT_NEAR(taken, kReserve + frames * kShare, 0.25)
            << "stopped when the reserve was spent, " << frames << " frames";
        ASSERT_EQ(LogLines().size(), 1u) << ::testing::PrintToString(LogLines());
        EXPECT_EQ(LogCount("took more than its share of the frames and was stopped; the movie is stopped and draws "
                           "nothing from now on"),
                  1);
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
