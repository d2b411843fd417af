#include "gui/menus/GuiSlotCarousel.h"

#include "foundation/math/Color.h"
#include "game/core/game/MenuGame.h"
#include "layers/FlashLayer.h"
#include "layers/LayerManager.h"
#include "layers/widgets/GuiWidget.h"

GuiSlotCarousel::~GuiSlotCarousel()
{
    for (Layer* layer : _layers)
        Gui::Detach(LayerManager::GetRoot(), layer);
}

void GuiSlotCarousel::Own(Layer* layer)
{
    if (!layer)
        return;
    layer->SetVisible(false);
    _layers.push_back(layer);
}

void GuiSlotCarousel::AddSlots(const SlotLook& look)
{
    _base = look.base;
    for (int slot = 0; slot < SlotCount; ++slot)
    {
        const bool big = slot == CarouselSlide::CentreSlot;
        const bool medium = slot == 2 || slot == 4;
        const char* movie = big ? look.big : medium ? look.medium : look.small;
        const Vec2& size = big ? look.bigSize : medium ? look.mediumSize : look.smallSize;
        _slots[slot] = Gui::AddFlash(LayerManager::GetRoot(), "slot", movie, Gui::ScreenPos(_base[slot], GA_CENTER),
                                     Gui::ScreenSize(size));
        Own(_slots[slot]);
    }
}

void GuiSlotCarousel::AddFrame(const char* movie, const Vec2& designPos, const Vec2& designSize)
{
    _frame = Gui::AddFlash(LayerManager::GetRoot(), "slot", movie, Gui::ScreenPos(designPos, GA_CENTER),
                           Gui::ScreenSize(designSize));
    Own(_frame);
}

void GuiSlotCarousel::EventRight()
{
    if (GetItemCount() == 0)
        return;
    if (CanScroll() && GetSelectedItem() < GetItemCount() - 1)
        _slide.Select(GetSelectedItem() + 1);
    OnScroll();
}

void GuiSlotCarousel::EventLeft()
{
    if (GetItemCount() == 0)
        return;
    if (CanScroll() && GetSelectedItem() > 0)
        _slide.Select(GetSelectedItem() - 1);
    OnScroll();
}

void GuiSlotCarousel::Update()
{
    Gui::SetVisible({_frame}, false);
    for (FlashLayer* slot : _slots)
        Gui::SetVisible({slot}, false);
    HideExtras();
    const int count = GetItemCount();
    if (count == 0 || !_visible)
        return;
    if (GetSelectedItem() < 0 || GetSelectedItem() >= count)
        _slide.Select(0);
    Gui::SetVisible({_frame}, true);
    ShowSelected();
    UpdateSlots();
}

void GuiSlotCarousel::UpdateSlots()
{
    _slide.Step(MenuGame::Spf());
    _shift_alpha = _slide.GetShiftAlpha();
    if (_frame)
        _frame->SetColor(Color(1.0f, 1.0f, 1.0f, _shift_alpha));
    _slide.Layout(_slot_offsets, _slot_scales);
    for (int slot = 0; slot < SlotCount; ++slot)
    {
        // A slot without an item stays hidden.
        const int item = _slide.ItemOfSlot(slot);
        if (item >= 0 && item < GetItemCount())
            ShowSlot(slot, item, _base[slot] + _slot_offsets[slot], _slot_scales[slot]);
    }
}

void GuiSlotCarousel::ShowSlot(int slot, int, const Vec2& designPos, float scale)
{
    FlashLayer* layer = _slots[slot];
    if (!layer)
        return;
    layer->SetPos(Gui::ScreenPos(designPos, GA_CENTER));
    layer->SetScale(Vec2(scale, scale));
    layer->SetVisible(true);
}
