#pragma once
// The texts files of the screens, which the profile manager loads at start, in their order.
// There is no devices file for the race SMKT.
#include <array>

inline constexpr std::array<const char*, 24> ScreenTextsFiles = {
    "ui_common.txt",         "ui_profile.txt",        "ui_mainmenu.txt",
    "ui_stock_exchange.txt", "ui_briefing.txt",       "ui_multiplayer_menu.txt",
    "ui_create_game.txt",    "ui_angar.txt",          "ui_multiplayer_mode.txt",
    "ui_team_gathering.txt", "names_races.txt",       "names_pirates.txt",
    "ui_score.txt",          "ui_devices.txt",        "ui_devices_asp.txt",
    "ui_devices_blg.txt",    "ui_devices_fslk.txt",   "ui_devices_rtb.txt",
    "ui_devices_sha.txt",    "ui_devices_tld.txt",    "ui_devices_ytg.txt",
    "ui_preloader.txt",      "ui_mission_select.txt", "ui_level_menu.txt"};
