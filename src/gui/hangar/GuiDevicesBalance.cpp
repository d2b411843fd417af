#include "gui/hangar/GuiDevicesBalance.h"

#include "layers/LayerManager.h"
#include "layers/widgets/GuiGame.h"
#include "layers/widgets/GuiWidget.h"

#include <cstdio>
#include <cwchar>

using FlashHost::Args;

GuiDevicesBalance::GuiDevicesBalance(const Vec2& pos) : _pos(pos + Vec2(-21.0f, -27.0f)) {}

void GuiDevicesBalance::Load()
{
    Unload();
    _layer = Gui::AddFlash(LayerManager::GetRoot(), "jetSystemBalance", "swf//jetSystemBalance.swf",
                           Gui::ScreenPos(_pos), Gui::ScreenSize(Vec2(350.0f, 512.0f)));
    Gui::Call(_layer, L"SetTitle", Args(GuiGame::Text("ui_angar_header_jetsys")));
    for (int i = 0; i < BarCount; ++i)
    {
        wchar_t function[16];
        char code[32];
        std::swprintf(function, 16, L"SetTxt%d", i);
        std::snprintf(code, sizeof(code), "ui_angar_jetsys%d", i);
        Gui::Call(_layer, function, Args(GuiGame::Text(code)));
    }
}

void GuiDevicesBalance::Unload() { Gui::Detach(LayerManager::GetRoot(), _layer); }

void GuiDevicesBalance::SetLvl(int bar, float value, float maximum)
{
    if (bar < 0 || bar >= BarCount)
        return;
    float ratio = value > 0.0f ? value / maximum : 0.0f;
    if (ratio > 1.0f)
        ratio = 1.0f;
    _levels[bar] = ratio;
    Gui::Call(_layer, L"SetLevel", Args(bar)(ratio));
}
