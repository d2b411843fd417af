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
        // Out of the list: the texture list shows nothing, the difficulty the nearest; both stay.
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

TEST(SetupSettingsTest, OpeningShowsTheSavedValuesAndChangesNone)
{
    SetupFolder folder;
    const struct
    {
        const char* config;
        int index;
        const char* shown;
        int refresh;
    } cases[] = {
        // A listed size at another rate keeps its rate until the player picks an entry.
        {"Video.ScrWidth = 1024; Video.ScrHeight = 768; Video.RefreshHz = 85;", 0, "1024x768", 85},
        // A size the display lacks joins the list, selected.
        {"Video.ScrWidth = 640; Video.ScrHeight = 480; Video.RefreshHz = 60;", 0, "640x480", 60},
        {"Video.ScrWidth = 1152; Video.ScrHeight = 864; Video.RefreshHz = 75;", 1, "1152x864", 75},
        {"Video.ScrWidth = 1280; Video.ScrHeight = 1024; Video.RefreshHz = 75;", 1, "1280x1024", 75},
    };
    for (const auto& c : cases)
    {
        folder.Write("config.cfg", c.config);
        SetupSettings settings(kModes);
        ASSERT_EQ(settings.GetVideoModeIndex(), c.index) << c.config;
        EXPECT_EQ(VideoModeText(settings.GetVideoModes()[c.index]), c.shown) << c.config;
        EXPECT_EQ(settings.GetVideoSettings().RefreshHz, c.refresh) << c.config;
        EXPECT_FALSE(settings.IsModified());
    }

    // Without modes the list holds the saved size alone, with a warning.
    ClearLog();
    folder.Write("config.cfg", "Video.ScrWidth = 640; Video.ScrHeight = 480;");
    SetupSettings none({});
    EXPECT_EQ(none.GetVideoModes(), (std::vector<VideoMode>{{640, 480, none.GetVideoSettings().RefreshHz}}));
    EXPECT_EQ(none.GetVideoModeIndex(), 0);
    EXPECT_TRUE(LogContains("no modes"));

    // Volumes show rounded to hundredths, those out of range as the nearest, and stay as read.
    folder.Write("config.cfg", "Sound.MasterVolume = 0.29; Sound.SoundVolume = 1.7; Sound.MusicVolume = -1;");
    SetupSettings volumes(kModes);
    EXPECT_EQ(volumes.GetVolume(SetupSettings::VOLUME_MASTER), 29);
    EXPECT_EQ(volumes.GetVolume(SetupSettings::VOLUME_SOUND), 100);
    EXPECT_EQ(volumes.GetVolume(SetupSettings::VOLUME_MUSIC), 0);
    EXPECT_FLOAT_EQ(volumes.GetSoundSettings().GetSettingsSoundVolume(), 1.7f);
    EXPECT_FLOAT_EQ(volumes.GetSoundSettings().GetSettingsMusicVolume(), -1.0f);
    EXPECT_FALSE(volumes.IsModified());
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
