#include "gui/multiplayer/GuiMultiplayerCreateGame.h"

#include "foundation/base/Dumper.h"
#include "gui/menus/GuiMultiplayerMissions.h"
#include "game/core/game/MenuGame.h"
#include "gui/multiplayer/MultiplayerGame.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/flash/FlashControl.h"
#include "layers/widgets/GuiButtons.h"
#include "layers/widgets/GuiGame.h"
#include "layers/widgets/GuiTitle.h"

#include <chrono>
#include <cmath>
#include <limits>
#include <string>
#include <thread>

using FlashHost::Args;

const char* const GuiMultiplayerCreateGame::MapNames[MapCount] = {"JunkSpace",           "Aldaron V",  "Kaldea III",
                                                                  "Battle for Quorvane", "Soul storm", "Asteroids",
                                                                  "SharkLand",           "PiggyTail",  "Asheron Prime"};

namespace {

constexpr int LeftHeader = 0;
constexpr int RightHeader = 1;
constexpr uint32_t GameTypeDeathmatch = 1;
constexpr char Backspace = 8;

// A number of the movie as a record field: truncated toward zero, within 0..65535.
uint16_t Field(float value)
{
    if (!(value > 0.0f))
        return 0;
    const float most = float(std::numeric_limits<uint16_t>::max());
    return value >= most ? std::numeric_limits<uint16_t>::max() : uint16_t(std::trunc(value));
}

FlashLayer* AddLayer(const char* name, const char* movie, const Vec2& pos, bool rightAligned, const Vec2& size,
                     bool visible)
{
    FlashLayer* layer = Gui::AddFlash(LayerManager::GetRoot(), name, movie,
                                      Gui::ScreenPos(pos, rightAligned ? GA_RIGHT : GA_LEFT), Gui::ScreenSize(size));
    Gui::SetVisible({layer}, visible);
    return layer;
}

} // namespace

GuiMultiplayerCreateGame::GuiMultiplayerCreateGame(GameFrameManager* manager, const char* name)
    : GameFrame(manager, name), _background("$create_game_bg", "gui_create_game.mat")
{}

GuiMultiplayerCreateGame::~GuiMultiplayerCreateGame() = default;

NetworkGameInfo GuiMultiplayerCreateGame::MakeGameInfo(const char* serverName, const char* mapName, float players,
                                                       float frags, float minutes)
{
    NetworkGameInfo info;
    Gui::CopyText(info.name, sizeof(info.name), serverName ? serverName : "");
    Gui::CopyText(info.text, sizeof(info.text), mapName ? mapName : "");
    info.maxPlayers = Field(players);
    info.fragLimit = Field(frags);
    info.timeLimit = Field(minutes * 60.0f);
    info.extra = GameTypeDeathmatch;
    return info;
}

void GuiMultiplayerCreateGame::UserInitialize()
{
    _stage = STAGE_MAP;
    _background.Load("movies/menu.avi");

    _title = std::make_unique<GuiTitle>();
    _title->Load()->SetTitle(GuiGame::Text("ui_create_game_title"));
    _tips = std::make_unique<GuiTipsPanel>();
    _tips->Load();

    _headers[LeftHeader] = std::make_unique<GuiTitleButton>();
    _headers[LeftHeader]->Load(Vec2(165.0f, 78.0f), GA_LEFT);
    _headers[RightHeader] = std::make_unique<GuiTitleButton>();
    _headers[RightHeader]->Load(Vec2(795.0f, 78.0f), GA_RIGHT);
    ShowHeaders(false);

    _map_preview = AddLayer("mission_map2", "swf//mission_map2.swf", {64.0f, 155.0f}, false, {525.0f, 520.0f}, true);
    _map_description =
        AddLayer("mission_desc2", "swf//mission_desc2.swf", {691.0f, 159.0f}, true, {530.0f, 520.0f}, true);
    _settings = AddLayer("game_settings", "swf//game_settings.swf", {624.0f, 158.0f}, true, {650.0f, 370.0f}, false);
    for (int i = 0; i < 6; ++i)
    {
        const std::wstring function = L"SetTxt" + std::to_wstring(i);
        const std::string code = "ui_create_game_settings" + std::to_string(i);
        Gui::Call(_settings, function.c_str(), Args(GuiGame::Text(code.c_str())));
    }
    _settings_map = AddLayer("mission_map", "swf//mission_map.swf", {6.0f, 156.0f}, false, {635.0f, 650.0f}, false);
    _message = AddLayer("red_message", "swf//gs_message.swf", {710.0f, 522.0f}, true, {475.0f, 220.0f}, false);
    Gui::Call(_message, L"SetTxt", Args(GuiGame::Text("ui_create_game_message0")));

    _create_button = std::make_unique<GuiMiddleButton>(Vec2(782.0f, 549.0f), GA_RIGHT);
    _create_button->SetVisible(true);
    _create_button->SetText(GuiGame::Text("ui_create_game_btn0"));

    _maps = std::make_unique<GuiMultiplayerMissions>();
    for (const char* map : MapNames)
        _maps->AddMission(map);
    _active_slot = SLOT_NAME;
    _server_name.Clear();
}

void GuiMultiplayerCreateGame::UserProceed(float)
{
    _background.Draw();
    if (_maps)
        _maps->Update();
    const bool settings = _stage == STAGE_SETTINGS;
    if (_maps)
        _maps->SetVisible(!settings);
    Gui::SetVisible({_map_preview, _map_description}, !settings);
    Gui::SetVisible({_settings, _settings_map}, settings);
    if (!settings)
    {
        Gui::SetAlpha({_map_preview}, _maps ? _maps->GetShiftAlpha() : 1.0f);
        Gui::SetVisible({_message}, false);
        if (_create_button)
            _create_button->SetVisible(false);
    }
    else
    {
        const bool ready = _active_slot == SLOT_CREATE && !_server_name.IsEmpty();
        Gui::SetVisible({_message}, !ready);
        if (_create_button)
        {
            _create_button->SetVisible(ready);
            _create_button->SetState(ready ? 2 : 1);
        }
    }
    // The screen gives the machine a breather every frame.
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

void GuiMultiplayerCreateGame::UserShutDown()
{
    _background.Unload();
    _title.reset();
    _tips.reset();
    for (auto& header : _headers)
        header.reset();
    Layer* root = LayerManager::GetRoot();
    Gui::Detach(root, _map_preview);
    Gui::Detach(root, _map_description);
    Gui::Detach(root, _settings);
    Gui::Detach(root, _settings_map);
    Gui::Detach(root, _message);
    _maps.reset();
    _create_button.reset();
}

void GuiMultiplayerCreateGame::ShowHeaders(bool settings)
{
    if (_headers[LeftHeader])
    {
        _headers[LeftHeader]->SetCaption(GuiGame::Text("ui_create_game_header_map"));
        _headers[LeftHeader]->SetCaption2("");
        _headers[LeftHeader]->SetState(0);
    }
    if (_headers[RightHeader])
    {
        _headers[RightHeader]->SetCaption(
            GuiGame::Text(settings ? "ui_create_game_header_settings" : "ui_create_game_header_objectives"));
        _headers[RightHeader]->SetCaption2(settings ? GuiGame::Text("ui_create_game_header_settings2") : "");
        _headers[RightHeader]->SetState(settings ? 1 : 0);
    }
}

void GuiMultiplayerCreateGame::SendActiveSlot() { Gui::Call(_settings, L"SetActiveSlot", Args(_active_slot)); }

void GuiMultiplayerCreateGame::SendServerName() { Gui::Call(_settings, L"SetServerName", Args(_server_name.Get())); }

float GuiMultiplayerCreateGame::AskNumber(const wchar_t* function) const
{
    if (!_settings || !_settings->GetFC())
        return 0.0f;
    const FlashHost::FlashValue value = _settings->GetFC()->callFunction(function, Args());
    if (value.getType() != FlashHost::FT_NUMBER)
    {
        Dumper::Instance().Print(DUMP_WARNING, "The game settings answer no number to %ls; 0 is taken\n", function);
        return 0.0f;
    }
    return value.getNumber();
}

void GuiMultiplayerCreateGame::CreateServer()
{
    const float players = AskNumber(L"GetPL");
    const float frags = AskNumber(L"GetFL");
    const float minutes = AskNumber(L"GetTL");
    NetworkGameInfo info =
        MakeGameInfo(_server_name.Get(), _maps ? _maps->GetSelectedName() : "", players, frags, minutes);
    // A server that cannot start leaves no game; the lobby then sends the player back.
    MultiplayerGame::Host(info);
    MenuGame::SetActiveFrame("multiplayer_team");
}

void GuiMultiplayerCreateGame::EventSelectApply()
{
    MenuGame::PlaySound(MenuGame::PressButtonSound);
    if (_stage == STAGE_MAP)
    {
        _stage = STAGE_SETTINGS;
        ShowHeaders(true);
        return;
    }
    if (!_server_name.IsEmpty())
    {
        if (_active_slot == SLOT_CREATE)
            CreateServer();
        else if (_active_slot == SLOT_LAST_SETTING)
            _active_slot = SLOT_CREATE;
        else
            ++_active_slot;
    }
    SendActiveSlot();
}

void GuiMultiplayerCreateGame::EventSelectDecline()
{
    if (_stage == STAGE_MAP)
    {
        MenuGame::SetActiveFrame("multiplayer_menu");
        return;
    }
    if (_active_slot == SLOT_CREATE && !_server_name.IsEmpty())
    {
        _active_slot = SLOT_NAME;
        SendActiveSlot();
        Gui::SetVisible({_message}, true);
        if (_create_button)
            _create_button->SetVisible(false);
        return;
    }
    _stage = STAGE_MAP;
    ShowHeaders(false);
}

void GuiMultiplayerCreateGame::EventSelectDown()
{
    if (_stage != STAGE_SETTINGS || _server_name.IsEmpty())
        return;
    MenuGame::PlaySound(MenuGame::SelectButtonSound);
    if (_active_slot < SLOT_LAST_SETTING)
        ++_active_slot;
    SendActiveSlot();
}

void GuiMultiplayerCreateGame::EventSelectUp()
{
    if (_stage != STAGE_SETTINGS)
        return;
    MenuGame::PlaySound(MenuGame::SelectButtonSound);
    if (_active_slot > SLOT_NAME)
        --_active_slot;
    SendActiveSlot();
}

void GuiMultiplayerCreateGame::EventSelectRight()
{
    MenuGame::PlaySound(MenuGame::SelectSlotSound);
    if (_stage == STAGE_MAP)
    {
        if (_maps)
            _maps->EventRight();
        return;
    }
    Gui::Call(_settings, L"EventRight");
}

void GuiMultiplayerCreateGame::EventSelectLeft()
{
    MenuGame::PlaySound(MenuGame::SelectSlotSound);
    if (_stage == STAGE_MAP)
    {
        if (_maps)
            _maps->EventLeft();
        return;
    }
    Gui::Call(_settings, L"EventLeft");
}

void GuiMultiplayerCreateGame::AddChar(const char& ch)
{
    if (_active_slot == SLOT_NAME && _server_name.Add(ch) && _server_name.IsComplete())
        SendServerName();
}

void GuiMultiplayerCreateGame::ProceedKey(const char& key)
{
    if (_active_slot != SLOT_NAME || key != Backspace || _server_name.IsEmpty())
        return;
    _server_name.Back();
    SendServerName();
}
