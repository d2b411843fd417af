// A movie's share of the frame counts by the game's frames (the layer manager's), not by its own
// layer's updates: a screen goes on calling into a movie whose layer is hidden and not updated.
// The movies of the layers are budgeted together, in the layer manager's group.
#include "FlashFixture.h"

#include "foundation/base/Dumper.h"
#include "layers/FlashLayer.h"
#include "platform/movie/MovieGroup.h"

#include <ctime>

namespace {

float ThreadSeconds()
{
    static const double start = [] {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
    }();
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return float(double(now.tv_sec) + double(now.tv_nsec) * 1e-9 - start);
}

} // namespace

// 300 frames of 10 ms each, 3 s in all, more than the reserve: frames counted by the layer's
// updates would make them one frame and stop the movie when its layer is shown again.
TEST_F(FlashTest, CallsIntoAHiddenLayersMovieCountInTheGamesFrames)
{
    WriteMovie("busy", R"(
local long = ('x'):rep(2 ^ 20)
local a, b = long .. 'a', long .. 'b'
function Work(seconds)
    local start = movie.call("Now")
    repeat local less = a < b until movie.call("Now") - start >= seconds
end
function Draw(c) c:rect(0, 0, 64, 64, "#ff0000") end
)");
    auto* layer =
        LayerManager::CreateFlashLayer("busy", "swf//busy.swf", Vec2(0, 0), Vec2(64, 64), 0.0f, Color(1, 1, 1, 1));
    FlashHost::FlashControl& control = *layer->GetFC();
    UseTestClock(control);
    control.bind(L"Now", [](FlashHost::FlashControl*, const FlashHost::Args&) {
        return FlashHost::FlashValue(ThreadSeconds());
    });
    LayerManager::GetRoot()->AddChild(layer);
    layer->SetVisible(false);
    for (int frame = 0; frame < 300; ++frame)
    {
        control.callFunction(L"Work", FlashHost::Args(0.01f));
        Elapse(1.0 / 60.0);
        LayerManager::Update(1.0f / 60.0f);
    }
    layer->SetVisible(true);
    for (int frame = 0; frame < 3; ++frame)
    {
        _drawn.Clear();
        Elapse(0.05);
        LayerManager::Update(1.0f / 60.0f);
    }
    EXPECT_EQ(_drawn.quads.size(), 1u) << "the movie draws when it is shown";
    EXPECT_FALSE(LogHas("busy")) << "the movie was not stopped";
}

// Every control's movie holds its memory in the one group of the layers, which a new start of the
// layer manager begins again: the movies of the layers are budgeted together, whoever made them.
TEST_F(FlashTest, TheLayersMoviesPlayInOneGroup)
{
    WriteMovie("holding", "kept = ('x'):rep(2 ^ 20) .. 'y'");
    const std::shared_ptr<movie::MovieGroup> group = LayerManager::GetMovies();
    const size_t empty = group->GetUsed();
    auto first = Control("holding", 64, 64);
    const size_t one = group->GetUsed();
    EXPECT_GT(one, empty + (1u << 20)) << "the first movie's text";
    auto second = Control("holding", 64, 64);
    EXPECT_GT(group->GetUsed(), one + (1u << 20)) << "and the second's";
    second.reset();
    EXPECT_EQ(group->GetUsed(), one) << "given back when the movie goes";

    LayerManager::Create(&Dumper::Instance(), _system.get());
    EXPECT_NE(LayerManager::GetMovies(), group);
    first.reset();
    EXPECT_EQ(group->GetUsed(), 0u) << "the first movie and the console of the last start are gone";
}
