#include "TestVideos.h"

#include "platform/video/VideoDecoder.h"

#include <cstring>
#include <fstream>
#include <vector>

class VideoDecoderTest : public ::testing::Test
{
protected:
    TestFolder _files;
};

TEST_F(VideoDecoderTest, WrittenVideoDecodesFrameByFrameWithItsPicture)
{
    const std::string path = _files.WriteQuarters("quarters.avi", 10, 10);
    std::string error;
    auto decoder = video::VideoDecoder::Open(path, error);
    ASSERT_TRUE(decoder) << error;
    EXPECT_EQ(decoder->GetWidth(), 64);
    EXPECT_EQ(decoder->GetHeight(), 48);
    EXPECT_NEAR(decoder->GetFrameDuration(), 0.1, 1e-9);

    double time = -1;
    ASSERT_TRUE(decoder->NextFrame(time));
    EXPECT_EQ(time, 0.0);
    // Scaled up into rows with a pitch wider than the picture: each quarter keeps its colour
    // and place, and the bytes past each row stay as they were.
    const int width = 128, height = 96, pitch = width * 4 + 16;
    std::vector<uint8_t> pixels(size_t(pitch) * height, 0xAB);
    ASSERT_TRUE(decoder->ConvertFrame(pixels.data(), width, height, pitch));
    for (int y : {10, 80})
    {
        for (int x : {10, 110})
        {
            uint32_t pixel;
            std::memcpy(&pixel, &pixels[size_t(y) * pitch + x * 4], 4);
            EXPECT_TRUE(NearColor(pixel, QuarterColor(x, y, width, height)))
                << std::hex << pixel << " at " << std::dec << x << "," << y;
        }
        EXPECT_EQ(pixels[size_t(y) * pitch + width * 4], 0xAB);
    }

    std::vector<double> times;
    while (decoder->NextFrame(time))
        times.push_back(time);
    ASSERT_EQ(times.size(), 9u);
    for (size_t i = 0; i < times.size(); ++i)
        EXPECT_NEAR(times[i], 0.1 * (i + 1), 1e-6);

    ASSERT_TRUE(decoder->Rewind());
    ASSERT_TRUE(decoder->NextFrame(time));
    EXPECT_NEAR(time, 0.0, 1e-6) << "a rewound stream starts again at its first frame";
}

TEST_F(VideoDecoderTest, FilesThatAreNoVideoAreRefusedAndCutFilesEnd)
{
    const std::vector<char> bytes = ReadAll(_files.WriteQuarters("good.avi", 10, 10));
    const size_t frames = Find(bytes, "movi"), index = Find(bytes, "idx1");
    ASSERT_LT(frames, index);
    auto cut = [&](size_t size) { return std::vector<char>(bytes.begin(), bytes.begin() + size); };
    std::vector<char> blank = bytes;
    std::fill(blank.begin() + frames + 4, blank.begin() + index, 0);
    std::vector<char> garbage(4096);
    for (size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = char(i * 7919 >> 3);
    std::vector<char> text(1000, 'x');

    struct Case
    {
        std::string path;
        bool mayOpen; // a cut file may still hold a readable header
    };
    const Case cases[] = {
        {_files.PathOf("missing.avi"), false},
        {_files.Write("empty.avi", {}), false},
        {_files.Write("garbage.avi", garbage), false},
        {_files.Write("text.avi", text), false},
        {_files.Write("header.avi", cut(64)), false},
        {_files.Write("blank_frames.avi", blank), false},
        {_files.Write("no_index.avi", cut(index)), true},
        {_files.Write("half_frames.avi", cut((frames + index) / 2)), true},
    };
    for (const Case& c : cases)
    {
        std::string error;
        auto decoder = video::VideoDecoder::Open(c.path, error);
        if (!decoder)
        {
            EXPECT_FALSE(error.empty()) << c.path;
            continue;
        }
        EXPECT_TRUE(c.mayOpen) << c.path;
        int count = 0;
        double time;
        while (decoder->NextFrame(time) && count < 100)
            ++count;
        EXPECT_LE(count, 10) << c.path;
    }
}
