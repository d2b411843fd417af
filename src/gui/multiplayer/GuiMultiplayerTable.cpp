#include "gui/multiplayer/GuiMultiplayerTable.h"

#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/flash/FlashControl.h"
#include "layers/widgets/GuiWidget.h"

#include <cmath>
#include <string>

using FlashHost::Args;

GuiMultiplayerTable::GuiMultiplayerTable(const Vec2& designPos)
{
    _layer = Gui::AddFlash(LayerManager::GetRoot(), "multiplayer_table", "swf//table_big.swf",
                           Gui::ScreenPos(designPos, GA_CENTER), Gui::ScreenSize(Vec2(1280.0f, 648.0f)));
}

GuiMultiplayerTable::~GuiMultiplayerTable() { Gui::Detach(LayerManager::GetRoot(), _layer); }

void GuiMultiplayerTable::SetTxt(int column, const char* text)
{
    if (column < 0 || column >= ColumnCount)
        return;
    const std::wstring function = L"SetTxt" + std::to_wstring(column);
    Gui::Call(_layer, function.c_str(), Args(text));
}

void GuiMultiplayerTable::AddMission(const char* name, const char* map, const char* type, const char* players,
                                     const char* maxPlayers)
{
    Gui::Call(_layer, L"AddMission", Args(name)(map)(type)(players)(maxPlayers));
}

void GuiMultiplayerTable::Reset() { Gui::Call(_layer, L"Reset"); }

void GuiMultiplayerTable::EventUp() { Gui::Call(_layer, L"EventUp"); }

void GuiMultiplayerTable::EventDown() { Gui::Call(_layer, L"EventDown"); }

int GuiMultiplayerTable::GetSelectedMissionIndex() const
{
    if (!_layer || !_layer->GetFC())
        return -1;
    const FlashHost::FlashValue selected = _layer->GetFC()->callFunction(L"GetSelected", Args());
    const float index = selected.getNumber();
    if (selected.getType() != FlashHost::FT_NUMBER || !(index >= 0.0f && index < 1.0e9f))
        return -1;
    return int(index);
}

void GuiMultiplayerTable::SetAlpha(float alpha) { Gui::SetAlpha({_layer}, alpha); }

void GuiMultiplayerTable::SetVisible(bool visible) { Gui::SetVisible({_layer}, visible); }
