// The pilot panel of the main menu driven through the frame manager with navigation events and
// typed characters: creating, refusing, renaming, deleting and choosing pilots, and a pilot that
// outlives a restart.
#include "MenuFixture.h"

#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/profiles/ProfileManager.h"
#include "game/profiles/UserProfile.h"
#include "gui/menus/GuiConfirmBox.h"
#include "gui/menus/GuiMainMenu.h"
#include "gui/menus/GuiProfileFaces.h"
#include "gui/menus/GuiProfiles.h"
#include "layers/FlashLayer.h"
#include "platform/window/WindowEvents.h"

#include <filesystem>
#include <fstream>

class ProfilesTest : public MenuTest
{
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_NO_FATAL_FAILURE(OpenPanel());
    }
    void TearDown() override
    {
        WindowEvent event;
        while (PollWindowEvent(event))
        {}
        MenuTest::TearDown();
        GuiMainMenu::_state = GuiMainMenu::STATE_PROFILES;
        GuiMainMenu::_state_anim = 1.0f;
    }

    void OpenPanel()
    {
        GuiMainMenu::_state = GuiMainMenu::STATE_PROFILES;
        GuiMainMenu::_state_anim = 1.0f;
        ASSERT_TRUE(Open("main_menu"));
        _menu = Frame<GuiMainMenu>("main_menu");
        ASSERT_NE(_menu, nullptr);
        _panel = _menu->GetProfiles();
        ASSERT_NE(_panel, nullptr);
    }

    // Moves the selection down to the button.
    void Select(int button)
    {
        for (int i = 0; i < GuiProfiles::ButtonCount && _panel->GetSelected() != button; ++i)
            Press("D");
        ASSERT_EQ(_panel->GetSelected(), button);
    }

    // Creates pilots through the panel, the way a player does.
    void CreatePilots(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
        {
            Select(GuiProfiles::BUTTON_NEW);
            Press("A'" + std::string(name) + "'A");
            ASSERT_EQ(_panel->GetEditMode(), GuiProfiles::EDIT_NONE) << name;
        }
        Frames(10); // the carousel settles
    }

    ProfileManager* Profiles() const { return game.GetProfileManager(); }
    std::string NameAt(int index) const
    {
        const UserProfile* pilot = Profiles()->GetProfileByIndex(index);
        return pilot ? pilot->GetName() : "(none)";
    }

    GuiMainMenu* _menu = nullptr;
    GuiProfiles* _panel = nullptr;
};

TEST_F(ProfilesTest, WithoutPilotsOnlyNewAndQuitAreOffered)
{
    EXPECT_EQ(_panel->GetSelected(), GuiProfiles::BUTTON_NEW);
    for (int i : {GuiProfiles::BUTTON_USE, GuiProfiles::BUTTON_RENAME, GuiProfiles::BUTTON_DELETE})
        EXPECT_FALSE(_panel->GetButton(i).IsEnabled()) << i;
    Press("D");
    EXPECT_EQ(_panel->GetSelected(), GuiProfiles::BUTTON_QUIT);
    Press("D");
    EXPECT_EQ(_panel->GetSelected(), GuiProfiles::BUTTON_NEW);
    Press("U");
    EXPECT_EQ(_panel->GetSelected(), GuiProfiles::BUTTON_QUIT);
    EXPECT_FALSE(_panel->GetDetailLayer()->GetVisible());
    EXPECT_FALSE(_panel->GetFaces()->GetFrame()->GetVisible()) << "no carousel without pilots";
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

TEST_F(ProfilesTest, TypedNamesKeepSixteenCharactersThatAFileNameCanHold)
{
    Press("'Ve'B"); // typed before "new": dropped
    Press("A");
    EXPECT_EQ(_panel->GetEditMode(), GuiProfiles::EDIT_NEW);
    EXPECT_TRUE(_panel->GetTapeLayer()->GetVisible());
    EXPECT_STREQ(_panel->GetTypedName(), "");
    Press("'Vera/\\`\t'");
    EXPECT_STREQ(_panel->GetTypedName(), "Vera") << "no slashes, backquote or control characters";
    Press("BBBBBB");
    EXPECT_STREQ(_panel->GetTypedName(), "") << "backspace on an empty name changes nothing";
    Press("'Kell Darrow-Vash xy'");
    EXPECT_STREQ(_panel->GetTypedName(), "Kell Darrow-Vash") << "the seventeenth character is dropped";
    Press("B'\xC3\xA9'");
    EXPECT_STREQ(_panel->GetTypedName(), "Kell Darrow-Vas\xC3\xA9") << "a character of two bytes counts once";
    Press("'\xC3\xA9'");
    EXPECT_STREQ(_panel->GetTypedName(), "Kell Darrow-Vas\xC3\xA9");
    Press("B");
    EXPECT_STREQ(_panel->GetTypedName(), "Kell Darrow-Vas") << "backspace takes the whole character";

    Press("X");
    EXPECT_EQ(_panel->GetEditMode(), GuiProfiles::EDIT_NONE);
    EXPECT_STREQ(_panel->GetTypedName(), "");
    EXPECT_FALSE(_panel->GetTapeLayer()->GetVisible());
    Press("A"); // new, with an empty name
    Press("A");
    EXPECT_EQ(_panel->GetEditMode(), GuiProfiles::EDIT_NEW) << "an empty name is not submitted";
    EXPECT_EQ(Profiles()->GetProfileCount(), 0);
}

TEST_F(ProfilesTest, NewPilotsAndTheNamesThatAreRefused)
{
    Press("A'Vera'A");
    ASSERT_EQ(Profiles()->GetProfileCount(), 1);
    EXPECT_EQ(NameAt(0), "Vera");
    EXPECT_EQ(_panel->GetSelected(), GuiProfiles::BUTTON_USE);
    EXPECT_EQ(_panel->GetEditMode(), GuiProfiles::EDIT_NONE);
    EXPECT_EQ(_panel->GetCurrent(), 0);
    EXPECT_TRUE(_panel->GetDetailLayer()->GetVisible());

    // A taken name in any case, and one that would hide its file, bring the message up over the
    // typed name; Apply or Decline take the message away, and the entry goes on.
    for (const char* refused : {"vERA", ".hidden"})
    {
        Select(GuiProfiles::BUTTON_NEW);
        Press("A'" + std::string(refused) + "'A");
        EXPECT_TRUE(_panel->IsNameUsed()) << refused;
        EXPECT_TRUE(_panel->GetNameUsedLayer()->GetVisible());
        EXPECT_FALSE(_panel->GetTapeLayer()->GetVisible());
        EXPECT_STREQ(_panel->GetTypedName(), refused);
        Press("A");
        EXPECT_FALSE(_panel->IsNameUsed());
        EXPECT_EQ(_panel->GetEditMode(), GuiProfiles::EDIT_NEW);
        Press("A");
        EXPECT_TRUE(_panel->IsNameUsed());
        Press("X");
        EXPECT_FALSE(_panel->IsNameUsed());
        EXPECT_EQ(_panel->GetEditMode(), GuiProfiles::EDIT_NEW);
        Press("X");
        EXPECT_EQ(_panel->GetEditMode(), GuiProfiles::EDIT_NONE);
        EXPECT_EQ(Profiles()->GetProfileCount(), 1);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("profiles"), {}), 1)
        << "the new pilot's file only: nothing was written for the refused names";
    EXPECT_TRUE(std::filesystem::exists("profiles/Vera.prf"));
}

TEST_F(ProfilesTest, RenameTakesTheChecksOfNewAndMovesThePilotsFile)
{
    CreatePilots({"Vera", "Ash"});
    ASSERT_EQ(_panel->GetCurrent(), 1);
    for (int i = 0; i < 2; ++i)
        ASSERT_TRUE(Profiles()->GetProfileByIndex(i)->Save());
    ASSERT_TRUE(std::filesystem::exists("profiles/Ash.prf"));

    Select(GuiProfiles::BUTTON_RENAME);
    Press("A");
    EXPECT_EQ(_panel->GetEditMode(), GuiProfiles::EDIT_RENAME);
    EXPECT_STREQ(_panel->GetTypedName(), "Ash");
    Press("BBB'VERA'A");
    EXPECT_TRUE(_panel->IsNameUsed()) << "another pilot's name in another case";
    EXPECT_EQ(NameAt(1), "Ash");
    Press("ABBBBA");
    EXPECT_EQ(_panel->GetEditMode(), GuiProfiles::EDIT_RENAME) << "an empty name is not submitted";
    EXPECT_EQ(NameAt(1), "Ash");
    Press("'Kell'A");
    EXPECT_EQ(_panel->GetEditMode(), GuiProfiles::EDIT_NONE);
    EXPECT_EQ(NameAt(1), "Kell");
    EXPECT_STREQ(_panel->GetFaces()->GetName(1), "Kell") << "the carousel shows the new name a frame later";
    EXPECT_TRUE(std::filesystem::exists("profiles/Kell.prf"));
    EXPECT_FALSE(std::filesystem::exists("profiles/Ash.prf")) << "the old pilot would come back at the next start";

    // The pilot's own name in another case is its to take.
    Press("ABBBB'kELL'A");
    EXPECT_EQ(NameAt(1), "kELL");
    EXPECT_EQ(Profiles()->GetProfileCount(), 2);
}

// "bob.prf" beside "Bob.prf" is a pilot the panel does not list: renaming Bob to that name, in
// any letter case, shows the name-used message and leaves both files as they were; another name
// takes Bob's file along.
TEST_F(ProfilesTest, RenameLeavesAnUnlistedCaseTwinAlone)
{
    TearDownGame();
    // Version-1 records whose cash tells the pilots apart.
    const auto record = [](char cash) {
        return std::string("\1\0\0\0", 4) + std::string(16, '\0') + cash + std::string(3, '\0');
    };
    std::ofstream("profiles/Bob.prf", std::ios::binary) << record('\1');
    std::ofstream("profiles/bob.prf", std::ios::binary) << record('\2');
    StartGame();
    ASSERT_NO_FATAL_FAILURE(OpenPanel());
    ASSERT_EQ(Profiles()->GetProfileCount(), 1);
    ASSERT_EQ(NameAt(0), "Bob");
    Frames(10);

    Select(GuiProfiles::BUTTON_RENAME);
    Press("A");
    for (const char* twin : {"bob", "BOB"})
    {
        Press("BBB'" + std::string(twin) + "'A");
        EXPECT_TRUE(_panel->IsNameUsed()) << twin;
        EXPECT_EQ(NameAt(0), "Bob");
        EXPECT_EQ(_data->Read("profiles/Bob.prf"), record('\1'));
        EXPECT_EQ(_data->Read("profiles/bob.prf"), record('\2'));
        Press("X");
        EXPECT_EQ(_panel->GetEditMode(), GuiProfiles::EDIT_RENAME);
    }
    Press("BBB'Rob'A");
    EXPECT_EQ(_panel->GetEditMode(), GuiProfiles::EDIT_NONE);
    EXPECT_EQ(NameAt(0), "Rob");
    EXPECT_FALSE(std::filesystem::exists("profiles/Bob.prf")) << "no stale file under the old name";
    EXPECT_EQ(Profiles()->GetProfileByIndex(0)->GetCash(), 1);
    EXPECT_EQ(_data->Read("profiles/bob.prf"), record('\2'));
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

TEST_F(ProfilesTest, DeleteAsksFirstAndTheLeftNeighbourTakesTheCentre)
{
    CreatePilots({"Vera", "Ash", "Kell"});
    ASSERT_EQ(_panel->GetCurrent(), 2);
    Select(GuiProfiles::BUTTON_DELETE);
    Press("A");
    ASSERT_TRUE(_panel->GetDeleteBox()->IsActive());
    Press("DD");
    EXPECT_EQ(_panel->GetSelected(), GuiProfiles::BUTTON_DELETE) << "the buttons wait behind the box";
    Press("A"); // no
    EXPECT_FALSE(_panel->GetDeleteBox()->IsActive());
    EXPECT_EQ(Profiles()->GetProfileCount(), 3);

    Press("ALX");
    EXPECT_FALSE(_panel->GetDeleteBox()->IsActive());
    EXPECT_FALSE(_panel->GetDeleteBox()->GetYes()) << "Decline forgets the yes";
    Press("ALA");
    ASSERT_EQ(Profiles()->GetProfileCount(), 2);
    EXPECT_EQ(NameAt(0), "Vera");
    EXPECT_EQ(NameAt(1), "Ash");
    EXPECT_EQ(_panel->GetCurrent(), 1);

    Frames(10);
    Press("L");
    Frames(10);
    Press("ALA"); // Vera, in the centre of two
    ASSERT_EQ(Profiles()->GetProfileCount(), 1);
    EXPECT_EQ(NameAt(0), "Ash");
    EXPECT_EQ(_panel->GetCurrent(), 0);
    Press("ALA");
    EXPECT_EQ(Profiles()->GetProfileCount(), 0);
    Frames();
    EXPECT_EQ(_panel->GetSelected(), GuiProfiles::BUTTON_NEW);
    EXPECT_FALSE(_panel->GetDetailLayer()->GetVisible());
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

TEST_F(ProfilesTest, LeftAndRightWaitForTheCarouselToSettle)
{
    CreatePilots({"Vera", "Ash", "Kell"});
    Press("LL");
    EXPECT_EQ(_panel->GetCurrent(), 1) << "the second Left came while the carousel slid";
    Frames(8);
    Press("L");
    EXPECT_EQ(_panel->GetCurrent(), 0);
    Frames(8);
    Press("L");
    EXPECT_EQ(_panel->GetCurrent(), 0);
    EXPECT_TRUE(_panel->GetFaces()->CanScroll());
    EXPECT_EQ(_panel->GetFaces()->GetLastArrow(), GuiProfileFaces::ARROW_NONE);
}

TEST_F(ProfilesTest, DeclineAsksToQuitAndYesEndsTheGame)
{
    Press("X");
    ASSERT_TRUE(_panel->GetQuitBox()->IsActive());
    Press("X");
    EXPECT_FALSE(_panel->GetQuitBox()->IsActive());
    Press("XRA");
    WindowEvent event;
    bool quit = false;
    while (PollWindowEvent(event))
        quit |= event.type == WindowEvent::Quit;
    EXPECT_TRUE(quit);
}

TEST_F(ProfilesTest, APilotCreatedHereIsSavedAndChosenAgainAfterARestart)
{
    CreatePilots({"Vera"});
    Press("A"); // use
    EXPECT_EQ(Profiles()->GetCurrent(), Profiles()->GetProfileByIndex(0));
    Frames();
    EXPECT_EQ(GuiMainMenu::_state, GuiMainMenu::STATE_BUTTONS) << "choosing closes the panel";
    EXPECT_EQ(_menu->GetProfiles(), nullptr);

    TearDownGame();
    EXPECT_TRUE(std::filesystem::is_regular_file("profiles/Vera.prf"));
    StartGame();
    ASSERT_NO_FATAL_FAILURE(OpenPanel());
    ASSERT_EQ(Profiles()->GetProfileCount(), 1);
    EXPECT_EQ(NameAt(0), "Vera");
    Frames();
    EXPECT_STREQ(_panel->GetFaces()->GetName(0), "Vera");
    Press("A");
    ASSERT_NE(Profiles()->GetCurrent(), nullptr);
    EXPECT_STREQ(Profiles()->GetCurrent()->GetName(), "Vera");
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}
