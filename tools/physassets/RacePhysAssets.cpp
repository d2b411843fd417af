#include "RacePhysAssets.h"

namespace RacePhysAssets {

namespace {

PhysicsAssetData Body(const std::string& name, PhysicsShapeRecord shape)
{
    PhysicsAssetData asset;
    asset.name = name;
    asset.actorGroup = 1;
    shape.name = name + "_0";
    shape.group = 1;
    asset.shapes.push_back(shape);
    return asset;
}

// A ship's hull as a sphere of its type's collision radius.
Asset Hull(const std::string& name, float radius)
{
    PhysicsShapeRecord sphere;
    sphere.type = 1;
    sphere.radius = radius;
    return {name + ".mdl", Body(name, sphere)};
}

// A part as the box around its mesh.
Asset Block(const std::string& name, const Vec3& centre, const Vec3& half)
{
    PhysicsShapeRecord box;
    box.type = 2;
    box.position = centre;
    box.dimensions = half;
    return {name + ".mdl", Body(name, box)};
}

} // namespace

std::vector<Asset> All()
{
    return {
        Hull("blg_fighter_02", 12),
        Hull("rtb_fighter_03", 12),
        Hull("blg_cruiser_02", 80),
        Hull("rtb_cruiser_00", 70),
        Hull("ytg_scstation_00", 200),
        Hull("ytg_sush_02", 150),
        Hull("ytg_brrk_00", 45),
        Hull("ytg_drtr_02", 45),
        Block("ytg_korpus_bolsh_dvig", {0, 0, 5}, {20, 14, 65}),
        Block("ytg_bolsh_dvigatel", {0, 0, 1}, {8, 8, 21}),
        Block("ytg_sush_02_kabina", {0, 0, 1}, {10, 8, 13}),
        Block("ytg_centraln_blok_tr", {0, 0, 2.5f}, {10, 8, 27.5f}),
        Block("ytg_st_dvig_dr1", {0, 0, 1}, {5, 5, 11}),
        Block("ytg_energ_caps_trb", {0, 0, 0}, {9, 9, 32}),
    };
}

} // namespace RacePhysAssets
