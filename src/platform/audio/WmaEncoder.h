#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace audio {

// Windows Media Audio version 2, as the demo-content tools write it.
struct EncodedWma
{
    int channels = 0;
    int sampleRate = 0;
    int bitRate = 0;
    int blockAlign = 0;         // every packet has this size
    int samplesPerPacket = 0;   // decoded frames per packet
    std::vector<uint8_t> setup; // the codec's setup bytes (the format extension)
    std::vector<std::vector<uint8_t>> packets;
};

// Encodes interleaved 16-bit PCM (1 or 2 channels). False, with the reason, on failure.
bool EncodeWma2(const int16_t* samples, size_t frames, int channels, int sampleRate, int bitRate, EncodedWma& out,
                std::string& error);

} // namespace audio
