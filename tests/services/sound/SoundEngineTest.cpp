#include "services/sound/SoundEngine.h"

#include <AL/al.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "Fixtures.h"
#include "LogCapture.h"
#include "ResourceSystem/ResourceSystem.h"
#include "foundation/base/Dumper.h"
#include "platform/audio/Device.h"
#include "services/sound/OutputDeviceChoice.h"
#include "services/sound/SoundAsset.h"

namespace {

constexpr int kOutputRate = 44100;
// A sample of the tone files.
constexpr double kSample = 1.0 / 44100;

class SoundEngineTest : public ::testing::Test
{
protected:
    // The engine plays on a device that mixes only as the test renders: the sound's time moves
    // exactly as the test says.
    void SetUp() override
    {
        LogCapture::Clear();
        std::string error;
        std::unique_ptr<audio::Device> output = audio::Device::OpenLoopback(kOutputRate, error);
        ASSERT_TRUE(output) << error;
        _output = output.get();
        _engine = std::make_unique<SoundEngine>(&_resources, &Dumper::Instance(), nullptr);
        ASSERT_TRUE(_engine->Init(std::move(output)));
    }
    void TearDown() override { _engine.reset(); }

    // Plays `seconds` of sound; unless the game stalls, the engine updates every 10 ms of it, as
    // a game's frames would.
    void Run(double seconds, bool stalled = false)
    {
        constexpr int Step = kOutputRate / 100;
        std::vector<int16_t> mix(2 * Step);
        for (long steps = std::lround(seconds * 100); steps > 0; --steps)
        {
            ASSERT_TRUE(_output->Render(mix.data(), Step));
            if (!stalled)
                _engine->Update();
        }
    }

    int AssetCount()
    {
        int n = 0;
        for (IResource* r = _engine->BeginResource(); r != INVALID_RES_HANDLE; r = _engine->NextResource())
            ++n;
        return n;
    }
    SoundAsset* Asset(const char* name)
    {
        IResource* r = _engine->GetResource(name);
        return r == INVALID_RES_HANDLE ? nullptr : static_cast<SoundAsset*>(r);
    }

    ScratchFolder _folder{::testing::UnitTest::GetInstance()->current_test_info()->name()};
    ResourceSystem _resources{&Dumper::Instance(), 1};
    audio::Device* _output = nullptr; // the engine's
    std::unique_ptr<SoundEngine> _engine;
};

} // namespace

TEST_F(SoundEngineTest, LengthAndOneSharedAssetPerFile)
{
    WriteBytes("sounds/menu/one_second.wav", ToneWave(440.0f, 1.0f));
    EXPECT_FLOAT_EQ(_engine->GetSoundLenght("menu//one_second.wav"), 1.0f);
    ASSERT_NE(_engine->CreateSound2D("menu\\one_second.wav", true, 0), nullptr);
    ASSERT_NE(_engine->CreateSound2D("MENU/One_Second.wav", true, 0), nullptr);
    EXPECT_EQ(AssetCount(), 1);
    EXPECT_EQ(_engine->GetSound2DCount(), 2u);
    // The root is set once, so a 3D sound alone finds its file too.
    SOUND3D_POSE pose;
    EXPECT_NE(_engine->CreateSound3D("menu/one_second.wav", pose, false, false, 0), nullptr);
    EXPECT_EQ(AssetCount(), 1);
}

TEST_F(SoundEngineTest, BadFilesGiveSilentProxyAndOneLoggedLine)
{
    std::vector<uint8_t> lying = ToneWave(440.0f, 0.1f);
    lying[16] = 0xFF; // format length far beyond the file
    std::vector<uint8_t> truncated = ToneWave(440.0f, 0.1f);
    truncated.resize(30);
    WriteBytes("sounds/lying.wav", lying);
    WriteBytes("sounds/truncated.wav", truncated);
    WriteBytes("sounds/text.wav", std::vector<uint8_t>(64, 'x'));

    for (const char* name : {"lying.wav", "truncated.wav", "text.wav", "missing.wav"})
    {
        SCOPED_TRACE(name);
        LogCapture::Clear();
        Sound2D* sound = _engine->CreateSound2D(name, true, 0);
        ASSERT_NE(sound, nullptr);
        SoundAsset* asset = Asset(name);
        ASSERT_NE(asset, nullptr);
        EXPECT_EQ(asset->GetSamples(), std::vector<uint8_t>(2, 0));
        EXPECT_EQ(asset->GetFormat().bitsPerSample, 16);
        EXPECT_GE(LogCapture::Count(name), 1);
        // The proxy is cached: a second use neither reloads nor logs again.
        LogCapture::Clear();
        EXPECT_FLOAT_EQ(_engine->GetSoundLenght(name), 2.0f / 88200.0f);
        EXPECT_EQ(LogCapture::Count(name), 0);
    }
    // The proxy plays and ends like any sound.
    Run(0.01);
    EXPECT_EQ(_engine->GetSound2DCount(), 0u);
}

TEST_F(SoundEngineTest, DataSizeBeyondTheFileKeepsWhatIsThere)
{
    std::vector<uint8_t> bytes = ToneWave(440.0f, 0.5f);
    bytes.resize(bytes.size() - 1001); // the "data" size now claims more than is left
    WriteBytes("sounds/short.wav", bytes);
    EXPECT_NEAR(_engine->GetSoundLenght("short.wav"), (22050 * 2 - 1002) / 88200.0f, 1e-6);
    EXPECT_EQ(LogCapture::Count("short.wav", "kept"), 1);
}

TEST_F(SoundEngineTest, EndedVoicesAreFreedAndLoopsKept)
{
    WriteBytes("sounds/blip.wav", ToneWave(1000.0f, 0.03f));
    SOUND3D_POSE pose;
    pose.position = Vec3(10, 0, 10);
    // The looping sound comes first: its loop must not carry over to later sounds of the file.
    Sound3D* loop = _engine->CreateSound3D("blip.wav", pose, true, true, 0);
    ASSERT_NE(loop, nullptr);
    Sound2D* idle = _engine->CreateSound2D("blip.wav", false, 0);
    ASSERT_NE(_engine->CreateSound2D("blip.wav", true, 0), nullptr);
    ASSERT_NE(_engine->CreateSound3D("blip.wav", pose, false, true, 0), nullptr);

    Run(0.05);
    ASSERT_EQ(_engine->GetSound2DCount(), 1u);
    ASSERT_EQ(_engine->GetSound3DCount(), 1u);
    EXPECT_TRUE(loop->IsPlaying());
    EXPECT_FALSE(loop->IsEnded());
    EXPECT_FALSE(idle->IsEnded());

    // A played sound that is stopped is paused, not ended.
    loop->Stop();
    for (int i = 0; i < 5; ++i)
        _engine->Update();
    EXPECT_EQ(_engine->GetSound3DCount(), 1u);
    loop->Play();

    loop->Close();
    _engine->Update();
    EXPECT_EQ(_engine->GetSound3DCount(), 0u);
    _engine->CloseAllSounds();
    EXPECT_EQ(_engine->GetSound2DCount(), 0u);
}

TEST_F(SoundEngineTest, MoreSoundsThanVoicesEndWithoutLeaking)
{
    WriteBytes("sounds/blip.wav", ToneWave(1000.0f, 0.03f));
    SOUND3D_POSE pose;
    // The device offers 256 voices; sounds beyond that stay silent and end at once.
    for (int i = 0; i < 300; ++i)
        ASSERT_NE(_engine->CreateSound3D("blip.wav", pose, false, true, 0), nullptr);
    Run(0.05);
    ASSERT_EQ(_engine->GetSound3DCount(), 0u);
    // Every voice came back: new sounds play again.
    Sound2D* again = _engine->CreateSound2D("blip.wav", true, 0);
    EXPECT_TRUE(again->IsPlaying());
}

TEST_F(SoundEngineTest, ListenerFollowsThePoseOnlyWhile3DSoundsLive)
{
    SOUND3D_POSE pose;
    pose.position = Vec3(1, 2, 3);
    _engine->UpdatePose(pose);
    EXPECT_EQ(_engine->GetListener().position.x, 0.0f);
    WriteBytes("sounds/blip.wav", ToneWave(1000.0f, 0.03f));
    ASSERT_NE(_engine->CreateSound3D("blip.wav", pose, true, false, 0), nullptr);
    _engine->UpdatePose(pose);
    EXPECT_EQ(_engine->GetListener().position.z, 3.0f);
}

TEST_F(SoundEngineTest, MusicIsReplacedLoopsAndEnds)
{
    WriteBytes("music/short.xwma", ToneXwma(440.0f, 0.3f));
    Music* first = _engine->CreateMusic("music\\short.xwma", true, true, 0);
    Music* second = _engine->CreateMusic("music//short.xwma", true, true, 0);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(_engine->GetMusicCount(), 1u);
    EXPECT_TRUE(second->IsPlaying());
    EXPECT_EQ(second->GetLayout().format.formatTag, WaveFormat::kTagWma2);

    // Well past its length, the looping music still plays.
    Run(0.8);
    ASSERT_EQ(_engine->GetMusicCount(), 1u);
    EXPECT_TRUE(second->IsPlaying());

    _engine->CreateMusic("music/short.xwma", false, true, 0);
    Run(0.2);
    EXPECT_EQ(_engine->GetMusicCount(), 1u) << "not before its end";
    Run(0.2);
    EXPECT_EQ(_engine->GetMusicCount(), 0u);
}

TEST_F(SoundEngineTest, FlushedMusicStopsAndEndsEvenWhenLooping)
{
    WriteBytes("music/short.xwma", ToneXwma(440.0f, 0.3f));
    Music* music = _engine->CreateMusic("music/short.xwma", true, true, 0);
    ASSERT_NE(music, nullptr);
    Run(0.05);
    ASSERT_TRUE(music->IsPlaying());
    alGetError();
    music->FlushBuffers();
    EXPECT_EQ(alGetError(), AL_NO_ERROR);
    _engine->Update();
    EXPECT_EQ(_engine->GetMusicCount(), 0u);
}

TEST_F(SoundEngineTest, ReplacedMusicGivesItsBuffersBack)
{
    WriteBytes("music/short.xwma", ToneXwma(440.0f, 0.3f));
    _engine->CreateMusic("music/short.xwma", true, true, 0);
    Run(0.1);
    // The device refuses to delete a buffer still queued on a voice and keeps it.
    alGetError();
    _engine->CreateMusic("music/short.xwma", true, true, 0);
    EXPECT_EQ(alGetError(), AL_NO_ERROR);
    _engine->CloseAllSounds();
    EXPECT_EQ(alGetError(), AL_NO_ERROR);
}

TEST_F(SoundEngineTest, BrokenMusicStaysSilentAndLogged)
{
    std::vector<uint8_t> bytes = ToneXwma(440.0f, 0.3f);
    bytes[52] = 7; // "dpds" length no longer whole entries
    WriteBytes("music/broken.xwma", bytes);
    for (const char* path : {"music/broken.xwma", "music/missing.xwma"})
    {
        SCOPED_TRACE(path);
        LogCapture::Clear();
        Music* music = _engine->CreateMusic(path, true, true, 0);
        ASSERT_NE(music, nullptr);
        EXPECT_FALSE(music->IsPlaying());
        EXPECT_EQ(LogCapture::Count(path), 1);
        for (int i = 0; i < 3; ++i)
            _engine->Update();
        EXPECT_EQ(_engine->GetMusicCount(), 1u);
    }
}

// A video's sound track plays from the video file at the sound volume until the video closes
// it, the engine letting it go at its next update; a video without a track has no sound and
// logs nothing.
TEST_F(SoundEngineTest, AVideosSoundTrackPlaysUntilItsVideoClosesIt)
{
    WriteToneVideo("movies/tone.avi", 440.0f, 0.3f);
    WriteToneVideo("movies/mute.avi", 0.0f, 0.3f);
    LogCapture::Clear();
    EXPECT_EQ(_engine->CreateVideoSound("movies/mute.avi", false), nullptr);
    EXPECT_EQ(_engine->CreateVideoSound("movies/missing.avi", false), nullptr);
    for (const std::string& line : LogCapture::Lines())
        ADD_FAILURE() << line;

    _engine->SetSoundVolume(0.5f);
    std::shared_ptr<VideoSound> sound = _engine->CreateVideoSound("movies\\tone.avi", false);
    ASSERT_NE(sound, nullptr);
    EXPECT_TRUE(sound->IsPlaying());
    EXPECT_EQ(_engine->GetVideoSoundCount(), 1u);
    // Played through, it stays until its video closes it.
    Run(0.6);
    EXPECT_EQ(_engine->GetVideoSoundCount(), 1u);
    EXPECT_NEAR(sound->GetPlayedSeconds(), 0.3, kSample);
    sound->Close();
    EXPECT_TRUE(sound->IsEnded());
    _engine->Update();
    EXPECT_EQ(_engine->GetVideoSoundCount(), 0u);
    sound->Close();
}

// A track whose voice ran dry while the game stalled catches up with its picture: what it
// missed is left out, and it plays on from there.
TEST_F(SoundEngineTest, AVideosSoundTrackThatFellBehindItsPictureCatchesUp)
{
    WriteToneVideo("movies/long.avi", 440.0f, 4.0f);
    std::shared_ptr<VideoSound> sound = _engine->CreateVideoSound("movies/long.avi", false);
    ASSERT_NE(sound, nullptr);
    double picture = 0.2;
    Run(picture);
    sound->Follow(picture);
    EXPECT_NEAR(sound->GetPlayedSeconds(), picture, kSample) << "in step while the game runs";
    // A stall of two seconds: the second of sound queued ahead runs out.
    Run(2.0, true);
    picture += 2.0;
    EXPECT_NEAR(sound->GetPlayedSeconds(), 1.0, kSample) << "what was queued";
    // The stalled frame ends: its video keeps the track with the picture, then the engine updates.
    sound->Follow(picture);
    _engine->Update();
    EXPECT_NEAR(sound->GetPlayedSeconds(), picture, kSample) << "caught up";
    Run(0.3);
    picture += 0.3;
    sound->Follow(picture);
    EXPECT_NEAR(sound->GetPlayedSeconds(), picture, kSample) << "and plays on";
    EXPECT_TRUE(sound->IsPlaying());
    sound->Close();
}

TEST(OutputDeviceChoice, DefaultMultichannelDeviceOrFirst)
{
    struct Case
    {
        std::vector<OutputDeviceInfo> devices;
        int expected;
    };
    const Case cases[] = {
        {{}, 0},
        {{{2, true}, {2, false}}, 0},
        {{{2, false}, {6, false}, {8, true}}, 0}, // the first multichannel one is not the default
        {{{2, false}, {6, true}, {8, false}}, 1},
        {{{8, true}}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseOutputDevice(c.devices), c.expected);
}
