#pragma once

#include "gui/menus/CarouselSlide.h"

#include <cstddef>
#include <vector>

class FlashLayer;
class Material;

// The pilots' carousel of the profile panel (the hangar's ship set uses it too): seven slots of
// screen quads around the centre one, each with its item's picture, the centre one with the
// item's name, sliding as the carousel's selection moves, and one blinking arrow toward the
// side where more items wait. A frame movie stands around the centre slot.
class GuiProfileFaces
{
public:
    static constexpr int SlotCount = CarouselSlide::SlotCount;
    static constexpr size_t NameSize = 64;

    GuiProfileFaces();
    ~GuiProfileFaces();
    GuiProfileFaces(const GuiProfileFaces&) = delete;
    GuiProfileFaces& operator=(const GuiProfileFaces&) = delete;

    // Loads the pictures and adds the frame movie to the root, where it shows from then on.
    void Initialize();
    // Removes the frame movie.
    void ShutDown();
    // Slides for the frame's seconds and draws the slots with everything at the alpha `blend`.
    void Proceed(float seconds, float blend);
    void SetCount(int count);
    int GetCount() const { return _count; }
    // The carousel slides there.
    void SetCurSelected(int item) { _slide.Select(item); }
    void SetCurSelectedWithOutAnim(int item) { _slide.Jump(item); }
    int GetCurSelected() const { return _slide.GetSelected(); }
    float GetPosition() const { return _slide.GetPosition(); }
    // Indices outside the count are passed over; a longer name is cut.
    void SetName(int item, const char* name);
    const char* GetName(int item) const;
    // Every item shows the ship picture "angar//default_ship.mat"; the argument is not used.
    void SetMaterial(int item, Material* material);
    // Shows or hides the frame movie.
    void SetVisible(bool visible);
    bool CanScroll() const { return _slide.CanScroll(); }
    FlashLayer* GetFrame() const { return _ramka; }

    // One slot of each size: the item at a design position with a scale.
    void DrawB(int item, const Vec2& pos, float scale);
    void DrawM(int item, const Vec2& pos, float scale);
    void DrawS(int item, const Vec2& pos, float scale);

    // The arrows that can show, and the one the last Proceed drew (None for none).
    enum eArrow : int
    {
        ARROW_NONE = -1,
        ARROW_SMALL_L = 0,
        ARROW_SMALL_R = 1,
        ARROW_BIG_L = 2,
        ARROW_BIG_R = 3,
    };
    int GetLastArrow() const { return _lastArrow; }
    // Alpha of an arrow whose blink has run `phase` of its second: up and down once.
    static float ArrowAlpha(float phase);

private:
    struct Item
    {
        char name[NameSize] = {};
        Material* picture = nullptr;
    };
    // Materials, in the order they are loaded.
    enum eSlotMaterial : int
    {
        SLOT1_BACK1,
        SLOT1_BACK2,
        SLOT2_BACK1,
        SLOT2_BACK2,
        SLOT3_BACK1,
        SLOT3_RAMKA,
        SLOT_MATERIALS,
    };

    void Grow();
    bool HasItem(int slot) const;
    void DrawArrow(int arrow, float seconds);
    void Quad(Material* material, const Vec2& designPos, const Vec2& designSize) const;

    // Each arrow blinks on its own clock, shared by every carousel.
    static float _arrowPhase[4];

    float _blend = 1.0f;
    Material* _arrow_big = nullptr;
    Material* _arrow_small = nullptr;
    Material* _slotMaterials[SLOT_MATERIALS] = {};
    int _count = 0;
    CarouselSlide _slide;
    std::vector<Item> _items;
    Vec2 _slot_offsets[SlotCount] = {};
    float _slot_scales[SlotCount] = {1, 1, 1, 1, 1, 1, 1};
    FlashLayer* _ramka = nullptr;
    int _lastArrow = ARROW_NONE;
};
