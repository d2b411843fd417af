#pragma once

#include "layers/widgets/GuiWidget.h"

class FlashLayer;

// The four parameter bars of the device the fitting panel shows, in "swf//devicesParameters.swf"
// ("devicesParameters", 400 x 300 design units, right-aligned). Labels and levels are set at
// any time; Proceed sends the movie only what changed since it last did.
class GuiDeviceParams
{
public:
    static constexpr int BarCount = 4;

    GuiDeviceParams() = default;
    ~GuiDeviceParams() { Unload(); }
    GuiDeviceParams(const GuiDeviceParams&) = delete;
    GuiDeviceParams& operator=(const GuiDeviceParams&) = delete;

    // Labels "1" to "4" at level 0.5, all of which the first Proceed sends; hidden.
    void Load();
    void Unload();
    void Proceed();
    // Held to 0..1; bars outside 0..3 are ignored.
    void SetLvl(int bar, float value);
    void SetName(int bar, const char* text);
    void SetTitle(const char* text);
    void SetVisible(bool visible);
    void DrawLevel(const Vec2&, float) {}

    float GetLvl(int bar) const { return bar >= 0 && bar < BarCount ? _levels[bar] : 0.0f; }
    const char* GetName(int bar) const { return bar >= 0 && bar < BarCount ? _names[bar] : ""; }
    FlashLayer* GetFlash() const { return _layer; }

private:
    static constexpr float NotSent = 99.0f;

    FlashLayer* _layer = nullptr;
    float _levels[BarCount] = {};
    float _sentLevels[BarCount] = {NotSent, NotSent, NotSent, NotSent};
    char _names[BarCount][128] = {};
    char _sentNames[BarCount][128] = {};
};

// A panel of the hangar screen that shows nothing.
class GuiDeviceInfo
{
public:
    void Load() {}
    void Unload() {}
    void Proceed() {}
};
