#include "services/sound/WaveReader.h"

#include "foundation/base/BinaryReader.h"

namespace {
// Chunks other than "fmt " and "data" walked before giving up.
constexpr int MaxOtherChunks = 64;

// Walks the chunks after "WAVE" by their sizes (odd sizes are padded to even) up to the "data"
// chunk's size, reading the "fmt " chunk on the way; tools put "LIST", "JUNK", "fact" and
// others before either.
bool WalkToData(BinaryReader& reader, WaveFormat& format, uint32_t& dataSize, std::string& error)
{
    bool haveFormat = false;
    for (int others = 0; others <= MaxOtherChunks;)
    {
        uint32_t id = 0, length = 0;
        if (!reader.Read(id) || !reader.Read(length))
        {
            error = haveFormat ? "no \"data\" chunk" : "no \"fmt \" chunk";
            return false;
        }
        if (id == FourCC("data"))
        {
            if (!haveFormat)
            {
                error = "\"data\" comes before \"fmt \"";
                return false;
            }
            dataSize = length;
            return true;
        }
        if (id == FourCC("fmt ") && !haveFormat)
        {
            if (!ReadFormatChunk(reader, length, format, error))
                return false;
            haveFormat = true;
        }
        else if (!reader.Skip(length))
        {
            error = "chunk of " + std::to_string(length) + " bytes runs past the end of the file";
            return false;
        }
        else
            ++others;
        if ((length & 1) && reader.Remaining() > 0)
            reader.Skip(1);
    }
    error = "no \"data\" chunk within " + std::to_string(MaxOtherChunks) + " chunks";
    return false;
}
} // namespace

bool ReadWave(const uint8_t* bytes, size_t size, const std::string& source, WaveData& out, std::string& error,
              std::string& warning)
{
    out = WaveData{};
    BinaryReader reader(bytes, size, source);
    uint32_t riff = 0, riffSize = 0, form = 0;
    reader.Read(riff);
    reader.Read(riffSize);
    reader.Read(form);
    if (reader.Failed() || riff != FourCC("RIFF") || form != FourCC("WAVE"))
    {
        error = "not a RIFF wave file";
        return false;
    }
    uint32_t dataSize = 0;
    if (!WalkToData(reader, out.format, dataSize, error))
        return false;
    const audio::PcmFormat pcm = out.format.Pcm();
    if (!pcm.IsPlayable())
    {
        error = "unsupported format (tag " + std::to_string(out.format.formatTag) + ", " +
                std::to_string(out.format.channels) + " channels, " + std::to_string(out.format.bitsPerSample) +
                " bits)";
        return false;
    }
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
