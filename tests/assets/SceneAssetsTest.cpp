#include "AssetNames.h"

#include <gtest/gtest.h>

// What the render scene loads itself: its lighting stage, post chain and lens flares.
TEST(Assets, SceneStages)
{
    ExpectAssetsPresent({"ShaderLib/SYS_DeferredShading.fx", "ShaderLib/SYS_OmniShape.fx", "ShaderLib/SYS_SpotShape.fx",
                         "ShaderLib/PP_Antialias.fx", "ShaderLib/PP_DownSampler.fx", "ShaderLib/PP_Bloor.fx",
                         "ShaderLib/PP_BloomColorKey.fx", "ShaderLib/PP_Glow.fx", "ShaderLib/PP_MotionBloor.fx",
                         "textures/pp_motionbloor_mask.dds", "materials/lensflare.mat", "textures/lensflare.dds",
                         "ShaderLib/MAT_Flare.fx"});
    // The ambient occlusion effect, which a chain may add.
    ExpectAssetsPresent({"ShaderLib/PP_SSAO_Pass0_DownsampleDB.fx", "ShaderLib/PP_SSAO_Pass1_CoreAlg.fx",
                         "ShaderLib/PP_SSAO_Pass2_BlurFinal.fx", "ShaderLib/INC_SSAO.fx",
                         "textures/pp_SSAO_RandomNormals4x4MIPs.dds"});
}

// The scene's demo models and the meshes and materials they bind.
TEST(Assets, SceneModels)
{
    ExpectAssetsPresent({"assets/demo_ship.mod", "meshes/hull.sms", "meshes/sphere.sms", "materials/hull.mat",
                         "materials/glow.mat", "materials/noise.mat", "ShaderLib/MAT_Diffuse.fx"});
}
