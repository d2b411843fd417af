#include "game/core/level/LevelMenu.h"

#include "foundation/base/Timer.h"
#include "foundation/math/Color.h"
#include "game/core/game/Game.h"
#include "game/core/game/MenuGame.h"
#include "game/core/level/SingleLevel.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/SpriteLayer.h"
#include "layers/widgets/GuiGame.h"
#include "layers/widgets/GuiWidget.h"

namespace {

constexpr const char* ButtonTexts[LevelMenu::ButtonCount] = {
    "ui_level_menu_resume",
    "ui_level_menu_restart",
    "ui_level_menu_quit",
};
constexpr int QuitButton = 2;

} // namespace

LevelMenu::~LevelMenu()
{
    if (_open)
        SetOpen(false);
    Gui::Detach(LayerManager::GetRoot(), _back_layer);
    Gui::Detach(LayerManager::GetRoot(), _confirm_layer);
}

void LevelMenu::Initialize()
{
    Layer* root = LayerManager::GetRoot();
    Gui::Detach(root, _back_layer);
    Gui::Detach(root, _confirm_layer);
    _black = GuiGame::LoadMaterial("black.mat");
    _back_layer = Gui::AddSprite(root, "back", Vec2(0.0f, 0.0f), MenuGame::ScreenPixels(), _black);
    if (_back_layer)
    {
        _back_layer->SetColor(Color(1.0f, 1.0f, 1.0f, 0.5f));
        _back_layer->SetVisible(false);
    }
    for (int i = 0; i < ButtonCount; ++i)
    {
        _buttons[i].Load(Vec2(380.0f, 342.0f + 105.0f * i), GA_CENTER);
        _buttons[i].SetVisible(false);
        _buttons[i].SetText(GuiGame::Text(ButtonTexts[i]));
    }
    // The movie asks its own question.
    _confirm_layer = Gui::AddFlash(root, "confirm", "swf//confirm.swf", Gui::ScreenPos(Vec2(440.0f, 363.0f), GA_CENTER),
                                   Gui::ScreenSize(Vec2(400.0f, 256.0f)));
    Gui::SetVisible({_confirm_layer}, false);
    _selected = 0;
    _confirm_open = false;
    _yes = false;
    if (_open)
        SetOpen(false);
    _result = RESULT_RESUME;
}

// The pause flag is the one the pause key toggles: the timer reports no time while it is set.
void LevelMenu::SetOpen(bool open)
{
    _open = open;
    GamePaused = open ? 1 : 0;
}

// Layers made after the menu (the flight HUD's) would be drawn over the dimming.
void LevelMenu::BringToFront()
{
    Layer* root = LayerManager::GetRoot();
    Gui::BringToFront(root, {_back_layer});
    for (GuiBigButton& button : _buttons)
        Gui::BringToFront(root, {button.GetLayer()});
    Gui::BringToFront(root, {_confirm_layer});
}

void LevelMenu::Proceed()
{
    if (!_open)
    {
        for (GuiBigButton& button : _buttons)
            button.SetVisible(false);
        Gui::SetVisible({_back_layer, _confirm_layer}, false);
        return;
    }
    Gui::SetVisible({_back_layer}, true);
    BringToFront();
    if (!_confirm_open)
    {
        for (int i = 0; i < ButtonCount; ++i)
        {
            _buttons[i].SetState(i == _selected ? 2 : 1);
            _buttons[i].SetVisible(true);
        }
        Gui::SetVisible({_confirm_layer}, false);
        return;
    }
    Gui::SetVisible({_confirm_layer}, true);
    Gui::Call(_confirm_layer, L"SetState", FlashHost::Args(_yes ? 0 : 1));
    for (GuiBigButton& button : _buttons)
        button.SetVisible(false);
}

void LevelMenu::EventSelectDecline()
{
    _yes = false;
    if (_confirm_open)
        _confirm_open = false;
    else
        SetOpen(!_open);
}

void LevelMenu::EventSelectUp()
{
    if (_open)
        _selected = (_selected + ButtonCount - 1) % ButtonCount;
}

void LevelMenu::EventSelectDown()
{
    if (_open)
        _selected = (_selected + 1) % ButtonCount;
}

void LevelMenu::EventSelectLeft()
{
    if (_open && _confirm_open)
        _yes = !_yes;
}

void LevelMenu::EventSelectRight()
{
    if (_open && _confirm_open)
        _yes = !_yes;
}

void LevelMenu::EventSelectApply()
{
    if (!_open)
        return;
    if (_confirm_open)
    {
        if (!_yes)
        {
            _confirm_open = false;
            return;
        }
        SetOpen(false);
        _result = RESULT_QUIT;
        MenuGame::PlayMusic(MenuGame::MenuMusic);
        MenuGame::SetActiveFrame("mission_select");
        return;
    }
    if (_selected == QuitButton)
    {
        _confirm_open = true;
        return;
    }
    SetOpen(false);
    _result = _selected == 0 ? RESULT_RESUME : RESULT_RESTART;
    if (_result != RESULT_RESTART)
        return;
    // The files of the pilot's current mission, or those of a mission started from the command line.
    SingleLevel* level = game.GetLevel();
    if (level && level->IsExist())
        level->LoadLevel(nullptr, nullptr, nullptr);
}
