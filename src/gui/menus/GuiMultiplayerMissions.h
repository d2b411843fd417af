#pragma once

#include "gui/menus/GuiSlotCarousel.h"

#include <array>
#include <cstddef>
#include <vector>

// The carousel of names: each slot movie shows its item's name, sent only when it changes. The
// create-game screen picks a map from it.
class GuiMultiplayerMissions : public GuiSlotCarousel
{
public:
    static constexpr size_t NameSize = 256;

    GuiMultiplayerMissions();

    // A name of up to 255 bytes; longer ones are cut.
    void AddMission(const char* name);
    int GetItemCount() const override { return int(_items.size()); }
    // The selected item's name; empty without items.
    const char* GetSelectedName() const;
    // The name the slot's movie was last sent.
    const char* GetSlotName(int slot) const { return _slot_names[slot].data(); }

protected:
    void ShowSlot(int slot, int item, const Vec2& designPos, float scale) override;

private:
    std::vector<std::array<char, NameSize>> _items;
    std::array<char, NameSize> _slot_names[SlotCount] = {};
};
