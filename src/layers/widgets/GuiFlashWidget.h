#pragma once

#include "layers/widgets/GuiWidget.h"

// A widget of one Flash layer under the root (the buttons, the title, the tips strip). The tree
// owns the layer; the widget only detaches it, on Unload and when it is destroyed.
class GuiFlashWidget
{
public:
    GuiFlashWidget(const GuiFlashWidget&) = delete;
    GuiFlashWidget& operator=(const GuiFlashWidget&) = delete;

    // Removes the layer from the root, which destroys it; the widget is loaded again before
    // further use.
    void Unload();
    void SetVisible(bool visible) { Gui::SetVisible({_layer}, visible); }
    FlashLayer* GetLayer() const { return _layer; }

protected:
    GuiFlashWidget() = default;
    ~GuiFlashWidget() { Unload(); }

    // The layer, of the design size at the design position, under the root; the layer of an
    // earlier Load goes first.
    void LoadLayer(const char* name, const char* movie, const Vec2& designPos, int align, const Vec2& designSize);
    void Call(const wchar_t* function, const FlashHost::Args& args = FlashHost::Args()) const
    {
        Gui::Call(_layer, function, args);
    }

    FlashLayer* _layer = nullptr;
};
