#include "AssetNames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void Add(std::vector<std::string>& names, const std::vector<std::string>& more)
{
    names.insert(names.end(), more.begin(), more.end());
}

} // namespace

// The mission screens: their movies (the game asks for "swf//name.swf", the player opens
// "swf/name.lua"), the video they play, their materials with the textures those name, and the
// sounds and music of their events.
TEST(Assets, MissionScreens)
{
    std::vector<std::string> names = {
        "movies/stock_ex.avi",
        "movies/menu.avi",
        "music/00_menu.xwma",
        "sounds/menu/select_button.wav",
        "sounds/menu/select_slot.wav",
        "sounds/menu/press_button.wav",
        "materials/gui_mission_desc.mat",
        "materials/gui_team.mat",
        "materials/gui_stock_ex.mat",
        "materials/gui_score.mat",
        "materials/gui_multiplayer_bg.mat",
        "materials/black.mat",
        "materials/gui_team//loan_s.mat",
        "textures/gui_team/loan_s.dds",
        "materials/agent/agent.mat",
        "materials/agent/button_bg.mat",
        "materials/agent/briefing_bg_00.mat",
        "materials/agent/briefing_bg_01.mat",
        "textures/agent/agent.dds",
        "textures/agent/button_bg.dds",
        "textures/agent/briefing_bg_00.dds",
        "textures/agent/briefing_bg_01.dds",
    };
    for (const char* arrow : {"up", "down"})
    {
        names.push_back(std::string("materials/angar//scroll_arrow_") + arrow + ".mat");
        names.push_back(std::string("textures/angar/scroll_arrow_") + arrow + ".dds");
    }
    for (const char* picture : {"m1", "m1s", "m3", "m3s"})
    {
        names.push_back(std::string("materials/gui_mission_select//") + picture + ".mat");
        names.push_back(std::string("textures/gui_mission_select/") + picture + ".dds");
    }
    for (const char* race : {"ytg", "blg", "rtb", "tld", "fslk", "sha", "asp", "smkt"})
        names.push_back(std::string("materials/races//") + race + ".mat");
    Add(names, NumberedAssets("materials/agent/photo%.2d.mat", 0, 9));
    Add(names, NumberedAssets("textures/agent/photo%.2d.dds", 0, 9));
    for (const char* movie : {"mission_map",
                              "mission_desc_1",
                              "md_e",
                              "tg_left_column",
                              "tg_right_column",
                              "gentlemen_caret",
                              "tg_mission_desc",
                              "message_board",
                              "loan_p",
                              "loan_a",
                              "tg_pirat",
                              "devices_back",
                              "title",
                              "remarks",
                              "personal_info",
                              "middleButton",
                              "buttonTitle",
                              "itemPassive",
                              "itemSelected",
                              "itemFull",
                              "itemFull_e",
                              "races_column",
                              "pirates_column_back",
                              "pirates_column",
                              "confirm",
                              "f_slot_small",
                              "f_slot_medium",
                              "f_slot_big",
                              "f_slot_ramka",
                              "face_board",
                              "text"})
        names.push_back(std::string("swf/") + movie + ".lua");
    ExpectAssetsPresent(names);
}

// The faces the game data's pilots for hire and dealers name, and the two offers' missions.
TEST(Assets, OffersPeopleAndMissions)
{
    std::vector<std::string> names = {
        "levels\\lvl00.lvl", "levels\\lvl00_desc.lvl", "levels\\lvl00_logic.lvl",
        "levels\\lvl12.lvl", "levels\\lvl12_desc.lvl", "levels\\lvl12_logic.lvl",
    };
    Add(names, NumberedAssets("materials/npcs/pirate_%.2d.mat", 0, 7));
    Add(names, NumberedAssets("textures/npcs/pirate_%.2d.dds", 0, 7));
    Add(names, NumberedAssets("materials/npcs/dealer_%.2d.mat", 0, 1));
    Add(names, NumberedAssets("textures/npcs/dealer_%.2d.dds", 0, 1));
    ExpectAssetsPresent(names);
}
