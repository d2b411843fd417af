#include "layers/widgets/GuiCorners.h"

#include "layers/FlashLayer.h"

using FlashHost::Args;

namespace {

const char* const Names[GuiCorners::Corners] = {"ugolk1", "ugolk2", "ugolk3", "ugolk4"};
const char* const Movies[GuiCorners::Corners] = {"swf//ugolokTL.swf", "swf//ugolokTR.swf", "swf//ugolokBL.swf",
                                                 "swf//ugolokBR.swf"};

} // namespace

GuiCorners* GuiCorners::Load(Layer* parent)
{
    Unload();
    _parent = Gui::ParentOrRoot(parent);
    const Vec2 pos = Gui::ScreenPos(Vec2(0.0f, 0.0f), GA_RIGHT);
    const Vec2 size = Gui::ScreenSize(Vec2(80.0f, 64.0f));
    for (FlashLayer** set : {_setA, _setB})
    {
        for (int i = 0; i < Corners; ++i)
        {
            set[i] = Gui::AddFlash(_parent, Names[i], Movies[i], pos, size);
            if (set[i])
                set[i]->SetPosAutoScale(false);
        }
    }
    for (int i = 0; i < Corners; ++i)
    {
        Gui::Call(_setA[i], L"SetState", Args(1));
        Gui::Call(_setB[i], L"SetState", Args(0));
    }
    return this;
}

void GuiCorners::Unload()
{
    for (FlashLayer** set : {_setA, _setB})
    {
        for (int i = 0; i < Corners; ++i)
            Gui::Detach(_parent, set[i]);
    }
    _parent = nullptr;
}

void GuiCorners::SetSelected(bool selected)
{
    _selected = selected;
    for (int i = 0; i < Corners; ++i)
    {
        Gui::SetVisible({_setA[i]}, selected);
        Gui::SetVisible({_setB[i]}, !selected);
    }
}

void GuiCorners::SetVisible(bool visible)
{
    for (int i = 0; i < Corners; ++i)
    {
        Gui::SetVisible({_setA[i]}, visible && _selected);
        Gui::SetVisible({_setB[i]}, visible && !_selected);
    }
}

void GuiCorners::SetCornerPos(int corner, const Vec2& pos)
{
    if (corner < 0 || corner >= Corners)
        return;
    Gui::SetPos(_setA[corner], pos);
    Gui::SetPos(_setB[corner], pos);
}

FlashLayer* GuiCorners::GetCorner(int corner, bool setA) const
{
    if (corner < 0 || corner >= Corners)
        return nullptr;
    return setA ? _setA[corner] : _setB[corner];
}
