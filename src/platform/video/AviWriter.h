#pragma once

#include <cstdint>
#include <functional>
#include <string>

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

// Writes an AVI file of MPEG-4 visual video (no sound) whose frames `paint` draws. False, with
// the reason, when the format is out of range or FFmpeg cannot encode or write it.
bool WriteAvi(const std::string& path, const AviFormat& format, const FramePainter& paint, std::string& error);

} // namespace video
