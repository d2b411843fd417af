#include "gui/mission/GuiMissionSelect.h"

#include "game/core/catalogue/LevelsList.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/MenuGame.h"
#include "game/profiles/UserProfile.h"
#include "gui/menus/GuiMultiplayerFaces.h"
#include "gui/mission/GuiScreen.h"
#include "layers/widgets/GuiGame.h"

namespace {

constexpr const char* ScreenName = "Mission selection";

struct FacePictures
{
    const char* picture;
    const char* slot;
};
constexpr FacePictures Pictures[GuiMissionSelect::FaceCount] = {
    {"gui_mission_select//m1.mat", "gui_mission_select//m1s.mat"},
    {"gui_mission_select//m3.mat", "gui_mission_select//m3s.mat"},
};

} // namespace

GuiMissionSelect::GuiMissionSelect(GameFrameManager* manager, const char* name)
    : GameFrame(manager, name), _video("$multiplayer_bg", "gui_multiplayer_bg.mat")
{}

GuiMissionSelect::~GuiMissionSelect() { Unload(); }

void GuiMissionSelect::UserInitialize()
{
    Unload();
    _video.Load("movies/menu.avi");
    _title.Load()->SetTitle(GuiGame::Text("ui_mission_select_title"));
    _tips.Load();
    _personalInfo.Load();

    _faces = std::make_unique<GuiMultiplayerFaces>();
    const UserProfile* pilot = GuiScreen::Pilot(ScreenName);
    const LevelsList* offers = pilot ? pilot->GetLevelsList() : nullptr;
    for (int i = 0; offers && i < FaceCount && i < offers->GetFreeCount(); ++i)
        _faces->AddFace(offers->GetFreeDesc(i)->GetName(), GuiGame::LoadMaterial(Pictures[i].picture),
                        GuiGame::LoadMaterial(Pictures[i].slot));
    _faces->UpdateText();
    _faces->SetVisible(true);
    // Reached with no pilot chosen (a mission started from the command line, then left): the
    // pilots come first.
    _leaveForPilots = !pilot;
}

void GuiMissionSelect::Unload()
{
    _video.Unload();
    _title.Unload();
    _tips.Unload();
    _personalInfo.Unload();
    _faces.reset();
}

void GuiMissionSelect::UserProceed(float)
{
    if (_leaveForPilots)
    {
        GuiScreen::LeaveForPilots(GetManager());
        _leaveForPilots = false;
    }
    _video.Draw();
    if (_faces)
        _faces->Update();
}

void GuiMissionSelect::EventSelectLeft()
{
    if (_faces)
        _faces->EventLeft();
}

void GuiMissionSelect::EventSelectRight()
{
    if (_faces)
        _faces->EventRight();
}

void GuiMissionSelect::EventSelectApply()
{
    UserProfile* pilot = MenuGame::CurrentProfile();
    const LevelsList* offers = pilot ? pilot->GetLevelsList() : nullptr;
    const int selected = _faces ? _faces->GetSelected() : -1;
    if (!offers || selected < 0 || selected >= offers->GetFreeCount())
        return;
    pilot->SetCurrentLevel(offers->GetFreeDesc(selected));
    // The mission is paid from the whole cash, as an offer taken at the stock exchange: what the
    // description charges when the mission starts.
    pilot->SetTmpCash(pilot->GetCash());
    pilot->SetTmpCredit(0);
    GetManager()->SetActive("mission_desc");
}

void GuiMissionSelect::EventSelectDecline()
{
    if (_faces)
        _faces->SetVisible(false);
    GetManager()->SetActive("main_menu");
}
