#include "AssetNames.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

// What the profiles and their mission offers name: race emblems, offer previews, the offers'
// description files with their skies, and the loading tips. The offers' level and logic files
// come with the missions.
TEST(Assets, ProfilesAndOffers)
{
    std::vector<std::string> names = {
        "texts//en//tips.txt",          "levels\\lvl00_desc.lvl",       "levels\\lvl12_desc.lvl",
        "materials/levels//lvl_00.mat", "materials/levels//lvl_12.mat", "textures/levels/lvl_00.dds",
        "textures/levels/lvl_12.dds",   "materials/sky/arrdra.mat",     "materials/sky/aldaron.mat",
        "textures/sky/arrdra.dds",      "textures/sky/aldaron.dds"};
    for (const char* race : {"asp", "blg", "fslk", "rtb", "sha", "smkt", "tld", "ytg"})
    {
        names.push_back(std::string("materials/races/") + race + ".mat");
        names.push_back(std::string("textures/races/") + race + ".dds");
    }
    ExpectAssetsPresent(names);
    EXPECT_TRUE(std::filesystem::is_directory(std::string(GAME_DATA_DIR) + "/profiles"));
}
