#include "ConfigFixture.h"

namespace {

TEST_F(ConfigTest, DefaultsAreMirroredInTheSheetTables)
{
    ConfigSet set(&dumper);
    EXPECT_EQ(set.video->ScrWidth, 800);
    EXPECT_EQ(set.video->ScrHeight, 600);
    EXPECT_EQ(set.video->DefaultDriver, -1);
    EXPECT_TRUE(set.video->UseStateBlocks);
    EXPECT_EQ(set.render->LodDistance, 10u);
    EXPECT_TRUE(set.render->EnableSorting);
    EXPECT_STREQ(set.game->Language, "en");
    EXPECT_EQ(set.game->Difficulty, 1);
    EXPECT_FLOAT_EQ(set.game->PlayerFov, 60.0f);
    EXPECT_FLOAT_EQ(set.sound->GetSettingsSoundVolume(), 0.3f);
    EXPECT_STREQ(set.network->PlayerName, "(player_name)");
    EXPECT_EQ(set.network->MaxPlayers, 16);

    int width = 0;
    EXPECT_TRUE(set.video->GetSheet().GetNumber("ScrWidth", width));
    EXPECT_EQ(width, 800);
    char language[32] = {};
    EXPECT_TRUE(set.game->GetSheet().GetString("Language", language, sizeof(language)));
    EXPECT_STREQ(language, "en");
    // The render sheet's table stays empty until its first write.
    EXPECT_FALSE(set.render->GetSheet().HasMember("ShowBounds"));

    std::vector<std::string> order;
    for (set.config->Begin(); set.config->End(); set.config->Next())
        order.push_back(set.config->Current()->GetSheetName().Str());
    EXPECT_EQ(order, (std::vector<std::string>{"Video", "Render", "Game", "Sound", "Network"}));
    EXPECT_EQ(set.config->Current(), nullptr);
    EXPECT_TRUE(Logged(DUMP_STARTUP, "New settings registered: <Video>\n"));
}

TEST_F(ConfigTest, ConfigFileAssignsTheSheets)
{
    ConfigSet set(&dumper);
    std::string path = Write("config.cfg", "Video.ScrWidth = 1024; Video.Fullscreen = true;\n"
                                           "Render.ShowBones = true; Render.LodDistance = 25;\n"
                                           "Game.Language = 'ru'; Game.PlayerFov = 75.5;\n"
                                           "Sound.MusicVolume = 0.25;\n"
                                           "Network.ServerName = 'Deep Space';\n");
    EXPECT_TRUE(set.config->ExecFile(path.c_str()));
    EXPECT_EQ(set.video->ScrWidth, 1024);
    EXPECT_TRUE(set.video->Fullscreen);
    EXPECT_TRUE(set.render->ShowBones);
    EXPECT_EQ(set.render->LodDistance, 25u);
    EXPECT_STREQ(set.game->Language, "ru");
    EXPECT_FLOAT_EQ(set.game->PlayerFov, 75.5f);
    EXPECT_FLOAT_EQ(set.sound->GetSettingsMusicVolume(), 0.25f);
    EXPECT_STREQ(set.network->ServerName, "Deep Space");
    EXPECT_TRUE(Logged(DUMP_SYSTEM, "Config file \"" + path + "\" was successfully executed\n"));
}

TEST_F(ConfigTest, MistypedMembersKeepTheirValues)
{
    ConfigSet set(&dumper);
    std::string path = Write("config.cfg", "Video.ScrWidth = '1024'; Video.Fullscreen = 1;\n"
                                           "Game.Language = 5; Network.MaxPlayers = {};\n");
    EXPECT_TRUE(set.config->ExecFile(path.c_str()));
    EXPECT_EQ(set.video->ScrWidth, 800);
    EXPECT_FALSE(set.video->Fullscreen);
    EXPECT_STREQ(set.game->Language, "en");
    EXPECT_EQ(set.network->MaxPlayers, 16);
}

TEST_F(ConfigTest, RulesClampWithALoggedLine)
{
    struct Case
    {
        int difficulty;
        int expected;
    } cases[] = {{0, 1}, {-4, 1}, {1, 1}, {3, 3}, {7, 3}};
    for (const Case& c : cases)
    {
        ConfigSet set(&dumper);
        log.clear();
        std::string path = Write("config.cfg", "Game.Difficulty = " + std::to_string(c.difficulty) +
                                                   "; Video.MaxInstancesPerBatch = 250;\n");
        EXPECT_TRUE(set.config->ExecFile(path.c_str()));
        EXPECT_EQ(set.game->Difficulty, c.expected) << c.difficulty;
        EXPECT_EQ(set.video->MaxInstancesPerBatch, 100);
        bool clamped = c.difficulty != c.expected;
        EXPECT_EQ(Logged(DUMP_WARNING, "Setting Game.Difficulty = " + std::to_string(c.difficulty) +
                                           " is out of range 1..3, using " + std::to_string(c.expected) + "\n"),
                  clamped)
            << c.difficulty;
    }
}

TEST_F(ConfigTest, MissingOrBrokenFileKeepsValues)
{
    ConfigSet set(&dumper);
    std::string good = Write("good.cfg", "Video.ScrWidth = 1280;\n");
    std::string broken = Write("broken.cfg", "Video.ScrWidth = 640;\nVideo.ScrHeight = = 2;\n");
    ASSERT_TRUE(set.config->ExecFile(good.c_str()));

    EXPECT_FALSE(set.config->ExecFile(Path("missing.cfg").c_str()));
    EXPECT_TRUE(Logged(DUMP_WARNING, "Config file \"" + Path("missing.cfg") + "\" was not found! Execution aborted\n"));
    EXPECT_FALSE(set.config->ExecFile(broken.c_str()));
    EXPECT_EQ(set.video->ScrWidth, 1280);
    EXPECT_EQ(set.video->ScrHeight, 600);

    ConfigSystem empty(&dumper, nullptr);
    EXPECT_FALSE(empty.ExecFile(good.c_str()));
    EXPECT_TRUE(Logged(DUMP_ERROR, "No registered settings detected, config execution aborted\n"));
    EXPECT_TRUE(Logged(DUMP_WARNING, "ConfigSystem constants are not specified!\n"));
}

TEST_F(ConfigTest, AScriptThatReplacesASheetSpoilsNoLaterScript)
{
    ConfigSet set(&dumper);
    // Replaced outright, and replaced before an error stops the script.
    for (const char* bad : {"Sound = 2", "Video = {} x = NULL .. 1"})
    {
        testing::internal::CaptureStderr();
        set.config->ExecFile(Write("bad.cfg", bad).c_str());
        testing::internal::GetCapturedStderr();
        EXPECT_TRUE(Logged(DUMP_WARNING, "Config file \"" + Path("bad.cfg") + "\" replaced the sheet \"" +
                                             (bad[0] == 'S' ? "Sound" : "Video") + "\"; the sheet is kept\n"))
            << bad;
    }
    ASSERT_TRUE(set.config->ExecFile(Write("good.cfg", "Sound.MusicVolume = 0.25 Video.ScrWidth = 1024").c_str()));
    EXPECT_FLOAT_EQ(set.sound->GetSettingsMusicVolume(), 0.25f);
    EXPECT_EQ(set.video->ScrWidth, 1024);
}

TEST_F(ConfigTest, TextLongerThanItsMemberIsCut)
{
    ConfigSet set(&dumper);
    std::string path = Write("config.cfg", "Network.PlayerName = '" + std::string(200, 'p') + "';\nGame.Language = '" +
                                               std::string(40, 'l') + "';\n");
    EXPECT_TRUE(set.config->ExecFile(path.c_str()));
    EXPECT_LT(std::strlen(set.network->PlayerName), sizeof(set.network->PlayerName));
    EXPECT_LT(std::strlen(set.game->Language), sizeof(set.game->Language));
}

TEST_F(ConfigTest, ConstantsStayForLaterScripts)
{
    std::string constants = Write("constants.lua", "WIDE = 1600\n");
    ConfigSet set(&dumper, constants.c_str());
    EXPECT_TRUE(Logged(DUMP_STARTUP, "ConfigSystem constants successfully initialized\n"));
    std::string path = Write("config.cfg", "Video.ScrWidth = WIDE;\n");
    EXPECT_TRUE(set.config->ExecFile(path.c_str()));
    EXPECT_EQ(set.video->ScrWidth, 1600);

    std::string broken = Write("broken.lua", "WIDE = = 1\n");
    ConfigSystem bad(&dumper, broken.c_str());
    EXPECT_TRUE(Logged(DUMP_ERROR, "File \"" + broken + "\" is not a proper ConfigSystem constants descriptor!\n"));
}

TEST_F(ConfigTest, ShippedConfigOpensA1024By768Window)
{
    const std::string data = std::string(SOURCE_DATA_DIR) + "/";
    ConfigSet set(&dumper, (data + "config_constants.lua").c_str());
    EXPECT_TRUE(Logged(DUMP_STARTUP, "ConfigSystem constants successfully initialized\n"));
    ASSERT_TRUE(set.config->ExecFile((data + "config.cfg").c_str()));
    EXPECT_EQ(set.video->ScrWidth, 1024);
    EXPECT_EQ(set.video->ScrHeight, 768);
    EXPECT_FALSE(set.video->Fullscreen);
    EXPECT_EQ(set.game->Difficulty, 1);
}

TEST_F(ConfigTest, SheetsMayOutliveTheSystem)
{
    auto config = std::make_unique<ConfigSystem>(&dumper, nullptr);
    VideoSettings video(config.get());
    config.reset();
    EXPECT_EQ(video.GetMaster(), nullptr);
    EXPECT_TRUE(Logged(DUMP_SHUTDOWN, "ConfigSystem destroyed\n"));
}

} // namespace
