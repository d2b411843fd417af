#include "ShipAssets.h"

#include "ContentFile.h"
#include "services/physics/PhysicsAssetFormat.h"

namespace {

struct ShipAsset
{
    const char* file;
    const char* name;
    float radius; // the type's collisionRadius
};

const ShipAsset Ships[] = {
    {"player_ship.mdl", "player_ship", 14},       {"ytg_fighter_02.mdl", "ytg_fighter_02", 12},
    {"blg_fighter_00.mdl", "blg_fighter_00", 12}, {"blg_fighter_01.mdl", "blg_fighter_01", 12},
    {"blg_fighter_03.mdl", "blg_fighter_03", 12}, {"rtb_fighter_02.mdl", "rtb_fighter_02", 12},
};

} // namespace

bool WriteShipAssets(const std::filesystem::path& physFolder)
{
    bool ok = true;
    for (const ShipAsset& ship : Ships)
    {
        PhysicsAssetData asset;
        asset.name = ship.name;
        asset.actorGroup = 1;
        PhysicsShapeRecord hull;
        hull.type = 1; // sphere
        hull.name = "hull_0";
        hull.group = 1;
        hull.radius = ship.radius;
        asset.shapes.push_back(hull);
        ok &= WriteContentFile(physFolder / ship.file, WritePhysicsAsset(asset));
    }
    return ok;
}
