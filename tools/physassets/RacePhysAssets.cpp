#include "RacePhysAssets.h"

namespace RacePhysAssets {

namespace {

using ObjectPhysAssets::Asset;
using ObjectPhysAssets::Ball;
using ObjectPhysAssets::Block;

// A ship's hull as a sphere of its type's collision radius.
Asset Hull(const std::string& name, float radius) { return Ball(name + ".mdl", radius); }

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
        // The parts, each the box around its mesh.
        Block("ytg_korpus_bolsh_dvig", {20, 14, 65}, {0, 0, 5}),
        Block("ytg_bolsh_dvigatel", {8, 8, 21}, {0, 0, 1}),
        Block("ytg_sush_02_kabina", {10, 8, 13}, {0, 0, 1}),
        Block("ytg_centraln_blok_tr", {10, 8, 27.5f}, {0, 0, 2.5f}),
        Block("ytg_st_dvig_dr1", {5, 5, 11}, {0, 0, 1}),
        Block("ytg_energ_caps_trb", {9, 9, 32}),
    };
}

} // namespace RacePhysAssets
