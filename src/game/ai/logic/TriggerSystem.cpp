#include "game/ai/logic/TriggerSystem.h"

#include <cstring>

#include "game/ai/logic/LogicServices.h"
#include "game/core/level/SingleLevel.h"
#include "game/hud/GuiShipHud.h"
#include "game/hud/GuiShipHudStats.h"

namespace {

// The rows every level logic writes, whatever its file holds.
struct StatsRow
{
    const char* id;
    const char* name;
    const char* icon;
    int size;
    const char* classname;
};
constexpr StatsRow StatsRows[] = {
    {"2", "Cargoship", "gui//icons//icon2.mat", 2, "ShipYtgSush02"},
    {"3", "Small Cargo", "gui//icons//icon3.mat", 2, "ShipYtgDrTr02"},
    {"4", "Runner", "gui//icons//ytg_brrk_00.mat", 2, "ShipYtgBrrk00"},
    {"5", "Fighter", "gui//icons//ytg_fighter_02.mat", 1, "ShipYtgFighter02"},
};

} // namespace

void TriggerSystem::UpdateLogic()
{
    for (const auto& trigger : _triggers)
        trigger->Update();

    const SingleLevel* level = Logic::GetLevel();
    const GuiShipHud* hud = Logic::GetHud();
    GuiShipHudStats* stats = hud ? hud->GetStatsHud() : nullptr;
    if (!level || !stats)
        return;
    for (const StatsRow& row : StatsRows)
        stats->SetEntry(row.id, row.name, "YTG", row.icon, row.size, level->GetActorCountByClassname(row.classname));
}

Trigger* TriggerSystem::AddTrigger(const char* name)
{
    _triggers.push_back(std::make_unique<Trigger>(name));
    return _triggers.back().get();
}

Trigger* TriggerSystem::GetTrigger(int index) const
{
    return index >= 0 && index < GetTriggerCount() ? _triggers[static_cast<size_t>(index)].get() : nullptr;
}

Trigger* TriggerSystem::GetTrigger(const char* name) const
{
    if (!name)
        return nullptr;
    for (const auto& trigger : _triggers)
    {
        if (std::strcmp(trigger->GetName(), name) == 0)
            return trigger.get();
    }
    return nullptr;
}

void TriggerSystem::RemoveTrigger(Trigger*) {}

void TriggerSystem::Save(const char*) const {}
