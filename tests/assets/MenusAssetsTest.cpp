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

// The main menu with its panels, boxes and carousels, and the pause menu: their movies (the
// game asks for "swf//name.swf", the player opens "swf/name.lua"), materials with the textures
// they name, the menu video, sounds and music, and the credits.
TEST(Assets, MainMenuPanelsCarouselsAndPauseMenu)
{
    std::vector<std::string> names = {
        "materials/video//mainmenu_bg.mat",
        "materials/angar//devices_arrow_big.mat",
        "materials/angar//devices_arrow_small.mat",
        "textures/angar/devices_arrow_big.dds",
        "textures/angar/devices_arrow_small.dds",
        "materials/angar//default_ship.mat",
        "materials/faces//player.mat",
        "movies/menu.avi",
        "music/00_menu.xwma",
        "sounds/menu/select_button.wav",
        "sounds/menu/select_slot.wav",
        "sounds/menu/press_button.wav",
        "credits.txt",
    };
    for (const char* piece : {"slot1_back1", "slot1_back2", "slot2_back1", "slot2_back2", "slot3_back1", "slot3_ramka"})
    {
        names.push_back(std::string("materials/gui_profiles//") + piece + ".mat");
        names.push_back(std::string("textures/gui_profiles/") + piece + ".dds");
    }
    for (const char* movie :
         {"logo",       "bigButton2", "smallButton",    "title",         "remarks",       "confirm",     "field_short",
          "tape_field", "name_used",  "profiles_ramka", "f_slot_small",  "f_slot_medium", "f_slot_big",  "f_slot_ramka",
          "face_board", "text",       "m_slot_small",   "m_slot_medium", "m_slot_big",    "m_slot_ramka"})
        names.push_back(std::string("swf/") + movie + ".lua");
    ExpectAssetsPresent(names);
}
