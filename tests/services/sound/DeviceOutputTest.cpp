// These tests need OpenAL Soft set up differently from the rest of the program, so each
// runs its engine in a fresh copy of the test program (a death test that exits 0).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "Fixtures.h"
#include "LogCapture.h"
#include "ResourceSystem/ResourceSystem.h"
#include "foundation/base/BinaryReader.h"
#include "foundation/base/Dumper.h"
#include "foundation/config/ConfigSystem.h"
#include "foundation/config/SoundSettings.h"
#include "services/sound/SoundEngine.h"

namespace {

// Samples of the first "data" chunk of a 16-bit wave file as OpenAL Soft writes it.
std::vector<int16_t> ReadRendered(const std::filesystem::path& path, int& channels)
{
    const std::vector<uint8_t> bytes = ReadBytes(path);
    BinaryReader reader(bytes.data(), bytes.size(), path.string());
    reader.Skip(12);
    std::vector<int16_t> samples;
    channels = 0;
    uint32_t id = 0, size = 0;
    while (reader.Read(id) && reader.Read(size))
    {
        if (id == 0x20746d66)
        { // "fmt "
            uint16_t tag = 0, count = 0;
            reader.Read(tag);
            reader.Read(count);
            channels = count;
            reader.Skip(size - 4);
        }
        else if (id == 0x61746164)
        { // "data": to the end, whatever its size says
            samples.resize(reader.Remaining() / 2);
            for (int16_t& s : samples)
                reader.Read(reinterpret_cast<uint16_t&>(s));
            break;
        }
        else
        {
            reader.Skip(size);
        }
    }
    return samples;
}

struct SheetVolumes
{
    float master, sound, music;
};

// Plays sounds to the wave-file output in a child process and returns the written
// samples (stereo, 44100 Hz, 16-bit). The engine reads its volumes from a sound
// settings sheet when one is given. Sounds: "tone.wav" (1000 Hz, 0.2 s) and
// "music/tone.xwma" (250 Hz, 0.3 s).
template <typename Play>
std::vector<int16_t> RenderToWave(const std::string& name, Play play, const SheetVolumes* volumes = nullptr)
{
    ScratchFolder folder("render_" + name);
    const std::filesystem::path output = folder.Path() / "out.wav";
    std::ofstream(folder.Path() / "alsoft.conf") << "[general]\ndrivers = wave\nchannels = stereo\n"
                                                    "sample-type = int16\nfrequency = 44100\n"
                                                    "hrtf = false\ndither = false\n"
                                                    "[wave]\nfile = "
                                                 << output.string() << "\n";
    WriteBytes("sounds/tone.wav", ToneWave(1000.0f, 0.2f));
    WriteBytes("music/tone.xwma", ToneXwma(250.0f, 0.3f));
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("ALSOFT_CONF", (folder.Path() / "alsoft.conf").c_str(), 1);
            setenv("ALSOFT_DRIVERS", "wave", 1);
            ConfigSystem config(&Dumper::Instance(), nullptr);
            SoundSettings settings(&config);
            if (volumes)
            {
                settings.SetSettingsMasterVolume(volumes->master);
                settings.SetSettingsSoundVolume(volumes->sound);
                settings.SetSettingsMusicVolume(volumes->music);
            }
            ResourceSystem resources(&Dumper::Instance(), 1);
            SoundEngine engine(&resources, &Dumper::Instance(), volumes ? &settings : nullptr);
            if (!engine.Init())
                std::exit(2);
            play(engine);
            // The device mixes in real time; a busy machine may take much longer.
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
            while (engine.GetSound2DCount() + engine.GetSound3DCount() + engine.GetMusicCount() > 0 &&
                   std::chrono::steady_clock::now() < deadline)
            {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                engine.Update();
            }
            engine.ShutDown();
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
    int channels = 0;
    std::vector<int16_t> samples = ReadRendered(output, channels);
    EXPECT_EQ(channels, 2);
    return samples;
}

SOUND3D_POSE At(Vec3 position)
{
    SOUND3D_POSE pose;
    pose.position = position;
    return pose;
}

} // namespace

TEST(DeviceOutput, PlayedToneReachesTheWaveFile)
{
    const std::vector<int16_t> samples =
        RenderToWave("tone2d", [](SoundEngine& engine) { engine.CreateSound2D("tone.wav", true, 1.0f); });
    ASSERT_FALSE(samples.empty());
    EXPECT_NEAR(CrossingFrequency(samples, 2, 0, 44100), 1000.0, 10.0);
    EXPECT_GT(Rms(samples, 2, 0), 500.0);
    EXPECT_NEAR(Rms(samples, 2, 0), Rms(samples, 2, 1), 0.05 * Rms(samples, 2, 0));
}

// A video's sound track reaches the output as its tone, for as long as its video keeps it.
TEST(DeviceOutput, AVideosSoundTrackReachesTheWaveFile)
{
    const std::vector<int16_t> samples = RenderToWave("video", [](SoundEngine& engine) {
        WriteToneVideo("movies/tone.avi", 660.0f, 0.3f);
        std::shared_ptr<VideoSound> sound = engine.CreateVideoSound("movies/tone.avi", false);
        if (!sound)
            std::exit(3);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (sound->GetPlayedSeconds() < 0.3 && std::chrono::steady_clock::now() < deadline)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            engine.Update();
        }
        sound->Close();
    });
    ASSERT_FALSE(samples.empty());
    EXPECT_NEAR(CrossingFrequency(samples, 2, 0, 44100), 660.0, 10.0);
    EXPECT_GT(Rms(samples, 2, 0), 500.0);
}

// The engine's space is left-handed (x right, y up, z forward), OpenAL's right-handed.
TEST(DeviceOutput, SoundToTheListenersRightIsLouderOnTheRight)
{
    const std::vector<int16_t> samples = RenderToWave("right", [](SoundEngine& engine) {
        SOUND3D_POSE pose = At(Vec3(50, 0, 0));
        engine.CreateSound3D("tone.wav", pose, false, true, 1.0f);
    });
    EXPECT_GT(Rms(samples, 2, 1), 2.0 * Rms(samples, 2, 0));
    EXPECT_GT(Rms(samples, 2, 1), 500.0);
}

TEST(DeviceOutput, ListenerTurnedRightHearsForwardSoundOnTheLeft)
{
    const std::vector<int16_t> samples = RenderToWave("turned", [](SoundEngine& engine) {
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
        return [distance](SoundEngine& engine) {
            SOUND3D_POSE pose = At(Vec3(0, 0, distance));
            engine.CreateSound3D("tone.wav", pose, false, true, 1.0f);
        };
    };
    const std::vector<int16_t> near = RenderToWave("near", ahead(0.0f));
    const std::vector<int16_t> half = RenderToWave("half", ahead(2500.0f));
    const std::vector<int16_t> far = RenderToWave("far", ahead(6000.0f));
    const double level = ToneLevel(near, 2, 0, 1000.0, 44100);
    ASSERT_GT(level, 0);
    EXPECT_NEAR(ToneLevel(half, 2, 0, 1000.0, 44100) / level, 0.5, 0.05);
    EXPECT_LT(ToneLevel(far, 2, 0, 1000.0, 44100) / level, 0.01);
}

// Doppler with the speed of sound 343.5: a source coming straight at the listener at
// 100 units per second sounds 343.5 / 243.5 times higher, one leaving it lower.
TEST(DeviceOutput, ApproachingSoundIsHigherAndLeavingSoundLower)
{
    const auto moving = [](float speed) {
        return [speed](SoundEngine& engine) {
            SOUND3D_POSE pose = At(Vec3(0, 0, 50));
            pose.velocity = Vec3(0, 0, speed);
            engine.CreateSound3D("tone.wav", pose, false, true, 1.0f);
        };
    };
    const std::vector<int16_t> approaching = RenderToWave("approaching", moving(-100.0f));
    const std::vector<int16_t> leaving = RenderToWave("leaving", moving(100.0f));
    EXPECT_NEAR(CrossingFrequency(approaching, 2, 0, 44100), 1000.0 * 343.5 / 243.5, 15.0);
    EXPECT_NEAR(CrossingFrequency(leaving, 2, 0, 44100), 1000.0 * 343.5 / 443.5, 15.0);
}

TEST(DeviceOutput, SettingsVolumesReachTheVoices)
{
    const auto play = [](SoundEngine& engine) {
        engine.CreateSound2D("tone.wav", true, 0);
        engine.CreateMusic("music/tone.xwma", false, true, 0);
    };
    // The master volume scales everything; the sound volume the tone, the music volume
    // the music, both at creation and for sounds already playing. (Every render comes
    // before any assertion: each child process runs the test up to its own render.)
    const SheetVolumes sheet{0.5f, 0.4f, 0.8f};
    const std::vector<int16_t> full = RenderToWave("volumes_full", play);
    const std::vector<int16_t> fromSheet = RenderToWave("volumes_sheet", play, &sheet);
    const std::vector<int16_t> changed = RenderToWave(
        "volumes_changed",
        [&](SoundEngine& engine) {
            play(engine);
            engine.SetSoundVolume(0.25f);
            engine.SetMusicVolume(0.1f);
        },
        &sheet);

    const auto sound = [](const std::vector<int16_t>& samples) {
        return SteadyToneLevel(samples, 2, 0, 1000.0, 44100, 0.05);
    };
    const auto music = [](const std::vector<int16_t>& samples) {
        return SteadyToneLevel(samples, 2, 0, 250.0, 44100, 0.05);
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
            engine.SetSoundVolume(0.5f);
            engine.UpdatePose(pose);
            engine.Update();
            engine.ShutDown();
            std::exit(silent && LogCapture::Count("no audio device") == 1 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
