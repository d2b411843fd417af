#include "platform/video/CaptureDevice.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

using video::CaptureFormat;

TEST(CaptureFormats, FramesConvertToBlueGreenRedRows)
{
    struct Case
    {
        const char* what;
        CaptureFormat format;
        std::vector<uint8_t> frame;
        unsigned pitch;
        std::vector<uint8_t> bgr;
    };
    const Case cases[] = {
        // Studio-range YUV, two pixels to one U and V: white and black share neutral colour.
        {"yuyv white and black", {video::PIXEL_YUYV, 2, 1}, {235, 128, 16, 128}, 4, {255, 255, 255, 0, 0, 0}},
        {"yuyv red", {video::PIXEL_YUYV, 2, 1}, {81, 90, 81, 240}, 4, {0, 0, 255, 0, 0, 255}},
        {"yuyv odd width", {video::PIXEL_YUYV, 1, 1}, {235, 128, 0, 128}, 4, {255, 255, 255}},
        {"rgb24 turned", {video::PIXEL_RGB24, 2, 1}, {1, 2, 3, 4, 5, 6}, 6, {3, 2, 1, 6, 5, 4}},
        // Rows padded to 8 bytes: the padding is skipped.
        {"bgr24 padded",
         {video::PIXEL_BGR24, 2, 2},
         {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12},
         8,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
    };
    for (const Case& c : cases)
    {
        std::vector<uint8_t> out(c.bgr.size(), 0x55);
        ASSERT_TRUE(video::ConvertToBgr24(c.format, c.frame.data(), c.frame.size(), c.pitch, out.data())) << c.what;
        EXPECT_EQ(out, c.bgr) << c.what;
    }

    // Too short for its rows, a pitch shorter than a row, a format without a conversion.
    std::vector<uint8_t> out(64);
    const uint8_t frame[12] = {};
    EXPECT_FALSE(video::ConvertToBgr24({video::PIXEL_BGR24, 2, 2}, frame, 11, 6, out.data()));
    EXPECT_FALSE(video::ConvertToBgr24({video::PIXEL_BGR24, 2, 2}, frame, 12, 5, out.data()));
    EXPECT_FALSE(video::ConvertToBgr24({video::PIXEL_MJPEG, 2, 2}, frame, 12, 6, out.data()))
        << "compressed samples need a decoder";
    EXPECT_FALSE(video::ConvertToBgr24({video::FourCC('H', '2', '6', '4'), 2, 2}, frame, 12, 6, out.data()));
    EXPECT_FALSE(video::CanConvertToBgr24(video::FourCC('H', '2', '6', '4')));
}

TEST(CaptureDevices, OnlyVideoNodesAreFoundAndOnlyCaptureDevicesOpen)
{
    const auto folder = std::filesystem::temp_directory_path() / ("capture_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    for (const char* name : {"video10", "video2", "video0", "videox", "video", "audio0"})
        std::ofstream(folder / name) << "not a device";
    const std::vector<std::string> found = video::FindCaptureDevices(folder.string());
    EXPECT_EQ(found, (std::vector<std::string>{(folder / "video0").string(), (folder / "video2").string(),
                                               (folder / "video10").string()}));
    EXPECT_TRUE(video::FindCaptureDevices((folder / "none").string()).empty());

    for (const std::string& path : {found[0], (folder / "missing").string(), std::string("/dev/null")})
    {
        std::string error;
        EXPECT_FALSE(video::CaptureDevice::Open(path, error)) << path;
        EXPECT_FALSE(error.empty()) << path;
    }
    std::filesystem::remove_all(folder);
}
