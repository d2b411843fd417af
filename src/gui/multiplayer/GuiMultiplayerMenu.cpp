#include "gui/multiplayer/GuiMultiplayerMenu.h"

#include "gui/menus/GuiMultiplayerFaces.h"
#include "game/core/game/MenuGame.h"
#include "gui/multiplayer/GuiMultiplayerTable.h"
#include "gui/multiplayer/MultiplayerGame.h"
#include "layers/widgets/GuiButtons.h"
#include "layers/widgets/GuiGame.h"
#include "services/network/NetworkEngine.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char* HeaderTexts[GuiMultiplayerMenu::SectionCount] = {
    "ui_multiplayer_header_user", "ui_multiplayer_header_join", "ui_multiplayer_header_create"};
constexpr const char* UserButtons[] = {"ui_multiplayer_btn_angar", "ui_multiplayer_btn_face",
                                       "ui_multiplayer_btn_name"};
constexpr const char* CreateButtons[] = {"ui_multiplayer_btn_dm", "ui_multiplayer_btn_tdm", "ui_multiplayer_btn_ctf",
                                         "ui_multiplayer_btn_lms"};
constexpr int FaceRow = 1;

// Game types of a created game as it advertises them.
constexpr uint32_t GameTypeDeathmatch = 1;
constexpr uint32_t GameTypeCaptureTheFlag = 2;

int Wrap(int value, int count) { return count > 0 ? (value % count + count) % count : 0; }

std::string Number(unsigned value) { return std::to_string(value); }

} // namespace

GuiMultiplayerMenu::GuiMultiplayerMenu(GameFrameManager* manager, const char* name)
    : GameFrame(manager, name), _background("$multiplayer_bg", "gui_multiplayer_bg.mat")
{}

GuiMultiplayerMenu::~GuiMultiplayerMenu() = default;

GuiMiddleButton* GuiMultiplayerMenu::GetButton(int section, int row) const
{
    if (section < 0 || section >= SectionCount || row < 0 || row >= GetButtonCount(section))
        return nullptr;
    return _buttons[section][size_t(row)].get();
}

const char* GuiMultiplayerMenu::GameTypeText(const NetworkGameInfo& game)
{
    if (game.extra == GameTypeDeathmatch)
        return GuiGame::Text("ui_multiplayer_btn_dm");
    if (game.extra == GameTypeCaptureTheFlag)
        return GuiGame::Text("ui_multiplayer_btn_ctf");
    // A game type this version does not know.
    return "-";
}

void GuiMultiplayerMenu::AddButtons(int section, const char* const* texts, int count, float x, int align)
{
    for (int i = 0; i < count; ++i)
    {
        auto button = std::make_unique<GuiMiddleButton>(Vec2(x, 324.0f + 120.0f * float(i)), align);
        button->SetVisible(true);
        button->SetText(GuiGame::Text(texts[i]));
        _buttons[section].push_back(std::move(button));
    }
}

void GuiMultiplayerMenu::UserInitialize()
{
    for (auto& buttons : _buttons)
        buttons.clear();
    _background.Load("movies/menu.avi");

    _page.Load("ui_multiplayer_title", HeaderTexts);
    _sections_enabled = true;

    _table = std::make_unique<GuiMultiplayerTable>(Vec2(-1.0f, 270.0f));
    _table->SetVisible(false);
    for (int i = 0; i < GuiMultiplayerTable::ColumnCount; ++i)
        _table->SetTxt(i, GuiGame::Text(("ui_multiplayer_join_txt" + std::to_string(i)).c_str()));
    _table->Reset();

    _section = SECTION_USER;
    _row = 0;
    _face_mode = false;
    UpdateSection();

    AddButtons(SECTION_USER, UserButtons, int(std::size(UserButtons)), 17.0f, GA_LEFT);
    AddButtons(SECTION_CREATE, CreateButtons, int(std::size(CreateButtons)), 917.0f, GA_RIGHT);

    // The carousel of the pilot's faces: this version has none to offer.
    _faces = std::make_unique<GuiMultiplayerFaces>();
    _faces->SetVisible(false);
    _games.clear();
}

void GuiMultiplayerMenu::UserProceed(float)
{
    _background.Draw();
    if (_table)
        _table->SetVisible(_section == SECTION_JOIN);
    for (int section = 0; section < SectionCount; ++section)
    {
        for (int i = 0; i < GetButtonCount(section); ++i)
        {
            GuiMiddleButton* button = _buttons[section][size_t(i)].get();
            if (!button)
                continue;
            const bool current = section == _section;
            button->SetVisible(current);
            if (current)
                button->SetState(i == _row ? 2 : 1);
        }
    }
    if (_faces)
    {
        _faces->SetVisible(_face_mode);
        _faces->Update();
    }
    for (int section : {SECTION_JOIN, SECTION_CREATE})
    {
        if (GuiTitleButton* header = _page.GetHeader(section))
            header->SetVisible(!_face_mode);
    }
}

void GuiMultiplayerMenu::UserShutDown()
{
    _background.Unload();
    _page.Unload();
    // The vectors keep their slots until the next initialisation.
    for (auto& buttons : _buttons)
    {
        for (auto& button : buttons)
            button.reset();
    }
    _table.reset();
    _faces.reset();
}

void GuiMultiplayerMenu::UpdateSection()
{
    for (int i = 0; i < SectionCount; ++i)
    {
        if (GuiTitleButton* header = _page.GetHeader(i))
            header->SetState(i == _section ? 1 : 0);
    }
}

void GuiMultiplayerMenu::MoveRow(int step)
{
    if (_face_mode)
        return;
    MenuGame::PlaySound(MenuGame::SelectButtonSound);
    _row = Wrap(_row + step, GetButtonCount(_section));
    if (_section != SECTION_JOIN || !_table)
        return;
    if (step < 0)
        _table->EventUp();
    else
        _table->EventDown();
}

void GuiMultiplayerMenu::MoveSection(int step)
{
    MenuGame::PlaySound(MenuGame::SelectSlotSound);
    if (_face_mode)
    {
        if (_faces && step < 0)
            _faces->EventLeft();
        else if (_faces)
            _faces->EventRight();
        return;
    }
    if (!_sections_enabled)
        return;
    _section = Wrap(_section + step, SectionCount);
    _row = 0;
    UpdateSection();
}

void GuiMultiplayerMenu::EventSelectApply()
{
    MenuGame::PlaySound(MenuGame::PressButtonSound);
    switch (_section)
    {
    case SECTION_USER:
        // The hangar and name buttons lead nowhere yet.
        if (_row == FaceRow)
            _face_mode = true;
        break;
    case SECTION_JOIN:
    {
        const int selected = _table ? _table->GetSelectedMissionIndex() : -1;
        if (selected < 0 || size_t(selected) >= _games.size())
            break;
        MultiplayerGame::Join(_games[size_t(selected)]);
        MenuGame::SetActiveFrame("multiplayer_team");
        break;
    }
    case SECTION_CREATE: MenuGame::SetActiveFrame("create_game"); break;
    default: break;
    }
}

void GuiMultiplayerMenu::EventSelectDecline()
{
    if (_face_mode)
    {
        _face_mode = false;
        return;
    }
    MenuGame::SetActiveFrame("main_menu");
}

void GuiMultiplayerMenu::ProceedKey(const char& key)
{
    if (key == ' ')
        SearchGames();
}

void GuiMultiplayerMenu::SearchGames()
{
    _games.clear();
    if (_table)
        _table->Reset();
    _section = SECTION_JOIN;
    UpdateSection();

    NetworkEngine* network = MultiplayerGame::Network();
    if (!network)
        return;
    float unused = 0.0f;
    // Blocks while the answers come in.
    network->FindServers(_games, &unused);
    for (const NetworkGameInfo& found : _games)
    {
        if (_table)
            _table->AddMission(found.name, found.text, GameTypeText(found), Number(found.currentPlayers).c_str(),
                               Number(found.maxPlayers).c_str());
    }
}
