#include <gtest/gtest.h>

#include "foundation/base/BinaryWriter.h"
#include "services/sound/WaveReader.h"
#include "services/sound/XwmaReader.h"
#include "sounds/XwmaBuilder.h"

namespace {

struct WaveSpec
{
    uint16_t tag = 1;
    uint16_t channels = 1;
    uint16_t bits = 16;
    uint32_t fmtLength = 16;
    uint32_t fmtLengthClaim = 0; // the format length field lies when not 0
    bool junkFirst = false;      // a "JUNK" chunk of 28 bytes before the format
    uint32_t listBytes = 0;      // a "LIST" chunk of this many bytes (padded when odd) before "data"
    uint32_t extraChunks = 0;    // empty "fact" chunks before "data"
    uint32_t strayLength = 0;    // a chunk of this claimed length before "data", when not 0
    int64_t dataSizeDelta = 0;   // the "data" size lies by this much
    size_t cutTo = SIZE_MAX;     // the file ends here
    const char* riff = "RIFF";
};

constexpr uint32_t kFrames = 100;

std::vector<uint8_t> MakeWave(const WaveSpec& s)
{
    BinaryWriter w;
    w.WriteBytes(s.riff, 4);
    w.Write(uint32_t(0));
    w.WriteBytes("WAVE", 4);
    if (s.junkFirst)
    {
        w.WriteBytes("JUNK", 4);
        w.Write(uint32_t(28));
        for (int i = 0; i < 28; ++i)
            w.Write(uint8_t(0));
    }
    w.WriteBytes("fmt ", 4);
    w.Write(s.fmtLengthClaim ? s.fmtLengthClaim : s.fmtLength);
    const uint16_t frame = static_cast<uint16_t>(s.channels * s.bits / 8);
    std::vector<uint8_t> fmt;
    {
        BinaryWriter f;
        f.Write(s.tag);
        f.Write(s.channels);
        f.Write(uint32_t(44100));
        f.Write(uint32_t(44100 * frame));
        f.Write(frame);
        f.Write(s.bits);
        fmt = f.Data();
    }
    fmt.resize(s.fmtLength, 0xAB);
    w.WriteBytes(fmt.data(), fmt.size());
    if (s.listBytes)
    {
        // As ffmpeg writes it: "INFO" and an "ISFT" entry naming the encoder.
        w.WriteBytes("LIST", 4);
        w.Write(s.listBytes);
        const char info[] = "INFOISFT\x0e\0\0\0Lavf60.16.100\0";
        for (uint32_t i = 0; i < s.listBytes; ++i)
            w.Write(uint8_t(i < sizeof(info) - 1 ? info[i] : 'x'));
        if (s.listBytes & 1)
            w.Write(uint8_t(0));
    }
    for (uint32_t i = 0; i < s.extraChunks; ++i)
    {
        w.WriteBytes("fact", 4);
        w.Write(uint32_t(0));
    }
    if (s.strayLength)
    {
        w.WriteBytes("odd!", 4);
        w.Write(s.strayLength);
    }
    w.WriteBytes("data", 4);
    const uint32_t dataSize = kFrames * frame;
    w.Write(static_cast<uint32_t>(dataSize + s.dataSizeDelta));
    for (uint32_t i = 0; i < dataSize; ++i)
        w.Write(uint8_t(i));
    std::vector<uint8_t> bytes = w.Data();
    if (s.cutTo < bytes.size())
        bytes.resize(s.cutTo);
    return bytes;
}

struct WaveCase
{
    const char* what;
    WaveSpec spec;
    bool ok;
    size_t samples; // audio bytes kept when ok
    bool warned;
    const char* error; // part of the reason when not ok
};

} // namespace

TEST(WaveReader, GoodTruncatedAndLyingFiles)
{
    const size_t header = 44; // with a 16-byte format and no junk
    const WaveCase cases[] = {
        {"mono 16-bit", {}, true, 200, false, ""},
        {"stereo 8-bit", {.channels = 2, .bits = 8}, true, 200, false, ""},
        {"format of 50 bytes keeps 40", {.fmtLength = 50}, true, 200, false, ""},
        {"ffmpeg's list of 26 bytes before the data", {.listBytes = 26}, true, 200, false, ""},
        {"odd list padded to even", {.listBytes = 25}, true, 200, false, ""},
        {"a chunk before the format", {.junkFirst = true, .listBytes = 26}, true, 200, false, ""},
        {"data after 64 other chunks", {.extraChunks = 64}, true, 200, false, ""},
        {"data after 65 other chunks", {.extraChunks = 65}, false, 0, false, "no \"data\" chunk within 64"},
        {"chunk longer than the file", {.strayLength = 1000000}, false, 0, false, "runs past the end"},
        {"data size beyond the file", {.dataSizeDelta = 1000}, true, 200, true, ""},
        {"cut inside the data", {.cutTo = header + 101}, true, 100, true, ""},
        {"cut inside the header", {.cutTo = 10}, false, 0, false, "not a RIFF"},
        {"cut inside the format", {.cutTo = 30}, false, 0, false, "past the end"},
        {"cut before the data size", {.cutTo = header - 2}, false, 0, false, "no \"data\""},
        {"format of 8 bytes", {.fmtLength = 8}, false, 0, false, "too short"},
        {"format size beyond the file", {.fmtLengthClaim = 100000}, false, 0, false, "past the end"},
        {"float samples", {.tag = 3, .bits = 32}, false, 0, false, "unsupported"},
        {"24-bit samples", {.bits = 24}, false, 0, false, "unsupported"},
        {"no channels", {.channels = 0}, false, 0, false, "unsupported"},
        {"not RIFF", {.riff = "RIFX"}, false, 0, false, "not a RIFF"},
    };
    for (const WaveCase& c : cases)
    {
        SCOPED_TRACE(c.what);
        const std::vector<uint8_t> bytes = MakeWave(c.spec);
        WaveData wave;
        std::string error, warning;
        const bool ok = ReadWave(bytes.data(), bytes.size(), "test.wav", wave, error, warning);
        EXPECT_EQ(ok, c.ok) << error;
        if (ok)
        {
            EXPECT_EQ(wave.samples.size(), c.samples);
            EXPECT_EQ(!warning.empty(), c.warned) << warning;
            EXPECT_EQ(wave.format.channels, c.spec.channels);
        }
        else
        {
            EXPECT_NE(error.find(c.error), std::string::npos) << error;
        }
    }
}

namespace {

audio::EncodedWma FakeWma()
{
    audio::EncodedWma wma;
    wma.channels = 2;
    wma.sampleRate = 44100;
    wma.bitRate = 64000;
    wma.blockAlign = 8;
    wma.samplesPerPacket = 2048;
    wma.setup = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    wma.packets.assign(3, std::vector<uint8_t>(8, 0x5A));
    return wma;
}

// Offsets in the file FakeWma gives: format length at 16, "dpds" at 48, its length at 52.
void Patch32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = uint8_t(value >> (8 * i));
}

} // namespace

TEST(XwmaReader, ReadsLayoutAndRejectsBrokenTables)
{
    const std::vector<uint8_t> good = BuildXwma(FakeWma());
    XwmaLayout layout;
    std::string error, warning;
    ASSERT_TRUE(ReadXwmaLayout(good.data(), good.size(), "good", layout, error, warning)) << error;
    EXPECT_EQ(layout.format.formatTag, WaveFormat::kTagWma2);
    EXPECT_EQ(layout.format.extraSize, 10);
    EXPECT_EQ(layout.format.extra[9], 10);
    EXPECT_EQ(layout.decodedBytes, (std::vector<uint32_t>{8192, 16384, 24576}));
    EXPECT_EQ(layout.dataSize, 24u);
    EXPECT_EQ(layout.dataOffset, good.size() - 24);
    EXPECT_TRUE(warning.empty());

    struct Broken
    {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* error;
    };
    std::vector<Broken> broken;
    broken.push_back({"dpds length not whole entries", good, "whole number"});
    Patch32(broken.back().bytes, 52, 10);
    broken.push_back({"dpds length beyond the file", good, "past the end"});
    Patch32(broken.back().bytes, 52, 4000);
    broken.push_back({"no dpds", good, "dpds"});
    broken.back().bytes[48] = 'x';
    broken.push_back({"format length beyond the file", good, "past the end"});
    Patch32(broken.back().bytes, 16, 5000);
    broken.push_back({"cut in the table", std::vector<uint8_t>(good.begin(), good.begin() + 60), "past the end"});
    broken.push_back({"data after 64 other words", good, "no \"data\""});
    broken.back().bytes.insert(broken.back().bytes.end() - 24 - 8, 64 * 4, 0x11);
    broken.push_back({"wave, not xWMA", good, "not a RIFF xWMA"});
    std::copy_n("WAVE", 4, broken.back().bytes.begin() + 8);
    for (const Broken& b : broken)
    {
        SCOPED_TRACE(b.what);
        EXPECT_FALSE(ReadXwmaLayout(b.bytes.data(), b.bytes.size(), "broken", layout, error, warning));
        EXPECT_NE(error.find(b.error), std::string::npos) << error;
    }
}
