#include "Fixtures.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "platform/audio/WmaEncoder.h"
#include "platform/video/AviWriter.h"
#include "sounds/Synth.h"
#include "sounds/WaveBuilder.h"
#include "sounds/XwmaBuilder.h"

namespace {

// One token per test run, inherited by the child processes of death tests so they
// find the folders their parent made.
std::string RunToken()
{
    if (!std::getenv("BM_SOUND_TEST_RUN"))
        setenv("BM_SOUND_TEST_RUN", std::to_string(getpid()).c_str(), 1);
    return std::getenv("BM_SOUND_TEST_RUN");
}

} // namespace

ScratchFolder::ScratchFolder(const std::string& name)
    : _path(std::filesystem::temp_directory_path() / ("bm_sound_" + name + "_" + RunToken())),
      _previous(std::filesystem::current_path())
{
    std::filesystem::remove_all(_path);
    std::filesystem::create_directories(_path);
    std::filesystem::current_path(_path);
}

ScratchFolder::~ScratchFolder()
{
    std::filesystem::current_path(_previous);
    std::error_code ec;
    std::filesystem::remove_all(_path, ec);
}

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> ToneWave(float frequency, float seconds)
{
    return BuildWave(synth::Tone(frequency, seconds, 0.5f), 1, synth::kRate);
}

std::vector<uint8_t> ToneXwma(float frequency, float seconds)
{
    const std::vector<int16_t> samples = synth::Tone(frequency, seconds, 0.5f);
    audio::EncodedWma wma;
    std::string error;
    if (!audio::EncodeWma2(samples.data(), samples.size(), 1, synth::kRate, 64000, wma, error))
        return {};
    return BuildXwma(wma);
}

void WriteToneVideo(const std::filesystem::path& path, float frequency, float seconds)
{
    std::filesystem::create_directories(path.parent_path());
    constexpr int Fps = 10;
    const video::AviFormat format{32, 24, Fps, std::max(1, int(seconds * Fps))};
    video::AviSound sound;
    sound.sampleRate = synth::kRate;
    sound.samples = synth::Tone(frequency, seconds, 0.5f);
    std::string error;
    const bool written = video::WriteAvi(
        path.string(), format, [](int, uint8_t* pixels, int pitch) { std::fill(pixels, pixels + pitch * 24, 0x40); },
        error, frequency > 0 ? &sound : nullptr);
    EXPECT_TRUE(written) << error;
}

double CrossingFrequency(const std::vector<int16_t>& samples, int channels, int channel, int rate)
{
    // Rising crossings with hysteresis, so faint noise between notes does not count.
    constexpr int kThreshold = 200;
    size_t frames = samples.size() / channels, crossings = 0, first = 0, last = 0;
    bool low = false;
    for (size_t i = 0; i < frames; ++i)
    {
        const int16_t v = samples[i * channels + channel];
        if (v < -kThreshold)
            low = true;
        if (low && v > kThreshold)
        {
            low = false;
            if (crossings == 0)
                first = i;
            last = i;
            ++crossings;
        }
    }
    if (crossings < 2)
        return 0;
    return static_cast<double>(crossings - 1) * rate / static_cast<double>(last - first);
}

double Rms(const std::vector<int16_t>& samples, int channels, int channel)
{
    double sum = 0;
    const size_t frames = samples.size() / channels;
    for (size_t i = 0; i < frames; ++i)
        sum += std::pow(samples[i * channels + channel], 2.0);
    return frames ? std::sqrt(sum / frames) : 0;
}

double ToneLevel(const std::vector<int16_t>& samples, int channels, int channel, double frequency, int rate)
{
    const double step = 2.0 * M_PI * frequency / rate;
    double re = 0, im = 0;
    const size_t frames = samples.size() / channels;
    for (size_t i = 0; i < frames; ++i)
    {
        const double v = samples[i * channels + channel];
        re += v * std::cos(step * static_cast<double>(i));
        im += v * std::sin(step * static_cast<double>(i));
    }
    return std::hypot(re, im);
}

double SteadyToneLevel(const std::vector<int16_t>& samples, int channels, int channel, double frequency, int rate,
                       double settle)
{
    constexpr int WindowsPerSecond = 25;
    const size_t window = static_cast<size_t>(rate / WindowsPerSecond);
    const size_t frames = samples.size() / channels;
    std::vector<double> levels;
    for (size_t start = 0; start + window <= frames; start += window)
    {
        const auto first = samples.begin() + static_cast<std::ptrdiff_t>(start * channels);
        const std::vector<int16_t> part(first, first + static_cast<std::ptrdiff_t>(window * channels));
        levels.push_back(ToneLevel(part, channels, channel, frequency, rate));
    }
    if (levels.empty())
        return 0.0;
    const double heard = 0.25 * *std::max_element(levels.begin(), levels.end());
    const auto onset = std::find_if(levels.begin(), levels.end(), [heard](double l) { return l > heard; });
    const auto from = onset + std::min<std::ptrdiff_t>(levels.end() - onset, std::ptrdiff_t(settle * WindowsPerSecond));
    std::vector<double> steady;
    std::copy_if(from, levels.end(), std::back_inserter(steady), [heard](double l) { return l > heard; });
    if (steady.empty())
        return 0.0;
    std::nth_element(steady.begin(), steady.begin() + steady.size() / 2, steady.end());
    return steady[steady.size() / 2];
}
