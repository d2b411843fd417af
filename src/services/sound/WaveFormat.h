#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/audio/AudioTypes.h"

class BinaryReader;

// The format block of a wave or xWMA file: the fixed fields and up to 22 bytes of
// codec extension (40 bytes in all, as the files carry it).
struct WaveFormat
{
    static constexpr size_t kBlockSize = 40;
    static constexpr size_t kFixedSize = 18; // the fields below but the extension
    static constexpr uint16_t kTagPcm = 1;
    static constexpr uint16_t kTagWma2 = 0x0161;

    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    uint16_t extraSize = 0;
    uint8_t extra[kBlockSize - kFixedSize] = {};

    // The format as the device plays it; not playable unless integer PCM.
    audio::PcmFormat Pcm() const;
};

// Reads a "fmt " chunk of the given length: at most 40 bytes into the block, the rest
// skipped. False, with the reason, when the chunk is shorter than the 16 bytes every
// format has or runs past the file.
bool ReadFormatChunk(BinaryReader& reader, uint32_t length, WaveFormat& format, std::string& error);

// A four-character code as a little-endian word.
constexpr uint32_t FourCC(const char (&text)[5])
{
    return uint32_t(uint8_t(text[0])) | uint32_t(uint8_t(text[1])) << 8 | uint32_t(uint8_t(text[2])) << 16 |
           uint32_t(uint8_t(text[3])) << 24;
}

// Reads the RIFF header of the given form ("WAVE", "XWMA") and the "fmt " chunk that must follow it.
// False, with the reason, otherwise; `kind` names the file in that reason.
bool ReadRiffFormat(BinaryReader& reader, uint32_t form, const char* kind, WaveFormat& format, std::string& error);

// Scans up to maxWords words, the first of them included, for "data" and reads the
// size after it. False, with the reason, when there is none.
bool FindDataChunk(BinaryReader& reader, int maxWords, uint32_t& size, std::string& error);
