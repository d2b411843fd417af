#pragma once

#include "foundation/math/Vec2.h"

class FlashLayer;

// The ship-systems balance: six bars in "swf//jetSystemBalance.swf" ("jetSystemBalance",
// 350 x 512 design units), titled and captioned from the hangar texts.
class GuiDevicesBalance
{
public:
    static constexpr int BarCount = 6;

    // `pos` is where the panel's frame stands; the movie is drawn 21 units left of it and 27 up.
    explicit GuiDevicesBalance(const Vec2& pos);
    ~GuiDevicesBalance() { Unload(); }
    GuiDevicesBalance(const GuiDevicesBalance&) = delete;
    GuiDevicesBalance& operator=(const GuiDevicesBalance&) = delete;

    void Load();
    void Unload();
    void Proceed() {}
    // The bar shows value / maximum, 0 for a value of 0 or less and at most 1, and the movie is
    // told so at once. Bars outside 0..5 are ignored.
    void SetLvl(int bar, float value, float maximum);

    float GetLvl(int bar) const { return bar >= 0 && bar < BarCount ? _levels[bar] : 0.0f; }
    const Vec2& GetPos() const { return _pos; }
    FlashLayer* GetFlash() const { return _layer; }

private:
    float _levels[BarCount] = {};
    FlashLayer* _layer = nullptr;
    Vec2 _pos;
};
