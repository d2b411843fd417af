#include "MaterialSystem/textures/Texture.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "RenderFixture.h"
#include "TestVideos.h"
#include "layers/video/VideoVMR9.h"
#include "platform/gfx/Texture.h"

#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// A limit that only a stuck video reaches, however busy the machine.
constexpr double Patience = 30.0;

class VideoTest : public RenderTest
{
protected:
    void SetUp() override
    {
        RenderTest::SetUp();
        if (IsSkipped())
            return;
        Init();
        // Present's wait for a picture really waits.
        _system->SetSleepFunction([](unsigned ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); });
    }

    std::unique_ptr<VideoVMR9> Open(const std::string& path, bool loop, int& width, int& height)
    {
        return std::make_unique<VideoVMR9>(_system->GetDE(), _system->GetDevice(), _system->GetCriticalSection(),
                                           path.c_str(), _system->GetRenderWindow(), width, height, loop);
    }

    // The screen's texture for a video of the given size, as the screens make it.
    Texture* MakeTexture(int width, int height)
    {
        TextureDesc desc;
        desc.kind = TEXKIND_RENDERTARGET;
        desc.width = width;
        desc.height = height;
        return _system->GetTextureMgr()->CreateTexture("$video_test", desc);
    }

    std::vector<uint32_t> ReadTexture(Texture* texture)
    {
        unsigned pitch = 0;
        gfx::Texture* handle = texture->GetTexHandle();
        const auto* texels = static_cast<const uint32_t*>(handle->Lock(0, pitch));
        std::vector<uint32_t> pixels(texels, texels + handle->GetWidth() * handle->GetHeight());
        handle->Unlock(0);
        return pixels;
    }

    // Runs frames as a screen does (Update, then the device presents) for `seconds` or until
    // `more(seen)` says no; returns the frame numbers seen in the texture, in order, without
    // repeats.
    template <typename More>
    std::vector<int> Play(VideoVMR9& video, Texture* texture, double seconds, More more)
    {
        std::vector<int> seen;
        const auto start = Clock::now();
        while (SecondsSince(start) < seconds && more(seen))
        {
            video.SetTexture(texture->GetTexHandle());
            _system->Present(nullptr);
            const std::vector<uint32_t> pixels = ReadTexture(texture);
            // A point of the last quarter of a 512 x 384 frame.
            const int frame = FrameOfGrey(pixels[370 * texture->GetWidth() + 500]);
            if (seen.empty() || seen.back() != frame)
                seen.push_back(frame);
        }
        return seen;
    }

    TestFolder _files;
};

} // namespace

TEST_F(VideoTest, OneSecondVideoPlaysIntoTheTextureAndEndsOnce)
{
    int width = 0, height = 0;
    auto video = Open(_files.WriteQuarters("once.avi", 10, 10), false, width, height);
    EXPECT_EQ(width, 512);
    EXPECT_EQ(height, 384);
    // A texture larger than asked for: the frame goes row by row into its top-left part.
    const int textureWidth = 600, textureHeight = 400;
    Texture* texture = MakeTexture(textureWidth, textureHeight);
    const std::vector<uint32_t> blank(size_t(textureWidth) * textureHeight, 0);
    ASSERT_TRUE(texture->FillPixelData(0, blank.data(), unsigned(blank.size() * 4)));
    _system->SetVMR9(video.get());
    int ends = 0, updatesAfterEnd = 0;
    const std::vector<int> seen = Play(*video, texture, Patience, [&](const std::vector<int>&) {
        const bool playing = video->Update();
        ends += !playing;
        updatesAfterEnd += ends > 0;
        return updatesAfterEnd < 5;
    });
    EXPECT_EQ(ends, 1) << "the end is reported on one Update only";
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));

    // The picture fills its part, the right way up and round; the rest is untouched.
    const std::vector<uint32_t> pixels = ReadTexture(texture);
    for (int y : {40, 340})
    {
        for (int x : {40, 470})
        {
            EXPECT_TRUE(NearColor(pixels[y * textureWidth + x], QuarterColor(x, y, width, height, 9)))
                << std::hex << pixels[y * textureWidth + x] << " at " << std::dec << x << "," << y;
        }
        EXPECT_EQ(pixels[y * textureWidth + 550], 0u);
    }
    EXPECT_EQ(pixels[390 * textureWidth + 40], 0u);
    EXPECT_TRUE(video->CanBeDeleted());
}

TEST_F(VideoTest, LoopingVideoStartsAgainAndNeverEnds)
{
    int width = 0, height = 0;
    auto video = Open(_files.WriteQuarters("loop.avi", 10, 10), true, width, height);
    Texture* texture = MakeTexture(width, height);
    _system->SetVMR9(video.get());
    bool ended = false;
    const std::vector<int> seen = Play(*video, texture, Patience, [&](const std::vector<int>& seen) {
        ended |= !video->Update();
        return seen.size() < 12;
    });
    EXPECT_FALSE(ended);
    const auto restart = std::find(seen.begin() + 1, seen.end(), 0);
    ASSERT_NE(restart, seen.end()) << "the first frame came again";
    EXPECT_EQ(*(restart - 1), 9) << "after the last";
    EXPECT_FALSE(video->CanBeDeleted());
    video->PrepareToRelease();
    EXPECT_TRUE(video->CanBeDeleted());
}

TEST_F(VideoTest, FilesThatCannotPlayGiveALoggedLineAndAnInertVideo)
{
    std::vector<char> garbage(4096);
    for (size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = char(i * 7919 >> 3);
    const std::vector<char> good = ReadAll(_files.WriteQuarters("good.avi", 10, 10));
    const std::string cases[] = {
        _files.PathOf("missing.avi"),
        _files.Write("garbage.avi", garbage),
        _files.Write("header_only.avi", std::vector<char>(good.begin(), good.begin() + Find(good, "movi"))),
    };
    for (const std::string& path : cases)
    {
        for (bool loop : {false, true})
        {
            LogLines().clear();
            int width = -1, height = -1;
            auto video = Open(path, loop, width, height);
            EXPECT_TRUE(LogHas("Can`t initialize vmr9")) << path;
            EXPECT_EQ(width, 0);
            EXPECT_EQ(height, 0);
            EXPECT_EQ(video->GetState(), IVideoSource::FRAME_RELEASED);
            _system->SetVMR9(video.get());
            _system->Present(nullptr);
            EXPECT_EQ(video->Update(), loop) << path << ": one that does not loop ends at once";
            EXPECT_TRUE(video->Update()) << path << ": and only once";
            EXPECT_TRUE(video->CanBeDeleted());
        }
    }
}

TEST_F(VideoTest, CutVideoPlaysWhatItHolds)
{
    const std::vector<char> good = ReadAll(_files.WriteQuarters("good.avi", 10, 10));
    const size_t frames = Find(good, "movi"), index = Find(good, "idx1");
    int width = 0, height = 0;
    auto video = Open(_files.Write("cut.avi", std::vector<char>(good.begin(), good.begin() + (frames + index) / 2)),
                      false, width, height);
    ASSERT_EQ(width, 512);
    Texture* texture = MakeTexture(width, height);
    _system->SetVMR9(video.get());
    bool ended = false;
    const std::vector<int> seen =
        Play(*video, texture, Patience, [&](const std::vector<int>&) { return !(ended = !video->Update()); });
    EXPECT_TRUE(ended);
    EXPECT_FALSE(seen.empty());
    EXPECT_LT(seen.back(), 9);
}

TEST_F(VideoTest, DeletingAVideoWhoseFrameWaitsReturnsAtOnce)
{
    int width = 0, height = 0;
    auto video = Open(_files.WriteQuarters("held.avi", 10, 10), false, width, height);
    _system->SetVMR9(video.get());
    const auto opened = Clock::now();
    while (video->GetState() != IVideoSource::FRAME_READY && SecondsSince(opened) < Patience)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    ASSERT_EQ(video->GetState(), IVideoSource::FRAME_READY) << "nobody has taken the first frame";
    const auto start = Clock::now();
    video.reset();
    EXPECT_LT(SecondsSince(start), 0.5);
    EXPECT_EQ(_system->GetVMR9(), nullptr);
}

TEST_F(VideoTest, AfterADeviceResetFramesWaitForTheScreensNewTexture)
{
    int width = 0, height = 0;
    auto video = Open(_files.WriteQuarters("reset.avi", 10, 10), true, width, height);
    Texture* texture = MakeTexture(width, height);
    _system->SetVMR9(video.get());
    const std::vector<uint32_t> blank(size_t(width) * height, 0);
    auto shown = [&] { return ReadTexture(texture)[40 * width + 40] != 0; };
    auto present = [&](int frames) {
        for (int i = 0; i < frames; ++i)
            _system->Present(nullptr);
    };
    // A busy machine may decode late: present until the picture shows, for a few seconds at most.
    auto presentUntilShown = [&] {
        for (int i = 0; i < 200 && !shown(); ++i)
            _system->Present(nullptr);
        return shown();
    };
    video->SetTexture(texture->GetTexHandle());
    ASSERT_TRUE(presentUntilShown());

    ASSERT_TRUE(_system->RestartSystem());
    ASSERT_TRUE(texture->FillPixelData(0, blank.data(), unsigned(blank.size() * 4)));
    present(3);
    EXPECT_FALSE(shown()) << "the texture the video had is gone; the new one is not known yet";
    video->SetTexture(texture->GetTexHandle());
    EXPECT_TRUE(presentUntilShown());
}
