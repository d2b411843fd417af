// These tests mix the engine's sound on a loopback output, which mixes only as the test renders,
// and look at what came out. The missing device needs OpenAL Soft set up without a driver, so it
// runs in a fresh copy of the test program (a death test that exits 0).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "Fixtures.h"
#include "LogCapture.h"
#include "ResourceSystem/ResourceSystem.h"
#include "foundation/base/Dumper.h"
#include "foundation/config/ConfigSystem.h"
#include "foundation/config/SoundSettings.h"
#include "platform/audio/Device.h"
#include "services/sound/SoundEngine.h"

namespace {

constexpr int kRate = 44100;

struct SheetVolumes
{
    float master, sound, music;
};

// What the output mixed, stereo at 44100 Hz, 16-bit.
class Output
{
public:
    explicit Output(audio::Device* device) : _device(device) {}
    // Mixes `seconds` of sound, the engine updating every 10 ms of it as a game's frames would.
    void Run(SoundEngine& engine, double seconds)
    {
        constexpr int Step = kRate / 100;
        for (long steps = std::lround(seconds * 100); steps > 0; --steps)
        {
            const size_t at = samples.size();
            samples.resize(at + 2 * Step);
            ASSERT_TRUE(_device->Render(samples.data() + at, Step));
            engine.Update();
        }
    }

    std::vector<int16_t> samples;

private:
    audio::Device* _device;
};

// Plays sounds on a loopback output and returns what it mixed, until every sound has ended (ten
// seconds at most). The engine reads its volumes from a sound settings sheet when one is given.
// Sounds: "tone.wav" (1000 Hz, 0.2 s) and "music/tone.xwma" (250 Hz, 0.3 s).
template <typename Play>
std::vector<int16_t> RenderToOutput(const std::string& name, Play play, const SheetVolumes* volumes = nullptr)
{
    ScratchFolder folder("render_" + name);
    WriteBytes("sounds/tone.wav", ToneWave(1000.0f, 0.2f));
    WriteBytes("music/tone.xwma", ToneXwma(250.0f, 0.3f));
    ConfigSystem config(&Dumper::Instance(), nullptr);
    SoundSettings settings(&config);
    if (volumes)
    {
        settings.SetSettingsMasterVolume(volumes->master);
        settings.SetSettingsSoundVolume(volumes->sound);
        settings.SetSettingsMusicVolume(volumes->music);
    }
    std::string error;
    std::unique_ptr<audio::Device> device = audio::Device::OpenLoopback(kRate, error);
    EXPECT_TRUE(device) << error;
    if (!device)
        return {};
    Output output(device.get());
    ResourceSystem resources(&Dumper::Instance(), 1);
    SoundEngine engine(&resources, &Dumper::Instance(), volumes ? &settings : nullptr);
    EXPECT_TRUE(engine.Init(std::move(device)));
    play(engine, output);
    for (int i = 0; i < 1000 && engine.GetSound2DCount() + engine.GetSound3DCount() + engine.GetMusicCount() > 0; ++i)
        output.Run(engine, 0.01);
    EXPECT_EQ(engine.GetSound2DCount() + engine.GetSound3DCount() + engine.GetMusicCount(), 0u) << name;
    engine.ShutDown();
    return std::move(output.samples);
}

SOUND3D_POSE At(Vec3 position)
{
    SOUND3D_POSE pose;
    pose.position = position;
    return pose;
}

} // namespace

TEST(DeviceOutput, PlayedToneReachesTheOutput)
{
    const std::vector<int16_t> samples =
        RenderToOutput("tone2d", [](SoundEngine& engine, Output&) { engine.CreateSound2D("tone.wav", true, 1.0f); });
    ASSERT_FALSE(samples.empty());
    EXPECT_NEAR(CrossingFrequency(samples, 2, 0, kRate), 1000.0, 10.0);
    EXPECT_GT(Rms(samples, 2, 0), 500.0);
    EXPECT_NEAR(Rms(samples, 2, 0), Rms(samples, 2, 1), 0.05 * Rms(samples, 2, 0));
}

// A video's sound track reaches the output as its tone, for as long as its video keeps it.
TEST(DeviceOutput, AVideosSoundTrackReachesTheOutput)
{
    const std::vector<int16_t> samples = RenderToOutput("video", [](SoundEngine& engine, Output& output) {
        WriteToneVideo("movies/tone.avi", 660.0f, 0.3f);
        std::shared_ptr<VideoSound> sound = engine.CreateVideoSound("movies/tone.avi", false);
        ASSERT_NE(sound, nullptr);
        output.Run(engine, 0.3);
        EXPECT_NEAR(sound->GetPlayedSeconds(), 0.3, 1.0 / kRate);
        sound->Close();
    });
    ASSERT_FALSE(samples.empty());
    EXPECT_NEAR(CrossingFrequency(samples, 2, 0, kRate), 660.0, 10.0);
    EXPECT_GT(Rms(samples, 2, 0), 500.0);
}

// The engine's space is left-handed (x right, y up, z forward), OpenAL's right-handed.
TEST(DeviceOutput, SoundToTheListenersRightIsLouderOnTheRight)
{
    const std::vector<int16_t> samples = RenderToOutput("right", [](SoundEngine& engine, Output&) {
        SOUND3D_POSE pose = At(Vec3(50, 0, 0));
        engine.CreateSound3D("tone.wav", pose, false, true, 1.0f);
    });
    EXPECT_GT(Rms(samples, 2, 1), 2.0 * Rms(samples, 2, 0));
    EXPECT_GT(Rms(samples, 2, 1), 500.0);
}

TEST(DeviceOutput, ListenerTurnedRightHearsForwardSoundOnTheLeft)
{
    const std::vector<int16_t> samples = RenderToOutput("turned", [](SoundEngine& engine, Output&) {
        SOUND3D_POSE pose = At(Vec3(0, 0, 50));
        Sound3D* sound = engine.CreateSound3D("tone.wav", pose, false, false, 1.0f);
        SOUND3D_POSE listener;
        listener.forward = Vec3(1, 0, 0);
        engine.UpdatePose(listener);
        sound->Play();
    });
    EXPECT_GT(Rms(samples, 2, 0), 2.0 * Rms(samples, 2, 1));
    EXPECT_GT(Rms(samples, 2, 0), 500.0);
}

// Loudness falls linearly with distance, to silence at 5000 units.
TEST(DeviceOutput, SoundFadesLinearlyToSilenceAt5000)
{
    const auto ahead = [](float distance) {
        return [distance](SoundEngine& engine, Output&) {
            SOUND3D_POSE pose = At(Vec3(0, 0, distance));
            engine.CreateSound3D("tone.wav", pose, false, true, 1.0f);
        };
    };
    const std::vector<int16_t> near = RenderToOutput("near", ahead(0.0f));
    const std::vector<int16_t> half = RenderToOutput("half", ahead(2500.0f));
    const std::vector<int16_t> far = RenderToOutput("far", ahead(6000.0f));
    const double level = ToneLevel(near, 2, 0, 1000.0, kRate);
    ASSERT_GT(level, 0);
    EXPECT_NEAR(ToneLevel(half, 2, 0, 1000.0, kRate) / level, 0.5, 0.05);
    EXPECT_LT(ToneLevel(far, 2, 0, 1000.0, kRate) / level, 0.01);
}

// Doppler with the speed of sound 343.5: a source coming straight at the listener at
// 100 units per second sounds 343.5 / 243.5 times higher, one leaving it lower.
TEST(DeviceOutput, ApproachingSoundIsHigherAndLeavingSoundLower)
{
    const auto moving = [](float speed) {
        return [speed](SoundEngine& engine, Output&) {
            SOUND3D_POSE pose = At(Vec3(0, 0, 50));
            pose.velocity = Vec3(0, 0, speed);
            engine.CreateSound3D("tone.wav", pose, false, true, 1.0f);
        };
    };
    const std::vector<int16_t> approaching = RenderToOutput("approaching", moving(-100.0f));
    const std::vector<int16_t> leaving = RenderToOutput("leaving", moving(100.0f));
    EXPECT_NEAR(CrossingFrequency(approaching, 2, 0, kRate), 1000.0 * 343.5 / 243.5, 15.0);
    EXPECT_NEAR(CrossingFrequency(leaving, 2, 0, kRate), 1000.0 * 343.5 / 443.5, 15.0);
}

TEST(DeviceOutput, SettingsVolumesReachTheVoices)
{
    const auto play = [](SoundEngine& engine, Output&) {
        engine.CreateSound2D("tone.wav", true, 0);
        engine.CreateMusic("music/tone.xwma", false, true, 0);
    };
    // The master volume scales everything; the sound volume the tone, the music volume
    // the music, both at creation and for sounds already playing.
    const SheetVolumes sheet{0.5f, 0.4f, 0.8f};
    const std::vector<int16_t> full = RenderToOutput("volumes_full", play);
    const std::vector<int16_t> fromSheet = RenderToOutput("volumes_sheet", play, &sheet);
    const std::vector<int16_t> changed = RenderToOutput(
        "volumes_changed",
        [&](SoundEngine& engine, Output& output) {
            play(engine, output);
            engine.SetSoundVolume(0.25f);
            engine.SetMusicVolume(0.1f);
        },
        &sheet);

    const auto sound = [](const std::vector<int16_t>& samples) {
        return SteadyToneLevel(samples, 2, 0, 1000.0, kRate, 0.05);
    };
    const auto music = [](const std::vector<int16_t>& samples) {
        return SteadyToneLevel(samples, 2, 0, 250.0, kRate, 0.05);
    };
    const double soundFull = sound(full);
    const double musicFull = music(full);
    ASSERT_GT(soundFull, 0);
    ASSERT_GT(musicFull, 0);
    EXPECT_NEAR(sound(fromSheet) / soundFull, 0.5 * 0.4, 0.02);
    EXPECT_NEAR(music(fromSheet) / musicFull, 0.5 * 0.8, 0.04);
    EXPECT_NEAR(sound(changed) / soundFull, 0.5 * 0.25, 0.0125);
    EXPECT_NEAR(music(changed) / musicFull, 0.5 * 0.1, 0.005);
}

TEST(DeviceOutput, NoDeviceRunsSilentWithOneLoggedLine)
{
    ScratchFolder folder("nodevice");
    WriteBytes("sounds/tone.wav", ToneWave(1000.0f, 0.1f));
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("ALSOFT_DRIVERS", "no-such-driver", 1);
            LogCapture::Clear();
            ResourceSystem resources(&Dumper::Instance(), 1);
            SoundEngine engine(&resources, &Dumper::Instance(), nullptr);
            SOUND3D_POSE pose;
            const bool silent = !engine.Init() && engine.IsDisabled() && !engine.Init() &&
                                engine.CreateSound2D("tone.wav", true, 0) == nullptr &&
                                engine.CreateSound3D("tone.wav", pose, true, true, 0) == nullptr &&
                                engine.CreateMusic("music/none.xwma", true, true, 0) == nullptr &&
                                engine.GetSoundLenght("tone.wav") == 0.0f;
            // The sound files' extensions still name the engine, so a load by name finds it
            // without a device as with one.
            const bool registered = LogCapture::Count("Extension \".wav\" registered") == 1 &&
                                    LogCapture::Count("Extension \".xwma\" registered") == 1 &&
                                    resources.PrecacheResource("tone.wav", 0);
            engine.SetSoundVolume(0.5f);
            engine.UpdatePose(pose);
            engine.Update();
            engine.ShutDown();
            std::exit(silent && registered && LogCapture::Count("no audio device") == 1 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
