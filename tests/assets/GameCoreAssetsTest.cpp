#include "AssetNames.h"

#include <gtest/gtest.h>

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
