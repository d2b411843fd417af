// The demo data behind the built-in offers: their description files run and name a sky that
// exists, their previews exist, and the tips file gives tips.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "CoreTestSupport.h"
#include "foundation/base/Name.h"
#include "foundation/base/Path.h"
#include "foundation/lua/Table.h"
#include "foundation/lua/VirtualMachine.h"
#include "game/core/catalogue/BuiltInOffers.h"
#include "game/core/catalogue/LevelTips.h"
#include "game/core/catalogue/LevelsList.h"

namespace {
bool IsDataFile(const std::string& path)
{
    return std::filesystem::is_regular_file(ResolvePath(std::string(GAME_DATA_DIR) + "/" + path));
}
} // namespace

TEST(DemoCatalogue, EachBuiltInOfferHasADescriptionWithABackgroundAndAPreview)
{
    LevelsList list;
    AddBuiltInOffers(list);
    for (int i = 0; i < list.GetFreeCount(); ++i)
    {
        const LevelDesc& offer = *list.GetFreeDesc(i);
        SCOPED_TRACE(offer.GetName());
        EXPECT_TRUE(IsDataFile(std::string("materials/") + offer.GetPreview()));

        VirtualMachine vm;
        Table desc = vm.CreateNewTable();
        desc.SetGlobalName(Name("LevelDesc"));
        ASSERT_EQ(0, vm.ExecFile((std::string(GAME_DATA_DIR) + "/levels/" + offer.GetFiledesc()).c_str()));
        Table background;
        ASSERT_TRUE(desc.GetTable("Background", background));
        char env[64] = {};
        ASSERT_TRUE(background.GetString("env", env, sizeof env));
        EXPECT_TRUE(IsDataFile(std::string("materials/") + env)) << env;
        Table sunDir;
        EXPECT_TRUE(background.GetTable("sunDir", sunDir));
    }
}

TEST(DemoCatalogue, TheEnglishTipsFileGivesTips)
{
    LogWatch log;
    LevelTips tips;
    tips.Initialize("en", GAME_DATA_DIR);
    EXPECT_GE(tips.GetTipCount(), 8u);
    EXPECT_EQ(0, log.Warnings());
}
