#include "AssetNames.h"

#include <gtest/gtest.h>

// The texts files the profile manager loads, and the settings program's own.
TEST(Assets, GameTexts)
{
    std::vector<std::string> names;
    for (const char* file : {"ui_common.txt",         "ui_profile.txt",        "ui_mainmenu.txt",
                             "ui_stock_exchange.txt", "ui_briefing.txt",       "ui_multiplayer_menu.txt",
                             "ui_create_game.txt",    "ui_angar.txt",          "ui_multiplayer_mode.txt",
                             "ui_team_gathering.txt", "names_races.txt",       "names_pirates.txt",
                             "ui_score.txt",          "ui_devices.txt",        "ui_devices_asp.txt",
                             "ui_devices_blg.txt",    "ui_devices_fslk.txt",   "ui_devices_rtb.txt",
                             "ui_devices_sha.txt",    "ui_devices_tld.txt",    "ui_devices_ytg.txt",
                             "ui_preloader.txt",      "ui_mission_select.txt", "ui_level_menu.txt",
                             "difficulty.txt"})
        names.push_back(std::string("texts//en//") + file);
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
