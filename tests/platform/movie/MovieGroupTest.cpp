// The movies of a host together: one share of the game's frames and one memory bound, on top of
// each movie's own. Movies that each keep within their own bounds but together take more are
// stopped, the heaviest first, until what is left fits; each stop is one line.
#include "MovieFrameFixture.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

const char* const kStopped =
    "took more than its share of the frames and was stopped; the movie is stopped and draws nothing from now on";
const char* const kOutOfMemory = "not enough memory; the movie is stopped and draws nothing from now on";

// A common share the test spends in about a second; each movie's own is not at issue.
movie::MovieGroup::Bounds TimeBounds(double share, double reserve)
{
    movie::MovieGroup::Bounds bounds;
    bounds.movie.reserve = 100.0;
    bounds.together = {share, reserve};
    return bounds;
}

std::string Name(int milliseconds) { return "m" + std::to_string(milliseconds); }

} // namespace

// Eight movies of 4 to 18 ms a frame, each under its own share of 20 ms, 88 ms together against a
// common share of 35: the four heaviest are stopped, in order, and the 28 ms left play on.
TEST_F(MovieFrameTest, MoviesOverTheirCommonShareAreStoppedHeaviestFirstUntilTheRestFits)
{
    UseBounds(TimeBounds(0.035, 0.5));
    const int weights[] = {4, 12, 18, 8, 16, 6, 14, 10}; // milliseconds a frame
    std::vector<std::unique_ptr<movie::Movie>> movies;
    for (int weight : weights)
    {
        movies.push_back(MakeSpinning("function Update(dt) spin(" + std::to_string(weight / 1000.0) +
                                          ") movie.invalidate(0, 0, 1, 1) end",
                                      Name(weight)));
    }
    LogLines().clear();
    auto stopped = [&] {
        std::vector<int> names;
        for (size_t i = 0; i < movies.size(); ++i)
        {
            if (!movies[i]->IsLoaded())
                names.push_back(weights[i]);
        }
        return names;
    };
    std::vector<std::string> order; // the movies in the order their lines came
    int frames = 0;
    for (; frames < 100 && stopped().size() < 4; ++frames)
    {
        for (auto& m : movies)
            Play(*m);
        EndFrame();
        for (size_t i = order.size(); i < LogLines().size(); ++i)
            order.push_back(LogLines()[i].substr(0, LogLines()[i].find(':')));
    }
    EXPECT_LT(frames, 40) << "the first is stopped once the reserve is spent, in about ten frames";
    for (int frame = 0; frame < 30; ++frame)
    {
        for (auto& m : movies)
            Play(*m);
        EndFrame();
    }
    EXPECT_EQ(stopped(), (std::vector<int>{12, 18, 16, 14})) << "the four heaviest, no other";
    EXPECT_EQ(order, (std::vector<std::string>{"Movie \"swf/m18.lua\"", "Movie \"swf/m16.lua\"",
                                               "Movie \"swf/m14.lua\"", "Movie \"swf/m12.lua\""}));
    EXPECT_EQ(LogCount(kStopped), 4) << ::testing::PrintToString(LogLines());
    EXPECT_EQ(LogLines().size(), 4u);
}

// A movie that calls the host, which calls another movie, has taken only its own time: the other
// movie's is the other's, and it is the one stopped.
TEST_F(MovieFrameTest, TimeInAnotherMovieCalledThroughTheHostIsTheOthers)
{
    UseBounds(TimeBounds(0.010, 0.2));
    auto caller = MakeSpinning("function Update(dt) movie.call('Poke') movie.invalidate(0, 0, 1, 1) end", "caller");
    auto called = MakeSpinning("function Work(seconds) spin(seconds) end", "called");
    _host.onCall = [this, &called](const std::string& name) {
        if (name == "Now")
            _host.answer = movie::Value::FromNumber(ThreadSeconds());
        else if (name == "Poke")
            called->Call("Work", {movie::Value::FromNumber(0.015)});
    };
    LogLines().clear();
    for (int frame = 0; frame < 100 && called->IsLoaded(); ++frame)
    {
        Play(*caller);
        EndFrame();
    }
    EXPECT_FALSE(called->IsLoaded());
    EXPECT_TRUE(caller->IsLoaded());
    EXPECT_EQ(LogCount("Movie \"swf/called.lua\": the script took more than its share"), 1)
        << ::testing::PrintToString(LogLines());
    EXPECT_EQ(LogLines().size(), 1u);
}

// Eight movies of one script in a group of `memory` bytes, stepped frame by frame.
class MovieMemoryTest : public MovieTest
{
protected:
    void MakeEight(size_t memory, const std::string& script)
    {
        _bounds.memory = memory;
        _host.group = std::make_shared<movie::MovieGroup>(_bounds);
        for (int i = 0; i < 8; ++i)
            _movies.push_back(Make(script, 64, 32, "m" + std::to_string(i)));
        LogLines().clear();
    }
    // Answers the most the group held after any movie's frame.
    size_t Play(int frames)
    {
        size_t most = 0;
        for (int frame = 0; frame < frames; ++frame)
        {
            for (auto& m : _movies)
            {
                m->Advance(movie::Movie::FrameSeconds);
                most = std::max(most, _host.group->GetUsed());
            }
            ++_host.frame;
        }
        return most;
    }

    movie::MovieGroup::Bounds _bounds;
    std::vector<std::unique_ptr<movie::Movie>> _movies;
};

// Eight movies that each keep 1 MB texts, six at most, want 48 MB against a common bound of 24:
// each movie that asks for a block past the bound is stopped as out of memory, and freed, and the
// others go on to hold all they want. The group never holds more than its bound.
TEST_F(MovieMemoryTest, TheMoviesTogetherKeepToOneMemoryBound)
{
    MakeEight(24u << 20, "local base = ('x'):rep(2 ^ 20) local kept, n = {}, 0\n"
                         "function Update(dt) if n < 6 then n = n + 1 kept[n] = base .. n end end\n"
                         "function Count() return n end");
    EXPECT_LE(Play(10), _bounds.memory);
    int survivors = 0;
    for (auto& m : _movies)
    {
        if (!m->IsLoaded())
            continue;
        ++survivors;
        EXPECT_EQ(m->Call("Count", {}).number, 6) << "a movie left standing holds all it wants";
    }
    EXPECT_GE(survivors, 2);
    EXPECT_LE(survivors * 7, 24) << "the survivors hold 7 MB each";
    EXPECT_EQ(LogCount(kOutOfMemory), 8 - survivors) << ::testing::PrintToString(LogLines());
    EXPECT_EQ(LogLines().size(), size_t(8 - survivors));
    EXPECT_LT(_host.group->GetUsed(), size_t(survivors) * (8u << 20)) << "the stopped movies were freed";
}

// Eight movies that each hold 4 MB and make a 4 MB text a frame that they throw away hold 32 MB,
// half the common bound of 64, and would fill it with garbage their own collectors have yet to
// reach: every movie collects once the group passes its mark, and none is stopped.
TEST_F(MovieMemoryTest, GarbageOfAllTheMoviesIsCollectedBeforeItFillsTheirBound)
{
    MakeEight(64u << 20, "local big = 'x' for i = 1, 22 do big = big .. big end local n = 0\n"
                         "function Update(dt) n = n + 1 local s = big .. n end");
    Play(30);
    for (auto& m : _movies)
        EXPECT_TRUE(m->IsLoaded());
    EXPECT_TRUE(LogLines().empty()) << ::testing::PrintToString(LogLines());
}

// The bound is the most the group holds: a claim that reaches it exactly is taken, a byte more is
// not, and what is released may be claimed again. An image that would pass it stays missing.
TEST_F(MovieTest, TheCommonMemoryBoundTakesUpToItselfAndNoMore)
{
    movie::MovieGroup::Bounds bounds;
    bounds.memory = 1u << 20;
    movie::MovieGroup group(bounds);
    EXPECT_TRUE(group.Claim(bounds.memory - 1));
    EXPECT_TRUE(group.Claim(1)) << "at the bound";
    EXPECT_FALSE(group.Claim(1)) << "a byte past it";
    EXPECT_EQ(group.GetUsed(), bounds.memory);
    group.Release(1);
    EXPECT_TRUE(group.Claim(1));

    bounds.memory = 8u << 20;
    _host.group = std::make_shared<movie::MovieGroup>(bounds);
    movie::Image image;
    image.width = image.height = 1024; // 4 MB of pixels
    image.pixels.assign(size_t(1024) * 1024, 0xFF00FF00u);
    _host.images["first"] = image;
    _host.images["second"] = image;
    auto m = Make("function Draw(c) c:image('first', 0, 0, 32, 32) c:image('second', 32, 0, 32, 32) end");
    ASSERT_TRUE(Render(*m));
    EXPECT_EQ(Pixel(*m, 8, 8), 0xFF00FF00u) << "the first image fits beside the script";
    EXPECT_NE(Pixel(*m, 40, 8), 0xFF00FF00u) << "the second would pass the bound";
    EXPECT_EQ(LogCount("image \"second\": the movies together would take more than 8 MB"), 1)
        << ::testing::PrintToString(LogLines());
}
