#include "gui/hangar/GuiDevice.h"

#include "foundation/base/Dumper.h"
#include "game/core/gamedata/TypeRecords.h"
#include "gui/hangar/IConstructionAngar.h"
#include "layers/widgets/GuiWidget.h"

#include <cstring>

GuiDevice::GuiDevice(DeviceType* record)
    : device(record), type(record ? int(record->type) : 0), subType(record ? int(record->subType) : 0)
{
    if (!record)
        return;
    Gui::CopyText(name, sizeof(name), record->name);
    Gui::CopyText(picture, sizeof(picture), record->guiMaterial);
}

GuiSubDevice::GuiSubDevice(const char* slotName) { Gui::CopyText(name, sizeof(name), slotName); }

GuiDevice* GuiSubDevice::At(int index) const
{
    return index >= 0 && index < Count() ? devices[size_t(index)].get() : nullptr;
}

GuiSubDevice* GuiSlotLists::Get(int category, const char* name)
{
    if (category < 0 || category >= CategoryCount || !name)
        return nullptr;
    for (const std::unique_ptr<GuiSubDevice>& slot : _lists[category])
    {
        if (std::strcmp(slot->name, name) == 0)
            return slot.get();
    }
    _lists[category].push_back(std::make_unique<GuiSubDevice>(name));
    return _lists[category].back().get();
}

bool GuiSlotLists::Add(GuiSubDevice* slot, GuiDevice* device)
{
    if (!slot || !device)
        return false;
    for (const auto& list : _lists)
    {
        for (const std::unique_ptr<GuiSubDevice>& own : list)
        {
            if (own.get() == slot)
            {
                slot->devices.emplace_back(device);
                return true;
            }
        }
    }
    return false;
}

const std::vector<std::unique_ptr<GuiSubDevice>>& GuiSlotLists::Of(int category) const
{
    static const std::vector<std::unique_ptr<GuiSubDevice>> none;
    return category >= 0 && category < CategoryCount ? _lists[category] : none;
}

GuiSubDevice* GuiSlotLists::At(int category, int index) const
{
    const auto& list = Of(category);
    return index >= 0 && index < int(list.size()) ? list[size_t(index)].get() : nullptr;
}

bool GuiSlotLists::InitSelections(const IConstructionAngar& angar, const std::function<void(GuiSubDevice*, int)>& start)
{
    for (const auto& list : _lists)
    {
        for (const std::unique_ptr<GuiSubDevice>& slot : list)
        {
            const GuiDevice* first = slot->At(0);
            if (!first)
                return false;
            const DeviceType* fitted = angar.GetCurrentDevice(first->type, first->subType);
            int index = -1;
            for (int i = 0; i < slot->Count() && fitted; ++i)
            {
                if (slot->devices[size_t(i)]->device == fitted)
                {
                    index = i;
                    break;
                }
            }
            if (index >= 0)
            {
                slot->selected = index;
                start(slot.get(), index);
            }
            Dumper::Instance().Print(DUMP_LOG, "selection = %d\n", index);
        }
    }
    return true;
}
