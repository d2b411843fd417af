#pragma once
#include <cstdint>

// Plain value types shared by the audio layer and its callers.
namespace audio {

// A vector in the engine's left-handed space (x right, y up, z forward).
struct Float3
{
    float x = 0, y = 0, z = 0;
};

// Interleaved integer PCM as the device takes it.
struct PcmFormat
{
    int channels = 0;      // 1 or 2
    int bitsPerSample = 0; // 8 (unsigned) or 16 (signed)
    int sampleRate = 0;

    bool IsPlayable() const
    {
        return (channels == 1 || channels == 2) && (bitsPerSample == 8 || bitsPerSample == 16) && sampleRate > 0;
    }
    int FrameBytes() const { return channels * bitsPerSample / 8; }
};

} // namespace audio
