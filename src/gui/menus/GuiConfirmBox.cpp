#include "gui/menus/GuiConfirmBox.h"

#include "foundation/math/Color.h"
#include "game/core/game/MenuGame.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/SpriteLayer.h"
#include "layers/widgets/GuiGame.h"
#include "layers/widgets/GuiWidget.h"
#include "platform/window/WindowEvents.h"

using FlashHost::Args;

GuiConfirmBox::~GuiConfirmBox()
{
    Gui::Detach(LayerManager::GetRoot(), _back_layer);
    Gui::Detach(LayerManager::GetRoot(), _confirm_layer);
}

void GuiConfirmBox::Initialize()
{
    Gui::Detach(LayerManager::GetRoot(), _back_layer);
    Gui::Detach(LayerManager::GetRoot(), _confirm_layer);
    _back_material = GuiGame::LoadMaterial("black.mat");
    _yes = false;
    _shown = false;
    _result = RESULT_NONE;
    _back_layer =
        Gui::AddSprite(LayerManager::GetRoot(), "back", Vec2(0.0f, 0.0f), MenuGame::ScreenPixels(), _back_material);
    if (_back_layer)
        _back_layer->SetColor(Color(1.0f, 1.0f, 1.0f, 0.5f));
    _confirm_layer =
        Gui::AddFlash(LayerManager::GetRoot(), "confirm", "swf//confirm.swf",
                      Gui::ScreenPos(Vec2(440.0f, 299.0f), GA_CENTER), Gui::ScreenSize(Vec2(400.0f, 256.0f)));
    Gui::SetVisible({_back_layer, _confirm_layer}, false);
    UpdateState();
    Gui::Call(_confirm_layer, L"SetText", Args(GuiGame::Text("ui_common_box_00")));
    Gui::Call(_confirm_layer, L"SetYes", Args(GuiGame::Text("ui_common_box_01")));
    Gui::Call(_confirm_layer, L"SetNo", Args(GuiGame::Text("ui_common_box_02")));
}

void GuiConfirmBox::EventSelectLeft()
{
    _yes = !_yes;
    UpdateState();
}

void GuiConfirmBox::EventSelectRight()
{
    _yes = !_yes;
    UpdateState();
}

// The movie follows, so that a box shown again does not offer the yes it had.
void GuiConfirmBox::EventSelectDecline()
{
    _yes = false;
    _shown = !_shown;
    UpdateState();
}

int GuiConfirmBox::GetResult()
{
    const int result = _result;
    _result = RESULT_NONE;
    return result;
}

void GuiConfirmBox::Proceed()
{
    Gui::SetVisible({_back_layer, _confirm_layer}, _shown);
    // Layers made after the box would be drawn over the dimming.
    if (_shown)
        Gui::BringToFront(LayerManager::GetRoot(), {_back_layer, _confirm_layer});
}

void GuiConfirmBox::UpdateState() { Gui::Call(_confirm_layer, L"SetState", Args(_yes ? 0 : 1)); }

void GuiMainMenuEscMenu::EventSelectApply()
{
    if (_yes)
    {
        PostQuitEvent();
        _result = RESULT_YES;
        return;
    }
    _shown = false;
    _result = RESULT_NO;
}

// The answer is taken once: the box comes up at no again, so that a second delete is not
// confirmed by Apply alone.
void GuiProfilesConfirm::EventSelectApply()
{
    _shown = false;
    _result = _yes ? RESULT_YES : RESULT_NO;
    _yes = false;
    UpdateState();
}
