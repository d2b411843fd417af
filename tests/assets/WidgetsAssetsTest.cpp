#include "AssetNames.h"

#include <gtest/gtest.h>

// What the menu-screen widgets open: their movies (the game asks for "swf//name.swf", the
// player opens "swf/name.lua"), the picture of the pilot's ship, and the pilot's default
// portrait (the name a new profile carries). The race emblems come with the profiles.
TEST(Assets, MenuWidgets)
{
    std::vector<std::string> names = {"materials/angar//default_ship.mat", "textures/angar/default_ship.dds",
                                      "materials/faces//player.mat", "textures/faces/player.dds"};
    for (const char* movie :
         {"smallButton", "middleButton", "bigButton2", "buttonTitle", "title", "remarks", "personal_info", "ugolokTL",
          "ugolokTR", "ugolokBL", "ugolokBR", "tg_pirat", "itemSelected", "itemPassive", "itemFull", "itemFull_e",
          "races_column", "pirates_column_back", "pirates_column"})
        names.push_back(std::string("swf/") + movie + ".lua");
    ExpectAssetsPresent(names);
}
