#include "RaceModels.h"

#include <cstdio>
#include <string>

#include "scene/nodes/NodeTypes.h"

namespace RaceModels {

namespace {

ModRecord Mesh(const std::string& name, const char* mesh, float scale = 1)
{
    ModRecord record = NodeRecord(NT_RENDERMESH, name);
    record.mesh = mesh;
    record.scale = Vec3(scale, scale, scale);
    return record;
}

ModRecord Bone(const std::string& name, const Vec3& position) { return NodeRecord(NT_BONE, name, position); }

std::string Numbered(const char* format, int i)
{
    char name[64];
    std::snprintf(name, sizeof name, format, i);
    return name;
}

struct Hull
{
    const char* name;
    const char* mesh;
    float scale;
    std::vector<Vec3> engines; // "engine_00", "engine_01", ...
    std::vector<Vec3> weapons; // "weapon_00", "weapon_01", ...
};

// The ship's root bone holding its hull and its engine and weapon bones, placed for the scale.
ModRecord Ship(const Hull& hull)
{
    ModRecord ship = Bone(hull.name, Vec3(0, 0, 0));
    ship.children.push_back(Mesh("hull", hull.mesh, hull.scale));
    for (size_t i = 0; i < hull.engines.size(); ++i)
        ship.children.push_back(Bone(Numbered("engine_%.2d", int(i)), hull.engines[i] * hull.scale));
    for (size_t i = 0; i < hull.weapons.size(); ++i)
        ship.children.push_back(Bone(Numbered("weapon_%.2d", int(i)), hull.weapons[i] * hull.scale));
    return ship;
}

const std::vector<Vec3> BlgEngines = {{-1, 0, -6.3f}, {1, 0, -6.3f}};
// Torpedoes from the first, guns from the others.
const std::vector<Vec3> BlgWeapons = {{0, -1.2f, 3}, {-2.5f, 0, 2}, {2.5f, 0, 2}, {-4, 0, -2}};
const std::vector<Vec3> RtbWeapons = {{0, -0.6f, 2.8f}};
const std::vector<Vec3> YtgFighterEngines = {
    {0, 0, -5.3f}, {-1.5f, 0.5f, -4.8f}, {1.5f, 0.5f, -4.8f}, {-1.5f, -0.5f, -4.8f}, {1.5f, -0.5f, -4.8f}};
const std::vector<Vec3> YtgFighterWeapons = {{0, -1, 6}, {-5, 1.2f, 4}, {5, 1.2f, 4}};

// The Ytg fighter, with its pieces' bones spread over the hull; the wreck shows a shard at each.
ModRecord YtgFighter(bool wrecked)
{
    ModRecord ship = Ship({"ytg_fighter_02", wrecked ? "ytg_fighter_damaged.sms" : "ytg_fighter.sms", 1,
                           YtgFighterEngines, YtgFighterWeapons});
    if (wrecked)
        ship.name = "ytg_fighter_02_damaged";
    for (int piece = 0; piece < 11; ++piece)
    {
        const float along = -5.0f + 1.1f * float(piece);
        const float side = piece % 2 ? 1.5f : -1.5f;
        ModRecord bone = Bone(std::string("ytg_fighter_02_") + char('a' + piece), Vec3(side, 0.4f, along));
        if (wrecked)
            bone.children.push_back(Mesh("shard", "ytg_fighter_shard.sms"));
        ship.children.push_back(bone);
    }
    return ship;
}

struct PartBone
{
    const char* name;
    Vec3 position; // in the ship
};

// A large Ytg ship: a core part with the other parts below it (their looks come from the
// parts), and engine and weapon bones beside them.
ModRecord YtgLargeShip(const char* name, const PartBone& core, const std::vector<PartBone>& parts,
                       const std::vector<Vec3>& engines, const std::vector<PartBone>& weapons)
{
    ModRecord ship = Bone(name, Vec3(0, 0, 0));
    ModRecord coreBone = Bone(core.name, core.position);
    for (const PartBone& part : parts)
        coreBone.children.push_back(Bone(part.name, part.position - core.position));
    ship.children.push_back(coreBone);
    for (size_t i = 0; i < engines.size(); ++i)
        ship.children.push_back(Bone(Numbered("engine_%.2d", int(i)), engines[i]));
    for (const PartBone& weapon : weapons)
        ship.children.push_back(Bone(weapon.name, weapon.position));
    return ship;
}

} // namespace

std::vector<DemoModel> All()
{
    std::vector<DemoModel> models = {
        {"blg_fighter_00.mod", {Ship({"blg_fighter_00", "blg_fighter.sms", 1, BlgEngines, BlgWeapons})}},
        {"blg_fighter_01.mod", {Ship({"blg_fighter_01", "blg_fighter.sms", 1.2f, BlgEngines, BlgWeapons})}},
        {"blg_fighter_02.mod", {Ship({"blg_fighter_02", "blg_fighter.sms", 0.9f, BlgEngines, BlgWeapons})}},
        {"blg_fighter_03.mod", {Ship({"blg_fighter_03", "blg_fighter.sms", 1.4f, BlgEngines, BlgWeapons})}},
        // The Rtb fighters are scaled up threefold by their ships.
        {"rtb_fighter_02.mod",
         {Ship({"rtb_fighter_02",
                "rtb_fighter.sms",
                1,
                {{0, 0, -2.1f}, {-0.7f, 0, -2.1f}, {0.7f, 0, -2.1f}},
                RtbWeapons})}},
        {"rtb_fighter_03.mod", {Ship({"rtb_fighter_03", "rtb_fighter.sms", 1.2f, {{0, 0, -2.1f}}, RtbWeapons})}},
        {"blg_cruiser_02.mod",
         {Ship({"blg_cruiser_02",
                "blg_cruiser.sms",
                1,
                {{0, 0, -62}, {-18, -2, -52}, {18, -2, -52}},
                {{0, -8, 60}, {-18, -2, 20}, {18, -2, 20}}})}},
        {"rtb_cruiser_00.mod",
         {Ship({"rtb_cruiser_00", "rtb_cruiser.sms", 1, {{-8, 0, -52}, {8, 0, -52}}, {{0, -11, 50}, {0, 16, 10}}})}},
        {"ytg_scstation_00.mod", {Ship({"ytg_scstation_00", "ytg_scstation.sms", 1, {}, {{0, 160, 0}}})}},
        {"ytg_fighter_02.mod", {YtgFighter(false)}},
        {"ytg_fighter_02_damaged.mod", {YtgFighter(true)}},
        {"ytg_sush_02.mod",
         {YtgLargeShip("ytg_sush_02", {"ytg_korpus_bolsh_dvig_01", {0, 0, 0}},
                       {{"ytg_bolsh_dvigatel_00", {-32, 0, -50}},
                        {"ytg_bolsh_dvigatel_01", {32, 0, -50}},
                        {"ytg_sush_02_kabina_00", {0, 16, 50}}},
                       {{-32, 0, -72}, {32, 0, -72}, {0, 0, -62}}, {})}},
        {"ytg_brrk_00.mod",
         {YtgLargeShip("ytg_brrk_00", {"ytg_centraln_blok_tr_00", {0, 0, 0}},
                       {{"ytg_st_dvig_dr1_00", {14, 0, -28}}, {"ytg_st_dvig_dr1_01", {-14, 0, -28}}},
                       {{-14, 0, -41}, {14, 0, -41}, {0, 0, -26}},
                       {{"weapon_00", {-8, -8, 28}}, {"weapon_10", {8, -8, 28}}})}},
        {"ytg_drtr_02.mod",
         {YtgLargeShip("ytg_drtr_02", {"ytg_energ_caps_trb_00", {0, 0, 0}},
                       {{"ytg_st_dvig_dr1_00", {-12, 10, -30}},
                        {"ytg_st_dvig_dr1_01", {12, 10, -30}},
                        {"ytg_st_dvig_dr1_02", {-12, -10, -30}},
                        {"ytg_st_dvig_dr1_03", {12, -10, -30}}},
                       {{-12, 10, -43}, {12, 10, -43}, {-12, -10, -43}, {12, -10, -43}, {0, 0, -33}}, {})}},
    };
    // The damaged look of a burst engine of the cargo ship.
    ModRecord engine = Bone("ytg_bolsh_dvigatel_damaged", Vec3(0, 0, 0));
    engine.children.push_back(Mesh("mesh", "ytg_bolsh_dvigatel_damaged.sms"));
    models.push_back({"ytg_bolsh_dvigatel_damaged.mod", {engine}});
    return models;
}

} // namespace RaceModels
