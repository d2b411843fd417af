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

TEST(VideoModesTest, TheSavedModeIsKeptInTheListAndFound)
{
    const std::vector<VideoMode> modes = {{800, 600, 60}, {1024, 768, 85}, {1280, 1024, 60}};
    EXPECT_EQ(FindVideoMode(modes, 1024, 768), 1);
    EXPECT_EQ(FindVideoMode(modes, 1024, 600), -1);
    EXPECT_EQ(FindVideoMode({}, 800, 600), -1);
    EXPECT_EQ(VideoModeText(modes[1]), "1024x768");

    const struct
    {
        const char* what;
        VideoMode saved;
        std::vector<VideoMode> expected;
    } cases[] = {
        {"a listed size stays once, with the listed rate", {1024, 768, 75}, modes},
        {"an unlisted size takes its place by width",
         {1152, 864, 75},
         {{800, 600, 60}, {1024, 768, 85}, {1152, 864, 75}, {1280, 1024, 60}}},
        {"after the equal widths", {800, 480, 0}, {{800, 600, 60}, {800, 480, 0}, {1024, 768, 85}, {1280, 1024, 60}}},
        {"no size, nothing to keep", {0, 0, 60}, modes},
    };
    for (const auto& c : cases)
    {
        std::vector<VideoMode> kept = modes;
        KeepVideoMode(kept, c.saved);
        EXPECT_EQ(kept, c.expected) << c.what;
    }
    std::vector<VideoMode> none;
    KeepVideoMode(none, {1024, 768, 75});
    EXPECT_EQ(none, (std::vector<VideoMode>{{1024, 768, 75}}));
}

} // namespace
