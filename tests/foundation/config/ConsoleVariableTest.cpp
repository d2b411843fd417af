#include "ConfigFixture.h"
#include "foundation/base/Console.h"

namespace {

TEST(ConsoleVariables, ChangeTheirSheet)
{
    ASSERT_NE(MainConsole, nullptr);
    ConfigSet set(&Dumper::Instance());
    set.render->ReadSheetParams();
    set.sound->ReadSheetParams();

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

TEST(ConsoleVariables, LeaveWithTheirSheet)
{
    ASSERT_NE(MainConsole, nullptr);
    {
        ConfigSet first(&Dumper::Instance());
        first.render->ReadSheetParams();
        {
            // A second set finds the names taken and must not remove the first set's commands.
            ConfigSet second(&Dumper::Instance());
            second.render->ReadSheetParams();
        }
        EXPECT_TRUE(MainConsole->ExecuteCommand("r_show_bounds 1"));
        EXPECT_TRUE(first.render->ShowBounds);
    }
    // The destroyed sheet's variables are gone, so typing one touches no freed memory.
    EXPECT_FALSE(MainConsole->ExecuteCommand("r_show_bounds 0"));

    ConfigSet again(&Dumper::Instance());
    again.render->ReadSheetParams();
    EXPECT_TRUE(MainConsole->ExecuteCommand("r_show_bounds 1"));
    EXPECT_TRUE(again.render->ShowBounds);
}

} // namespace
