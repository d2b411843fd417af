// The main menu driven through the frame manager: its buttons, the play panel, what it keeps
// between visits, the quit box and its sounds; and the credits file.
#include "MenuFixture.h"

#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/core/texts/GameTexts.h"
#include "game/profiles/ProfileManager.h"
#include "gui/menus/GuiConfirmBox.h"
#include "gui/menus/GuiMainMenu.h"
#include "gui/menus/GuiMainMenu2.h"
#include "gui/menus/GuiMainMenuCredits.h"
#include "gui/menus/GuiProfiles.h"
#include "layers/FlashLayer.h"
#include "platform/window/WindowEvents.h"
#include "services/sound/SoundEngine.h"

#include <fstream>

namespace {

// Drains the window's queue; true when a quit request was in it.
bool QuitWasPosted()
{
    bool quit = false;
    WindowEvent event;
    while (PollWindowEvent(event))
        quit |= event.type == WindowEvent::Quit;
    return quit;
}

} // namespace

class MainMenuTest : public MenuTest
{
protected:
    // The menu with its six buttons in front, as after the profile panel closed.
    void OpenButtons()
    {
        GuiMainMenu::_state = GuiMainMenu::STATE_BUTTONS;
        GuiMainMenu::_state_anim = 0.0f;
        ASSERT_TRUE(Open("main_menu"));
        _menu = Frame<GuiMainMenu>("main_menu");
        ASSERT_NE(_menu, nullptr);
        QuitWasPosted();
    }
    void TearDown() override
    {
        QuitWasPosted();
        MenuTest::TearDown();
        GuiMainMenu::_state = GuiMainMenu::STATE_PROFILES;
        GuiMainMenu::_state_anim = 1.0f;
    }

    GuiMainMenu* _menu = nullptr;
};

TEST_F(MainMenuTest, SelectionSkipsTheDisabledButtonsAndWraps)
{
    ASSERT_NO_FATAL_FAILURE(OpenButtons());
    for (int i : {2, 3, 4})
        EXPECT_FALSE(_menu->GetButton(i).IsEnabled()) << i;
    struct Case
    {
        const char* keys;
        int selected;
    };
    for (const Case& test : {Case{"D", 1}, Case{"D", 5}, Case{"D", 0}, Case{"U", 5}, Case{"U", 1}, Case{"UU", 5}})
    {
        Press(test.keys);
        EXPECT_EQ(_menu->GetSelected(), test.selected) << test.keys;
    }
    Frames(15);
    for (int i = 0; i < GuiMainMenu::ButtonCount; ++i)
    {
        EXPECT_TRUE(_menu->GetButton(i).GetLayer()->GetVisible()) << i;
        EXPECT_FLOAT_EQ(_menu->GetButton(i).GetLayer()->GetColor().a, 1.0f);
    }
    EXPECT_TRUE(_menu->GetLogo()->GetVisible());
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

TEST_F(MainMenuTest, PlayPanelSkipsMultiplayerAndReturnsToTheButtonsAsTheyWere)
{
    ASSERT_NO_FATAL_FAILURE(OpenButtons());
    Press("DUA"); // play
    EXPECT_EQ(GuiMainMenu::_state, GuiMainMenu::STATE_PLAY);
    GuiMainMenu2* play = _menu->GetPlayPanel();
    ASSERT_NE(play, nullptr);
    EXPECT_FALSE(play->GetButton(1).IsEnabled());
    Press("D");
    EXPECT_EQ(play->GetCurSelection(), 2) << "multiplayer is never selected";
    Press("D");
    EXPECT_EQ(play->GetCurSelection(), 0);
    Frames(15);
    EXPECT_FLOAT_EQ(GuiMainMenu::_state_anim, 1.0f);
    EXPECT_FALSE(_menu->GetButton(0).GetLayer()->GetVisible()) << "the six buttons are faded out";
    EXPECT_TRUE(play->GetButton(0).GetLayer()->GetVisible());

    for (const char* leave : {"UA", "X"}) // Apply on back, or Decline
    {
        if (!_menu->GetPlayPanel())
            Press("A");
        Press(leave);
        EXPECT_EQ(GuiMainMenu::_state, GuiMainMenu::STATE_BUTTONS) << leave;
        EXPECT_EQ(_menu->GetPlayPanel(), nullptr);
        EXPECT_EQ(_menu->GetSelected(), 0) << "play stays selected";
    }
    Frames(16);
    EXPECT_FLOAT_EQ(GuiMainMenu::_state_anim, 0.0f) << "half a second";
}

TEST_F(MainMenuTest, LeavingForAMissionOrTheHangarComesBackToWhereItWas)
{
    // The mission selection is the chosen pilot's.
    game.GetProfileManager()->CreateProfile("Ada");
    ASSERT_NO_FATAL_FAILURE(OpenButtons());
    game.SetNetworkGame(true);
    Press("A"); // play
    Press("A"); // single
    EXPECT_EQ(_frames->GetNext(), FindFrame("mission_select"));
    EXPECT_FALSE(game.IsNetworkGame());
    ASSERT_TRUE(Settle());
    EXPECT_STREQ(Current(), "mission_select");
    EXPECT_EQ(_menu->GetPlayPanel(), nullptr) << "the panel goes with the frame";

    ASSERT_TRUE(Open("main_menu"));
    ASSERT_NE(_menu->GetPlayPanel(), nullptr) << "the play panel is in front again";
    EXPECT_EQ(_menu->GetPlayPanel()->GetCurSelection(), 0);
    Press("UA"); // back
    Press("DA"); // hangar
    EXPECT_EQ(_frames->GetNext(), FindFrame("angar"));
    ASSERT_TRUE(Settle());
    ASSERT_TRUE(Open("main_menu"));
    EXPECT_EQ(GuiMainMenu::_state, GuiMainMenu::STATE_BUTTONS);
    EXPECT_EQ(_menu->GetSelected(), 1);
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

TEST_F(MainMenuTest, QuitBoxAnswersNoByDefaultAndEndsTheGameOnYes)
{
    ASSERT_NO_FATAL_FAILURE(OpenButtons());
    Press("DDA"); // quit
    GuiMainMenuEscMenu* box = _menu->GetQuitBox();
    ASSERT_TRUE(box->IsActive());
    EXPECT_FALSE(box->GetYes());
    Press("D");
    EXPECT_EQ(_menu->GetSelected(), 5) << "the selection waits behind the box";
    Press("A");
    EXPECT_FALSE(box->IsActive()) << "no is the first answer";
    EXPECT_FALSE(QuitWasPosted());

    Press("ALR");
    EXPECT_FALSE(box->GetYes()) << "left and right flip the choice";
    Press("LA");
    EXPECT_TRUE(box->IsActive()) << "the box stays up until the game ends";
    EXPECT_TRUE(QuitWasPosted());
}

TEST_F(MainMenuTest, DeclineOpensTheProfilesAndTakesAnOpenQuitBoxDown)
{
    ASSERT_NO_FATAL_FAILURE(OpenButtons());
    Press("UA"); // quit
    ASSERT_TRUE(_menu->GetQuitBox()->IsActive());
    Press("X");
    EXPECT_EQ(GuiMainMenu::_state, GuiMainMenu::STATE_PROFILES);
    EXPECT_NE(_menu->GetProfiles(), nullptr);
    EXPECT_FALSE(_menu->GetQuitBox()->IsActive());
    Frames(15);
    EXPECT_FALSE(_menu->GetButton(0).GetLayer()->GetVisible());
    EXPECT_FALSE(_menu->GetLogo()->GetVisible()) << "the logo shows with the buttons and the play panel only";
}

TEST_F(MainMenuTest, NavigationSoundsButDeclineIsSilent)
{
    ASSERT_NO_FATAL_FAILURE(OpenButtons());
    SoundEngine* sound = game.GetSoundEngine();
    if (sound->IsDisabled())
        GTEST_SKIP() << "no audio device";
    // Plain functions rather than pointers to members: the sanitizer build's compiler checks the
    // object of a call through a member pointer from a slot it never wrote.
    struct Case
    {
        void (*event)(GameFrameManager&);
        size_t sounds;
    };
    const Case cases[] = {{[](GameFrameManager& f) { f.funcSelectDown(); }, 1},
                          {[](GameFrameManager& f) { f.funcSelectUp(); }, 1},
                          {[](GameFrameManager& f) { f.funcSelectLeft(); }, 0},
                          {[](GameFrameManager& f) { f.funcSelectApply(); }, 1},
                          {[](GameFrameManager& f) { f.funcSelectDecline(); }, 0}};
    for (const Case& test : cases)
    {
        const size_t before = sound->GetSound2DCount();
        test.event(*_frames);
        EXPECT_EQ(sound->GetSound2DCount(), before + test.sounds);
        Frames(30); // the sounds end and are freed
    }
    EXPECT_EQ(sound->GetMusicCount(), 1u) << "the menu music plays";
}

// The credits panel reads "credits.txt" of the working folder.
TEST(MainMenuCredits, ReadsTheFileWithoutCarriageReturnsAndAtMostItsBuffer)
{
    WorkingFolder folder;
    GuiMainMenuCredits credits;
    credits.Initialize();
    EXPECT_STREQ(credits.GetText(), "");
    EXPECT_TRUE(std::filesystem::is_regular_file("credits.txt")) << "a missing file is made empty";

    folder.Write("credits.txt", "Vantrel\r\nThe team\r\n");
    credits.Initialize();
    EXPECT_STREQ(credits.GetText(), "Vantrel\nThe team\n");

    // A file longer than the buffer is cut, and the text still ends inside it.
    folder.Write("credits.txt", std::string(5000, 'c'));
    credits.Initialize();
    EXPECT_EQ(std::string(credits.GetText()), std::string(GuiMainMenuCredits::BufferSize - 1, 'c'));

    credits.SetCurState(0);
    EXPECT_FALSE(credits.Closed());
    credits.EventSelectApply();
    EXPECT_TRUE(credits.Closed());
}

TEST_F(MainMenuTest, EveryTextTheMenusShowIsInTheEnglishTexts)
{
    const GameTexts* texts = game.GetGameTextsSystem();
    for (const char* code : {"ui_mainmenu_button_play",
                             "ui_mainmenu_button_angar",
                             "ui_mainmenu_button_glossary",
                             "ui_mainmenu_button_options",
                             "ui_mainmenu_button_credits",
                             "ui_mainmenu_button_quit",
                             "ui_mainmenu_button_play_single",
                             "ui_mainmenu_button_play_multi",
                             "ui_mainmenu_button_play_back",
                             "ui_common_box_00",
                             "ui_common_box_01",
                             "ui_common_box_02",
                             "ui_common_tip_00",
                             "ui_common_tip_01",
                             "ui_common_tip_02",
                             "ui_common_tip_03",
                             "ui_level_menu_resume",
                             "ui_level_menu_restart",
                             "ui_level_menu_quit",
                             "ui_profile_title",
                             "ui_profile_button_use",
                             "ui_profile_button_new",
                             "ui_profile_button_rename",
                             "ui_profile_button_delete",
                             "ui_profile_button_quit",
                             "ui_profile_new_00",
                             "ui_profile_new_01",
                             "ui_profile_new_02",
                             "ui_profile_new_03",
                             "ui_profile_table_cash",
                             "ui_profile_table_level",
                             "ui_profile_table_ship",
                             "ui_profile_table_devices",
                             "ui_profile_table_levels"})
        EXPECT_STRNE(texts->GetTextByCode(code), code);
}
