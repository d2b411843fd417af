#include "layers/GuiSysReport.h"

#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/flash/FlashControl.h"

#include <algorithm>
#include <string>

void GuiSysReport::Load()
{
    const float scale = LayerManager::GetScaleFactor();
    Vec2 pos = Vec2(1043.0f, 353.0f) * scale;
    pos.x += LayerManager::GetCAShift(true);
    _layer = LayerManager::CreateFlashLayer("sys_report", "swf//sys_report.swf", pos, Vec2(200.0f, 250.0f) * scale,
                                            0.0f, Color(1.0f, 1.0f, 1.0f, 1.0f));
    if (Layer* root = LayerManager::GetRoot())
        root->AddChild(_layer);
    _timer = 0.0f;
    const Color red(1.0f, 0.0f, 0.0f);
    SetChannel0(red, true);
    SetChannel1(red, true);
    SetChannel2(red, true);
}

void GuiSysReport::Unload()
{
    if (Layer* root = LayerManager::GetRoot(); root && _layer)
        root->RemoveChild(_layer);
    _layer = nullptr;
}

void GuiSysReport::Update()
{
    _timer = std::max(0.0f, _timer - LayerManager::GetFrameSeconds());
    if (_layer)
        _layer->SetColor(Color(1.0f, 1.0f, 1.0f, std::min(_timer, 1.0f)));
}

void GuiSysReport::Light(const wchar_t* part, const Color& color)
{
    if (_layer && _layer->GetFC())
    {
        FlashHost::FlashControl* movie = _layer->GetFC();
        movie->callFunction(std::wstring(L"Color") + part, FlashHost::Args(color.r)(color.g)(color.b));
        movie->callFunction(std::wstring(L"Anim") + part, FlashHost::Args());
    }
    _timer = ShowSeconds;
}

void GuiSysReport::LightParts(int channel, const Color& color)
{
    const std::wstring number = std::to_wstring(channel);
    Light((number + L"_0").c_str(), color);
    Light((number + L"_1").c_str(), color);
}

void GuiSysReport::SetChannel0(const Color& color, bool) { Light(L"0", color); }
void GuiSysReport::SetChannel1(const Color& color, bool) { LightParts(1, color); }
void GuiSysReport::SetChannel2(const Color& color, bool) { LightParts(2, color); }
void GuiSysReport::SetChannel3(const Color& color, bool) { LightParts(3, color); }
void GuiSysReport::SetChannel4(const Color& color, bool) { LightParts(4, color); }
