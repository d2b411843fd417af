#include "layers/video/VideoTextureSize.h"

#include <gtest/gtest.h>

TEST(VideoTextureSize, FollowsTheWidthRuleAfterPowersOfTwo)
{
    struct Case
    {
        int width, height;
        bool powerOfTwo;
        int textureWidth, textureHeight;
    };
    const Case cases[] = {
        {320, 240, false, 512, 384},    {640, 480, false, 1024, 768}, {512, 288, false, 512, 288},
        {1920, 1080, false, 1024, 768}, {500, 300, true, 512, 512},   {320, 240, true, 512, 256},
        {1, 1, true, 512, 384},
    };
    for (const Case& c : cases)
    {
        int width = c.width, height = c.height;
        ComputeVideoTextureSize(width, height, c.powerOfTwo);
        EXPECT_EQ(width, c.textureWidth) << c.width << "x" << c.height << " " << c.powerOfTwo;
        EXPECT_EQ(height, c.textureHeight) << c.width << "x" << c.height << " " << c.powerOfTwo;
    }
}
