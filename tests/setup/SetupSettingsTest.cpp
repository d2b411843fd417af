#include "SetupTestSupport.h"

#include "setup/SetupSettings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const std::vector<DisplayMode> kModes = {{1280, 1024, 60, 32}, {1024, 768, 60, 32}, {1024, 768, 75, 32}};

std::string Prefix(const char* text, size_t length) { return std::string(text).substr(0, length); }

TEST(SetupSettingsTest, TextureDetailAndDifficultyShowInTheirLists)
{
    SetupFolder folder;
    const struct
    {
        const char* config;
        int textureIndex;
        int difficultyIndex;
        const char* description;
    } cases[] = {
        {"Video.TextureLod = 0; Game.Difficulty = 3;", 2, 2, "Insane"},
        {"Video.TextureLod = 1; Game.Difficulty = 2;", 1, 1, "Hard"},
        {"Video.TextureLod = 2; Game.Difficulty = 1;", 0, 0, "Normal"},
        // Out of the list: the texture list shows nothing and the detail stays.
        {"Video.TextureLod = 7; Game.Difficulty = 9;", -1, 2, "Insane"},
    };
    for (const auto& c : cases)
    {
        folder.Write("config.cfg", c.config);
        SetupSettings settings(kModes);
        EXPECT_EQ(settings.GetTextureIndex(), c.textureIndex) << c.config;
        EXPECT_EQ(settings.GetDifficultyIndex(), c.difficultyIndex) << c.config;
        EXPECT_EQ(Prefix(settings.GetDifficultyText(), std::strlen(c.description)), c.description) << c.config;
        EXPECT_FALSE(settings.IsModified()) << c.config;
    }

    SetupSettings settings(kModes);
    settings.SetTextureIndex(0);
    EXPECT_EQ(settings.GetVideoSettings().TextureLod, 2);
    settings.SetTextureIndex(2);
    EXPECT_EQ(settings.GetVideoSettings().TextureLod, 0);
    settings.SetDifficultyIndex(1);
    EXPECT_EQ(settings.GetGameSettings().Difficulty, 2);
    EXPECT_EQ(Prefix(settings.GetDifficultyText(), 4), "Hard");
    EXPECT_TRUE(settings.IsModified());
}

TEST(SetupSettingsTest, OpeningTakesTheListedModeAndTheShownVolumes)
{
    SetupFolder folder;
    const struct
    {
        const char* config;
        int width, height, refresh;
    } cases[] = {
        {"Video.ScrWidth = 1024; Video.ScrHeight = 768; Video.RefreshHz = 85;", 1024, 768, 75},
        // A size the display lacks becomes the list's first.
        {"Video.ScrWidth = 640; Video.ScrHeight = 480; Video.RefreshHz = 60;", 1024, 768, 75},
        {"Video.ScrWidth = 1280; Video.ScrHeight = 1024; Video.RefreshHz = 75;", 1280, 1024, 60},
    };
    for (const auto& c : cases)
    {
        folder.Write("config.cfg", c.config);
        SetupSettings settings(kModes);
        const VideoSettings& video = settings.GetVideoSettings();
        EXPECT_EQ(video.ScrWidth, c.width) << c.config;
        EXPECT_EQ(video.ScrHeight, c.height) << c.config;
        EXPECT_EQ(video.RefreshHz, c.refresh) << c.config;
        EXPECT_FALSE(settings.IsModified());
    }

    // Without modes the size stays as it was, with a warning.
    ClearLog();
    folder.Write("config.cfg", "Video.ScrWidth = 640; Video.ScrHeight = 480;");
    SetupSettings none({});
    EXPECT_EQ(none.GetVideoModeIndex(), -1);
    EXPECT_EQ(none.GetVideoSettings().ScrWidth, 640);
    EXPECT_TRUE(LogContains("no modes"));

    // Volumes show rounded to hundredths and out-of-range ones are brought into range.
    folder.Write("config.cfg", "Sound.MasterVolume = 0.29; Sound.SoundVolume = 1.7; Sound.MusicVolume = -1;");
    SetupSettings volumes(kModes);
    EXPECT_EQ(volumes.GetVolume(SetupSettings::VOLUME_MASTER), 29);
    EXPECT_EQ(volumes.GetVolume(SetupSettings::VOLUME_SOUND), 100);
    EXPECT_EQ(volumes.GetVolume(SetupSettings::VOLUME_MUSIC), 0);
    EXPECT_FLOAT_EQ(volumes.GetSoundSettings().GetSettingsSoundVolume(), 1.0f);
    EXPECT_FLOAT_EQ(volumes.GetSoundSettings().GetSettingsMusicVolume(), 0.0f);
}

TEST(SetupSettingsTest, DescriptionsComeInTheConfiguredLanguage)
{
    SetupFolder folder;
    const struct
    {
        const char* language;
        int index;
        const char* description;
    } cases[] = {
        {"en", 0, "Normal"},
        {"ru", 1, "Нормально"},
        // No texts in that language: the default language's, and the setting stays.
        {"de", -1, "Normal"},
    };
    for (const auto& c : cases)
    {
        folder.Write("config.cfg", std::string("Game.Language = '") + c.language + "';");
        SetupSettings settings(kModes);
        EXPECT_EQ(settings.GetLanguageIndex(), c.index) << c.language;
        EXPECT_EQ(Prefix(settings.GetDifficultyText(), std::strlen(c.description)), c.description) << c.language;
        EXPECT_STREQ(settings.GetGameSettings().Language, c.language);
    }

    SetupSettings settings(kModes);
    settings.SetLanguageIndex(1);
    EXPECT_STREQ(settings.GetGameSettings().Language, "ru");
    settings.SetLanguageIndex(0);
    EXPECT_STREQ(settings.GetGameSettings().Language, "en");
}

TEST(SetupSettingsTest, SavedSettingsAreWhatTheGameReads)
{
    SetupFolder folder;
    SetupSettings settings(kModes);
    settings.SetVideoModeIndex(1);
    settings.SetFullscreen(true);
    settings.SetPostProcessing(false);
    settings.SetTextureIndex(1);
    settings.SetDifficultyIndex(2);
    settings.SetLanguageIndex(1);
    settings.SetVolume(SetupSettings::VOLUME_MUSIC, 42);
    ASSERT_TRUE(settings.Save());

    GameConfig game;
    EXPECT_EQ(game.video.ScrWidth, 1280);
    EXPECT_EQ(game.video.ScrHeight, 1024);
    EXPECT_EQ(game.video.RefreshHz, 60);
    EXPECT_TRUE(game.video.Fullscreen);
    EXPECT_FALSE(game.render.EnablePostEffects);
    EXPECT_EQ(game.video.TextureLod, 1);
    EXPECT_EQ(game.game.Difficulty, 3);
    EXPECT_STREQ(game.game.Language, "ru");
    EXPECT_FLOAT_EQ(game.sound.GetSettingsMusicVolume(), 0.42f);
}

TEST(SetupSettingsTest, TheListHoldsTheDisplaysModes)
{
    if (Displays().GetCount() == 0)
        GTEST_SKIP() << "no display";
    SetupFolder folder;
    SetupSettings settings(ReportedDisplayModes());
    ASSERT_FALSE(settings.GetVideoModes().empty());
    const VideoMode& chosen = settings.GetVideoModes()[settings.GetVideoModeIndex()];
    EXPECT_EQ(settings.GetVideoSettings().ScrWidth, chosen.width);
    EXPECT_EQ(settings.GetVideoSettings().ScrHeight, chosen.height);
}

} // namespace
