#include "services/sound/WaveFormat.h"

#include <algorithm>
#include <cstring>

#include "foundation/base/BinaryReader.h"

audio::PcmFormat WaveFormat::Pcm() const
{
    if (formatTag != kTagPcm)
        return {};
    return audio::PcmFormat{channels, bitsPerSample, static_cast<int>(samplesPerSec)};
}

bool ReadRiffFormat(BinaryReader& reader, uint32_t form, const char* kind, WaveFormat& format, std::string& error)
{
    uint32_t riff = 0, riffSize = 0, fileForm = 0, fmt = 0, fmtLength = 0;
    reader.Read(riff);
    reader.Read(riffSize);
    reader.Read(fileForm);
    reader.Read(fmt);
    if (reader.Failed() || riff != FourCC("RIFF") || fileForm != form || fmt != FourCC("fmt "))
    {
        error = std::string("not a RIFF ") + kind + " file";
        return false;
    }
    if (!reader.Read(fmtLength))
    {
        error = reader.Error();
        return false;
    }
    return ReadFormatChunk(reader, fmtLength, format, error);
}

bool ReadFormatChunk(BinaryReader& reader, uint32_t length, WaveFormat& format, std::string& error)
{
    format = WaveFormat{};
    if (length < 16)
    {
        error = "format chunk of " + std::to_string(length) + " bytes is too short";
        return false;
    }
    if (length > reader.Remaining())
    {
        error = "format chunk of " + std::to_string(length) + " bytes runs past the end of the file";
        return false;
    }
    uint8_t block[WaveFormat::kBlockSize] = {};
    const size_t kept = std::min<size_t>(length, WaveFormat::kBlockSize);
    reader.ReadBytes(block, kept);
    reader.Skip(length - kept);

    BinaryReader fields(block, kept, "format block");
    fields.Read(format.formatTag);
    fields.Read(format.channels);
    fields.Read(format.samplesPerSec);
    fields.Read(format.avgBytesPerSec);
    fields.Read(format.blockAlign);
    fields.Read(format.bitsPerSample);
    if (kept >= WaveFormat::kFixedSize)
    {
        fields.Read(format.extraSize);
        // The extension holds what the chunk really carries, whatever its size field says.
        const size_t available = kept - WaveFormat::kFixedSize;
        format.extraSize = static_cast<uint16_t>(std::min<size_t>(format.extraSize, available));
        fields.ReadBytes(format.extra, format.extraSize);
    }
    return !reader.Failed();
}

bool FindDataChunk(BinaryReader& reader, int maxWords, uint32_t& size, std::string& error)
{
    for (int i = 0; i < maxWords; ++i)
    {
        uint32_t word = 0;
        if (!reader.Read(word))
            break;
        if (word == FourCC("data"))
        {
            if (reader.Read(size))
                return true;
            error = "no size after the \"data\" word";
            return false;
        }
    }
    error = "no \"data\" chunk within " + std::to_string(maxWords) + " words";
    return false;
}
