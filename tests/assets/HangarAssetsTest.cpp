#include "AssetNames.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Movies(std::initializer_list<const char*> movies)
{
    std::vector<std::string> names;
    for (const char* movie : movies)
        names.push_back(std::string("swf/") + movie + ".lua");
    return names;
}

void Add(std::vector<std::string>& names, const std::string& prefix, std::initializer_list<const char*> items,
         const std::string& suffix)
{
    for (const char* item : items)
        names.push_back(prefix + item + suffix);
}

} // namespace

// What the hangar's panels open: the device type selection's pieces, the balance and parameter
// movies, the ship-set menu with its carousel and name field, the picture in the corner, and
// the device cards (the devices' `guiMaterial`).
TEST(Assets, HangarPanels)
{
    std::vector<std::string> names =
        Movies({"jetSystemBalance", "devicesParameters", "tape_field", "name_used", "profiles_ramka"});
    Add(names, "materials/gui_angar_",
        {"mm_bg_00", "mm_bg_01", "mm_bg_02", "subsystem_bg", "configuration_bg", "w", "a", "e", "d", "device",
         "device_image", "device_ramka", "ramka_lt", "ramka_rb", "right_top"},
        ".mat");
    Add(names, "materials/gui_profiles//",
        {"slot1_back1", "slot1_back2", "slot2_back1", "slot2_back2", "slot3_back1", "slot3_ramka", "tape_back",
         "detail_back1", "detail_back2", "ramka_t", "ramka_b"},
        ".mat");
    Add(names, "materials/angar//",
        {"title", "elem_a1_b", "elem_a1_t", "elem_a2_b", "elem_a2_t", "elem_a3_b", "elem_a3_t", "ugolok1", "ugolok2",
         "ugolok3", "ugolok4", "devices_arrow_big", "devices_arrow_small"},
        ".mat");
    Add(names, "materials/devices/", {"weapons", "armor", "power", "additional"}, ".mat");
    Add(names, "textures/devices/", {"weapons", "armor", "power", "additional"}, ".dds");
    names.insert(names.end(), {"materials/gui_game_menu//b_text.mat", "materials/races//asp.mat", "materials/black.mat",
                               "textures/angar/panel.dds", "textures/angar/devices_arrow_big.dds",
                               "textures/angar/devices_arrow_small.dds"});
    ExpectAssetsPresent(names);
}
