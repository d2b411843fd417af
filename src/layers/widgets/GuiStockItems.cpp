#include "layers/widgets/GuiStockItems.h"

#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/SpriteLayer.h"
#include "layers/widgets/GuiGame.h"

using FlashHost::Args;

namespace {

// Where the faces and the emblem wait until the card is placed.
const Vec2 FaceLoadPos(77.0f, 429.0f);
const Vec2 IconLoadPos(69.0f, 418.0f);

} // namespace

void GuiStockItem::LoadCard(const char* cardName, const char* cardMovie, const Vec2& cardSize, const Vec2& faceSize,
                            bool icon, const char* moreCode)
{
    Unload();
    Layer* root = LayerManager::GetRoot();
    const Vec2 origin(0.0f, 0.0f);
    _card = Gui::AddFlash(root, cardName, cardMovie, origin, Gui::ScreenSize(cardSize));
    if (icon)
        _icon = Gui::AddSprite(root, "icon", Gui::ScreenPos(IconLoadPos), Gui::ScreenSize(faceSize));
    _face = Gui::AddSprite(root, "face", Gui::ScreenPos(FaceLoadPos), Gui::ScreenSize(faceSize));
    _overlay = Gui::AddFlash(root, "itemFull", "swf//itemFull_e.swf", origin, Gui::ScreenSize(Vec2(80.0f, 80.0f)));
    _state = NoState;
    _stars = 0;
    _name = _money = _race = GuiTextCache();
    Gui::Call(_card, L"SetRM", Args(GuiGame::Text(moreCode)));
}

void GuiStockItem::PlaceLayers(const Vec2& pos, const Placement& placement)
{
    Gui::SetPos(_card, pos);
    Gui::SetPos(_overlay, pos + Gui::ScreenSize(placement.overlay));
    Gui::SetPos(_icon, pos + Gui::ScreenSize(placement.icon));
    Gui::SetPos(_face, pos + Gui::ScreenSize(placement.face));
}

void GuiStockItem::Unload()
{
    Layer* root = LayerManager::GetRoot();
    Gui::Detach(root, _card);
    Gui::Detach(root, _icon);
    Gui::Detach(root, _face);
    Gui::Detach(root, _overlay);
}

void GuiStockItem::SetVisible(bool visible) { Gui::SetVisible({_card, _icon, _face, _overlay}, visible); }

void GuiStockItem::SetFace(Material* face) { Gui::SetMaterial(_face, face); }

void GuiStockItem::SendState(int state, int overlayState)
{
    if (state == _state)
        return;
    _state = state;
    Gui::Call(_card, L"SetState", Args(state));
    Gui::Call(_overlay, L"SetState", Args(overlayState));
}

void GuiStockItem::SetStars(int stars) { Gui::CallOnChange(_card, _stars, L"SetS", stars); }

void GuiStockItem::SetMoney(const char* text) { Gui::CallOnChange(_card, _money, L"SetM", text); }
void GuiStockItem::SetRace(const char* text) { SendRace(text); }
void GuiStockItem::SetName(const char* text) { Gui::CallOnChange(_card, _name, L"SetName", text); }

GuiStockItemSelected* GuiStockItemSelected::Load()
{
    LoadCard("itemSelected", "swf//itemSelected.swf", Vec2(512.0f, 180.0f), Vec2(50.0f, 50.0f), false,
             "ui_stock_mission_read");
    Gui::Call(_overlay, L"SetState", Args(0));
    return this;
}

void GuiStockItemSelected::SetPos(const Vec2& pos)
{
    PlaceLayers(pos, {Vec2(59.0f, 49.0f), Vec2(76.0f, 65.0f), Vec2()});
}

GuiStockItemPassive* GuiStockItemPassive::Load()
{
    LoadCard("itemPassive", "swf//itemPassive.swf", Vec2(420.0f, 160.0f), Vec2(50.0f, 50.0f), false,
             "ui_stock_mission_read");
    Gui::Call(_overlay, L"SetState", Args(0));
    return this;
}

void GuiStockItemPassive::SetPos(const Vec2& pos)
{
    PlaceLayers(pos, {Vec2(42.0f, 38.0f), Vec2(58.0f, 54.0f), Vec2()});
}

void GuiStockItemPassive::SetAlpha(float alpha) { Gui::SetAlpha({_card, _face, _overlay}, alpha); }

GuiStockItemFull* GuiStockItemFull::Load()
{
    LoadCard("itemFull", "swf//itemFull.swf", Vec2(512.0f, 300.0f), Vec2(51.0f, 51.0f), true,
             "ui_stock_mission_detail");
    _desc = _location = _from = GuiTextCache();
    Gui::Call(_card, L"SetTxt1", Args(GuiGame::Text("ui_stock_mission_from")));
    Gui::Call(_card, L"SetTxt2", Args(GuiGame::Text("ui_stock_mission_title")));
    Gui::Call(_card, L"SetTxt3", Args(GuiGame::Text("ui_stock_mission_loc")));
    Gui::Call(_card, L"SetTxt4", Args(GuiGame::Text("ui_stock_mission_obj")));
    Gui::Call(_overlay, L"SetState", Args(1));
    return this;
}

void GuiStockItemFull::SetPos(const Vec2& pos)
{
    PlaceLayers(pos, {Vec2(41.0f, 45.0f), Vec2(58.0f, 61.0f), Vec2(388.0f, 85.0f)});
}

void GuiStockItemFull::SetRace(const char* code)
{
    if (!SendRace(code) || !_icon)
        return;
    const char* icon = GuiGame::RaceIcon(_race.Get());
    if (!icon)
        return;
    _icon->SetMaterial(GuiGame::LoadMaterial(icon));
    _icon->SetVisible(true);
}
