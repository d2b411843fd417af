#include "AssetNames.h"

#include <gtest/gtest.h>

// What the screen layers open: the movies of the console overlay and the system report (the
// game asks for "swf//name.swf", the player opens "swf/name.lua"), and the effect of Flash layers.
TEST(Assets, ScreenLayers)
{
    ExpectAssetsPresent({"swf/console.lua", "swf/sys_report.lua", "ShaderLib/MAT_ScreenQuadFlash.fx"});
}
