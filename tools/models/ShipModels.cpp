// The models of the ships of the game data: the player's ship and the weapons it mounts, and the
// fighters, each with its engine bones "engine_0N" and weapon mount bones "weapon_NN".
#include "ShipModels.h"

#include "scene/nodes/NodeTypes.h"

#include <string>

namespace ShipModels {

namespace {

ModRecord Node(unsigned type, const std::string& name, const Vec3& position = Vec3(0, 0, 0))
{
    ModRecord record;
    record.type = type;
    record.name = name;
    record.position = position;
    return record;
}

ModRecord Mesh(const std::string& name, const char* mesh, const Vec3& position, const Vec3& scale)
{
    ModRecord record = Node(NT_RENDERMESH, name, position);
    record.mesh = mesh;
    record.scale = scale;
    return record;
}

std::string Numbered(const char* prefix, unsigned n)
{
    return prefix + std::string(n < 10 ? "0" : "") + std::to_string(n);
}

// A hull, two engines and two guns.
DemoModel Fighter(const std::string& name, float scale)
{
    ModRecord body = Node(NT_GROUP, "body");
    body.children.push_back(Mesh("hull", "hull.sms", Vec3(0, 0, 0), Vec3(scale, scale, scale)));
    ModRecord ship = Node(NT_BONE, name);
    ship.children.push_back(body);
    ship.children.push_back(Node(NT_BONE, "engine_00", Vec3(-1.5f, 0, -5) * scale));
    ship.children.push_back(Node(NT_BONE, "engine_01", Vec3(1.5f, 0, -5) * scale));
    ship.children.push_back(Node(NT_BONE, "weapon_00", Vec3(-2.5f, 0, 2) * scale));
    ship.children.push_back(Node(NT_BONE, "weapon_01", Vec3(2.5f, 0, 2) * scale));
    return {name + ".mod", {ship}};
}

// Guns side by side at the given height, each a barrel with its muzzle bone ahead of it.
DemoModel Weapon(const char* file, unsigned barrels, float spread, float height)
{
    ModRecord mount = Node(NT_BONE, std::string(file).substr(0, std::string(file).size() - 4));
    for (unsigned i = 0; i < barrels; ++i)
    {
        const float x = barrels == 1 ? 0 : -spread + 2 * spread * float(i) / float(barrels - 1);
        mount.children.push_back(Mesh(Numbered("barrel_", i), "box.sms", Vec3(x, height, 1), Vec3(0.25f, 0.25f, 1.5f)));
        mount.children.push_back(Node(NT_BONE, Numbered("weapon_", i), Vec3(x, height, 3)));
    }
    return {file, {mount}};
}

} // namespace

std::vector<DemoModel> All()
{
    std::vector<DemoModel> models;
    DemoModel player = Fighter("player_ship", 1.2f);
    models.push_back(player);
    // The player's own model, made with the ship and never shown.
    models.push_back({"player.mod", {Node(NT_BONE, "player")}});
    models.push_back(Weapon("player_weapons_primary_0.mod", 2, 2.2f, 0));
    models.push_back(Weapon("player_weapons_primary_1.mod", 2, 3.5f, -0.5f));
    for (const char* race : {"asp", "blg", "rtb", "sha", "fslk", "ytg"})
        models.push_back(Weapon(("player_weapons_primary_1_" + std::string(race) + "_0.mod").c_str(), 4, 3.5f, -0.5f));
    models.push_back(Weapon("player_weapons_secondary_0.mod", 2, 4.5f, -1));
    models.push_back(Weapon("player_weapons_secondary_1.mod", 2, 1, -1.5f));
    models.push_back(Weapon("player_weapons_rotation_1.mod", 1, 0, 0));
    models.push_back(Weapon("player_weapons_rotation_2.mod", 2, 0.6f, 0));

    for (const char* fighter : {"blg_fighter_00", "blg_fighter_01", "blg_fighter_03", "rtb_fighter_02"})
        models.push_back(Fighter(fighter, 1.0f));
    // The ytg fighter also carries the eleven pieces it shatters into.
    DemoModel ytg = Fighter("ytg_fighter_02", 1.0f);
    for (char piece = 'a'; piece <= 'k'; ++piece)
    {
        const float x = float(piece - 'f') * 0.8f;
        ModRecord bone = Node(NT_BONE, std::string("ytg_fighter_02_") + piece, Vec3(x, 0.5f, 0));
        bone.children.push_back(Mesh("piece", "box.sms", Vec3(0, 0, 0), Vec3(0.4f, 0.2f, 0.6f)));
        ytg.records[0].children.push_back(bone);
    }
    models.push_back(ytg);

    // The Ytg cargo ship: breakable parts, each on a bone named after its part type with a
    // number ("ytg_bolsh_dvigatel_00_00" carries the part "ytg_bolsh_dvigatel_00").
    ModRecord cargo = Node(NT_BONE, "ytg_sush_02");
    cargo.children.push_back(Node(NT_BONE, "ytg_korpus_bolsh_dvig_01_00", Vec3(0, 0, 0)));
    cargo.children.push_back(Node(NT_BONE, "ytg_bolsh_dvigatel_00_00", Vec3(-70, 0, -90)));
    cargo.children.push_back(Node(NT_BONE, "ytg_bolsh_dvigatel_01_00", Vec3(70, 0, -90)));
    cargo.children.push_back(Node(NT_BONE, "ytg_sush_02_kabina_00", Vec3(0, 30, 90)));
    cargo.children.push_back(Node(NT_BONE, "engine_00", Vec3(-70, 0, -120)));
    cargo.children.push_back(Node(NT_BONE, "engine_01", Vec3(70, 0, -120)));
    models.push_back({"ytg_sush_02.mod", {cargo}});
    // A broken engine: the engine's mesh, squashed.
    ModRecord broken = Node(NT_BONE, "ytg_bolsh_dvigatel_damaged");
    broken.children.push_back(Mesh("wreck", "ytg_bolsh_dvigatel.sms", Vec3(0, 0, 0), Vec3(1, 0.6f, 0.8f)));
    models.push_back({"ytg_bolsh_dvigatel_damaged.mod", {broken}});
    return models;
}

} // namespace ShipModels
