#include "AssetNames.h"

#include <cstdio>
#include <filesystem>

#include <gtest/gtest.h>

#include "foundation/base/Path.h"

void ExpectAssetsPresent(const std::vector<std::string>& names)
{
    std::string missing;
    for (const std::string& name : names)
    {
        std::string path = ResolvePath(std::string(GAME_DATA_DIR) + "/" + name);
        if (!std::filesystem::is_regular_file(path))
            missing += "\n  " + name;
    }
    EXPECT_TRUE(missing.empty()) << "missing from the game data:" << missing;
}

void ExpectAssetsPresent(std::initializer_list<std::string> names)
{
    ExpectAssetsPresent(std::vector<std::string>(names));
}

std::vector<std::string> NumberedAssets(const char* format, int first, int last)
{
    std::vector<std::string> names;
    for (int i = first; i <= last; ++i)
    {
        char buffer[512];
        std::snprintf(buffer, sizeof buffer, format, i);
        names.emplace_back(buffer);
    }
    return names;
}
