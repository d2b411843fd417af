#include "sounds/WaveBuilder.h"

#include "foundation/base/BinaryWriter.h"

std::vector<uint8_t> BuildWave(const std::vector<int16_t>& samples, int channels, int sampleRate)
{
    const uint32_t dataSize = static_cast<uint32_t>(samples.size() * 2);
    BinaryWriter w;
    w.WriteBytes("RIFF", 4);
    w.Write(uint32_t(4 + 8 + 16 + 8 + dataSize));
    w.WriteBytes("WAVE", 4);
    w.WriteBytes("fmt ", 4);
    w.Write(uint32_t(16));
    w.Write(uint16_t(1));
    w.Write(uint16_t(channels));
    w.Write(uint32_t(sampleRate));
    w.Write(uint32_t(sampleRate * channels * 2));
    w.Write(uint16_t(channels * 2));
    w.Write(uint16_t(16));
    w.WriteBytes("data", 4);
    w.Write(dataSize);
    for (int16_t s : samples)
        w.Write(uint16_t(s));
    return w.Data();
}
