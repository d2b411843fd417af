#include "TestVideos.h"

#include "platform/video/VideoDecoder.h"
#include "platform/video/VideoPlayer.h"

#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// What the main thread saw of a player while it took its frames.
struct Watch
{
    int frames = 0;
    int ends = 0;
    uint32_t topLeft = 0;
    std::vector<int> shown; // the frame numbers read from the last quarter
};

// A limit that only a stuck player reaches, however busy the machine.
constexpr double Patience = 30.0;

// Takes frames as the render device does, until `enough` frames came, until the player stops,
// or for `seconds` at most.
Watch TakeFrames(video::VideoPlayer& player, double seconds, int enough = 1000)
{
    Watch watch;
    const auto start = Clock::now();
    while (SecondsSince(start) < seconds && watch.frames < enough)
    {
        if (player.GetState() == video::FRAME_READY)
        {
            player.ReadFrame([&](const uint8_t* pixels, unsigned pitch) {
                std::memcpy(&watch.topLeft, pixels, 4);
                uint32_t last;
                std::memcpy(&last, pixels + (player.GetHeight() - 1) * pitch + (player.GetWidth() - 1) * 4, 4);
                watch.shown.push_back(FrameOfGrey(last));
            });
            player.SetState(video::FRAME_IDLE);
            ++watch.frames;
        }
        watch.ends += player.TakeEnd();
        if (!player.IsPlaying() && player.GetState() != video::FRAME_READY)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    watch.ends += player.TakeEnd();
    return watch;
}

} // namespace

class VideoPlayerTest : public ::testing::Test
{
protected:
    TestFolder _files;
};

std::unique_ptr<video::VideoDecoder> OpenOrFail(const std::string& path)
{
    std::string error;
    auto decoder = video::VideoDecoder::Open(path, error);
    EXPECT_TRUE(decoder) << error;
    return decoder;
}

TEST_F(VideoPlayerTest, OneSecondPlaysInRealTimeAndEndsOnce)
{
    auto decoder = OpenOrFail(_files.WriteQuarters("once.avi", 10, 10));
    ASSERT_TRUE(decoder);
    const auto start = Clock::now();
    video::VideoPlayer player(std::move(decoder), 32, 24, false);
    const Watch watch = TakeFrames(player, Patience);
    const double took = SecondsSince(start);
    EXPECT_EQ(watch.shown, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9})) << "every frame, in order";
    EXPECT_EQ(watch.ends, 1);
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_GE(took, 0.95) << "paced by the frames' times";
    EXPECT_LT(took, 4.0);
    EXPECT_TRUE(NearColor(watch.topLeft, QuarterColor(0, 0, 32, 24))) << std::hex << watch.topLeft;
    EXPECT_FALSE(player.TakeEnd());
}

TEST_F(VideoPlayerTest, LoopingPlaysOnWithoutEverEnding)
{
    auto decoder = OpenOrFail(_files.WriteQuarters("loop.avi", 10, 10));
    ASSERT_TRUE(decoder);
    video::VideoPlayer player(std::move(decoder), 32, 24, true);
    const Watch watch = TakeFrames(player, Patience, 13);
    ASSERT_EQ(watch.shown.size(), 13u);
    EXPECT_EQ(watch.shown[9], 9);
    EXPECT_EQ(watch.shown[10], 0) << "the second pass begins after the last frame";
    EXPECT_EQ(watch.ends, 0);
    EXPECT_TRUE(player.IsPlaying());
    const auto stopping = Clock::now();
    player.Stop();
    EXPECT_LT(SecondsSince(stopping), 0.5);
    EXPECT_FALSE(player.IsPlaying());
}

TEST_F(VideoPlayerTest, AFrameNobodyTakesHoldsThePlayerUntilReleasedOrDestroyed)
{
    for (bool release : {true, false})
    {
        auto decoder = OpenOrFail(_files.WriteQuarters("held.avi", 10, 10));
        ASSERT_TRUE(decoder);
        auto player = std::make_unique<video::VideoPlayer>(std::move(decoder), 32, 24, false);
        const auto opened = Clock::now();
        while (player->GetState() != video::FRAME_READY && SecondsSince(opened) < Patience)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        ASSERT_EQ(player->GetState(), video::FRAME_READY);
        // Held: the player does not go on while its frame waits.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_EQ(player->GetState(), video::FRAME_READY);
        EXPECT_TRUE(player->IsPlaying()) << "waiting for the first frame to be taken";
        const auto start = Clock::now();
        if (release)
        {
            player->SetState(video::FRAME_RELEASED);
            while (player->IsPlaying() && SecondsSince(start) < 1.0)
                std::this_thread::yield();
            EXPECT_FALSE(player->IsPlaying());
        }
        player.reset();
        EXPECT_LT(SecondsSince(start), 0.5);
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
        video::VideoPlayer player(std::move(decoder), 32, 24, true);
        const Watch watch = TakeFrames(player, Patience, 11);
        EXPECT_EQ(watch.ends, 0) << c.name;
        EXPECT_EQ(watch.frames, 11) << c.name << ": the file holds at most 10, so it played again";
        const auto stopping = Clock::now();
        player.Stop();
        EXPECT_LT(SecondsSince(stopping), 0.5);
    }
}

// A taker slower than the video (a game at a few frames a second) sees the frames whose time it
// comes at, the late ones skipped: a video that does not loop lasts its length, and one that
// loops starts its passes on time.
TEST_F(VideoPlayerTest, ASlowTakerSeesLateFramesSkippedAndTheVideoKeepsItsLength)
{
    for (bool loop : {false, true})
    {
        auto decoder = OpenOrFail(_files.WriteQuarters(loop ? "slow_loop.avi" : "slow.avi", 10, 10));
        ASSERT_TRUE(decoder);
        const auto start = Clock::now();
        video::VideoPlayer player(std::move(decoder), 32, 24, loop);
        std::vector<int> shown;
        int ends = 0;
        // A frame taken every 0.25 s, for 3.2 s or until the end.
        while (SecondsSince(start) < (loop ? 3.2 : Patience) && !ends)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            if (player.GetState() == video::FRAME_READY)
            {
                player.ReadFrame([&](const uint8_t* pixels, unsigned pitch) {
                    uint32_t last;
                    std::memcpy(&last, pixels + (player.GetHeight() - 1) * pitch + (player.GetWidth() - 1) * 4, 4);
                    shown.push_back(FrameOfGrey(last));
                });
                player.SetState(video::FRAME_IDLE);
            }
            ends += player.TakeEnd();
        }
        const double took = SecondsSince(start);
        int passes = 1;
        for (size_t i = 1; i < shown.size(); ++i)
        {
            EXPECT_NE(shown[i], shown[i - 1]) << "a new frame each time";
            passes += shown[i] < shown[i - 1];
        }
        if (loop)
        {
            EXPECT_GE(passes, 3) << "three seconds of a one-second loop";
            EXPECT_EQ(ends, 0);
        }
        else
        {
            EXPECT_EQ(ends, 1);
            EXPECT_LT(took, 2.0) << "one second long, not ten takes long";
            EXPECT_LT(shown.size(), 10u) << "late frames were skipped";
            EXPECT_EQ(passes, 1);
        }
    }
}
