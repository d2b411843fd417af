#include "gui/hangar/GuiTopButtonsConfirm.h"

#include "layers/LayerManager.h"
#include "layers/widgets/GuiGame.h"
#include "layers/widgets/GuiWidget.h"

using FlashHost::Args;

GuiTopButtonsConfirm::~GuiTopButtonsConfirm()
{
    Gui::Detach(LayerManager::GetRoot(), _back);
    Gui::Detach(LayerManager::GetRoot(), _confirm);
}

void GuiTopButtonsConfirm::Initialize()
{
    _black = GuiGame::LoadMaterial("black.mat");
    _choice = 0;
    _shown = false;
    Layer* root = LayerManager::GetRoot();
    _back = Gui::AddSprite(root, "back", Vec2(0.0f, 0.0f),
                           Vec2(float(LayerManager::GetWidth()), float(LayerManager::GetHeight())), _black);
    if (_back)
        _back->SetColor(Color(1.0f, 1.0f, 1.0f, 0.5f));
    _confirm = Gui::AddFlash(root, "confirm", "swf//save_no.swf", Gui::ScreenPos(Vec2(440.0f, 299.0f), GA_CENTER),
                             Gui::ScreenSize(Vec2(460.0f, 256.0f)));
    Gui::SetVisible({_back, _confirm}, false);
    UpdateState();
}

void GuiTopButtonsConfirm::Show()
{
    _shown = true;
    _choice = 0;
    UpdateState();
}

void GuiTopButtonsConfirm::Next()
{
    _choice = (_choice + 1) % ChoiceCount;
    UpdateState();
}

void GuiTopButtonsConfirm::Prev()
{
    _choice = (_choice + ChoiceCount - 1) % ChoiceCount;
    UpdateState();
}

void GuiTopButtonsConfirm::UpdateState() { Gui::Call(_confirm, L"SetState", Args(_choice)); }

void GuiTopButtonsConfirm::Proceed() { Gui::SetVisible({_back, _confirm}, _shown); }
