#include "ObjectModels.h"

#include <cstdio>

#include "scene/nodes/NodeTypes.h"

namespace ObjectModels {

namespace {

ModRecord Node(unsigned type, const std::string& name, const Vec3& position = Vec3(0.0f))
{
    ModRecord record;
    record.type = type;
    record.name = name;
    record.position = position;
    return record;
}

ModRecord Mesh(const std::string& name, const char* mesh)
{
    ModRecord record = Node(NT_RENDERMESH, name);
    record.mesh = mesh;
    return record;
}

// A bone holding one mesh, scaled.
ModRecord MeshBone(const std::string& name, const Vec3& position, const char* mesh, float scale = 1.0f)
{
    ModRecord bone = Node(NT_BONE, name, position);
    bone.scale = Vec3(scale);
    bone.children.push_back(Mesh(name + "_mesh", mesh));
    return bone;
}

// An empty bone: a part that brings its own look, a mount, a marker.
ModRecord Bone(const std::string& name, const Vec3& position) { return Node(NT_BONE, name, position); }

std::string Numbered(const char* format, int i)
{
    char name[64];
    std::snprintf(name, sizeof(name), format, i);
    return name;
}

struct Asteroid
{
    const char* name;
    float scale;   // of the whole rock, whose mesh has a radius of about 10
    int fragments; // named name_a, name_b, ...
};

const Asteroid Asteroids[] = {{"ast_m_a", 4.0f, 5}, {"ast_m_b", 3.0f, 4}, {"ast_m_c", 2.5f, 3}, {"ast_m_d", 2.0f, 2}};

// Where fragment i of n starts: around the rock's centre, half its radius out.
Vec3 FragmentPlace(const Asteroid& rock, int i)
{
    const float r = 5.0f * rock.scale;
    const Vec3 places[5] = {{r, 0, 0}, {-r, 0, 0}, {0, r, 0}, {0, -r, 0}, {0, 0, r}};
    return places[i];
}

// The whole rock with a bone for each fragment, and the broken rock: a fragment's rock at each
// of those bones.
std::vector<DemoModel> AsteroidModels()
{
    std::vector<DemoModel> models;
    for (const Asteroid& rock : Asteroids)
    {
        ModRecord whole = Bone(rock.name, Vec3(0.0f));
        whole.children.push_back(MeshBone(std::string(rock.name) + "_rock", Vec3(0.0f), "asteroid.sms", rock.scale));
        ModRecord broken = Bone(std::string(rock.name) + "_broken", Vec3(0.0f));
        for (int i = 0; i < rock.fragments; ++i)
        {
            const std::string fragment = std::string(rock.name) + "_" + char('a' + i);
            whole.children.push_back(Bone(fragment, FragmentPlace(rock, i)));
            broken.children.push_back(MeshBone(fragment, FragmentPlace(rock, i), "asteroid.sms"));
        }
        models.push_back({std::string(rock.name) + ".mod", {whole}});
        models.push_back({std::string(rock.name) + "_damaged.mod", {broken}});
    }
    return models;
}

// The large rocks of an asteroid field, whole.
std::vector<DemoModel> LargeAsteroids()
{
    return {{"ast_l_a.mod", {MeshBone("ast_l_a", Vec3(0.0f), "asteroid.sms", 30.0f)}},
            {"ast_l_b.mod", {MeshBone("ast_l_b", Vec3(0.0f), "asteroid.sms", 20.0f)}}};
}

// The hull carries a lamp and an arm; the arm a claw, which hangs from a wrist that is no part,
// and the claw a finger: a chain of three part bones below the hull.
DemoModel CargoPod()
{
    ModRecord finger = Bone("pod_finger_00", Vec3(0, 0, 3));
    ModRecord claw = Bone("pod_claw_00", Vec3(0, 0, 2));
    claw.children.push_back(finger);
    ModRecord wrist = Bone("pod_wrist", Vec3(0, 0, 5));
    wrist.children.push_back(claw);
    ModRecord arm = Bone("pod_arm_00", Vec3(0, 0, 14));
    arm.children.push_back(wrist);
    ModRecord hull = Bone("pod_hull_00", Vec3(0.0f));
    hull.children.push_back(arm);
    hull.children.push_back(Bone("pod_lamp_00", Vec3(0, 6, -4)));
    ModRecord pod = Bone("cargo_pod", Vec3(0.0f));
    pod.children.push_back(hull);
    return {"cargo_pod.mod", {pod}};
}

struct Placed
{
    std::string name;
    Vec3 position;
};

// A module: its part bones, each empty (the part brings its own look), and the turret mounts
// "weapon_0N" spaced along x at a height.
DemoModel Module(const char* name, std::vector<Placed> parts, int mounts, float spacing, float height)
{
    ModRecord module = Bone(name, Vec3(0.0f));
    for (const Placed& part : parts)
        module.children.push_back(Bone(part.name, part.position));
    for (int i = 0; i < mounts; ++i)
    {
        const float x = spacing * static_cast<float>(i - (mounts - 1) / 2);
        module.children.push_back(Bone(Numbered("weapon_0%d", i), Vec3(x, height, 0.0f)));
    }
    return {std::string(name) + ".mod", {module}};
}

std::vector<DemoModel> StationModules()
{
    std::vector<Placed> centr = {{"remont_korpus_simetr_A_06", {0, 0, 0}}, {"remont_kolpak_v2_00", {0, 32, 0}},
                                 {"remont_kolpak_n_00", {0, -32, 0}},      {"remont_oborud_00", {48, 0, 30}},
                                 {"remont_rels_00", {44, 0, -30}},         {"remont_manip_modifi_01", {-48, 0, 0}}};
    for (int i = 0; i < 10; ++i)
        centr.push_back({Numbered("energ_caps_cr4_%.2d", i), Vec3(-36.0f + 8.0f * i, 26, 56)});
    return {
        Module("ytg_sush_02_nos",
               {{"nos_korpus_00", {0, 0, 0}},
                {"korpus_bolsh_dvig_00", {-36, 0, -60}},
                {"korpus_bolsh_dvig_01", {36, 0, -60}}},
               5, 18.0f, 22.0f),
        Module("ytg_sush_02_centr", centr, 3, 30.0f, -24.0f),
        Module("ytg_sush_02_cabin",
               {{"cruiser_kabin_01", {0, 0, 0}},
                {"cr_org_kolpak_01", {0, 24, 0}},
                {"stoyka_kabin01", {0, -26, 0}},
                {"konsol_A_Cr4_01", {28, 0, 0}}},
               2, 24.0f, 18.0f),
    };
}

// The cross-piece carries four caps, each under a flare, and two antennas.
DemoModel Beacon()
{
    ModRecord beacon = Bone("ytg_baken_00", Vec3(0.0f));
    beacon.children.push_back(Bone("krestovina_buy_00", Vec3(0.0f)));
    const Vec3 corners[4] = {{10, 0, 0}, {-10, 0, 0}, {0, 0, 10}, {0, 0, -10}};
    for (int i = 0; i < 4; ++i)
    {
        beacon.children.push_back(Bone(Numbered("kolpak_org_buy_%.2d", i), corners[i]));
        beacon.children.push_back(Bone(Numbered("flare_%.2d", i), corners[i] + Vec3(0, 3, 0)));
    }
    beacon.children.push_back(Bone("antena_buy_00", Vec3(0, 10, 0)));
    beacon.children.push_back(Bone("antena_buy_01", Vec3(0, -10, 0)));
    return {"ytg_baken_00.mod", {beacon}};
}

DemoModel Sun()
{
    ModRecord sun = MeshBone("ytg_sun_00", Vec3(0.0f), "ytg_sun.sms");
    sun.children.push_back(MeshBone("ytg_sun_glow_00", Vec3(0.0f), "ytg_sun_glow.sms"));
    return {"ytg_sun_00.mod", {sun}};
}

DemoModel Portal()
{
    ModRecord portal = MeshBone("ytg_portal_03", Vec3(0.0f), "ytg_portal.sms");
    portal.children.push_back(MeshBone("portal_glow", Vec3(0, 0, 2), "ytg_portal_glow.sms"));
    return {"ytg_portal_03.mod", {portal}};
}

DemoModel ProtectionComplex()
{
    ModRecord complex = MeshBone("ytg_protection_complex_00", Vec3(0.0f), "ytg_protection_complex.sms");
    complex.children.push_back(Bone("red_flare_00", Vec3(0, 32, 0)));
    return {"ytg_protection_complex_00.mod", {complex}};
}

DemoModel OldShip() { return {"old_ship_00.mod", {MeshBone("old_ship_00", Vec3(0.0f), "hull.sms")}}; }

// The gun of a station turret, with the bone its bolts leave from.
DemoModel Turret()
{
    ModRecord gun = MeshBone("ytg_gan_s_d", Vec3(0.0f), "ytg_gan.sms");
    gun.children.push_back(Bone("weapon_00", Vec3(0, 0, 9)));
    return {"ytg_gan_s_d.mod", {gun}};
}

// Shields are drawn at a tenth of their model's size.
std::vector<DemoModel> Shields()
{
    const struct
    {
        const char* module;
        float radius;
    } shields[] = {{"nos", 80.0f}, {"centr", 100.0f}, {"cabin", 45.0f}};
    std::vector<DemoModel> models;
    for (const auto& shield : shields)
    {
        const std::string name = std::string("ytg_sush_02_") + shield.module + "_shield";
        // The shield mesh has a radius of 14.
        models.push_back(
            {name + ".mod", {MeshBone(name, Vec3(0.0f), "ytg_fighter_02_shield.sms", shield.radius * 10.0f / 14.0f)}});
    }
    return models;
}

// Broken looks of parts: the piece knocked askew and dented.
ModRecord Broken(const std::string& name, const char* mesh)
{
    ModRecord bone = MeshBone(name, Vec3(0.0f), mesh);
    bone.scale = Vec3(0.9f, 0.7f, 0.85f);
    Vec3 axis(0.3f, 0.2f, 1.0f);
    axis.Normalize();
    bone.orientation = Quaternion(axis, 0.35f);
    return bone;
}

std::vector<DemoModel> DamagedParts()
{
    return {{"pod_hull_damaged.mod", {Broken("pod_hull_damaged", "pod_hull.sms")}},
            {"ytg_sush_engine_damaged.mod", {Broken("ytg_sush_engine_damaged", "ytg_sush_engine.sms")}},
            {"ytg_sush_hull_damaged.mod", {Broken("ytg_sush_hull_damaged", "ytg_sush_hull.sms")}}};
}

} // namespace

std::vector<DemoModel> All()
{
    std::vector<DemoModel> models = AsteroidModels();
    for (const DemoModel& model : {CargoPod(), Beacon(), Sun(), Portal(), ProtectionComplex(), OldShip(), Turret()})
        models.push_back(model);
    for (const std::vector<DemoModel>& more : {LargeAsteroids(), StationModules(), Shields(), DamagedParts()})
        models.insert(models.end(), more.begin(), more.end());
    return models;
}

} // namespace ObjectModels
