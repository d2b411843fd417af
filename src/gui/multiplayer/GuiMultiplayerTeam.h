#pragma once

#include "game/core/frames/GameFrame.h"
#include "gui/menus/MenuBackground.h"
#include "gui/multiplayer/MultiplayerPage.h"
#include "gui/menus/TypedName.h"

#include <memory>
#include <vector>

class FlashLayer;
class GuiMultiplayerTeamPlayer;
class GuiTitleButton;
class NetworkPlayer;
struct NetworkGameInfo;

// The lobby, frame "multiplayer_team": the joined server's settings and name in the chat movie,
// a chat line typed into it, and the players the network client knows in six rows, refreshed
// every frame. Decline leaves the game (client and server) for "multiplayer_menu"; so does
// arriving without a server to show, or losing the server.
class GuiMultiplayerTeam : public GameFrame
{
public:
    static constexpr int RowCount = 6;
    static constexpr int ChatCharacters = 511;

    GuiMultiplayerTeam(GameFrameManager* manager, const char* name);
    ~GuiMultiplayerTeam() override;

    void EventSelectDecline() override;
    // Backspace takes the last character of the chat line back.
    void ProceedKey(const char& key) override;
    void AddChar(const char& ch) override;

    // Row i shows player i of the list, the rows past its end are hidden and say "Unknown".
    void ShowPlayers(const std::vector<NetworkPlayer*>& players);

    GuiMultiplayerTeamPlayer* GetRow(int row) const;
    FlashLayer* GetChat() const { return _chat; }
    const char* GetChatLine() const { return _chat_line.Get(); }
    GuiTitleButton* GetHeader(int header) const { return _page.GetHeader(header); }

protected:
    void UserInitialize() override;
    void UserProceed(float seconds) override;
    void UserShutDown() override;

private:
    void ShowServer(const NetworkGameInfo& info);
    // Closes the client and the server, where there are any.
    void LeaveGame();

    MenuBackground _background;
    MultiplayerPage _page;
    FlashLayer* _chat = nullptr;
    TypedName _chat_line{ChatCharacters, ChatCharacters, false};
    FlashLayer* _team1 = nullptr;
    FlashLayer* _team2 = nullptr;
    std::vector<std::unique_ptr<GuiMultiplayerTeamPlayer>> _players;
    // No server to show: the lobby sends the player back once it runs.
    bool _leave = false;
    // Entered with a client: once the engine has closed it, the lobby sends the player back.
    bool _joined = false;
};
