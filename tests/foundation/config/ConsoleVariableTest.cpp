#include "ConfigFixture.h"
#include "foundation/base/Console.h"

namespace {

// The first sheets that register the console variables keep them for the whole process,
// so they are made before any test runs.
struct ConsoleSheets : ::testing::Environment {
    void SetUp() override
    {
        set = std::make_unique<ConfigSet>(&Dumper::Instance());
        set->render->ReadSheetParams();
        set->sound->ReadSheetParams();
    }
    std::unique_ptr<ConfigSet> set;
};
ConsoleSheets* sheets = static_cast<ConsoleSheets*>(::testing::AddGlobalTestEnvironment(new ConsoleSheets));

TEST(ConsoleVariables, ChangeTheirSheet)
{
    ASSERT_NE(MainConsole, nullptr);
    ConfigSet& set = *sheets->set;

    EXPECT_TRUE(MainConsole->ExecuteCommand("r_show_bounds 1"));
    EXPECT_TRUE(set.render->ShowBounds);
    EXPECT_TRUE(MainConsole->ExecuteCommand("R_LOD_DISTANCE 30"));
    EXPECT_EQ(set.render->LodDistance, 30u);
    EXPECT_TRUE(MainConsole->ExecuteCommand("snd_music_volume 0.75"));
    EXPECT_FLOAT_EQ(set.sound->GetSettingsMusicVolume(), 0.75f);
    // No console variable for sorting or the master volume.
    EXPECT_FALSE(MainConsole->ExecuteCommand("r_enable_sorting 0"));
    EXPECT_FALSE(MainConsole->ExecuteCommand("snd_master_volume 0"));

    // A changed variable is what the next written file holds.
    set.render->WriteSheetParams();
    bool bounds = false;
    EXPECT_TRUE(set.render->GetSheet().GetBool("ShowBounds", bounds));
    EXPECT_TRUE(bounds);
}

}
