#include "gui/hangar/GuiDeviceParams.h"

#include "layers/LayerManager.h"
#include "layers/widgets/GuiGame.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

using FlashHost::Args;

void GuiDeviceParams::Load()
{
    Unload();
    const char* labels[BarCount] = {"1", "2", "3", "4"};
    for (int i = 0; i < BarCount; ++i)
    {
        SetName(i, labels[i]);
        SetLvl(i, 0.5f);
    }
    _layer = Gui::AddFlash(LayerManager::GetRoot(), "devicesParameters", "swf//devicesParameters.swf",
                           Gui::ScreenPos(Vec2(882.0f, 630.0f), GA_RIGHT), Gui::ScreenSize(Vec2(400.0f, 300.0f)));
    SetVisible(false);
    for (int i = 0; i < BarCount; ++i)
    {
        _sentLevels[i] = NotSent;
        _sentNames[i][0] = '\0';
    }
    SetTitle(GuiGame::Text("ui_angar_dp_title"));
}

void GuiDeviceParams::Unload() { Gui::Detach(LayerManager::GetRoot(), _layer); }

void GuiDeviceParams::SetLvl(int bar, float value)
{
    if (bar >= 0 && bar < BarCount)
        _levels[bar] = std::clamp(value, 0.0f, 1.0f);
}

void GuiDeviceParams::SetName(int bar, const char* text)
{
    if (bar >= 0 && bar < BarCount)
        Gui::CopyText(_names[bar], sizeof(_names[bar]), text);
}

void GuiDeviceParams::SetTitle(const char* text) { Gui::Call(_layer, L"SetTitle", Args(text)); }

void GuiDeviceParams::SetVisible(bool visible) { Gui::SetVisible({_layer}, visible); }

void GuiDeviceParams::Proceed()
{
    for (int i = 0; i < BarCount; ++i)
    {
        wchar_t function[16];
        if (_levels[i] != _sentLevels[i])
        {
            _sentLevels[i] = _levels[i];
            std::swprintf(function, 16, L"SetLvl%d", i + 1);
            Gui::Call(_layer, function, Args(_levels[i]));
        }
        if (std::strcmp(_names[i], _sentNames[i]) != 0)
        {
            std::memcpy(_sentNames[i], _names[i], sizeof(_names[i]));
            std::swprintf(function, 16, L"SetTxt%d", i + 1);
            Gui::Call(_layer, function, Args(_names[i]));
        }
    }
}
