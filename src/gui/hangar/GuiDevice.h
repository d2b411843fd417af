#pragma once

#include <functional>
#include <memory>
#include <vector>

class IConstructionAngar;
struct DeviceType;

// One device offered in a slot of the hangar's lists: its name (a texts code), its card picture
// (a file name with a four-character extension), its record and where it fits.
struct GuiDevice
{
    // Name and picture are taken from the record (its `guiMaterial`), cut to fit.
    explicit GuiDevice(DeviceType* record);

    char name[128] = {};
    char picture[256] = {};
    DeviceType* device; // the game data's
    int type;
    int subType;
};

// One fitting slot of a category: its localised name, the devices that fit it (owned) and the
// index of the one shown as fitted.
struct GuiSubDevice
{
    explicit GuiSubDevice(const char* slotName);

    int Count() const { return static_cast<int>(devices.size()); }
    // Null outside the list.
    GuiDevice* At(int index) const;

    char name[128] = {};
    std::vector<std::unique_ptr<GuiDevice>> devices;
    int selected = 0;
};

// The slots of the four categories, in the order they were asked for.
class GuiSlotLists
{
public:
    static constexpr int CategoryCount = 4;

    // The category's slot of exactly that name, appended when there is none; null for a
    // category outside 0..3.
    GuiSubDevice* Get(int category, const char* name);
    // Takes the device when the slot is one of these lists'; false (the caller keeps it)
    // otherwise.
    bool Add(GuiSubDevice* slot, GuiDevice* device);
    // Empty for a category outside 0..3.
    const std::vector<std::unique_ptr<GuiSubDevice>>& Of(int category) const;
    // Null outside the category's list.
    GuiSubDevice* At(int category, int index) const;
    int Count(int category) const { return static_cast<int>(Of(category).size()); }

    // For every slot, category by category: the device fitted on the ship in the slot's place
    // (the type and sub-type of its first device) becomes its selection and `start` is called
    // with its index; "selection = <index>" is logged, -1 leaving the selection as it was when
    // none of the slot's devices is fitted. False when a slot without devices stopped it.
    bool InitSelections(const IConstructionAngar& angar, const std::function<void(GuiSubDevice*, int)>& start);

private:
    std::vector<std::unique_ptr<GuiSubDevice>> _lists[CategoryCount];
};
