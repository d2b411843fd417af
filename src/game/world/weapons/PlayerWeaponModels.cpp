#include "game/world/weapons/PlayerWeaponModels.h"

#include <strings.h>

namespace {

struct CoveringModel
{
    const char* covering;
    const char* model;
};

const CoveringModel CoveringModels[] = {
    {"ui_devices_blg_covered_a", "player_weapons_primary_1_blg_0.mod"},
    {"ui_devices_asp_covered_a", "player_weapons_primary_1_asp_0.mod"},
    {"ui_devices_rtb_covered_a", "player_weapons_primary_1_rtb_0.mod"},
    {"ui_devices_sha_covered_a", "player_weapons_primary_1_sha_0.mod"},
    {"ui_devices_fslk_covered_a", "player_weapons_primary_1_fslk_0.mod"},
    {"ui_devices_ytg_covered_a", "player_weapons_primary_1_ytg_0.mod"},
    {"ui_devices_ytg_covered_b", "player_weapons_primary_1_ytg_0.mod"},
};

const CoveringModel* FindCovering(const char* name)
{
    if (!name)
        return nullptr;
    for (const CoveringModel& entry : CoveringModels)
    {
        if (strcasecmp(entry.covering, name) == 0)
            return &entry;
    }
    return nullptr;
}

} // namespace

const char* GetRotationWeaponModel(float firePoints)
{
    return firePoints == 2 ? "player_weapons_rotation_2.mod" : "player_weapons_rotation_1.mod";
}

const char* GetSecondPrimaryWeaponModel(const char* coveringName)
{
    const CoveringModel* entry = FindCovering(coveringName);
    return entry ? entry->model : "player_weapons_primary_1.mod";
}

int GetSecondPrimaryFirePoints(const char* coveringName) { return FindCovering(coveringName) ? 4 : 2; }
