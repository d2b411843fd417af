// The menus as a player sees them: screenshots of the main menu, the pilot panel, the pause menu
// and the carousels on the game's 1024 x 768 window, each kept beside the test program as
// "<screen>.bmp" to be looked at.
#include "MenuFixture.h"

#include "MaterialSystem/MaterialSystem.h"
#include "MaterialSystem/materials/MaterialMgr.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/profiles/ProfileManager.h"
#include "game/profiles/UserProfile.h"
#include "gui/menus/GuiMainMenu.h"
#include "gui/menus/GuiMultiplayerFaces.h"
#include "gui/menus/GuiMultiplayerMissions.h"
#include "gui/menus/GuiProfiles.h"
#include "game/core/level/LevelMenu.h"
#include "layers/LayerManager.h"
#include "layers/widgets/GuiWidget.h"

namespace {

int Red(uint32_t c) { return int(c >> 16 & 0xFF); }
int Green(uint32_t c) { return int(c >> 8 & 0xFF); }
int Blue(uint32_t c) { return int(c & 0xFF); }
// The selected colour of the menus' buttons, and the normal one.
bool Orange(uint32_t c) { return Red(c) > 170 && Green(c) > 90 && Green(c) < 200 && Blue(c) < 110; }
bool MenuBlue(uint32_t c) { return Blue(c) > 120 && Red(c) < 90 && Blue(c) > Red(c) + 60; }
bool White(uint32_t c) { return Red(c) > 220 && Green(c) > 220 && Blue(c) > 220; }
bool Lit(uint32_t c) { return Red(c) + Green(c) + Blue(c) > 120; }
bool Pale(uint32_t c) { return Red(c) > 140 && Green(c) > 180 && Blue(c) > 220; }

} // namespace

class ScreensTest : public MenuTest
{
protected:
    void TearDown() override
    {
        MenuTest::TearDown();
        GuiMainMenu::_state = GuiMainMenu::STATE_PROFILES;
        GuiMainMenu::_state_anim = 1.0f;
    }

    // A design rectangle on the screen, centred.
    static void Rect(float x, float y, float w, float h, int& px, int& py, int& pw, int& ph)
    {
        const Vec2 pos = Gui::ScreenPos(Vec2(x, y), GA_CENTER), size = Gui::ScreenSize(Vec2(w, h));
        px = int(pos.x), py = int(pos.y), pw = int(size.x), ph = int(size.y);
    }
    int Count(const Picture& picture, float x, float y, float w, float h, bool (*test)(uint32_t))
    {
        int px, py, pw, ph;
        Rect(x, y, w, h, px, py, pw, ph);
        return picture.Count(px, py, pw, ph, test);
    }
};

TEST_F(ScreensTest, MainMenuButtonsWithTheSelectionMovedByKeys)
{
    GuiMainMenu::_state = GuiMainMenu::STATE_BUTTONS;
    GuiMainMenu::_state_anim = 0.0f;
    ASSERT_TRUE(Open("main_menu"));
    _frames->funcSelectDown();
    Frames(20);
    const Picture shot = Shoot("main_menu");
    ASSERT_EQ(shot.width, 1024);
    // The hangar button is lit, play is not; both have their captions.
    EXPECT_GT(Count(shot, 392, 324 + 30, 488, 92, Orange), 2000);
    EXPECT_EQ(Count(shot, 392, 219 + 30, 488, 92, Orange), 0);
    EXPECT_GT(Count(shot, 392, 219 + 30, 488, 92, MenuBlue), 2000);
    for (int button : {0, 1, 5})
        EXPECT_GT(Count(shot, 392, 219 + 105.0f * button + 30, 488, 92, White), 100) << button;
    EXPECT_GT(Count(shot, 300, 20, 680, 150, Pale), 5000) << "the game's name above the buttons";
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

TEST_F(ScreensTest, PilotPanelWithThreePilots)
{
    for (const char* name : {"Vera", "Ash", "Kell"})
        game.GetProfileManager()->CreateProfile(name);
    game.GetProfileManager()->GetProfileByIndex(0)->SetCash(4200);
    ASSERT_TRUE(Open("main_menu"));
    Frames(30);
    const Picture shot = Shoot("profiles");
    EXPECT_GT(Count(shot, 63, 219, 256, 90 * 5, Lit), 10000) << "the five buttons";
    EXPECT_GT(Count(shot, 413, 159, 650, 512, White), 100) << "the pilot's name";
    EXPECT_GT(Count(shot, 413, 159, 650, 512, Orange), 300) << "the pilot's values";
    EXPECT_GT(Count(shot, 330, 706, 620, 250, Lit), 10000) << "the carousel";
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}

TEST_F(ScreensTest, PauseMenuOverAMissionAndItsQuestion)
{
    ASSERT_TRUE(Open("empty"));
    LevelMenu menu;
    menu.Initialize();
    menu.EventSelectDecline();
    menu.EventSelectUp();
    for (int i = 0; i < 20; ++i)
    {
        menu.Proceed();
        Frames();
    }
    menu.Proceed();
    const Picture buttons = Shoot("pause_menu");
    EXPECT_GT(Count(buttons, 392, 342 + 2 * 105 + 30, 488, 92, Orange), 2000) << "leave is selected";
    menu.EventSelectApply();
    for (int i = 0; i < 10; ++i)
    {
        menu.Proceed();
        Frames();
    }
    menu.Proceed();
    const Picture question = Shoot("pause_menu_question");
    EXPECT_GT(Count(question, 440, 363, 400, 256, Lit), 5000);
    EXPECT_EQ(Count(question, 392, 342 + 30, 40, 92, MenuBlue), 0) << "the buttons make way";
}

TEST_F(ScreensTest, FaceAndMapCarousels)
{
    ASSERT_TRUE(Open("empty"));
    MaterialMgr* materials = game.GetRender()->GetMaterialMgr();
    Material* face = materials->CreateMaterialFromFile("faces//player.mat");
    Material* ship = materials->CreateMaterialFromFile("angar//default_ship.mat");
    {
        GuiMultiplayerFaces faces;
        for (const char* name : {"Ice field", "Red giant", "Dust belt"})
            faces.AddFace(name, face, ship);
        faces.EventRight();
        faces.UpdateText();
        for (int i = 0; i < 20; ++i)
        {
            Frames();
            faces.Update();
        }
        const Picture shot = Shoot("carousel_faces");
        EXPECT_GT(Count(shot, 446, 270, 389, 389, Lit), 30000) << "the big picture";
    }
    GuiMultiplayerMissions maps;
    for (const char* name : {"Ice field", "Red giant", "Dust belt", "Ash cloud"})
        maps.AddMission(name);
    maps.EventRight();
    for (int i = 0; i < 20; ++i)
    {
        Frames();
        maps.Update();
    }
    const Picture shot = Shoot("carousel_maps");
    EXPECT_GT(Count(shot, 508, 713, 256, 220, White), 200) << "the centre card's name";
}

// A box dims the whole screen behind it and shows nothing of it through itself: the pilot's rows
// behind the name entry, the menu's buttons behind the quit box.
TEST_F(ScreensTest, ABoxDimsWhatIsBehindItAndHidesItsShare)
{
    // The boxes' own panel colour; a pixel of anything behind would differ.
    auto seen = [](uint32_t c) {
        return std::abs(Red(c) - 0x0c) + std::abs(Green(c) - 0x14) + std::abs(Blue(c) - 0x1e) > 6;
    };
    game.GetProfileManager()->CreateProfile("Vera");
    ASSERT_TRUE(Open("main_menu"));
    Frames(30);
    _frames->funcSelectDown();
    _frames->funcSelectDown();
    Frames(10);
    const Picture pilots = Shoot("profiles_rename_selected");
    _frames->funcSelectApply();
    Frames(10);
    const Picture entry = Shoot("profiles_name_entry");
    EXPECT_GT(Count(pilots, 63, 219 + 2 * 90, 256, 90, Orange), 1000) << "the rename button";
    EXPECT_EQ(Count(entry, 63, 219 + 2 * 90, 256, 90, Orange), 0) << "dimmed beside the entry";
    EXPECT_GT(Count(pilots, 413, 159, 650, 512, White), 100) << "the pilot's name";
    EXPECT_EQ(Count(entry, 413, 159, 650, 140, White), 0) << "dimmed above the entry";
    // Left of the entry's prompt and below its field, over the captions of the pilot's rows.
    EXPECT_EQ(Count(entry, 422, 343, 86, 72, seen), 0);
    EXPECT_EQ(Count(entry, 422, 535, 86, 20, seen), 0);

    GuiMainMenu::_state = GuiMainMenu::STATE_BUTTONS;
    GuiMainMenu::_state_anim = 0.0f;
    ASSERT_TRUE(Open("main_menu"));
    Frames(10);
    _frames->funcSelectUp(); // to quit
    _frames->funcSelectApply();
    Frames(10);
    const Picture quit = Shoot("main_menu_quit_box");
    EXPECT_EQ(Count(quit, 392, 219 + 5 * 105 + 30, 488, 92, Orange), 0) << "the quit button, dimmed";
    // Between the question and the answers, over the hangar button.
    EXPECT_EQ(Count(quit, 470, 424, 340, 28, seen), 0);
    EXPECT_EQ(_log.Errors(), 0) << _log.All();
}
