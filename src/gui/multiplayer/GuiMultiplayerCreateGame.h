#pragma once

#include "game/core/frames/GameFrame.h"
#include "gui/menus/MenuBackground.h"
#include "gui/menus/TypedName.h"
#include "services/network/NetworkGameInfo.h"

#include <memory>

class FlashLayer;
class GuiMiddleButton;
class GuiMultiplayerMissions;
class GuiTipsPanel;
class GuiTitle;
class GuiTitleButton;

// The frame "create_game", in two stages: the map stage picks a map in the map carousel; the
// settings stage takes a server name and three numbers of the settings movie, and its create
// button starts a server with them and goes to the lobby "multiplayer_team". Decline steps back
// from the settings to the map, and from the map to "multiplayer_menu".
class GuiMultiplayerCreateGame : public GameFrame
{
public:
    enum Stage
    {
        STAGE_MAP = 0,
        STAGE_SETTINGS = 1,
    };
    // Focus in the settings stage: the create button, the server name, then the movie's three
    // settings.
    enum Slot
    {
        SLOT_CREATE = 0,
        SLOT_NAME = 1,
        SLOT_LAST_SETTING = 4,
    };
    static constexpr int NameCharacters = 16;
    static constexpr size_t NameBytes = 63;
    static constexpr int MapCount = 9;
    static const char* const MapNames[MapCount];

    GuiMultiplayerCreateGame(GameFrameManager* manager, const char* name);
    ~GuiMultiplayerCreateGame() override;

    void EventSelectUp() override;
    void EventSelectDown() override;
    void EventSelectLeft() override;
    void EventSelectRight() override;
    void EventSelectApply() override;
    void EventSelectDecline() override;
    // Backspace takes the last character of the server name back.
    void ProceedKey(const char& key) override;
    // Types into the server name while it has the focus.
    void AddChar(const char& ch) override;

    // The record a server starts with: the names cut to their fields, the numbers of the movie
    // (players, frag limit, and the time limit in minutes, kept in seconds) truncated and held
    // to what the record can carry, and the game type deathmatch.
    static NetworkGameInfo MakeGameInfo(const char* serverName, const char* mapName, float players, float frags,
                                        float minutes);

    int GetStage() const { return _stage; }
    int GetActiveSlot() const { return _active_slot; }
    const char* GetServerName() const { return _server_name.Get(); }
    GuiMultiplayerMissions* GetMaps() const { return _maps.get(); }
    GuiMiddleButton* GetCreateButton() const { return _create_button.get(); }
    FlashLayer* GetSettings() const { return _settings; }
    FlashLayer* GetMessage() const { return _message; }
    FlashLayer* GetMapPreview() const { return _map_preview; }

protected:
    void UserInitialize() override;
    void UserProceed(float seconds) override;
    void UserShutDown() override;

private:
    void ShowHeaders(bool settings);
    void SendActiveSlot();
    void SendServerName();
    void CreateServer();
    float AskNumber(const wchar_t* function) const;

    MenuBackground _background;
    std::unique_ptr<GuiTitle> _title;
    std::unique_ptr<GuiTipsPanel> _tips;
    std::unique_ptr<GuiTitleButton> _headers[2];
    FlashLayer* _map_preview = nullptr;
    FlashLayer* _map_description = nullptr;
    FlashLayer* _settings_map = nullptr;
    FlashLayer* _settings = nullptr;
    FlashLayer* _message = nullptr;
    std::unique_ptr<GuiMiddleButton> _create_button;
    int _active_slot = SLOT_NAME;
    TypedName _server_name{NameCharacters, NameBytes, false};
    std::unique_ptr<GuiMultiplayerMissions> _maps;
    int _stage = STAGE_MAP;
};
