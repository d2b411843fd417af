#include "services/sound/WaveReader.h"

#include "foundation/base/BinaryReader.h"

bool ReadWave(const uint8_t* bytes, size_t size, const std::string& source, WaveData& out, std::string& error,
              std::string& warning)
{
    out = WaveData{};
    BinaryReader reader(bytes, size, source);
    if (!ReadRiffFormat(reader, FourCC("WAVE"), "wave", out.format, error))
        return false;
    const audio::PcmFormat pcm = out.format.Pcm();
    if (!pcm.IsPlayable())
    {
        error = "unsupported format (tag " + std::to_string(out.format.formatTag) + ", " +
                std::to_string(out.format.channels) + " channels, " + std::to_string(out.format.bitsPerSample) +
                " bits)";
        return false;
    }
    // The word after the format, then up to 64 more.
    uint32_t dataSize = 0;
    if (!FindDataChunk(reader, 1 + 64, dataSize, error))
        return false;

    size_t usable = dataSize;
    if (usable > reader.Remaining())
    {
        const size_t frame = static_cast<size_t>(pcm.FrameBytes());
        usable = reader.Remaining() / frame * frame;
        warning = "\"data\" claims " + std::to_string(dataSize) + " bytes but " + std::to_string(reader.Remaining()) +
                  " are left; " + std::to_string(usable) + " kept";
    }
    if (usable == 0)
    {
        error = "no audio data";
        return false;
    }
    out.samples.resize(usable);
    reader.ReadBytes(out.samples.data(), usable);
    // The device takes whole frames only.
    out.samples.resize(usable / pcm.FrameBytes() * pcm.FrameBytes());
    if (out.samples.empty())
    {
        error = "less than one frame of audio data";
        return false;
    }
    return true;
}
