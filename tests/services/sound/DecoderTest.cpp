#include <gtest/gtest.h>

#include <cmath>

#include "Fixtures.h"
#include "platform/audio/Decoder.h"
#include "platform/audio/WmaEncoder.h"
#include "services/sound/XwmaReader.h"
#include "sounds/SoundCatalog.h"
#include "sounds/XwmaBuilder.h"

namespace {

std::vector<int16_t> DecodeAll(audio::Decoder& decoder)
{
    std::vector<int16_t> out;
    int16_t chunk[4096];
    const size_t channels = static_cast<size_t>(decoder.Format().channels);
    while (size_t got = decoder.Read(chunk, 4096 / channels))
        out.insert(out.end(), chunk, chunk + got * channels);
    return out;
}

} // namespace

TEST(XwmaDecoding, EncodedToneComesBackAndRewinds)
{
    ScratchFolder folder("decode");
    WriteBytes("tone.xwma", ToneXwma(440.0f, 1.0f));
    std::string error;
    std::unique_ptr<audio::Decoder> decoder = audio::Decoder::Open("tone.xwma", error);
    ASSERT_TRUE(decoder) << error;
    EXPECT_EQ(decoder->Format().channels, 1);
    EXPECT_EQ(decoder->Format().sampleRate, 44100);

    const std::vector<int16_t> first = DecodeAll(*decoder);
    // The codec keeps a packet of delay; everything else comes back.
    EXPECT_NEAR(static_cast<double>(first.size()), 44100.0, 2048.0 + 1);
    EXPECT_NEAR(CrossingFrequency(first, 1, 0, 44100), 440.0, 5.0);
    EXPECT_GT(Rms(first, 1, 0), 0.5 * 16383 / std::sqrt(2.0));

    ASSERT_TRUE(decoder->Rewind());
    EXPECT_EQ(DecodeAll(*decoder).size(), first.size());
}

TEST(XwmaDecoding, GeneratedMusicIsValidAndNotSilent)
{
    ScratchFolder folder("music");
    const CatalogEntry entry = MusicCatalog().front();
    const std::vector<int16_t> samples = entry.make();
    audio::EncodedWma wma;
    std::string error, warning;
    ASSERT_TRUE(audio::EncodeWma2(samples.data(), samples.size(), 1, 44100, 64000, wma, error)) << error;
    const std::vector<uint8_t> file = BuildXwma(wma);

    XwmaLayout layout;
    ASSERT_TRUE(ReadXwmaLayout(file.data(), file.size(), entry.path, layout, error, warning)) << error;
    EXPECT_EQ(layout.dataSize, file.size() - layout.dataOffset);
    EXPECT_EQ(layout.decodedBytes.size() * wma.blockAlign, layout.dataSize);

    WriteBytes("menu.xwma", file);
    std::unique_ptr<audio::Decoder> decoder = audio::Decoder::Open("menu.xwma", error);
    ASSERT_TRUE(decoder) << error;
    const std::vector<int16_t> decoded = DecodeAll(*decoder);
    EXPECT_GT(decoded.size(), samples.size() - 4096);
    EXPECT_GT(Rms(decoded, 1, 0), 0.5 * Rms(samples, 1, 0));
}

TEST(XwmaDecoding, MissingOrForeignFileIsRefused)
{
    ScratchFolder folder("refuse");
    WriteBytes("text.xwma", std::vector<uint8_t>(300, 'a'));
    // Plain PCM in the container at two billion samples a second: the stream would
    // ask for a gigabyte of buffer.
    std::vector<uint8_t> wild = ToneXwma(440.0f, 0.3f);
    const uint8_t pcmAtTwoGigahertz[] = {1, 0, 1, 0, 0x00, 0x94, 0x35, 0x77};
    std::copy(std::begin(pcmAtTwoGigahertz), std::end(pcmAtTwoGigahertz), wild.begin() + 20);
    WriteBytes("wild.xwma", wild);
    for (const char* path : {"missing.xwma", "text.xwma", "wild.xwma"})
    {
        std::string error;
        EXPECT_FALSE(audio::Decoder::Open(path, error)) << path;
        EXPECT_FALSE(error.empty());
    }
}
