#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh folder that is the working folder while the object lives.
class ScratchFolder
{
public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    const std::filesystem::path& Path() const { return _path; }

private:
    std::filesystem::path _path;
    std::filesystem::path _previous;
};

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);

// Mono 16-bit 44100 Hz wave files of a sine tone, and xWMA music of one.
std::vector<uint8_t> ToneWave(float frequency, float seconds);
std::vector<uint8_t> ToneXwma(float frequency, float seconds);
// A small video file at the path, with the tone as its sound track (none for a frequency of 0).
void WriteToneVideo(const std::filesystem::path& path, float frequency, float seconds);

// Frequency from the zero crossings of one channel of interleaved samples.
double CrossingFrequency(const std::vector<int16_t>& samples, int channels, int channel, int rate);
double Rms(const std::vector<int16_t>& samples, int channels, int channel);
// The strength of one frequency in one channel (a single-bin Fourier sum), for
// comparing how loud the same tone came out in two recordings.
double ToneLevel(const std::vector<int16_t>& samples, int channels, int channel, double frequency, int rate);
// The same strength per 40 ms once the tone has sounded for `settle` seconds: the median over
// the windows where it is heard, so a sound's start and end do not count. A window holds whole
// periods of every tone on a 25 Hz step, so tones that sound together add nothing to each
// other's level.
double SteadyToneLevel(const std::vector<int16_t>& samples, int channels, int channel, double frequency, int rate,
                       double settle);
