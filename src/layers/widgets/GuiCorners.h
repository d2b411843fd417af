#pragma once

#include "layers/widgets/GuiWidget.h"

// The four corners of a frame around a selected slot, in two looks: set A for a slot that can
// be chosen, set B for one that cannot. Each corner is an 80 x 64 Flash layer ("ugolk1" to
// "ugolk4" on "swf//ugolokTL.swf", "ugolokTR", "ugolokBL", "ugolokBR"), placed in screen
// units by SetCornerPos.
class GuiCorners
{
public:
    static constexpr int Corners = 4;

    GuiCorners() = default;
    ~GuiCorners() { Unload(); }
    GuiCorners(const GuiCorners&) = delete;
    GuiCorners& operator=(const GuiCorners&) = delete;

    // Under the parent, the root for null; the parent outlives the widget's layers.
    GuiCorners* Load(Layer* parent);
    void Unload();
    // True shows set A and hides set B, false the reverse.
    void SetSelected(bool selected);
    // False hides all eight; true shows set A when selected, else set B.
    void SetVisible(bool visible);
    // Corner 0 top left, 1 top right, 2 bottom left, 3 bottom right, of both sets; others are
    // ignored.
    void SetCornerPos(int corner, const Vec2& pos);

    FlashLayer* GetCorner(int corner, bool setA) const;

private:
    FlashLayer* _setA[Corners] = {};
    FlashLayer* _setB[Corners] = {};
    bool _selected = false;
    Layer* _parent = nullptr;
};
