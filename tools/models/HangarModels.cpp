#include "HangarModels.h"

#include "scene/nodes/NodeTypes.h"

#include <string>

namespace HangarModels {

namespace {

// A mesh on a bone that places and sizes it.
struct Piece
{
    std::string mesh;
    Vec3 pos;
    Vec3 scale;
};

const char* const Codes[] = {"ASP", "BLG", "FSLK", "RTB", "SHA", "SMKT", "TLD", "YTG"};

std::string Lower(std::string text)
{
    for (char& c : text)
        c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
}

ModRecord Record(unsigned type, const std::string& name)
{
    ModRecord record;
    record.type = type;
    record.name = name;
    return record;
}

ModRecord PieceRecord(const Piece& piece, int index)
{
    ModRecord mesh = Record(NT_RENDERMESH, "");
    mesh.mesh = piece.mesh;
    ModRecord bone = Record(NT_BONE, "piece_" + std::to_string(index));
    bone.position = piece.pos;
    bone.scale = piece.scale;
    bone.children.push_back(mesh);
    return bone;
}

// The model "<stem>.mod": a top bone, and under it the group "<stem>" at `at` with the pieces
// and the extra nodes.
DemoModel Model(const std::string& stem, const std::vector<Piece>& pieces, Vec3 at = Vec3(0.0f),
                std::vector<ModRecord> extra = {})
{
    ModRecord group = Record(NT_GROUP, stem);
    group.position = at;
    for (size_t i = 0; i < pieces.size(); ++i)
        group.children.push_back(PieceRecord(pieces[i], int(i)));
    for (ModRecord& node : extra)
        group.children.push_back(std::move(node));
    ModRecord top = Record(NT_BONE, stem);
    top.children.push_back(std::move(group));
    return {stem + ".mod", {top}};
}

ModRecord Marker(const char* name, Vec3 pos)
{
    ModRecord bone = Record(NT_BONE, name);
    bone.position = pos;
    return bone;
}

const char* const Block = "angar_block.sms";
const char* const Barrel = "angar_barrel.sms";
const char* const Dome = "angar_dome.sms";
const char* const Nozzle = "angar_nozzle.sms";

// The left half of a hull covering, in the plating of its race; `size` stretches it.
DemoModel Covering(const std::string& stem, const std::string& race, float size)
{
    return Model(stem, {{"angar_wing_" + race + ".sms", {60, 0, -40}, {360 * size, 90, 230 * size}},
                        {Block, {64, 0, -40}, {10, 22, 200}}});
}

// Drive nozzles with their flame bones at the mouths when `flames` is given.
DemoModel Drive(const std::string& stem, const std::vector<Vec3>& mouths, float radius, bool flames)
{
    std::vector<Piece> pieces;
    std::vector<ModRecord> bones;
    for (size_t i = 0; i < mouths.size(); ++i)
    {
        pieces.push_back({Nozzle, mouths[i] + Vec3(0, 0, 40), {radius, radius, 40}});
        if (flames)
            bones.push_back(Marker(i == 0 ? "Omni01" : "Omni02", mouths[i]));
    }
    return Model(stem, pieces, Vec3(0.0f), bones);
}

std::vector<DemoModel> ShipParts()
{
    return {
        Model("pl_structura", {{Block, {0, 0, 0}, {70, 45, 420}}, {Block, {0, 0, -440}, {50, 35, 40}}}),
        Model("pl_cannon_course_asp_a", {{Barrel, {0, 62, 300}, {9, 9, 150}}, {Block, {0, 52, 150}, {20, 10, 36}}}),
        Model("pl_front_cannon_asp_a", {{Barrel, {0, 0, 480}, {16, 16, 70}}, {Block, {0, 0, 420}, {28, 22, 18}}}),
        Model("pl_front_cannon_asp_b", {{Barrel, {18, 0, 490}, {8, 8, 90}},
                                        {Barrel, {-18, 0, 490}, {8, 8, 90}},
                                        {Block, {0, 0, 420}, {34, 20, 18}}}),
        Model("pl_add_external_asp_a", {{Dome, {0, 0, 420}, {55, 40, 80}}}),
        Model("pl_add_internal_asp_a", {{Block, {0, 75, -240}, {5, 30, 5}}, {Dome, {0, 104, -240}, {10, 10, 10}}}),
        Model("pl_armor_c_asp_a", {{Block, {0, 49, 60}, {58, 5, 180}}}),
        Model("pl_armor_k_asp_a", {{Block, {74, 30, 200}, {8, 14, 110}}}),
        Model("pl_armor_p_asp_a", {{Block, {0, -50, 0}, {62, 5, 300}}}),
        Model("pl_armor_s_asp_a", {{Block, {0, 48, -300}, {40, 8, 70}}}),
        Model("pl_armor_z_asp_a", {{Block, {74, -30, 140}, {7, 12, 90}}}),
        Model("pl_cockpit_asp_a", {{Dome, {0, 45, 260}, {36, 30, 100}}}),
        Model("pl_cockpit_rear_asp_a", {{Block, {0, 52, 130}, {28, 12, 50}}}),
        // The reactor's group spins about its own axis.
        Model("pl_reactor_asp_a",
              {{Block, {0, 0, 0}, {100, 10, 14}}, {Block, {0, 0, 0}, {14, 10, 100}}, {Dome, {0, 8, 0}, {30, 30, 30}}},
              Vec3(0, 0, -160)),
        Model("pl_reactor_console_asp_a", {{Block, {0, 52, -100}, {24, 10, 30}}}),
        Model("pl_engine_asp_a", {{Barrel, {0, 0, -470}, {66, 56, 50}}}),
        Model("pl_reactor_kompres_blg", {{Block, {0, -50, -330}, {40, 12, 50}}}),
        Drive("pl_engine_drive_asp_a", {{95, 0, -560}, {-95, 0, -560}}, 28, false),
        Drive("pl_engine_drive_asp_ac", {{0, 0, -580}}, 38, false),
        Drive("pl_engine_drive_ytg_a", {{95, 0, -560}, {-95, 0, -560}}, 30, true),
        Drive("pl_engine_drive_ytg_b", {{105, 0, -570}, {-105, 0, -570}}, 36, true),
        Drive("pl_engine_drive_ytg_ac", {{0, 0, -580}}, 40, true),
        Drive("pl_engine_drive_ytg_bc", {{0, 0, -590}}, 46, true),
        Drive("pl_reactor_drive_blg_a", {{40, 46, -490}, {-40, 46, -490}}, 13, false),
    };
}

std::vector<DemoModel> Coverings()
{
    std::vector<DemoModel> models;
    for (const char* race : {"asp", "blg", "fslk", "rtb", "sha", "tld", "ytg"})
        models.push_back(Covering(std::string("pl_covered_") + race + "_a", race, 1.0f));
    models.push_back(Covering("pl_covered_ytg_b", "ytg", 1.2f));
    return models;
}

// The wing weapons of each race: cannons (one barrel, two on the "_b" hull), launchers and
// torpedoes, on pods of the race's plating. The device records name them without a race code
// ("pl_wing_cannon.mod"): those stand on the first race's pods.
std::vector<DemoModel> WingWeapons()
{
    std::vector<DemoModel> models;
    auto add = [&models](const std::string& suffix, const std::string& pod) {
        models.push_back(Model("pl_wing_cannon" + suffix,
                               {{pod, {300, -14, 60}, {14, 14, 120}}, {Barrel, {300, -14, 220}, {5, 5, 60}}}));
        models.push_back(Model("pl_wing_cannon" + suffix + "_b", {{pod, {300, -14, 60}, {18, 14, 120}},
                                                                  {Barrel, {290, -14, 230}, {4, 4, 70}},
                                                                  {Barrel, {310, -14, 230}, {4, 4, 70}}}));
        models.push_back(Model("pl_wing_launcher" + suffix, {{pod, {200, -24, -40}, {22, 16, 100}}}));
        models.push_back(Model("pl_wing_torpedo" + suffix, {{pod, {390, -8, -140}, {15, 15, 80}}}));
    };
    for (const char* code : Codes)
        add(std::string("_") + code, "angar_pod_" + Lower(code) + ".sms");
    add("", "angar_pod_" + Lower(Codes[0]) + ".sms");
    return models;
}

} // namespace

std::vector<DemoModel> All()
{
    std::vector<DemoModel> models = ShipParts();
    for (std::vector<DemoModel> more : {Coverings(), WingWeapons()})
        models.insert(models.end(), more.begin(), more.end());
    models.push_back(Model("angar_bg", {{"angar_hall.sms", {0, 0, 0}, {1, 1, 1}}}));
    models.push_back(Model("angar_bones", {}, Vec3(0.0f), {Marker("camera_target", {0, 0, 0})}));
    return models;
}

} // namespace HangarModels
