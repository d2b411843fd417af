#include "gui/hangar/IConstructionAngar.h"

#include "layers/widgets/GuiGame.h"

#include <cstdio>

namespace {

// Sub-types per category.
constexpr int SlotCounts[] = {5, 9, 7, 2};

} // namespace

std::string IConstructionAngar::GetCategoryName(int type, int subType)
{
    if (type < 0 || type > 3 || subType < 0 || subType >= SlotCounts[type])
        return "(unknown)";
    char code[32];
    std::snprintf(code, sizeof(code), "ui_devices_type_%d_%d", type, subType);
    return GuiGame::Text(code);
}
