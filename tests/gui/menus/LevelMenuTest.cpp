// The pause menu as the mission frame drives it: every event forwarded, open or not; and the
// menu of a flying mission, reached through the frame manager as the launcher's keys reach it.
#include "MenuFixture.h"

#include "foundation/base/Timer.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/catalogue/LevelsList.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/profiles/ProfileManager.h"
#include "game/profiles/UserProfile.h"
#include "game/core/level/LevelMenu.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/SpriteLayer.h"
#include "services/sound/SoundEngine.h"

class LevelMenuTest : public MenuTest
{
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Open("empty"));
        _menu = std::make_unique<LevelMenu>();
        _menu->Initialize();
    }
    void TearDown() override
    {
        _menu.reset();
        MenuTest::TearDown();
    }

    // Events by letter (U, D, L, R, A for Apply, X for Decline), each followed by the menu's
    // frame, as the mission runs it.
    void Press(const std::string& keys)
    {
        for (char key : keys)
        {
            switch (key)
            {
            case 'U': _menu->EventSelectUp(); break;
            case 'D': _menu->EventSelectDown(); break;
            case 'L': _menu->EventSelectLeft(); break;
            case 'R': _menu->EventSelectRight(); break;
            case 'A': _menu->EventSelectApply(); break;
            case 'X': _menu->EventSelectDecline(); break;
            default: FAIL() << key;
            }
            _menu->Proceed();
        }
    }

    std::unique_ptr<LevelMenu> _menu;
};

TEST_F(LevelMenuTest, NavigationOpensClosesAndAnswers)
{
    struct Case
    {
        const char* keys;
        bool open;
        int selected;
        bool confirm;
        int result;
    };
    const Case cases[] = {
        // Keys pressed in flight, with the menu closed, change nothing: not even Enter, arrow,
        // Enter on the quit button.
        {"ALUARA", false, 0, false, LevelMenu::RESULT_RESUME},
        {"X", true, 0, false, LevelMenu::RESULT_RESUME},
        {"XA", false, 0, false, LevelMenu::RESULT_RESUME},
        // Restart closes the menu (no mission here to load again); the selection survives it.
        {"XDA", false, 1, false, LevelMenu::RESULT_RESTART},
        {"XDAX", true, 1, false, LevelMenu::RESULT_RESTART},
        {"XDDXX", true, 2, false, LevelMenu::RESULT_RESUME},
        {"XUUUU", true, 2, false, LevelMenu::RESULT_RESUME},
        // Leaving asks first; no is the first answer and Escape takes the question back.
        {"XUA", true, 2, true, LevelMenu::RESULT_RESUME},
        {"XUAA", true, 2, false, LevelMenu::RESULT_RESUME},
        {"XUALX", true, 2, false, LevelMenu::RESULT_RESUME},
        {"XUALXX", false, 2, false, LevelMenu::RESULT_RESUME},
        {"XUALRA", true, 2, false, LevelMenu::RESULT_RESUME},
    };
    for (const Case& test : cases)
    {
        _menu->Initialize();
        Press(test.keys);
        EXPECT_EQ(_menu->IsOpen(), test.open) << test.keys;
        EXPECT_EQ(_menu->GetSelected(), test.selected) << test.keys;
        EXPECT_EQ(_menu->IsConfirmOpen(), test.confirm) << test.keys;
        EXPECT_EQ(_menu->GetResult(), test.result) << test.keys;
        EXPECT_FALSE(_menu->GetYes()) << test.keys;
        // Open, the mission is paused as by the pause key; closed, by any way, it runs.
        EXPECT_EQ(GamePaused, test.open ? 1 : 0) << test.keys;
    }
    EXPECT_EQ(_frames->GetStatus(), GameFrameManager::FADE_NONE) << "nothing left the mission";
    _menu->Initialize();
    Press("X");
    ASSERT_EQ(GamePaused, 1);
    _menu.reset();
    EXPECT_EQ(GamePaused, 0) << "a menu that goes while open resumes";
}

TEST_F(LevelMenuTest, ShowsTheButtonsOrTheQuestionOverAHalfDarkScreen)
{
    auto shown = [](const Layer* layer) { return layer && layer->GetVisible(); };
    Press("");
    EXPECT_FALSE(shown(_menu->GetBackLayer()));
    EXPECT_FALSE(shown(_menu->GetConfirmLayer()));
    Press("X");
    EXPECT_TRUE(shown(_menu->GetBackLayer()));
    EXPECT_FLOAT_EQ(_menu->GetBackLayer()->GetColor().a, 0.5f);
    EXPECT_EQ(_menu->GetBackLayer()->GetSize().x, float(LayerManager::GetWidth()));
    for (int i = 0; i < LevelMenu::ButtonCount; ++i)
        EXPECT_TRUE(shown(_menu->GetButton(i).GetLayer())) << i;
    EXPECT_FALSE(shown(_menu->GetConfirmLayer()));
    Press("UA");
    EXPECT_TRUE(shown(_menu->GetConfirmLayer()));
    EXPECT_FALSE(shown(_menu->GetButton(0).GetLayer()));
    Press("XX");
    EXPECT_FALSE(shown(_menu->GetBackLayer()));
    EXPECT_FALSE(shown(_menu->GetButton(2).GetLayer()));

    const size_t before = LayerManager::GetRoot()->GetChildsCount(false);
    _menu.reset();
    EXPECT_EQ(LayerManager::GetRoot()->GetChildsCount(false), before - 5) << "its five layers go with it";
}

TEST_F(LevelMenuTest, YesLeavesForTheMissionSelectionWithTheMenuMusic)
{
    // The mission selection is the chosen pilot's.
    game.GetProfileManager()->CreateProfile("Ada");
    Press("XUALA");
    EXPECT_FALSE(_menu->IsOpen());
    EXPECT_EQ(_menu->GetResult(), LevelMenu::RESULT_QUIT);
    EXPECT_EQ(_frames->GetNext(), FindFrame("mission_select"));
    if (!game.GetSoundEngine()->IsDisabled())
    {
        EXPECT_EQ(game.GetSoundEngine()->GetMusicCount(), 1u);
    }
    ASSERT_TRUE(Settle());
    EXPECT_STREQ(Current(), "mission_select");
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

TEST_F(LevelMenuTest, AFlyingMissionHandsTheFramesKeysToItsMenuOnlyOnceEscapeOpensIt)
{
    _menu.reset(); // the mission's own menu is the one under test
    UserProfile* pilot = game.GetProfileManager()->CreateProfile("Ada");
    pilot->SetCurrentLevel(pilot->GetLevelsList()->GetFreeDesc(0));
    SingleLevel* level = game.GetLevel();
    level->LoadLevel(nullptr, nullptr, nullptr);
    for (int i = 0; i < 300 && !level->IsLoaded(); ++i)
        Frames();
    ASSERT_TRUE(level->IsLoaded());
    ASSERT_TRUE(Settle());
    ASSERT_STREQ(Current(), "level");
    const LevelMenu* menu = level->GetLevelMenu();
    ASSERT_NE(menu, nullptr);
    auto expectMenu = [&](const char* keys, bool open, int selected, bool confirm, int result) {
        MenuTest::Press(keys);
        EXPECT_EQ(menu->IsOpen(), open) << keys;
        EXPECT_EQ(menu->GetSelected(), selected) << keys;
        EXPECT_EQ(menu->IsConfirmOpen(), confirm) << keys;
        EXPECT_EQ(menu->GetResult(), result) << keys;
        EXPECT_EQ(menu->GetBackLayer()->GetVisible(), open) << keys;
        EXPECT_STREQ(Current(), "level") << keys;
        EXPECT_EQ(_frames->GetStatus(), GameFrameManager::FADE_NONE) << keys;
    };

    // Keys pressed in flight reach no closed menu: not even the way to leave and its yes.
    expectMenu("DDALARA", false, 0, false, LevelMenu::RESULT_RESUME);
    expectMenu("X", true, 0, false, LevelMenu::RESULT_RESUME);
    // The question withdrawn by Escape, then resume.
    expectMenu("DDAR", true, 2, true, LevelMenu::RESULT_RESUME);
    expectMenu("X", true, 2, false, LevelMenu::RESULT_RESUME);
    expectMenu("UUA", false, 0, false, LevelMenu::RESULT_RESUME);
    const float time = level->GetTime();
    Frames(3);
    EXPECT_GT(level->GetTime(), time) << "the mission goes on";
    expectMenu("XX", false, 0, false, LevelMenu::RESULT_RESUME);

    // Leaving, with its yes, for the mission selection.
    MenuTest::Press("XDDALA");
    EXPECT_EQ(_frames->GetNext(), FindFrame("mission_select"));
    ASSERT_TRUE(Settle());
    EXPECT_STREQ(Current(), "mission_select");
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}
