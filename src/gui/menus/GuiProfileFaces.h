#pragma once

#include "foundation/math/Vec2.h"

#include <vector>

class FlashLayer;
class Material;

// A sliding carousel of pictures with names (the pilots of the profiles panel, the ships of
// the hangar's ship set): seven slots around the chosen item in the centre, drawn as screen
// quads every Proceed, an arrow where more items wait, and the frame "ramka"
// ("swf//profiles_ramka.swf") around the centre slot.
class GuiProfileFaces
{
public:
    static constexpr int SlotCount = 7;

    GuiProfileFaces() { Initialize(); }
    ~GuiProfileFaces() { ShutDown(); }
    GuiProfileFaces(const GuiProfileFaces&) = delete;
    GuiProfileFaces& operator=(const GuiProfileFaces&) = delete;

    void Initialize();
    void ShutDown();
    // Slides towards the chosen item and draws the slots with alpha `blend`.
    void Proceed(float dt, float blend);
    void SetCount(int count);
    // The carousel slides there.
    void SetCurSelected(int index) { _curSelected = index; }
    // The carousel stands there at once.
    void SetCurSelectedWithOutAnim(int index);
    // Negative indices are ignored; the items grow as needed.
    void SetName(int index, const char* name);
    // Every item shows the default ship's picture, whatever is given.
    void SetMaterial(int index, Material* material);
    void SetVisible(bool visible);
    // The slide has finished.
    bool CanScroll() const { return _position == float(_curSelected); }

    int GetCount() const { return _count; }
    int GetCurSelected() const { return _curSelected; }
    float GetPosition() const { return _position; }
    // Null outside the items.
    const char* GetName(int index) const;
    FlashLayer* GetFrame() const { return _ramka; }

private:
    struct Item
    {
        char name[64] = {};
        Material* material = nullptr;
    };
    enum eArrow
    {
        ARROW_BIG_L,
        ARROW_BIG_R,
        ARROW_SMALL_L,
        ARROW_SMALL_R,
        ARROW_NONE,
    };

    Item* EnsureItem(int index);
    bool Exists(int slot) const;
    eArrow ChooseArrow() const;
    void DrawArrow(eArrow arrow);
    void DrawB(int item, const Vec2& pos, float scale);
    void DrawM(int item, const Vec2& pos, float scale);
    void DrawS(int item, const Vec2& pos, float scale);
    void Quad(Material* material, const Vec2& designPos, const Vec2& designSize) const;

    float _blend = 1.0f;
    Material* _arrowBig = nullptr;
    Material* _arrowSmall = nullptr;
    Material* _slots[6] = {};
    int _count = 0;
    int _curSelected = 0;
    float _position = 0.0f;
    std::vector<Item> _items;
    Vec2 _offsets[SlotCount] = {};
    float _scales[SlotCount] = {};
    FlashLayer* _ramka = nullptr;
};
