#pragma once

#include <cstdint>

namespace video {

// The frames a player shows, one after another: a file's decoder, or a stand-in that a test
// wraps around one (a decoder slower than the clock).
class FrameSource
{
public:
    virtual ~FrameSource() = default;

    // Seconds a frame stays on screen.
    virtual double GetFrameDuration() const = 0;
    // Decodes the next frame; `time` is its place in the stream in seconds. False at the end of
    // the stream.
    virtual bool NextFrame(double& time) = 0;
    // The frame NextFrame gave, scaled to width x height BGRA with rows `pitch` bytes apart.
    virtual bool ConvertFrame(uint8_t* pixels, int width, int height, int pitch) = 0;
    // Back before the first frame; false when the stream cannot seek.
    virtual bool Rewind() = 0;
};

} // namespace video
