#include "MaterialSystem/textures/Texture.h"
#include "MaterialSystem/textures/TextureMgr.h"
#include "RenderFixture.h"
#include "TestVideos.h"
#include "ResourceSystem/ResourceSystem.h"
#include "foundation/base/Dumper.h"
#include "layers/video/VideoVMR9.h"
#include "services/sound/SoundEngine.h"
#include "platform/audio/Device.h"
#include "platform/gfx/Texture.h"

#include <algorithm>
#include <cmath>

namespace {

// The screens run at 30 frames a second.
constexpr double FrameSeconds = 1.0 / 30;

class VideoTest : public RenderTest
{
protected:
    void SetUp() override
    {
        RenderTest::SetUp();
        if (IsSkipped())
            return;
        Init();
        // The clock stands still while the device waits for a picture: every frame, the video has
        // settled before the device presents.
        _system->SetSleepFunction([](unsigned) {});
    }

    std::unique_ptr<VideoVMR9> Open(const std::string& path, bool loop, int& width, int& height,
                                    SoundEngine* sound = nullptr)
    {
        return std::make_unique<VideoVMR9>(_system->GetDE(), _system->GetDevice(), _system->GetCriticalSection(),
                                           path.c_str(), _system->GetRenderWindow(), width, height, loop,
                                           _clock.Reader(), sound);
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

    // Runs up to `frames` frames as a screen does: the video settles, `more(seen)` runs the
    // screen's Update and says whether to go on, the device presents, and the clock moves on (by
    // half a frame the first time, so that no frame falls on a picture's due time). Returns the
    // frame numbers seen in the texture, in order, without repeats.
    template <typename More>
    std::vector<int> Play(VideoVMR9& video, Texture* texture, int frames, More more)
    {
        std::vector<int> seen;
        const double start = _clock.Now();
        for (int i = 0; i < frames; ++i)
        {
            video.Settle();
            if (!more(seen))
                break;
            video.SetTexture(texture->GetTexHandle());
            _system->Present(nullptr);
            const std::vector<uint32_t> pixels = ReadTexture(texture);
            // A point of the last quarter of a 512 x 384 frame.
            const int frame = FrameOfGrey(pixels[370 * texture->GetWidth() + 500]);
            if (seen.empty() || seen.back() != frame)
                seen.push_back(frame);
            _clock.Set(start + (i + 0.5) * FrameSeconds);
        }
        return seen;
    }

    SteppedClock _clock; // outlives the videos
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
    double endedAt = -1.0;
    const std::vector<int> seen = Play(*video, texture, 100, [&](const std::vector<int>&) {
        const bool playing = video->Update();
        if (!playing)
        {
            ++ends;
            endedAt = _clock.Now();
        }
        updatesAfterEnd += ends > 0;
        return updatesAfterEnd < 5;
    });
    EXPECT_EQ(ends, 1) << "the end is reported on one Update only";
    EXPECT_GE(endedAt, 1.0) << "at the first frame after the last picture's time";
    EXPECT_LT(endedAt, 1.0 + FrameSeconds);
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
    const std::vector<int> seen = Play(*video, texture, 100, [&](const std::vector<int>& seen) {
        ended |= !video->Update();
        return seen.size() < 12;
    });
    EXPECT_FALSE(ended);
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1})) << "the first frame after the last";
    EXPECT_FALSE(video->CanBeDeleted());
    video->PrepareToRelease();
    EXPECT_TRUE(video->CanBeDeleted());
}

// A wave file of a second of a tone: sound that FFmpeg reads, without a picture.
std::vector<char> ToneWaveBytes()
{
    const video::AviSound tone = ToneTrack(440, 1.0f);
    const uint32_t data = uint32_t(tone.samples.size() * 2);
    std::vector<char> bytes;
    const auto put = [&](uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.push_back(char(value >> (8 * i)));
    };
    const auto tag = [&](const char* text) { bytes.insert(bytes.end(), text, text + 4); };
    tag("RIFF");
    put(36 + data, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(uint32_t(tone.sampleRate), 4);
    put(uint32_t(tone.sampleRate) * 2, 4);
    put(2, 2);
    put(16, 2);
    tag("data");
    put(data, 4);
    for (int16_t sample : tone.samples)
        put(uint16_t(sample), 2);
    return bytes;
}

// Nothing plays of such a file: no picture, and no sound even where it holds some.
TEST_F(VideoTest, FilesThatCannotPlayGiveALoggedLineAndAnInertVideo)
{
    ResourceSystem resources(&Dumper::Instance(), 1);
    SoundEngine sound(&resources, &Dumper::Instance(), nullptr);
    ASSERT_TRUE(sound.Init());
    std::vector<char> garbage(4096);
    for (size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = char(i * 7919 >> 3);
    const std::vector<char> good = ReadAll(_files.WriteQuarters("good.avi", 10, 10));
    const std::string cases[] = {
        _files.PathOf("missing.avi"),
        _files.Write("empty.avi", {}),
        _files.Write("garbage.avi", garbage),
        _files.Write("header_only.avi", std::vector<char>(good.begin(), good.begin() + Find(good, "movi"))),
        _files.Write("sound_only.avi", ToneWaveBytes()),
    };
    for (const std::string& path : cases)
    {
        for (bool loop : {false, true})
        {
            LogLines().clear();
            int width = -1, height = -1;
            auto video = Open(path, loop, width, height, &sound);
            EXPECT_TRUE(LogHas("Can`t initialize vmr9")) << path;
            EXPECT_EQ(video->GetSound(), nullptr) << path;
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

// A video's sound track plays through the sound engine in step with the picture, and stops
// with the video; a video without one plays silent. The sound plays on a device that mixes only
// as the test renders, a frame's share of sound each frame.
TEST_F(VideoTest, TheSoundTrackPlaysInStepWithThePictureAndStopsWithTheVideo)
{
    std::string error;
    std::unique_ptr<audio::Device> output = audio::Device::OpenLoopback(44100, error);
    ASSERT_TRUE(output) << error;
    audio::Device* device = output.get();
    ResourceSystem resources(&Dumper::Instance(), 1);
    SoundEngine sound(&resources, &Dumper::Instance(), nullptr);
    ASSERT_TRUE(sound.Init(std::move(output)));
    int width = 0, height = 0;
    auto silent = Open(_files.WriteQuarters("silent.avi", 10, 10), false, width, height, &sound);
    EXPECT_EQ(silent->GetSound(), nullptr);
    silent.reset();

    const video::AviSound track = ToneTrack(440, 6.0f);
    auto video = Open(_files.WriteQuarters("sound.avi", 10, 60, 64, 48, &track), false, width, height, &sound);
    ASSERT_EQ(width, 512);
    ASSERT_NE(video->GetSound(), nullptr);
    EXPECT_TRUE(video->GetSound()->IsPlaying());
    EXPECT_EQ(sound.GetVideoSoundCount(), 1u);
    Texture* texture = MakeTexture(width, height);
    _system->SetVMR9(video.get());
    const double start = _clock.Now();
    long rendered = 0; // frames of sound
    std::vector<int16_t> mix;
    double largestLag = 0.0;
    const std::vector<int> seen = Play(*video, texture, 45, [&](const std::vector<int>&) {
        const long due = std::lround((_clock.Now() - start) * 44100);
        mix.resize(size_t(due - rendered) * 2);
        EXPECT_TRUE(device->Render(mix.data(), int(due - rendered)));
        rendered = due;
        video->Update();
        sound.Update();
        largestLag = std::max(largestLag, std::abs(video->GetPlayingSeconds() - video->GetSound()->GetPlayedSeconds()));
        return true;
    });
    EXPECT_EQ(seen.size(), 15u) << "a second and a half of the picture";
    EXPECT_NEAR(video->GetSound()->GetPlayedSeconds(), 43.5 * FrameSeconds, 1.0 / 22050);
    EXPECT_LE(largestLag, 1.0 / 22050) << "at every frame the sound has played as long as the picture";
    // The game stalls for two seconds: the device plays on and the sound queued ahead runs out.
    // The video's next update brings the track back to its picture.
    mix.resize(2 * 2 * 44100);
    ASSERT_TRUE(device->Render(mix.data(), 2 * 44100));
    _clock.Advance(2.0);
    EXPECT_LT(video->GetSound()->GetPlayedSeconds(), video->GetPlayingSeconds() - 0.5);
    video->Update();
    EXPECT_NEAR(video->GetSound()->GetPlayedSeconds(), video->GetPlayingSeconds(), 1.0 / 22050) << "caught up";
    video->PrepareToRelease();
    EXPECT_EQ(video->GetSound(), nullptr);
    sound.Update();
    EXPECT_EQ(sound.GetVideoSoundCount(), 0u) << "the sound went with the video";
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
        Play(*video, texture, 100, [&](const std::vector<int>&) { return !(ended = !video->Update()); });
    EXPECT_TRUE(ended);
    EXPECT_FALSE(seen.empty());
    EXPECT_LT(seen.back(), 9);
}

TEST_F(VideoTest, DeletingAVideoWhoseFrameWaitsFreesItsPlayer)
{
    int width = 0, height = 0;
    auto video = Open(_files.WriteQuarters("held.avi", 10, 10), false, width, height);
    _system->SetVMR9(video.get());
    video->Settle();
    ASSERT_EQ(video->GetState(), IVideoSource::FRAME_READY) << "nobody has taken the first frame";
    video.reset();
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
    // A frame of the screen's: a new picture comes every third one.
    auto present = [&](int frames) {
        for (int i = 0; i < frames; ++i)
        {
            video->Settle();
            _system->Present(nullptr);
            _clock.Advance(FrameSeconds);
        }
    };
    video->SetTexture(texture->GetTexHandle());
    present(1);
    ASSERT_TRUE(shown());

    ASSERT_TRUE(_system->RestartSystem());
    ASSERT_TRUE(texture->FillPixelData(0, blank.data(), unsigned(blank.size() * 4)));
    present(4);
    EXPECT_FALSE(shown()) << "the texture the video had is gone; the new one is not known yet";
    video->SetTexture(texture->GetTexHandle());
    present(3);
    EXPECT_TRUE(shown());
}
