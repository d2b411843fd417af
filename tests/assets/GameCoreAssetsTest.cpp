#include "AssetNames.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "game/core/texts/ScreenTextsFiles.h"

// The texts files the profile manager loads, the loading tips and the settings program's own, in
// both languages the settings program offers.
TEST(Assets, GameTexts)
{
    std::vector<std::string> names;
    for (const std::string language : {"en", "ru"})
    {
        names.push_back("texts//" + language + "//difficulty.txt");
        names.push_back("texts//" + language + "//tips.txt");
        for (const char* file : ScreenTextsFiles)
            names.push_back("texts//" + language + "//" + file);
    }
    ExpectAssetsPresent(names);
}

// The voices are looked up under the game's language: each voice of the default language is
// there in the other.
TEST(Assets, VoicesInEveryLanguage)
{
    const std::filesystem::path english = std::filesystem::path(GAME_DATA_DIR) / "sounds/localization/en";
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(english))
    {
        if (entry.is_regular_file())
            names.push_back("sounds/localization/ru/" + entry.path().lexically_relative(english).string());
    }
    EXPECT_FALSE(names.empty());
    ExpectAssetsPresent(names);
}

// The files the game-data database reads, in its order.
TEST(Assets, GameData)
{
    std::vector<std::string> names = {"gamedata\\races.lua",   "gamedata\\objects.lua",        "gamedata\\devices.lua",
                                      "gamedata\\weapons.lua", "gamedata\\weapons_player.lua", "gamedata\\ships.lua"};
    for (const char* race : {"unknown", "asp", "blg", "fslk", "rtb", "sha", "smkt", "tld", "ytg", "trsk"})
        names.push_back(std::string("gamedata\\constructor_") + race + ".lua");
    names.push_back("gamedata\\npcs.lua");
    ExpectAssetsPresent(names);
}
