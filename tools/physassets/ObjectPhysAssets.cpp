#include "ObjectPhysAssets.h"

namespace ObjectPhysAssets {

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

} // namespace

Asset Block(const std::string& name, const Vec3& half, const Vec3& centre)
{
    PhysicsShapeRecord box;
    box.type = 2;
    box.position = centre;
    box.dimensions = half;
    return {name + ".mdl", Body(name, box)};
}

Asset Ball(const std::string& file, float radius)
{
    PhysicsShapeRecord sphere;
    sphere.type = 1;
    sphere.radius = radius;
    return {file, Body(file.substr(0, file.find('.')), sphere)};
}

std::vector<Asset> All()
{
    return {
        // Breakable parts, each the size of its mesh.
        Block("pod_hull", {6, 4, 10}),
        Block("pod_arm", {1.5f, 1.5f, 6}),
        Block("pod_claw", {3, 1, 2}),
        Block("ytg_sush_block", {25, 20, 50}),
        Block("ytg_sush_engine", {10, 10, 25}),
        Block("ytg_sush_hull", {40, 20, 60}),
        Block("ytg_sush_cabin", {20, 15, 25}),
        Block("ytg_sush_small", {6, 4, 10}),
        Block("ytg_sush_rail", {2, 2, 20}),
        Ball("ytg_sush_cap.mdl", 12.0f),
        Block("ytg_baken_beam", {12, 2, 2}),
        Block("ytg_baken_mast", {0.5f, 8, 0.5f}),
        Ball("ytg_baken_cap.mdl", 2.5f),
        Ball("ytg_energ_caps_cr4.mdl", 4.0f),
        // Whole objects.
        Ball("ast_m_a.mdl", 40.0f),
        Ball("ast_m_b.mdl", 30.0f),
        Ball("ast_m_c.mdl", 25.0f),
        Ball("ast_m_d.mdl", 20.0f),
        Ball("ast_fragment.mdl", 10.0f),
        Ball("ast_l_a.mdl", 300.0f),
        Ball("ast_l_b.mdl", 200.0f),
        Block("ytg_sush_02_module", {40, 30, 60}),
        Ball("ytg_baken_00.mdl", 12.0f),
        Ball("ytg_sun_00.mdl", 400.0f),
        Block("ytg_portal_03", {60, 60, 4}),
        Block("ytg_protection_complex_00", {20, 30, 20}),
        Ball("old_ship_00.mdl", 100.0f),
        // The station shields.
        Ball("ytg_sush_02_nos_shield.pea", 80.0f),
        Ball("ytg_sush_02_centr_shield.pea", 100.0f),
        Ball("ytg_sush_02_cabin_shield.pea", 45.0f),
    };
}

} // namespace ObjectPhysAssets
