#include "AssetNames.h"

#include <gtest/gtest.h>

// What the engine opens at start before any screen: configuration, bindings, the effect library.
TEST(Assets, EngineStartUp)
{
    ExpectAssetsPresent({"config_constants.lua", "config.cfg", "config.ini", "ShaderLib/SYS_DeferredShading.fx",
                         "ShaderLib/SYS_OmniShape.fx", "ShaderLib/SYS_SpotShape.fx",
                         "ShaderLib/MAT_ScreenQuadFlash.fx"});
}
