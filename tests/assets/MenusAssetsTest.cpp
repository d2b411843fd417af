#include "AssetNames.h"

#include <gtest/gtest.h>

// The frame manager's fade cover, the intro's materials, and the logo page with the textures its
// materials name.
TEST(Assets, FadeIntroAndLogoPage)
{
    std::vector<std::string> names = {
        "materials/fade.mat",         "materials/video//logo_intro.mat", "materials/black.mat", "materials/logo.mat",
        "materials/black50.mat",      "materials/gui//logo_main.mat",    "textures/logo.dds",   "textures/black50.dds",
        "textures/gui/logo_main.dds",
    };
    for (const std::string& name : NumberedAssets("materials/gui//logo_%.2d.mat", 0, 3))
        names.push_back(name);
    for (const std::string& name : NumberedAssets("textures/gui/logo_%.2d.dds", 0, 3))
        names.push_back(name);
    ExpectAssetsPresent(names);
}
