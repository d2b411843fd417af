#include "gui/menus/GuiMainMenu2.h"

#include "game/core/game/Game.h"
#include "gui/menus/MenuButtons.h"
#include "game/core/game/MenuGame.h"
#include "layers/widgets/GuiGame.h"

namespace {

constexpr const char* ButtonTexts[GuiMainMenu2::ButtonCount] = {
    "ui_mainmenu_button_play_single",
    "ui_mainmenu_button_play_multi",
    "ui_mainmenu_button_play_back",
};

} // namespace

void GuiMainMenu2::Initialize()
{
    _selected = 0;
    for (int i = 0; i < ButtonCount; ++i)
    {
        _buttons[i].Load(Vec2(380.0f, 380.0f + 105.0f * i), GA_CENTER)->SetText(GuiGame::Text(ButtonTexts[i]));
        _buttons[i].SetVisible(false);
    }
    _buttons[1].Reset();
    UpdateButtons();
}

void GuiMainMenu2::ShutDown()
{
    for (GuiBigButton& button : _buttons)
        button.Unload();
}

void GuiMainMenu2::Proceed(float, float)
{
    for (GuiBigButton& button : _buttons)
        button.SetVisible(true);
}

void GuiMainMenu2::EventSelectUp()
{
    _selected = MenuButtons::Move(_buttons, ButtonCount, _selected, -1);
    UpdateButtons();
}

void GuiMainMenu2::EventSelectDown()
{
    _selected = MenuButtons::Move(_buttons, ButtonCount, _selected, 1);
    UpdateButtons();
}

// The frame switch happens after the fade, so the mode is set in time.
void GuiMainMenu2::EventSelectApply()
{
    switch (_selected)
    {
    case 0:
        MenuGame::SetActiveFrame("mission_select");
        game.SetNetworkGame(false);
        break;
    case 1:
        MenuGame::SetActiveFrame("multiplayer_menu");
        game.SetNetworkGame(true);
        break;
    case 2: _state = ClosedState; break;
    default: break;
    }
}

void GuiMainMenu2::UpdateButtons() { MenuButtons::Update(_buttons, ButtonCount, _selected); }
