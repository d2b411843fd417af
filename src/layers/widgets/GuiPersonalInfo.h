#pragma once

#include "layers/widgets/GuiWidget.h"

// The pilot header of the menu screens, under the root and centred: the pilot's portrait
// (100 x 100 at (46, 91)), "personalInfo" on "swf//personal_info.swf" (1280 x 256 at (0, 18))
// with the pilot's name, score, cash and ship, and the ship's picture (128 x 128 at
// (1107, 80)). Load reads the current pilot once; later cash reaches it through SetCash.
class GuiPersonalInfo
{
public:
    GuiPersonalInfo() = default;
    ~GuiPersonalInfo() { Unload(); }
    GuiPersonalInfo(const GuiPersonalInfo&) = delete;
    GuiPersonalInfo& operator=(const GuiPersonalInfo&) = delete;

    // Without a chosen pilot the header shows its captions only, and says so in the log.
    GuiPersonalInfo* Load();
    void Unload();
    void SetAlpha(float alpha);
    void SetVisible(bool visible);
    // Sent every time.
    void SetName(const char* text);
    void SetScore(const char* text);
    void SetSName(const char* text);
    // Sent when it changes.
    void SetCash(const char* text);

    SpriteLayer* GetPortrait() const { return _portrait; }
    FlashLayer* GetLayer() const { return _layer; }
    SpriteLayer* GetShip() const { return _ship; }

private:
    SpriteLayer* _portrait = nullptr;
    FlashLayer* _layer = nullptr;
    SpriteLayer* _ship = nullptr;
    GuiTextCache _cash;
};
