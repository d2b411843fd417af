#include "gui/multiplayer/GuiMultiplayerTeam.h"

#include "foundation/base/Dumper.h"
#include "game/core/game/MenuGame.h"
#include "gui/multiplayer/GuiMultiplayerTeamPlayer.h"
#include "gui/multiplayer/MultiplayerGame.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/widgets/GuiButtons.h"
#include "layers/widgets/GuiGame.h"
#include "services/network/NetworkEngine.h"

#include <cstring>
#include <string>

using FlashHost::Args;

namespace {

constexpr char Backspace = 8;
constexpr const char* HeaderTexts[MultiplayerPage::HeaderCount] = {
    "ui_multiplayer_mode_header0", "ui_multiplayer_mode_header1", "ui_multiplayer_mode_header2"};
constexpr int ChatHeader = 1;
constexpr int SettingsCaptions = 5;
constexpr int SecondsPerMinute = 60;

} // namespace

GuiMultiplayerTeam::GuiMultiplayerTeam(GameFrameManager* manager, const char* name)
    : GameFrame(manager, name), _background("$multiplayer_team_bg", "gui_multiplayer_team.mat")
{}

GuiMultiplayerTeam::~GuiMultiplayerTeam() = default;

GuiMultiplayerTeamPlayer* GuiMultiplayerTeam::GetRow(int row) const
{
    return row >= 0 && size_t(row) < _players.size() ? _players[size_t(row)].get() : nullptr;
}

void GuiMultiplayerTeam::UserInitialize()
{
    _background.Load("movies/menu.avi");
    _page.Load("ui_multiplayer_mode_title", HeaderTexts);
    for (int i = 0; i < MultiplayerPage::HeaderCount; ++i)
        _page.GetHeader(i)->SetState(i == ChatHeader ? 1 : 0);
    _page.GetHeader(ChatHeader)->SetCaption2(GuiGame::Text("ui_multiplayer_mode_header1.2"));

    Layer* root = LayerManager::GetRoot();
    _chat = Gui::AddFlash(root, "chat", "swf//chat.swf", Gui::ScreenPos(Vec2(366.0f, 269.0f), GA_CENTER),
                          Gui::ScreenSize(Vec2(550.0f, 550.0f)));
    _chat_line.Clear();
    for (int i = 0; i < SettingsCaptions; ++i)
    {
        const std::wstring function = L"SetTxt" + std::to_wstring(i);
        const std::string code = "ui_multiplayer_mode_settings" + std::to_string(i);
        Gui::Call(_chat, function.c_str(), Args(GuiGame::Text(code.c_str())));
    }

    _team1 = Gui::AddFlash(root, "_mp_team_1", "swf//mp_team_1.swf", Gui::ScreenPos(Vec2(-26.0f, 259.0f), GA_LEFT),
                           Gui::ScreenSize(Vec2(450.0f, 700.0f)));
    _team2 = Gui::AddFlash(root, "_mp_team_2", "swf//mp_team_2.swf", Gui::ScreenPos(Vec2(859.0f, 260.0f), GA_RIGHT),
                           Gui::ScreenSize(Vec2(450.0f, 700.0f)));

    _players.clear();
    for (int i = 0; i < RowCount; ++i)
    {
        auto row = std::make_unique<GuiMultiplayerTeamPlayer>(root);
        row->SetPos(Gui::ScreenPos(Vec2(72.0f, 351.0f + 90.0f * float(i)), GA_LEFT));
        _players.push_back(std::move(row));
    }

    const NetworkEngine* network = MultiplayerGame::Network();
    const NetworkGameInfo* info = network ? network->GetServerInfo() : nullptr;
    _leave = info == nullptr;
    _joined = info != nullptr;
    if (!info)
    {
        // Creating or joining a game can fail; the player goes back to try again.
        Dumper::Instance().Print(DUMP_ERROR, "Cannot get server info: the lobby returns to the multiplayer menu\n");
        return;
    }
    ShowServer(*info);
}

void GuiMultiplayerTeam::ShowServer(const NetworkGameInfo& info)
{
    // Only deathmatch is played.
    Gui::Call(_chat, L"SetGameType", Args("Deathmatch"));
    Gui::Call(_chat, L"SetServerName", Args(std::string(info.name, strnlen(info.name, sizeof(info.name))).c_str()));
    Gui::Call(_chat, L"SetFragLimit", Args(int(info.fragLimit)));
    Gui::Call(_chat, L"SetTimeLimit", Args(int(info.timeLimit) / SecondsPerMinute));
}

void GuiMultiplayerTeam::UserProceed(float)
{
    NetworkEngine* network = MultiplayerGame::Network();
    NetworkClient* client = network ? network->GetClient() : nullptr;
    if (_joined && !client)
    {
        // The engine closed the client: the server went away, refused or never answered.
        _joined = false;
        Dumper::Instance().Print(DUMP_WARNING, "Lost the server: the lobby returns to the multiplayer menu\n");
        LeaveGame();
        _leave = true;
    }
    // A switch asked for while the frame was being made would be lost in the fade.
    if (_leave)
    {
        _leave = false;
        MenuGame::SetActiveFrame("multiplayer_menu");
    }
    _background.Draw();
    if (client)
        ShowPlayers(client->GetPlayerList());
}

void GuiMultiplayerTeam::ShowPlayers(const std::vector<NetworkPlayer*>& players)
{
    for (size_t i = 0; i < _players.size(); ++i)
    {
        GuiMultiplayerTeamPlayer* row = _players[i].get();
        const NetworkPlayer* player = i < players.size() ? players[i] : nullptr;
        row->SetName(player ? player->GetName() : "Unknown");
        row->SetVisible(player != nullptr);
    }
}

void GuiMultiplayerTeam::UserShutDown()
{
    _background.Unload();
    _page.Unload();
    Layer* root = LayerManager::GetRoot();
    Gui::Detach(root, _chat);
    Gui::Detach(root, _team1);
    Gui::Detach(root, _team2);
    _players.clear();
    _leave = false;
    _joined = false;
}

void GuiMultiplayerTeam::EventSelectDecline()
{
    LeaveGame();
    _joined = false;
    MenuGame::SetActiveFrame("multiplayer_menu");
}

void GuiMultiplayerTeam::LeaveGame()
{
    if (NetworkEngine* network = MultiplayerGame::Network())
    {
        network->CloseClient();
        network->CloseServer();
    }
}

void GuiMultiplayerTeam::AddChar(const char& ch)
{
    if (_chat_line.Add(ch) && _chat_line.IsComplete())
        Gui::Call(_chat, L"ChangeChatMessage", Args(_chat_line.Get()));
}

void GuiMultiplayerTeam::ProceedKey(const char& key)
{
    if (key != Backspace || _chat_line.IsEmpty())
        return;
    _chat_line.Back();
    Gui::Call(_chat, L"ChangeChatMessage", Args(_chat_line.Get()));
}
