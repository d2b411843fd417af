#include "game/world/player/PlayerWeaponModels.h"

#include <strings.h>

namespace {

struct HullModel
{
    const char* device;
    const char* model;
};

const HullModel CoveredHulls[] = {
    {"ui_devices_blg_covered_a", "player_weapons_primary_1_blg_0.mod"},
    {"ui_devices_asp_covered_a", "player_weapons_primary_1_asp_0.mod"},
    {"ui_devices_rtb_covered_a", "player_weapons_primary_1_rtb_0.mod"},
    {"ui_devices_sha_covered_a", "player_weapons_primary_1_sha_0.mod"},
    {"ui_devices_fslk_covered_a", "player_weapons_primary_1_fslk_0.mod"},
    {"ui_devices_ytg_covered_a", "player_weapons_primary_1_ytg_0.mod"},
    {"ui_devices_ytg_covered_b", "player_weapons_primary_1_ytg_0.mod"},
};

const HullModel* FindHull(const char* deviceName)
{
    if (!deviceName)
        return nullptr;
    for (const HullModel& hull : CoveredHulls)
    {
        if (strcasecmp(hull.device, deviceName) == 0)
            return &hull;
    }
    return nullptr;
}

} // namespace

const char* SecondPrimaryModel(const char* deviceName)
{
    const HullModel* hull = FindHull(deviceName);
    return hull ? hull->model : "player_weapons_primary_1.mod";
}

int SecondPrimaryFirePoints(const char* deviceName) { return FindHull(deviceName) ? 4 : 2; }

const char* RotationModel(float firePoints)
{
    return firePoints == 2 ? "player_weapons_rotation_2.mod" : "player_weapons_rotation_1.mod";
}
