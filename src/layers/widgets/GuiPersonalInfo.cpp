#include "layers/widgets/GuiPersonalInfo.h"

#include "foundation/base/Dumper.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/SpriteLayer.h"
#include "layers/widgets/GuiGame.h"

#include <string>

using FlashHost::Args;

GuiPersonalInfo* GuiPersonalInfo::Load()
{
    Unload();
    GuiGame::Pilot pilot;
    const bool chosen = GuiGame::CurrentPilot(pilot);
    Layer* root = LayerManager::GetRoot();
    Material* face = chosen ? GuiGame::LoadMaterial(pilot.face.c_str()) : nullptr;
    _portrait = Gui::AddSprite(root, "default", Gui::ScreenPos(Vec2(46.0f, 91.0f), GA_CENTER),
                               Gui::ScreenSize(Vec2(100.0f, 100.0f)), face);
    _layer = Gui::AddFlash(root, "personalInfo", "swf//personal_info.swf", Gui::ScreenPos(Vec2(0.0f, 18.0f), GA_CENTER),
                           Gui::ScreenSize(Vec2(1280.0f, 256.0f)));
    _ship = Gui::AddSprite(root, "default", Gui::ScreenPos(Vec2(1107.0f, 80.0f), GA_CENTER),
                           Gui::ScreenSize(Vec2(128.0f, 128.0f)), GuiGame::LoadMaterial("angar//default_ship.mat"));
    _cash = GuiTextCache();
    if (chosen)
    {
        SetName(pilot.name.c_str());
        SetScore(std::to_string(pilot.score).c_str());
        SetCash(std::to_string(pilot.cash).c_str());
        if (pilot.hasShip)
            SetSName(pilot.ship.c_str());
    }
    else
    {
        Dumper::Instance().Print(DUMP_WARNING, "GuiPersonalInfo: no pilot is chosen, the header shows none\n");
    }
    Gui::Call(_layer, L"Set1", Args(GuiGame::Text("ui_stock_header_status")));
    Gui::Call(_layer, L"Set2", Args(GuiGame::Text("ui_stock_header_cash")));
    Gui::Call(_layer, L"Set3", Args(GuiGame::Text("ui_stock_header_score")));
    Gui::Call(_layer, L"Set4", Args(GuiGame::Text("ui_stock_header_name")));
    return this;
}

void GuiPersonalInfo::Unload()
{
    Layer* root = LayerManager::GetRoot();
    Gui::Detach(root, _portrait);
    Gui::Detach(root, _layer);
    Gui::Detach(root, _ship);
}

void GuiPersonalInfo::SetAlpha(float alpha) { Gui::SetAlpha({_portrait, _layer, _ship}, alpha); }

void GuiPersonalInfo::SetVisible(bool visible) { Gui::SetVisible({_portrait, _layer, _ship}, visible); }

void GuiPersonalInfo::SetName(const char* text) { Gui::Call(_layer, L"SetName", Args(text)); }

void GuiPersonalInfo::SetScore(const char* text) { Gui::Call(_layer, L"SetScore", Args(text)); }

void GuiPersonalInfo::SetSName(const char* text) { Gui::Call(_layer, L"SetSName", Args(text)); }

void GuiPersonalInfo::SetCash(const char* text) { Gui::CallOnChange(_layer, _cash, L"SetCash", text); }
