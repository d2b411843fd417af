#pragma once

#include "gui/menus/CarouselSlide.h"

#include <vector>

class FlashLayer;
class Layer;

// What the face and map carousels share: up to five items on an arc of seven slot movies around
// the selected one, with a frame movie around the centre slot that fades out while the slots
// glide. Left and Right move the selection by one once the last glide has ended. The owner calls
// Update every frame; the carousel owns its items and removes its layers when destroyed.
class GuiSlotCarousel
{
public:
    static constexpr int SlotCount = CarouselSlide::SlotCount;

    virtual ~GuiSlotCarousel();
    GuiSlotCarousel(const GuiSlotCarousel&) = delete;
    GuiSlotCarousel& operator=(const GuiSlotCarousel&) = delete;

    // Shows what the selection and the glide call for.
    void Update();
    virtual void EventRight();
    virtual void EventLeft();
    void EventUp() {}
    void EventDown() {}
    // Takes effect at the next Update.
    void SetVisible(bool visible) { _visible = visible; }
    bool IsVisible() const { return _visible; }
    bool CanScroll() const { return _slide.CanScroll(); }
    void SetCurSelected(int item) { _slide.Select(item); }
    void SetCurSelectedWithOutAnim(int item) { _slide.Jump(item); }
    float GetShiftAlpha() const { return _shift_alpha; }
    float GetPosition() const { return _slide.GetPosition(); }
    virtual int GetItemCount() const = 0;

    const Vec2& GetSlotOffset(int slot) const { return _slot_offsets[slot]; }
    float GetSlotScale(int slot) const { return _slot_scales[slot]; }
    FlashLayer* GetSlotLayer(int slot) const { return _slots[slot]; }
    FlashLayer* GetFrameLayer() const { return _frame; }

protected:
    // The slot movies of each size and their design sizes, and the slots' base places.
    struct SlotLook
    {
        const char* small;
        const char* medium;
        const char* big;
        Vec2 smallSize, mediumSize, bigSize;
        const Vec2* base; // SlotCount places
    };

    GuiSlotCarousel() = default;

    // The seven slot movies, hidden, in the layer root.
    void AddSlots(const SlotLook& look);
    // The frame movie around the centre slot, hidden.
    void AddFrame(const char* movie, const Vec2& designPos, const Vec2& designSize);
    // A layer of the carousel's in the root, hidden, removed with the carousel.
    void Own(Layer* layer);
    int GetSelectedItem() const { return _slide.GetSelected(); }

    // Hides what the kind adds to the slots (Update hides the slot movies and the frame).
    virtual void HideExtras() {}
    // Shows what the kind shows around the selected item, before the slots glide.
    virtual void ShowSelected() {}
    // Shows the item in the slot movie, placed at the design position with the scale.
    virtual void ShowSlot(int slot, int item, const Vec2& designPos, float scale);
    // After Left or Right, whether or not the selection moved.
    virtual void OnScroll() {}

private:
    void UpdateSlots();

    CarouselSlide _slide;
    float _shift_alpha = 1.0f;
    Vec2 _slot_offsets[SlotCount] = {};
    float _slot_scales[SlotCount] = {1, 1, 1, 1, 1, 1, 1};
    bool _visible = true;
    const Vec2* _base = nullptr;
    FlashLayer* _slots[SlotCount] = {};
    FlashLayer* _frame = nullptr;
    std::vector<Layer*> _layers; // every layer it made, in the root
};
