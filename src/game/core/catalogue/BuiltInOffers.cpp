#include "game/core/catalogue/BuiltInOffers.h"

#include "game/core/catalogue/LevelsList.h"

namespace {
// The texts are UTF-8, as every text the game draws.
constexpr const char* CargoFullDesc =
    "Two cargo ships will take some freight in system of Aldaron V in thirty six hours (11.347y., Alago cycle, 5th "
    "day, 14:88 standard Galaxy time). My client would be happy to prevent that freight leaving of Aldaron system. "
    "Mission is very easy \u2013 destroy cargo completely. Nobody should leave system. Cargo will be guarded: "
    "standard set of YTG fighters. Client is ready to pay 1.5 Mln. personally to you, plus you may grab all "
    "salvage, he-he. Few fellows are ready to help you. I need to get your decision during 3 hours.";
} // namespace

void AddBuiltInOffers(LevelsList& list)
{
    list.AddLevel("Space cleaner needed", "lvl00.lvl", "lvl00_desc.lvl", "lvl00_logic.lvl", "levels//lvl_00.mat",
                  LevelDesc::TYPE_FREE, 0, "BLG",
                  "Clean space from explosive garbage. Absolutely no risks! Good benefits!", "", "Good choice, Man!",
                  true, "Skarrow", "Arrdra-Grra-Drrratra", 0);
    list.AddLevel("Cargo annihilation", "lvl12.lvl", "lvl12_desc.lvl", "lvl12_logic.lvl", "levels//lvl_12.mat",
                  LevelDesc::TYPE_FREE, 0, "ASP",
                  "YTG Cargo ship should be completely destroyed in system of Aldaron V Small guard, asteroid field, "
                  "uninhabited system\u2026",
                  CargoFullDesc,
                  "If you are a good fighter with cash, this is your chance. You have enough of cash to buy this "
                  "offer Press Enter and assemble your gang.",
                  true, "Skarrow", "Aldaron V", 8);
}
