#include "AssetNames.h"

#include <gtest/gtest.h>

#include <filesystem>

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

// What the hangar frame and its fitting panel open: their movies and materials, the hall and
// the ship's models (every device's, the wing weapons by race code as the hangar names them,
// the drives with their flames) and the meshes those are built of.
TEST(Assets, HangarFrame)
{
    std::vector<std::string> names =
        Movies({"top_button_a", "top_button_p", "frame_m", "frame_b", "race_back", "race_txt", "save_no"});
    Add(names, "materials/angar//",
        {"back",
         "text1",
         "text2",
         "w_p",
         "w_a",
         "a_p",
         "a_a",
         "p_p",
         "p_a",
         "d_p",
         "d_a",
         "w_text",
         "a_text",
         "p_text",
         "d_text",
         "sub_back",
         "sub_yellow",
         "sub_ramka_t",
         "sub_ramka_b",
         "sub_yellow_l",
         "sub_yellow_r",
         "sub_arrows_t",
         "sub_arrows_m",
         "sub_arrows_b",
         "scroll_arrow_up",
         "scroll_arrow_down",
         "device_back",
         "device_back2",
         "device_back3",
         "device_net",
         "device_ugolok1",
         "device_ugolok2",
         "device_ugolok1_2",
         "device_ugolok2_2",
         "devices_net_big",
         "esc",
         "hall",
         "metal",
         "canopy"},
        ".mat");
    for (const char* size : {"s", "m", "b"})
        Add(names, std::string("materials/angar//fm_") + size + "_", {"direct", "strafe", "duplex", "comby"}, ".mat");
    Add(names, "assets/",
        {"angar_bg",
         "angar_bones",
         "pl_structura",
         "pl_cannon_course_asp_a",
         "pl_front_cannon_asp_a",
         "pl_front_cannon_asp_b",
         "pl_add_external_asp_a",
         "pl_add_internal_asp_a",
         "pl_armor_c_asp_a",
         "pl_armor_k_asp_a",
         "pl_armor_p_asp_a",
         "pl_armor_s_asp_a",
         "pl_armor_z_asp_a",
         "pl_cockpit_asp_a",
         "pl_cockpit_rear_asp_a",
         "pl_reactor_asp_a",
         "pl_reactor_console_asp_a",
         "pl_engine_asp_a",
         "pl_engine_drive_asp_a",
         "pl_engine_drive_asp_ac",
         "pl_engine_drive_ytg_a",
         "pl_engine_drive_ytg_b",
         "pl_engine_drive_ytg_ac",
         "pl_engine_drive_ytg_bc",
         "pl_reactor_kompres_blg",
         "pl_reactor_drive_blg_a",
         "pl_covered_asp_a",
         "pl_covered_blg_a",
         "pl_covered_fslk_a",
         "pl_covered_rtb_a",
         "pl_covered_sha_a",
         "pl_covered_tld_a",
         "pl_covered_ytg_a",
         "pl_covered_ytg_b"},
        ".mod");
    for (const char* code : {"ASP", "BLG", "FSLK", "RTB", "SHA", "SMKT", "TLD", "YTG"})
    {
        Add(names, "assets/pl_wing_", {"cannon_", "launcher_", "torpedo_"}, std::string(code) + ".mod");
        names.push_back(std::string("assets/pl_wing_cannon_") + code + "_b.mod");
        names.push_back(std::string("materials/angar/plating_") + code + ".mat");
        names.push_back(std::string("meshes/angar_wing_") + code + ".sms");
        names.push_back(std::string("meshes/angar_pod_") + code + ".sms");
    }
    Add(names, "meshes/angar_", {"hall", "block", "barrel", "dome", "nozzle"}, ".sms");
    names.push_back("particles/pl_engine_drive_ytg.pse");
    ExpectAssetsPresent(names);
    // The hangar names the wing weapons with the race code in capitals: the files are named so,
    // letter for letter.
    for (const char* file : {"pl_wing_cannon_ASP.mod", "pl_wing_cannon_YTG_b.mod", "pl_wing_launcher_SMKT.mod",
                             "pl_wing_torpedo_FSLK.mod"})
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(GAME_DATA_DIR) / "assets" / file)) << file;
}
