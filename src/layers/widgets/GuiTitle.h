#pragma once

#include "layers/widgets/GuiFlashWidget.h"

// The screen title: "title" on "swf//title.swf", 1280 x 69 at (0, 13), centred.
class GuiTitle : public GuiFlashWidget
{
public:
    GuiTitle* Load();
    void SetAlpha(float alpha) { Gui::SetAlpha({_layer}, alpha); }
    // Sent every time.
    void SetTitle(const char* text);
};

// The tips strip at the foot of the screen: "remarks" on "swf//remarks.swf", 1205 x 45 at
// (39, 911), centred, with its four captions from the texts "ui_common_tip_00" to "_03".
class GuiTipsPanel : public GuiFlashWidget
{
public:
    GuiTipsPanel* Load();
};
