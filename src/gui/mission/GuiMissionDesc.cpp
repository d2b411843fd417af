#include "gui/mission/GuiMissionDesc.h"

#include "foundation/base/Dumper.h"
#include "game/core/catalogue/LevelDesc.h"
#include "game/core/frames/GameFrameManager.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/profiles/UserProfile.h"
#include "game/core/game/MenuGame.h"
#include "gui/mission/GuiScreen.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/SpriteLayer.h"
#include "layers/widgets/GuiGame.h"

#include <cstring>
#include <string>

using FlashHost::Args;

namespace {

constexpr const char* ScreenName = "Mission description";

// The emblems of the eight races by the codes offers name their clients with.
struct RaceEmblem
{
    const char* code;
    const char* material;
};
constexpr RaceEmblem RaceEmblems[] = {
    {"YTG", "races//ytg.mat"},   {"BLG", "races//blg.mat"}, {"RTB", "races//rtb.mat"}, {"TLD", "races//tld.mat"},
    {"FSLK", "races//fslk.mat"}, {"SHA", "races//sha.mat"}, {"ASP", "races//asp.mat"}, {"SMKT", "races//smkt.mat"},
};

} // namespace

GuiMissionDesc::GuiMissionDesc(GameFrameManager* manager, const char* name)
    : GameFrame(manager, name), _video("$mission_desc_bg", "gui_mission_desc.mat")
{}

GuiMissionDesc::~GuiMissionDesc() { UserShutDown(); }

void GuiMissionDesc::GetMissionInfo()
{
    const UserProfile* pilot = MenuGame::CurrentProfile();
    _level = pilot ? pilot->GetCurrentLevel() : nullptr;
    _emblem = nullptr;
    Gui::CopyText(_from, sizeof(_from), _level ? _level->GetFrom() : "");
    Gui::CopyText(_title, sizeof(_title), _level ? _level->GetName() : "");
    Gui::CopyText(_location, sizeof(_location), _level ? _level->GetLocation() : "");
    Gui::CopyText(_fullDesc, sizeof(_fullDesc), _level ? _level->GetFullDesc() : "");
    if (!_level)
        return;
    for (const RaceEmblem& race : RaceEmblems)
    {
        if (std::strcmp(_level->GetRace(), race.code) == 0)
            _emblem = GuiGame::LoadMaterial(race.material);
    }
}

void GuiMissionDesc::UserInitialize()
{
    UserShutDown();
    _selection = BUTTON_START;
    _video.Load("movies/stock_ex.avi");
    GetMissionInfo();
    _screenTitle.Load()->SetTitle(GuiGame::Text("ui_briefing_title"));

    // Each button and tab keeps to its side of the page, as the map (left) and the mission's page
    // (right) do, however wide the screen.
    _buttons[BUTTON_GANG].Load(Vec2(77.0f, 759.0f), GA_LEFT)->SetText(GuiGame::Text("ui_briefing_button_gang"));
    _buttons[BUTTON_ANGAR].Load(Vec2(467.0f, 759.0f), GA_CENTER)->SetText(GuiGame::Text("ui_briefing_button_angar"));
    _buttons[BUTTON_START].Load(Vec2(857.0f, 759.0f), GA_RIGHT)->SetText(GuiGame::Text("ui_briefing_button_start"));
    _buttons[BUTTON_GANG].SetState(0);
    // A solo mission has no seats to fill.
    if (!_level || !_level->IsTeam())
        _buttons[BUTTON_GANG].Disable();

    LoadLayers();
    LoadDealer();

    _headers[0].Load(Vec2(165.0f, 78.0f), GA_LEFT)->SetCaption(GuiGame::Text("ui_briefing_header_map"));
    _headers[1].Load(Vec2(795.0f, 78.0f), GA_RIGHT)->SetCaption(GuiGame::Text("ui_briefing_header_obj"));
    for (GuiTitleButton& header : _headers)
        header.SetState(0);

    // The page shows a chosen mission of a chosen pilot; without one it goes where one is chosen.
    _leaveTo = nullptr;
    if (!GuiScreen::Pilot(ScreenName))
        _leaveTo = "main_menu";
    else if (!_level)
    {
        Dumper::Instance().Print(DUMP_ERROR, "%s: the pilot has no mission chosen\n", ScreenName);
        _leaveTo = "mission_select";
    }
}

void GuiMissionDesc::LoadLayers()
{
    Layer* root = LayerManager::GetRoot();
    _map = Gui::AddFlash(root, "mission_map", "swf//mission_map.swf", Gui::ScreenPos(Vec2(6.0f, 156.0f)),
                         Gui::ScreenSize(Vec2(635.0f, 650.0f)));
    // The map draws the star system of the mission's location.
    Gui::Call(_map, L"SetLocation", Args(_location));

    _desc = Gui::AddFlash(root, "mission_desc", "swf//mission_desc_1.swf",
                          Gui::ScreenPos(Vec2(687.0f, 159.0f), GA_RIGHT), Gui::ScreenSize(Vec2(540.0f, 650.0f)));
    Gui::Call(_desc, L"SetTxt1", Args(GuiGame::Text("ui_briefing_mission_from")));
    Gui::Call(_desc, L"SetTxt2", Args(GuiGame::Text("ui_briefing_mission_title")));
    Gui::Call(_desc, L"SetTxt3", Args(GuiGame::Text("ui_briefing_mission_loc")));
    Gui::Call(_desc, L"SetTxt4", Args(GuiGame::Text("ui_briefing_mission_obj")));
    Gui::Call(_desc, L"SetMT", Args(GuiGame::Text("ui_briefing_mission_tm")));

    _icon = Gui::AddSprite(root, "icon", Gui::ScreenPos(Vec2(1090.0f, 248.0f), GA_RIGHT),
                           Gui::ScreenSize(Vec2(51.0f, 51.0f)));
    _face = Gui::AddSprite(root, "face", Gui::ScreenPos(Vec2(761.0f, 225.0f), GA_RIGHT),
                           Gui::ScreenSize(Vec2(51.0f, 51.0f)));
    Gui::SetVisible({_icon}, false);

    _descFrame = Gui::AddFlash(root, "md_e", "swf//md_e.swf", Gui::ScreenPos(Vec2(751.0f, 216.0f), GA_RIGHT),
                               Gui::ScreenSize(Vec2(70.0f, 70.0f)));
    // The page's own movie shows the texts too: the face's small frame has no room for them.
    for (FlashLayer* layer : {_descFrame, _desc})
    {
        Gui::Call(layer, L"SetName", Args(_from));
        Gui::Call(layer, L"SetTitle", Args(_title));
        Gui::Call(layer, L"SetLocation", Args(_location));
        Gui::Call(layer, L"SetDesc", Args(_fullDesc));
    }
    Gui::Call(_desc, L"SetTeam", Args(TeamText().c_str()));
}

// The gang hired for a team mission, "hired / seats: names"; empty for a solo mission.
std::string GuiMissionDesc::TeamText() const
{
    UserProfile* pilot = MenuGame::CurrentProfile();
    if (!pilot || !_level || !_level->IsTeam())
        return "";
    const UserTeam* team = pilot->GetTeam();
    std::string text = std::to_string(team->GetTeamSize()) + " / " + std::to_string(_level->GetMaxPirates());
    for (unsigned i = 0; i < team->GetTeamSize(); ++i)
    {
        const Pirate* pirate = team->GetTeamMemberByIndex(i);
        text += (i == 0 ? ": " : ", ") + std::string(pirate ? pirate->GetName() : "");
    }
    return text;
}

// The client's face and the emblem of his race, from the pilot's first dealer; a pilot with no
// dealer shows neither.
void GuiMissionDesc::LoadDealer()
{
    const UserProfile* pilot = MenuGame::CurrentProfile();
    const Dealer* dealer = pilot ? pilot->GetDealerByIndex(0) : nullptr;
    if (!dealer)
        return;
    Gui::SetMaterial(_face, GuiGame::LoadMaterial(dealer->GetIcon()));
    const RaceRating* races = pilot->GetRaceRating();
    const Race* race = races ? races->GetRaceByCode(dealer->GetRace()) : nullptr;
    if (!race)
        return;
    Gui::SetMaterial(_icon, GuiGame::LoadMaterial(race->GetIcon()));
    Gui::SetVisible({_icon}, true);
}

void GuiMissionDesc::UserProceed(float)
{
    if (_leaveTo)
    {
        if (std::strcmp(_leaveTo, "main_menu") == 0)
            GuiScreen::LeaveForPilots(GetManager());
        else
            GetManager()->SetActive(_leaveTo);
        _leaveTo = nullptr;
    }
    _video.Draw();
    for (int i = 0; i < BUTTON_COUNT; ++i)
        _buttons[i].SetState(i == _selection ? 2 : 1);
}

void GuiMissionDesc::UserShutDown()
{
    _video.Unload();
    _screenTitle.Unload();
    for (GuiMiddleButton& button : _buttons)
        button.Unload();
    for (GuiTitleButton& header : _headers)
        header.Unload();
    Layer* root = LayerManager::GetRoot();
    Gui::Detach(root, _map);
    Gui::Detach(root, _desc);
    Gui::Detach(root, _icon);
    Gui::Detach(root, _face);
    Gui::Detach(root, _descFrame);
}

void GuiMissionDesc::Move(int step)
{
    // The start button is always enabled, so the walk ends.
    do
        _selection = (_selection + step + BUTTON_COUNT) % BUTTON_COUNT;
    while (!_buttons[_selection].IsEnabled());
}

void GuiMissionDesc::EventSelectRight()
{
    MenuGame::PlaySound(MenuGame::SelectButtonSound);
    Move(1);
}

void GuiMissionDesc::EventSelectLeft()
{
    MenuGame::PlaySound(MenuGame::SelectButtonSound);
    Move(-1);
}

void GuiMissionDesc::EventSelectApply()
{
    MenuGame::PlaySound(MenuGame::PressButtonSound);
    switch (_selection)
    {
    case BUTTON_ANGAR: GetManager()->SetActive("angar"); break;
    case BUTTON_START:
    {
        UserProfile* pilot = GuiScreen::Pilot(ScreenName);
        SingleLevel* level = game.GetLevel();
        if (!pilot || !_level || !level)
            break;
        // The money left after the offer, the gang and any loans.
        pilot->SetCash(pilot->GetTmpCash());
        level->LoadLevel(nullptr, nullptr, nullptr);
        break;
    }
    case BUTTON_GANG: GetManager()->SetActive("team_gathering"); break;
    }
}

void GuiMissionDesc::EventSelectDecline()
{
    if (UserProfile* pilot = MenuGame::CurrentProfile())
        pilot->GetTeam()->ClearTeam();
    GetManager()->SetActive("mission_select");
}
