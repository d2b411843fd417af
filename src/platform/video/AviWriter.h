#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace video {

// Paints frame `index` as BGRA rows `pitch` bytes apart.
using FramePainter = std::function<void(int index, uint8_t* pixels, int pitch)>;

struct AviFormat
{
    int width = 320;
    int height = 240;
    int framesPerSecond = 25;
    int frames = 25;
};

// A sound track: interleaved 16-bit samples.
struct AviSound
{
    int channels = 1;
    int sampleRate = 22050;
    std::vector<int16_t> samples;
};

// Writes an AVI file of MPEG-4 visual video whose frames `paint` draws, with the sound track as
// 16-bit PCM when one is given. False, with the reason, when a format is out of range or FFmpeg
// cannot encode or write it.
bool WriteAvi(const std::string& path, const AviFormat& format, const FramePainter& paint, std::string& error,
              const AviSound* sound = nullptr);

} // namespace video
