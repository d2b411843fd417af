#include "TestVideos.h"

#include "platform/video/VideoDecoder.h"
#include "platform/video/VideoPlayer.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// What the taker saw of a player, step by step of the clock.
struct Watch
{
    std::vector<int> shown;      // the frame numbers read from the last quarter, in order
    std::vector<double> takenAt; // the clock when each was taken
    int ends = 0;
    double endedAt = -1.0; // the clock when the end was reported
    uint32_t topLeft = 0;
};

// Takes the waiting frame, if any, as the render device does.
void Take(video::VideoPlayer& player, double now, Watch& watch)
{
    if (player.GetState() != video::FRAME_READY)
        return;
    player.ReadFrame([&](const uint8_t* pixels, unsigned pitch) {
        std::memcpy(&watch.topLeft, pixels, 4);
        uint32_t last;
        std::memcpy(&last, pixels + (player.GetHeight() - 1) * pitch + (player.GetWidth() - 1) * 4, 4);
        watch.shown.push_back(FrameOfGrey(last));
    });
    watch.takenAt.push_back(now);
    player.SetState(video::FRAME_IDLE);
}

// A taker that comes every `step` seconds of the clock, the first time half a step in (so no
// take falls on a frame's due time): at each, the player settles, one frame is taken and the end
// looked for. Goes on until the clock passes `until`, `enough` frames were taken or the player
// has stopped.
Watch TakeEvery(video::VideoPlayer& player, SteppedClock& clock, double step, double until, size_t enough = 1000)
{
    Watch watch;
    for (int i = 0;; ++i)
    {
        player.Settle();
        Take(player, clock.Now(), watch);
        if (player.TakeEnd())
        {
            ++watch.ends;
            watch.endedAt = clock.Now();
        }
        if (!player.IsPlaying() || watch.shown.size() >= enough || clock.Now() >= until)
            break;
        clock.Set((i + 0.5) * step);
    }
    return watch;
}

std::unique_ptr<video::VideoDecoder> OpenOrFail(const std::string& path)
{
    std::string error;
    auto decoder = video::VideoDecoder::Open(path, error);
    EXPECT_TRUE(decoder) << error;
    return decoder;
}

// A decoder that takes `seconds` of the clock for every frame: a machine too busy for the video.
class SlowFrames : public video::FrameSource
{
public:
    SlowFrames(std::unique_ptr<video::VideoDecoder> decoder, SteppedClock& clock, double seconds)
        : _decoder(std::move(decoder)), _clock(clock), _seconds(seconds)
    {}
    double GetFrameDuration() const override { return _decoder->GetFrameDuration(); }
    bool NextFrame(double& time) override
    {
        _clock.Advance(_seconds);
        return _decoder->NextFrame(time);
    }
    bool ConvertFrame(uint8_t* pixels, int width, int height, int pitch) override
    {
        return _decoder->ConvertFrame(pixels, width, height, pitch);
    }
    bool Rewind() override { return _decoder->Rewind(); }

private:
    std::unique_ptr<video::VideoDecoder> _decoder;
    SteppedClock& _clock;
    double _seconds;
};

class VideoPlayerTest : public ::testing::Test
{
protected:
    TestFolder _files;
    SteppedClock _clock; // outlives the players
};

} // namespace

// Taken at a game's 30 frames a second, a 10-frame second shows every frame at its time, and
// ends once, when the last frame's time is over.
TEST_F(VideoPlayerTest, OneSecondPlaysOnTheClockAndEndsOnce)
{
    auto decoder = OpenOrFail(_files.WriteQuarters("once.avi", 10, 10));
    ASSERT_TRUE(decoder);
    video::VideoPlayer player(std::move(decoder), 32, 24, false, _clock.Reader());
    const double step = 1.0 / 30;
    const Watch watch = TakeEvery(player, _clock, step, 5.0);
    EXPECT_EQ(watch.shown, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9})) << "every frame, in order";
    for (size_t i = 0; i < watch.takenAt.size(); ++i)
    {
        EXPECT_GE(watch.takenAt[i], 0.1 * i) << "frame " << i << " not before its time";
        EXPECT_LT(watch.takenAt[i], 0.1 * i + step) << "frame " << i << " at the first take after it";
    }
    EXPECT_EQ(watch.ends, 1);
    EXPECT_GE(watch.endedAt, 1.0);
    EXPECT_LT(watch.endedAt, 1.0 + step);
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_TRUE(NearColor(watch.topLeft, QuarterColor(0, 0, 32, 24))) << std::hex << watch.topLeft;
    EXPECT_FALSE(player.TakeEnd());
}

TEST_F(VideoPlayerTest, LoopingPlaysOnWithoutEverEnding)
{
    auto decoder = OpenOrFail(_files.WriteQuarters("loop.avi", 10, 10));
    ASSERT_TRUE(decoder);
    video::VideoPlayer player(std::move(decoder), 32, 24, true, _clock.Reader());
    const double step = 1.0 / 30;
    const Watch watch = TakeEvery(player, _clock, step, 5.0, 13);
    ASSERT_EQ(watch.shown, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2}))
        << "the second pass begins after the last frame";
    EXPECT_GE(watch.takenAt[10], 1.0) << "on time";
    EXPECT_LT(watch.takenAt[10], 1.0 + step);
    EXPECT_EQ(watch.ends, 0);
    EXPECT_TRUE(player.IsPlaying());
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
}

TEST_F(VideoPlayerTest, AFrameNobodyTakesHoldsThePlayerUntilReleasedOrDestroyed)
{
    for (bool release : {true, false})
    {
        auto decoder = OpenOrFail(_files.WriteQuarters("held.avi", 10, 10));
        ASSERT_TRUE(decoder);
        _clock.Set(0.0);
        auto player = std::make_unique<video::VideoPlayer>(std::move(decoder), 32, 24, false, _clock.Reader());
        player->Settle();
        ASSERT_EQ(player->GetState(), video::FRAME_READY);
        // Held: the player does not go on while its frame waits, however much time passes.
        _clock.Set(5.0);
        player->Settle();
        EXPECT_EQ(player->GetState(), video::FRAME_READY);
        EXPECT_TRUE(player->IsPlaying()) << "waiting for the first frame to be taken";
        EXPECT_FALSE(player->TakeEnd());
        if (release)
        {
            player->SetState(video::FRAME_RELEASED);
            player->Settle();
            EXPECT_FALSE(player->IsPlaying());
        }
        player.reset();
    }
}

TEST_F(VideoPlayerTest, CutFilesLoopWhatTheyHold)
{
    const std::vector<char> bytes = ReadAll(_files.WriteQuarters("whole.avi", 10, 10));
    const size_t frames = Find(bytes, "movi"), index = Find(bytes, "idx1");
    struct Case
    {
        const char* name;
        std::vector<char> content;
    };
    const Case cases[] = {
        {"no_index.avi", std::vector<char>(bytes.begin(), bytes.begin() + index)},
        {"half_frames.avi", std::vector<char>(bytes.begin(), bytes.begin() + (frames + index) / 2)},
    };
    for (const Case& c : cases)
    {
        std::string error;
        auto decoder = video::VideoDecoder::Open(_files.Write(c.name, c.content), error);
        ASSERT_TRUE(decoder) << c.name << ": " << error;
        _clock.Set(0.0);
        video::VideoPlayer player(std::move(decoder), 32, 24, true, _clock.Reader());
        const Watch watch = TakeEvery(player, _clock, 1.0 / 30, 5.0, 11);
        EXPECT_EQ(watch.ends, 0) << c.name;
        ASSERT_EQ(watch.shown.size(), 11u) << c.name << ": the file holds at most 10, so it played again";
        EXPECT_EQ(watch.shown.front(), 0);
        EXPECT_LT(*std::max_element(watch.shown.begin(), watch.shown.end()), 10);
        EXPECT_NE(std::find(watch.shown.begin() + 1, watch.shown.end(), 0), watch.shown.end()) << c.name;
        player.Stop();
        EXPECT_FALSE(player.IsPlaying());
    }
}

// A taker slower than the video (a game at four frames a second) sees the frames whose time it
// comes at, the late ones skipped: a video that does not loop lasts its length, and one that
// loops starts its passes on time.
TEST_F(VideoPlayerTest, ASlowTakerSeesLateFramesSkippedAndTheVideoKeepsItsLength)
{
    auto once = OpenOrFail(_files.WriteQuarters("slow.avi", 10, 10));
    ASSERT_TRUE(once);
    video::VideoPlayer player(std::move(once), 32, 24, false, _clock.Reader());
    const Watch watch = TakeEvery(player, _clock, 0.25, 30.0);
    // Takes at 0, 0.125, 0.375, ...: each sees the frame whose time it comes in.
    EXPECT_EQ(watch.shown, (std::vector<int>{0, 1, 3, 6, 8})) << "the frame each take comes at";
    EXPECT_EQ(watch.ends, 1);
    EXPECT_DOUBLE_EQ(watch.endedAt, 1.125) << "one second long, at the first take after its end";

    _clock.Set(0.0);
    auto looped = OpenOrFail(_files.WriteQuarters("slow_loop.avi", 10, 10));
    ASSERT_TRUE(looped);
    video::VideoPlayer loop(std::move(looped), 32, 24, true, _clock.Reader());
    const Watch loopWatch = TakeEvery(loop, _clock, 0.25, 3.2);
    EXPECT_EQ(loopWatch.shown, (std::vector<int>{0, 1, 3, 6, 8, 1, 3, 6, 8, 1, 3, 6, 8, 1, 3}))
        << "each pass starts on time, a second after the last";
    EXPECT_EQ(loopWatch.ends, 0);
}

// A decoder slower than the clock (a fifth of a second for a tenth-of-a-second frame) makes every
// frame late: the taker still gets a new one at least every half second, and the video ends once.
TEST_F(VideoPlayerTest, ADecoderSlowerThanTheClockStillShowsANewFrameEveryHalfSecond)
{
    auto decoder = OpenOrFail(_files.WriteQuarters("slow_decoder.avi", 10, 10));
    ASSERT_TRUE(decoder);
    video::VideoPlayer player(std::make_unique<SlowFrames>(std::move(decoder), _clock, 0.2), 32, 24, false,
                              _clock.Reader());
    // The taker comes at every frame of the game; the clock moves only as the decoder works.
    Watch watch;
    for (int i = 0; i < 100 && player.IsPlaying(); ++i)
    {
        player.Settle();
        Take(player, _clock.Now(), watch);
        watch.ends += player.TakeEnd();
    }
    watch.ends += player.TakeEnd();
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(watch.shown, (std::vector<int>{1, 3, 5, 7, 9})) << "every other frame is left out";
    for (size_t i = 1; i < watch.takenAt.size(); ++i)
        EXPECT_LE(watch.takenAt[i] - watch.takenAt[i - 1], 0.5 + 1e-9) << "between frames " << i - 1 << " and " << i;
    EXPECT_EQ(watch.ends, 1);
}
