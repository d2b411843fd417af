// The models of the player's ship, with its engine bones "engine_0N" and weapon mount bones
// "weapon_NN", and of the weapons it mounts.
#include "ShipModels.h"

#include "scene/nodes/NodeTypes.h"

#include <string>

namespace ShipModels {

namespace {

ModRecord Mesh(const std::string& name, const char* mesh, const Vec3& position, const Vec3& scale)
{
    ModRecord record = NodeRecord(NT_RENDERMESH, name, position);
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
    ModRecord body = NodeRecord(NT_GROUP, "body");
    body.children.push_back(Mesh("hull", "hull.sms", Vec3(0, 0, 0), Vec3(scale, scale, scale)));
    ModRecord ship = NodeRecord(NT_BONE, name);
    ship.children.push_back(body);
    ship.children.push_back(NodeRecord(NT_BONE, "engine_00", Vec3(-1.5f, 0, -5) * scale));
    ship.children.push_back(NodeRecord(NT_BONE, "engine_01", Vec3(1.5f, 0, -5) * scale));
    ship.children.push_back(NodeRecord(NT_BONE, "weapon_00", Vec3(-2.5f, 0, 2) * scale));
    ship.children.push_back(NodeRecord(NT_BONE, "weapon_01", Vec3(2.5f, 0, 2) * scale));
    return {name + ".mod", {ship}};
}

// Guns side by side at the given height, each a barrel with its muzzle bone ahead of it.
DemoModel Weapon(const char* file, unsigned barrels, float spread, float height)
{
    ModRecord mount = NodeRecord(NT_BONE, std::string(file).substr(0, std::string(file).size() - 4));
    for (unsigned i = 0; i < barrels; ++i)
    {
        const float x = barrels == 1 ? 0 : -spread + 2 * spread * float(i) / float(barrels - 1);
        mount.children.push_back(Mesh(Numbered("barrel_", i), "box.sms", Vec3(x, height, 1), Vec3(0.25f, 0.25f, 1.5f)));
        mount.children.push_back(NodeRecord(NT_BONE, Numbered("weapon_", i), Vec3(x, height, 3)));
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
    models.push_back({"player.mod", {NodeRecord(NT_BONE, "player")}});
    models.push_back(Weapon("player_weapons_primary_0.mod", 2, 2.2f, 0));
    models.push_back(Weapon("player_weapons_primary_1.mod", 2, 3.5f, -0.5f));
    for (const char* race : {"asp", "blg", "rtb", "sha", "fslk", "ytg"})
        models.push_back(Weapon(("player_weapons_primary_1_" + std::string(race) + "_0.mod").c_str(), 4, 3.5f, -0.5f));
    models.push_back(Weapon("player_weapons_secondary_0.mod", 2, 4.5f, -1));
    models.push_back(Weapon("player_weapons_secondary_1.mod", 2, 1, -1.5f));
    models.push_back(Weapon("player_weapons_rotation_1.mod", 1, 0, 0));
    models.push_back(Weapon("player_weapons_rotation_2.mod", 2, 0.6f, 0));

    return models;
}

} // namespace ShipModels
