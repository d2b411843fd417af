// Mission selection: the pilot's free missions as faces, taking one, going back, and the way
// from the main menu to a mission in flight.
#include "MissionFixture.h"

#include "game/core/catalogue/LevelDesc.h"
#include "game/profiles/ProfileManager.h"
#include "game/profiles/UserProfile.h"
#include "gui/menus/GuiMainMenu.h"
#include "gui/menus/GuiMultiplayerFaces.h"
#include "gui/mission/GuiMissionSelect.h"

namespace {

class MissionSelectTest : public MissionScreenTest
{
protected:
    GuiMultiplayerFaces* Faces() const { return Frame<GuiMissionSelect>("mission_select")->GetFaces(); }
};

} // namespace

TEST_F(MissionSelectTest, TheFreeMissionsAreFacesAndApplyTakesTheSelectedOne)
{
    _pilot->SetCash(4200);
    _pilot->SetTmpCash(77);
    _pilot->SetTmpCredit(300);
    ASSERT_TRUE(Enter("mission_select"));
    ASSERT_EQ(Faces()->GetItemCount(), 2);
    _frames->funcSelectUp();
    _frames->funcSelectDown();
    EXPECT_EQ(Faces()->GetSelected(), 0) << "up and down change nothing";
    _frames->funcSelectRight();
    EXPECT_EQ(Faces()->GetSelected(), 1);
    _frames->funcSelectRight();
    EXPECT_EQ(Faces()->GetSelected(), 1) << "the last face";

    _frames->funcSelectApply();
    EXPECT_STREQ(Next(), "mission_desc");
    EXPECT_EQ(_pilot->GetCurrentLevel(), Offer(1));
    // The whole cash is there to pay the mission with, and no loan is carried over.
    EXPECT_EQ(_pilot->GetTmpCash(), 4200);
    EXPECT_EQ(_pilot->GetTmpCredit(), 0);
}

TEST_F(MissionSelectTest, DeclineGoesBackToThePlayPanel)
{
    GuiMainMenu::_state = GuiMainMenu::STATE_PLAY;
    ASSERT_TRUE(Enter("mission_select"));
    _frames->funcSelectDecline();
    EXPECT_STREQ(Next(), "main_menu");
    EXPECT_FALSE(Faces()->IsVisible());
    EXPECT_EQ(GuiMainMenu::_state, GuiMainMenu::STATE_PLAY);
    EXPECT_EQ(_pilot->GetCurrentLevel(), nullptr);
}

TEST_F(MissionSelectTest, WithoutAPilotThePilotPanelComesFirst)
{
    GuiMainMenu::_state = GuiMainMenu::STATE_PLAY;
    game.GetProfileManager()->SelectNone();
    _frames->SetActive("mission_select");
    EXPECT_TRUE(StepUntil("main_menu"));
    EXPECT_EQ(GuiMainMenu::_state, GuiMainMenu::STATE_PROFILES);
    _frames->funcSelectApply();
    EXPECT_STREQ(Current(), "main_menu");
}

// From the menu to a flown mission with keys alone: play, single, the first mission, start. The
// pilot's cash is what it was: nothing was prepared to charge but the whole cash.
TEST_F(MissionSelectTest, FromTheMainMenuToTheFirstMissionWithKeysAlone)
{
    _pilot->SetCash(4200);
    GuiMainMenu::_state = GuiMainMenu::STATE_BUTTONS;
    GuiMainMenu::_state_anim = 0.0f;
    ASSERT_TRUE(Enter("main_menu"));
    _frames->funcSelectApply(); // play
    Step(12);
    _frames->funcSelectApply(); // single
    ASSERT_TRUE(StepUntil("mission_select"));
    _frames->funcSelectApply();
    ASSERT_TRUE(StepUntil("mission_desc"));
    _frames->funcSelectApply(); // start
    ExpectFirstMissionFlown();
    EXPECT_EQ(_pilot->GetCash(), 4200);
}
