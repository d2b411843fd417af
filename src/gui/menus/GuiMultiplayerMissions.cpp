#include "gui/menus/GuiMultiplayerMissions.h"

#include "layers/widgets/GuiWidget.h"

#include <cstring>

namespace {

const Vec2 SlotBase[GuiSlotCarousel::SlotCount] = {
    {62.0f, 1806.0f}, {239.0f, 785.0f}, {344.0f, 749.0f},   {508.0f, 713.0f},
    {704.0f, 749.0f}, {864.0f, 785.0f}, {1126.0f, 1806.0f},
};

} // namespace

GuiMultiplayerMissions::GuiMultiplayerMissions()
{
    AddSlots(SlotLook{"swf//m_slot_small.swf", "swf//m_slot_medium.swf", "swf//m_slot_big.swf", Vec2(160.0f, 140.0f),
                      Vec2(220.0f, 180.0f), Vec2(256.0f, 220.0f), SlotBase});
    AddFrame("swf//m_slot_ramka.swf", Vec2(516.0f, 718.0f), Vec2(230.0f, 200.0f));
}

void GuiMultiplayerMissions::AddMission(const char* name)
{
    std::array<char, NameSize> item = {};
    Gui::CopyText(item.data(), NameSize, name);
    _items.push_back(item);
}

const char* GuiMultiplayerMissions::GetSelectedName() const
{
    const int selected = GetSelectedItem();
    return selected >= 0 && selected < GetItemCount() ? _items[size_t(selected)].data() : "";
}

void GuiMultiplayerMissions::ShowSlot(int slot, int item, const Vec2& designPos, float scale)
{
    const char* name = _items[size_t(item)].data();
    if (std::strcmp(name, _slot_names[slot].data()) != 0)
    {
        _slot_names[slot] = _items[size_t(item)];
        Gui::Call(GetSlotLayer(slot), L"SetName", FlashHost::Args(name));
    }
    GuiSlotCarousel::ShowSlot(slot, item, designPos, scale);
}
