#pragma once

#include "game/core/frames/GameFrame.h"
#include "gui/menus/MenuBackground.h"
#include "gui/multiplayer/MultiplayerPage.h"
#include "services/network/NetworkGameInfo.h"

#include <memory>
#include <vector>

class GuiMiddleButton;
class GuiMultiplayerFaces;
class GuiMultiplayerTable;
class GuiTitleButton;

// The frame "multiplayer_menu": three sections side by side, chosen with Left and Right: the
// pilot (with a face carousel), joining a game found by a search (Space), and creating one.
// Joining goes to the lobby "multiplayer_team", creating to "create_game", Decline back to the
// main menu.
class GuiMultiplayerMenu : public GameFrame
{
public:
    enum Section
    {
        SECTION_USER = 0,
        SECTION_JOIN = 1,
        SECTION_CREATE = 2,
        SectionCount = 3,
    };

    GuiMultiplayerMenu(GameFrameManager* manager, const char* name);
    ~GuiMultiplayerMenu() override;

    void EventSelectUp() override { MoveRow(-1); }
    void EventSelectDown() override { MoveRow(1); }
    void EventSelectLeft() override { MoveSection(-1); }
    void EventSelectRight() override { MoveSection(1); }
    void EventSelectApply() override;
    void EventSelectDecline() override;
    // Space searches the network for games; other keys do nothing.
    void ProceedKey(const char& key) override;

    int GetSection() const { return _section; }
    int GetRow() const { return _row; }
    bool IsFaceMode() const { return _face_mode; }
    // The games of the last search; row i of the table is game i.
    const std::vector<NetworkGameInfo>& GetGames() const { return _games; }
    GuiMultiplayerTable* GetTable() const { return _table.get(); }
    GuiMultiplayerFaces* GetFaces() const { return _faces.get(); }
    GuiTitleButton* GetHeader(int section) const { return _page.GetHeader(section); }
    GuiMiddleButton* GetButton(int section, int row) const;
    int GetButtonCount(int section) const { return int(_buttons[section].size()); }

    // What the table's type column says of a game: the creator's game type, which travels in
    // the record's `extra`.
    static const char* GameTypeText(const NetworkGameInfo& game);

protected:
    void UserInitialize() override;
    void UserProceed(float seconds) override;
    void UserShutDown() override;

private:
    void UpdateSection();
    // Up and Down: the next row of the section's buttons, and the table's selection too.
    void MoveRow(int step);
    // Left and Right: the carousel while it is open, else the next section.
    void MoveSection(int step);
    void SearchGames();
    void AddButtons(int section, const char* const* texts, int count, float x, int align);

    MenuBackground _background;
    MultiplayerPage _page;
    std::vector<std::unique_ptr<GuiMiddleButton>> _buttons[SectionCount];
    std::unique_ptr<GuiMultiplayerFaces> _faces;
    std::unique_ptr<GuiMultiplayerTable> _table;
    int _section = SECTION_USER;
    int _row = 0;
    bool _face_mode = false;
    bool _sections_enabled = false;
    std::vector<NetworkGameInfo> _games;
};
