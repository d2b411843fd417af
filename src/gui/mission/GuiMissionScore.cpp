#include "gui/mission/GuiMissionScore.h"

#include "foundation/base/Dumper.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/profiles/UserProfile.h"
#include "game/core/game/MenuGame.h"
#include "gui/mission/GuiScreen.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/widgets/GuiGame.h"

namespace {

constexpr const char* ScreenName = "Mission score";

} // namespace

GuiMissionScore::GuiMissionScore(GameFrameManager* manager, const char* name)
    : GameFrame(manager, name), _video("$score_bg", "gui_score.mat")
{}

GuiMissionScore::~GuiMissionScore() { Unload(); }

void GuiMissionScore::UserInitialize()
{
    Unload();
    MenuGame::PlayMusic(MenuGame::MenuMusic);
    _video.Load("movies/stock_ex.avi");
    _title.Load()->SetTitle(GuiGame::Text("ui_score_title"));
    _tips.Load();
    _personalInfo.Load();

    const Vec2 headerPos[] = {{30.0f, 198.0f}, {480.0f, 198.0f}, {930.0f, 198.0f}};
    const int headerAlign[] = {GA_LEFT, GA_CENTER, GA_RIGHT};
    const char* headerText[] = {"ui_score_header_0", "ui_score_header_1", "ui_score_header_2"};
    for (int i = 0; i < 3; ++i)
    {
        _headers[i].Load(headerPos[i], headerAlign[i])->SetCaption(GuiGame::Text(headerText[i]));
        _headers[i].SetState(0);
    }
    const char* buttonText[] = {"ui_score_button_0", "ui_score_button_1", "ui_score_button_2"};
    for (int i = 0; i < BUTTON_COUNT; ++i)
    {
        _buttons[i].Load(Vec2(470.0f, 549.0f + 105.0f * float(i)), GA_CENTER)->SetText(GuiGame::Text(buttonText[i]));
        _buttons[i].SetVisible(true);
    }

    Layer* root = LayerManager::GetRoot();
    _leftColumn = Gui::AddFlash(root, "left_column", "swf//tg_left_column.swf", Gui::ScreenPos(Vec2(-2.0f, 268.0f)),
                                Gui::ScreenSize(Vec2(400.0f, 670.0f)));
    _rightColumn = Gui::AddFlash(root, "right_column", "swf//tg_right_column.swf",
                                 Gui::ScreenPos(Vec2(881.0f, 257.0f), GA_RIGHT), Gui::ScreenSize(Vec2(400.0f, 670.0f)));
    _centerColumn =
        Gui::AddFlash(root, "center_column", "swf//devices_back.swf", Gui::ScreenPos(Vec2(386.0f, 272.0f), GA_CENTER),
                      Gui::ScreenSize(Vec2(512.0f, 290.0f)));
    _section = SECTION_BUTTONS;
    _selected = BUTTON_MISSIONS;
    // A mission started from the command line may end with no pilot chosen: one is chosen first.
    _leaveForPilots = !GuiScreen::Pilot(ScreenName);
}

void GuiMissionScore::Unload()
{
    _video.Unload();
    _title.Unload();
    _tips.Unload();
    _personalInfo.Unload();
    for (GuiTitleButton& header : _headers)
        header.Unload();
    for (GuiMiddleButton& button : _buttons)
        button.Unload();
    Layer* root = LayerManager::GetRoot();
    Gui::Detach(root, _leftColumn);
    Gui::Detach(root, _rightColumn);
    Gui::Detach(root, _centerColumn);
}

void GuiMissionScore::UserProceed(float)
{
    if (_leaveForPilots)
    {
        GuiScreen::LeaveForPilots(GetManager());
        _leaveForPilots = false;
    }
    _video.Draw();
    for (int i = 0; i < BUTTON_COUNT; ++i)
        _buttons[i].SetState(i == _selected ? 2 : 1);
}

void GuiMissionScore::Focus(int section)
{
    _section = section;
    _selected = section == SECTION_BUTTONS ? BUTTON_MISSIONS : -1;
}

void GuiMissionScore::EventSelectLeft() { Focus(_section > SECTION_LEFT ? _section - 1 : _section); }

void GuiMissionScore::EventSelectRight() { Focus(_section < SECTION_RIGHT ? _section + 1 : _section); }

// The columns hold no rows, so Up and Down move only between the buttons.
void GuiMissionScore::EventSelectUp()
{
    if (_section == SECTION_BUTTONS && _selected > 0)
        --_selected;
}

void GuiMissionScore::EventSelectDown()
{
    if (_section == SECTION_BUTTONS && _selected < BUTTON_COUNT - 1)
        ++_selected;
}

void GuiMissionScore::EventSelectApply()
{
    if (UserProfile* pilot = MenuGame::CurrentProfile())
        pilot->GetLevelScore()->Clear();
    switch (_selected)
    {
    case BUTTON_MISSIONS: GetManager()->SetActive("mission_select"); break;
    case BUTTON_RETRY: Retry(); break;
    case BUTTON_MAIN_MENU: GetManager()->SetActive("main_menu"); break;
    default: break;
    }
}

void GuiMissionScore::Retry()
{
    if (SingleLevel* level = game.GetLevel())
        level->LoadLevel(nullptr, nullptr, nullptr);
    else
        Dumper::Instance().Print(DUMP_ERROR, "%s: the game has no mission frame\n", ScreenName);
}
