#include "AssetNames.h"

#include <gtest/gtest.h>

// The offers' missions with their logic and the sub-levels it loads, the voice lines and music
// that logic plays, and the statistics panel's picture it names.
TEST(Assets, MissionLogic)
{
    ExpectAssetsPresent({
        "levels\\lvl00.lvl",
        "levels\\lvl00_desc.lvl",
        "levels\\lvl00_logic.lvl",
        "levels\\lvl00_won.lvl",
        "levels\\lvl12.lvl",
        "levels\\lvl12_desc.lvl",
        "levels\\lvl12_logic.lvl",
        "levels\\lvl12_guard.lvl",
        "levels\\lvl12_won.lvl",
        "sounds/localization\\en\\mission00\\m00_start_v1.wav",
        "sounds/localization\\en\\mission00\\m00_ambush_v1.wav",
        "sounds/localization\\en\\mission00\\m00_ambush_v2.wav",
        "sounds/localization\\en\\mission00\\m00_hurry_v1.wav",
        "sounds/localization\\en\\mission00\\m00_clean_v1.wav",
        "sounds/localization\\en\\mission12\\m12_start_v1.wav",
        "sounds/localization\\en\\mission12\\m12_cargo_down_v1.wav",
        "sounds/localization\\en\\mission12\\m12_cargo_down_v2.wav",
        "sounds/localization\\en\\mission12\\m12_done_v1.wav",
        "music\\02_arrdra_exploration.xwma",
        "music\\02_arrdra_battletrack.xwma",
        "music\\12_aldaron_exploration.xwma",
        "music\\01_ytg_battletrack.xwma",
        "materials/gui//icons//ytg_portal_03.mat",
    });
}
