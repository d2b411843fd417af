#pragma once

#include "gui/menus/GuiSlotCarousel.h"

#include <memory>
#include <cstddef>
#include <vector>

class Material;
class SpriteLayer;

// The carousel of pictures: each item a name and two pictures, the small one shown in its slot
// and the large one on a board above the arc for the selected item, whose name a caption shows.
// The mission selection and the multiplayer menu pick from it.
class GuiMultiplayerFaces : public GuiSlotCarousel
{
public:
    static constexpr size_t NameSize = 256;

    GuiMultiplayerFaces();
    ~GuiMultiplayerFaces() override;

    // A name of up to 255 bytes; longer ones are cut.
    void AddFace(const char* name, Material* picture, Material* slotPicture);
    int GetItemCount() const override { return int(_items.size()); }
    int GetSelected() const { return GetSelectedItem(); }
    // The caption takes the selected item's name.
    void UpdateText();

    SpriteLayer* GetSlotSprite(int slot) const { return _slot_sprites[slot]; }
    SpriteLayer* GetBigPicture() const { return _big_picture; }
    FlashLayer* GetBoard() const { return _board; }

protected:
    void HideExtras() override;
    void ShowSelected() override;
    void ShowSlot(int slot, int item, const Vec2& designPos, float scale) override;
    void OnScroll() override { UpdateText(); }

private:
    struct Item
    {
        char name[NameSize] = {};
        Material* picture = nullptr;
        Material* slot_picture = nullptr;
    };

    std::vector<std::unique_ptr<Item>> _items;
    FlashLayer* _board = nullptr;
    FlashLayer* _text = nullptr;
    SpriteLayer* _slot_sprites[SlotCount] = {};
    SpriteLayer* _big_picture = nullptr;
};
