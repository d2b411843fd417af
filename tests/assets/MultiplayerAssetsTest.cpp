#include "AssetNames.h"

#include <gtest/gtest.h>

// What the multiplayer screens open: the menu video with each screen's background material and
// its movies (the carousels' own are the menus'), and what the network overlays draw with.
TEST(Assets, MultiplayerScreens)
{
    std::vector<std::string> names = {"movies/menu.avi", "materials/gui_multiplayer_bg.mat",
                                      "materials/gui_create_game.mat", "materials/gui_multiplayer_team.mat"};
    for (const char* movie :
         {"table_big", "middleButton", "buttonTitle", "mission_map2", "mission_desc2", "mission_map", "game_settings",
          "gs_message", "chat", "mp_team_1", "mp_team_2", "mt_player"})
        names.push_back(std::string("swf/") + movie + ".lua");
    ExpectAssetsPresent(names);
}

TEST(Assets, NetworkOverlays)
{
    std::vector<std::string> names = {"materials/black50.mat", "textures/black50.dds"};
    for (const char* team : {"00", "01"})
    {
        for (const char* chosen : {"", "s"})
        {
            const std::string suffix = std::string(chosen);
            names.push_back("materials/gui//network//team_" + std::string(team) + suffix + ".mat");
            names.push_back("textures/gui/network/team_" + std::string(team) + suffix + ".dds");
            for (const std::string& ship : NumberedAssets(("ship_team_" + std::string(team) + "_%.2d").c_str(), 1, 6))
            {
                names.push_back("materials/gui//network//" + ship + suffix + ".mat");
                names.push_back("textures/gui/network/" + ship + suffix + ".dds");
            }
        }
    }
    ExpectAssetsPresent(names);
}
