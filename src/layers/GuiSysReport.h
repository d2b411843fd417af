#pragma once

#include "foundation/math/Color.h"

class FlashLayer;

// A small status panel on "swf//sys_report.swf": five colour channels that light up with an
// animation when set. Every change shows the panel fully for four seconds, then it fades out
// over the fifth.
class GuiSysReport
{
public:
    static constexpr float ShowSeconds = 5.0f;

    GuiSysReport() = default;
    virtual ~GuiSysReport() = default;
    GuiSysReport(const GuiSysReport&) = delete;
    GuiSysReport& operator=(const GuiSysReport&) = delete;

    // Creates the panel under the root and lights channels 0, 1 and 2 red.
    virtual void Load();
    virtual void Unload();
    // The fade, by the frame time the layers were last updated with.
    virtual void Update();

    // Red, green and blue of the colour go to the movie; alpha and the flag are not used.
    virtual void SetChannel0(const Color& color, bool flag);
    virtual void SetChannel1(const Color& color, bool flag);
    virtual void SetChannel2(const Color& color, bool flag);
    virtual void SetChannel3(const Color& color, bool flag);
    virtual void SetChannel4(const Color& color, bool flag);

    FlashLayer* GetLayer() const { return _layer; }

private:
    // "Color<channel>" and "Anim<channel>" for the channel (and part) given as "0", "1_0", ...
    void Light(const wchar_t* part, const Color& color);
    // Both parts, "<channel>_0" and "<channel>_1", of channels 1 to 4.
    void LightParts(int channel, const Color& color);

    FlashLayer* _layer = nullptr;
    float _timer = 0.0f;
};
