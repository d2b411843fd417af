#include "setup/VideoModes.h"

#include <gtest/gtest.h>

namespace {

TEST(VideoModesTest, OneEntryPerSizeWithItsBestRefreshRateByWidth)
{
    const struct
    {
        const char* what;
        std::vector<DisplayMode> reported;
        std::vector<VideoMode> expected;
    } cases[] = {
        {"sizes merged, higher rate kept",
         {{1024, 768, 60, 32}, {1024, 768, 85, 32}, {800, 600, 60, 32}},
         {{800, 600, 60}, {1024, 768, 85}}},
        {"a lower rate later keeps the higher", {{1024, 768, 85, 32}, {1024, 768, 60, 24}}, {{1024, 768, 85}}},
        {"equal widths keep the reported order",
         {{1280, 1024, 60, 32}, {1280, 720, 60, 32}, {640, 480, 60, 32}, {1280, 960, 60, 32}},
         {{640, 480, 60}, {1280, 1024, 60}, {1280, 720, 60}, {1280, 960, 60}}},
        {"nothing reported", {}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MergeVideoModes(c.reported), c.expected) << c.what;
}

TEST(VideoModesTest, TheScreenSizeFindsItsEntryElseTheFirst)
{
    const std::vector<VideoMode> modes = {{800, 600, 60}, {1024, 768, 85}, {1280, 1024, 60}};
    EXPECT_EQ(FindVideoMode(modes, 1024, 768), 1);
    EXPECT_EQ(FindVideoMode(modes, 1024, 600), 0);
    EXPECT_EQ(FindVideoMode({}, 800, 600), -1);
    EXPECT_EQ(VideoModeText(modes[1]), "1024x768");
}

} // namespace
