// The level object classes: the station modules' part rules and turrets, the central module's
// collapse, the beacon's flares and fall, the energy capsule's lightning and last moments, and
// the turning glows, lights and flares of the sun, the portal and the protection complex.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "MaterialSystem/materials/Material.h"
#include "ObjectMission.h"
#include "foundation/config/GameSettings.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/Base.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/world/effects/Explosion.h"
#include "game/world/effects/ParticleEffect.h"
#include "game/world/effects/Sprite.h"
#include "game/world/objects/ObjectYtgBaken00.h"
#include "game/world/objects/ObjectYtgEnergCapsCr4.h"
#include "game/world/objects/StationModules.h"
#include "game/world/objects/Turret.h"
#include "game/world/parts/DestructableObject.h"
#include "game/world/parts/ObjectPart.h"
#include "game/world/weapons/Weapon.h"
#include "scene/nodes/Model.h"
#include "scene/nodes/Omni.h"
#include "scene/nodes/RenderMesh.h"
#include "scene/particles/Particle.h"
#include "scene/particles/ParticleSet.h"
#include "services/physics/PhysicsActor.h"

namespace {

using LevelObjectsTest = ObjectMission;

std::vector<std::string> Numbered(const char* format, int count)
{
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
    {
        char name[64];
        std::snprintf(name, sizeof(name), format, i);
        names.push_back(name);
    }
    return names;
}

// The first node of that type below the node, or null.
Node* ChildOfType(const Node* node, eNodeType type)
{
    for (unsigned i = 0; i < node->GetNumChildren(); ++i)
    {
        Node* child = node->GetChild(i);
        if (child->GetType() == type)
            return child;
        if (Node* below = ChildOfType(child, type))
            return below;
    }
    return nullptr;
}

} // namespace

// One part event and what it brings down with it; the other parts stay whole.
TEST_F(LevelObjectsTest, StationModulesBringTheirPartsDownByTheirRules)
{
    struct Case
    {
        const char* module;
        const char* part;
        bool destroy; // else damage
        std::vector<std::string> damaged, destroyed;
        size_t turrets; // left
    } cases[] = {
        {"ytg_sush_02_nos", "korpus_bolsh_dvig_00", false, {"korpus_bolsh_dvig_00", "korpus_bolsh_dvig_01"}, {}, 0},
        {"ytg_sush_02_nos", "korpus_bolsh_dvig_01", false, {"korpus_bolsh_dvig_00", "korpus_bolsh_dvig_01"}, {}, 0},
        {"ytg_sush_02_nos", "nos_korpus_00", false, {"nos_korpus_00"}, {}, 5},
        {"ytg_sush_02_cabin",
         "cruiser_kabin_01",
         true,
         {"cruiser_kabin_01", "cr_org_kolpak_01", "stoyka_kabin01"},
         {"cruiser_kabin_01", "cr_org_kolpak_01"},
         2},
        {"ytg_sush_02_cabin", "konsol_A_Cr4_01", true, {"konsol_A_Cr4_01", "stoyka_kabin01"}, {"konsol_A_Cr4_01"}, 0},
        {"ytg_sush_02_centr",
         "remont_oborud_00",
         true,
         {"remont_oborud_00", "remont_rels_00"},
         {"remont_oborud_00", "remont_rels_00"},
         3},
        {"ytg_sush_02_centr", "remont_rels_00", true, {"remont_rels_00", "remont_oborud_00"}, {"remont_rels_00"}, 3},
        {"ytg_sush_02_centr", "remont_kolpak_v2_00", true, {"remont_kolpak_v2_00"}, {"remont_kolpak_v2_00"}, 0},
    };
    for (const Case& c : cases)
    {
        auto* module = static_cast<StationModule*>(Spawn(c.module, Vec3(0, 0, 5000)));
        const size_t mounts = module->GetTurrets().size();
        std::vector<Weapon*> guns;
        for (const Turret* turret : module->GetTurrets())
            guns.push_back(turret->GetWeapon());
        if (c.destroy)
            module->SwitchPartToDestroyed(c.part, false);
        else
            module->SwitchPartToDamaged(c.part, false);
        const DestructableObject* parts = module->GetDestructableObject();
        for (int i = 0; i < parts->GetPartCount(); ++i)
        {
            const ObjectPart* part = parts->GetPart(i);
            const std::string name = part->GetName();
            const bool damaged = std::count(c.damaged.begin(), c.damaged.end(), name) > 0;
            const bool destroyed = std::count(c.destroyed.begin(), c.destroyed.end(), name) > 0;
            EXPECT_EQ(damaged, part->IsDamaged()) << c.part << ": " << name;
            EXPECT_EQ(destroyed, part->IsDestroyed()) << c.part << ": " << name;
        }
        EXPECT_EQ(c.turrets ? mounts : 0u, module->GetTurrets().size()) << c.part;
        Frame();
        EXPECT_EQ(c.turrets, ActorsOf<Turret>().size()) << c.part << ": the deleted turrets go";
        Frame();
        const std::vector<Weapon*> weapons = ActorsOf<Weapon>();
        const auto armed = std::count_if(guns.begin(), guns.end(), [&](Weapon* gun) {
            return std::find(weapons.begin(), weapons.end(), gun) != weapons.end();
        });
        EXPECT_EQ(c.turrets, static_cast<size_t>(armed)) << c.part << ": and their guns with them";
        level.DestroyActor(module, true);
        Frame();
    }
}

TEST_F(LevelObjectsTest, TheCentralModuleLosesItsMachineryWithTheManipulator)
{
    Object* centr = Spawn("ytg_sush_02_centr", Vec3(0, 0, 5000));
    centr->SwitchPartToDestroyed("remont_manip_modifi_01", false);
    for (const std::string& capsule : Numbered("energ_caps_cr4_%.2d", 10))
        EXPECT_TRUE(PartNamed(centr, capsule.c_str())->IsDestroyed()) << capsule;
}

// The hull's loss blows the module up in flashes and fire, brings down what it carries, and the
// module explodes on its next frame, also when those parts were gone already.
TEST_F(LevelObjectsTest, TheCentralModuleCollapsesWithItsHullAndExplodesNextFrame)
{
    for (bool partsGoneFirst : {false, true})
    {
        auto* centr = static_cast<ObjectYtgSushCentr*>(Spawn("ytg_sush_02_centr", Vec3(0, 0, 5000)));
        const char* const forced[] = {"remont_oborud_00", "remont_manip_modifi_01", "remont_kolpak_v2_00",
                                      "remont_kolpak_n_00"};
        if (partsGoneFirst)
            for (const char* part : forced)
                centr->SwitchPartToDestroyed(part, false);
        const size_t sprites = ActorsOf<Sprite>().size();
        centr->SwitchPartToDestroyed("remont_korpus_simetr_A_06", false);
        EXPECT_TRUE(centr->IsCollapsing());
        EXPECT_FALSE(centr->IsDead());
        EXPECT_GE(ActorsOf<Sprite>().size(), sprites + 32);
        size_t fires = 0;
        for (ParticleEffect* effect : ActorsOf<ParticleEffect>())
            fires += std::string(effect->GetFile()) == "expFireCaps.pse" ? 1 : 0;
        EXPECT_EQ(partsGoneFirst ? 32u : 16u, fires);
        for (const char* part : forced)
            EXPECT_TRUE(PartNamed(centr, part)->IsDestroyed()) << part;
        EXPECT_TRUE(centr->GetTurrets().empty());

        Frame();
        EXPECT_TRUE(centr->IsDead());
        bool wave = false;
        for (Explosion* explosion : ActorsOf<Explosion>())
            wave = wave || explosion->HasWave();
        EXPECT_TRUE(wave) << "the central module goes with a shock wave";
        Frame();
        EXPECT_EQ(nullptr, level.GetActorByClassname("ObjectYtgSushCentr", 0));
    }
}

TEST_F(LevelObjectsTest, StationTurretsSitOnTheirMountsWithAWeaponEach)
{
    struct Case
    {
        const char* module;
        size_t turrets;
    } cases[] = {{"ytg_sush_02_nos", 5}, {"ytg_sush_02_centr", 3}, {"ytg_sush_02_cabin", 2}};
    for (const Case& c : cases)
    {
        auto* module = static_cast<StationModule*>(Spawn(c.module, Vec3(0, 0, 300)));
        ASSERT_EQ(c.turrets, module->GetTurrets().size()) << c.module;
        for (size_t i = 0; i < c.turrets; ++i)
        {
            Turret* turret = module->GetTurrets()[i];
            char mount[16];
            std::snprintf(mount, sizeof(mount), "weapon_0%d", static_cast<int>(i));
            EXPECT_EQ(module, turret->GetOwner());
            ASSERT_NE(nullptr, turret->GetMainModelEx());
            EXPECT_EQ(module->GetMainModelEx()->FindBone(Name(mount)), turret->GetMainModel()->GetParent());
            EXPECT_NE(nullptr, turret->GetMainModelEx()->FindBone(Name("weapon_00"))) << "the gun's muzzle";
            ASSERT_NE(nullptr, turret->GetWeapon());
        }
    }
}

TEST_F(LevelObjectsTest, BeaconFlaresBlinkAndGrowWithDistance)
{
    EXPECT_FLOAT_EQ(0.2f, ObjectYtgBaken00::FlareFactor(0.0f));
    EXPECT_FLOAT_EQ(0.2f, ObjectYtgBaken00::FlareFactor(1000.0f * 1000.0f));
    EXPECT_FLOAT_EQ((9000000.0f + 16384.0f) / 25000000.0f, ObjectYtgBaken00::FlareFactor(3000.0f * 3000.0f));
    EXPECT_FLOAT_EQ(1.0f, ObjectYtgBaken00::FlareFactor(5000.0f * 5000.0f));
    EXPECT_FLOAT_EQ(1.0f, ObjectYtgBaken00::FlareFactor(9000.0f * 9000.0f));

    auto* near = static_cast<ObjectYtgBaken00*>(Spawn("ytg_baken_00", Vec3(0, 0, 1000)));
    auto* far = static_cast<ObjectYtgBaken00*>(Spawn("ytg_baken_00", Vec3(0, 0, 6000)));
    Frame();
    // The blink starts at its top, 0.75.
    for (int i = 0; i < ObjectYtgBaken00::FlareCount; ++i)
    {
        EXPECT_FLOAT_EQ(0.75f * 150.0f * 0.2f, near->GetFlare(i)->size) << i;
        EXPECT_FLOAT_EQ(0.75f * 150.0f, far->GetFlare(i)->size) << i;
        char bone[16];
        std::snprintf(bone, sizeof(bone), "flare_0%d", i);
        const Vec3 at = near->GetMainModelEx()->FindBone(Name(bone))->GetGlobalPos();
        EXPECT_NEAR(0.0f, near->GetFlare(i)->position.DistanceSquared(at), 0.01f) << i;
    }
    Frame(0.5f);
    EXPECT_FLOAT_EQ(0.25f * 150.0f, far->GetFlare(0)->size) << "dimming";
    Frame(0.5f);
    EXPECT_FLOAT_EQ(0.0f, far->GetFlare(0)->size) << "dark";
    Frame(0.5f);
    EXPECT_FLOAT_EQ(0.5f * 150.0f, far->GetFlare(0)->size) << "rising again";
}

TEST_F(LevelObjectsTest, BeaconCapsTakeTheirFlaresAndTheCrossPieceTakesTheBeacon)
{
    auto* beacon = static_cast<ObjectYtgBaken00*>(Spawn("ytg_baken_00", Vec3(0, 0, 6000)));
    beacon->SwitchPartToDestroyed("kolpak_org_buy_02", false);
    EXPECT_FALSE(beacon->IsFlareOn(2));
    EXPECT_TRUE(beacon->IsFlareOn(1));
    EXPECT_GT(beacon->GetPhysEntity()->GetGlobalLinearVelocity().Length(), 0.0f) << "nudged";
    Frame();
    EXPECT_FLOAT_EQ(0.0f, beacon->GetFlare(2)->size);
    EXPECT_FLOAT_EQ(0.0f, beacon->GetFlare(2)->intensity);
    EXPECT_GT(beacon->GetFlare(1)->size, 0.0f);
    EXPECT_FALSE(beacon->IsDead());

    const size_t explosions = ActorsOf<Explosion>().size();
    beacon->SwitchPartToDestroyed("krestovina_buy_00", false);
    EXPECT_TRUE(beacon->IsDead());
    for (const char* part :
         {"kolpak_org_buy_00", "kolpak_org_buy_01", "kolpak_org_buy_03", "antena_buy_00", "antena_buy_01"})
        EXPECT_TRUE(PartNamed(beacon, part)->IsDestroyed()) << part;
    for (int i = 0; i < ObjectYtgBaken00::FlareCount; ++i)
        EXPECT_FALSE(beacon->IsFlareOn(i));
    // The cross-piece and the five pieces it takes, then the beacon's own blast and its metal's.
    EXPECT_EQ(explosions + 6 + 2, ActorsOf<Explosion>().size());
    beacon->SwitchPartToDestroyed("krestovina_buy_00", false);
    EXPECT_EQ(explosions + 6 + 2, ActorsOf<Explosion>().size()) << "no second fall";
}

TEST_F(LevelObjectsTest, ACapsuleSparksOnceWhenItDropsBelowHalf)
{
    auto* capsule = static_cast<ObjectYtgEnergCapsCr4*>(Spawn("ytg_energ_caps_cr4", Vec3(0, 0, 300)));
    auto* mesh = static_cast<RenderMesh*>(capsule->GetMainModel()->GetChild(0));
    capsule->DoDamage(90);
    EXPECT_FALSE(capsule->IsDamaged());
    EXPECT_EQ(nullptr, capsule->GetLightning());
    capsule->DoDamage(20);
    EXPECT_TRUE(capsule->IsDamaged());
    EXPECT_STREQ("ytg_energ_caps_cr3_damaged.mat", mesh->GetMaterial(0)->GetInfo().name);
    const ParticleSet* lightning = capsule->GetLightning();
    ASSERT_NE(nullptr, lightning);
    EXPECT_EQ(capsule->GetMainModel(), lightning->GetParentNode());
    EXPECT_EQ(2u, lightning->GetAtlasDivU());
    Frame(0.1f);
    EXPECT_EQ(lightning, capsule->GetLightning());
    Frame(0.1f);
    Frame(0.15f);
    EXPECT_EQ(nullptr, capsule->GetLightning()) << "0.3 seconds of it";
    capsule->DoDamage(10);
    EXPECT_EQ(nullptr, capsule->GetLightning()) << "it does not start again";
}

// A capsule shown by a model has no mesh of its own whose material could change; it sparks all
// the same.
TEST_F(LevelObjectsTest, ACapsuleShownByAModelSparksWithoutASwap)
{
    Base* base = game.GetBase();
    ObjectType* type = base->GetObjectByName("ytg_energ_caps_cr4");
    ObjectType* modelled = base->AddObject();
    const float uid = modelled->uid;
    *modelled = *type;
    modelled->uid = uid;
    std::snprintf(modelled->name, sizeof(modelled->name), "test_capsule_model");
    std::snprintf(modelled->render, sizeof(modelled->render), "ytg_gan_s_d.mod");
    auto* capsule = static_cast<ObjectYtgEnergCapsCr4*>(Spawn("test_capsule_model", Vec3(0, 0, 300)));
    ASSERT_NE(nullptr, capsule->GetMainModelEx());
    capsule->DoDamage(150);
    EXPECT_TRUE(capsule->IsDamaged());
    EXPECT_NE(nullptr, capsule->GetLightning());
}

// A capsule goes with a large blast of its own and none of the objects' fragments or debris;
// now and then it leaves a smaller capsule behind.
TEST_F(LevelObjectsTest, ACapsuleGoesWithItsOwnBlastAndSometimesAPiece)
{
    int pieces = 0;
    for (int i = 0; i < 24; ++i)
    {
        Object* capsule = Spawn("ytg_energ_caps_cr4", Vec3(0, 0, 300));
        const size_t explosions = ActorsOf<Explosion>().size();
        level.DestroyActor(capsule, true);
        const std::vector<Explosion*> blasts = ActorsOf<Explosion>();
        ASSERT_EQ(explosions + 1, blasts.size());
        EXPECT_EQ(EXPLOSION_BLAST, blasts.back()->GetType());
        EXPECT_NEAR(300.0f, blasts.back()->GetRoot().Pos().z, 0.01f);
        for (Object* piece : ActorsOf<Object>())
        {
            if (std::string(piece->GetPrototype()->name) != "ytg_energ_caps_cr4_a")
                continue;
            ++pieces;
            EXPECT_GT(piece->GetPhysEntity()->GetGlobalLinearVelocity().y, 0.0f) << "thrown upwards";
            level.DestroyActor(piece, true);
        }
    }
    EXPECT_GT(pieces, 0);
    EXPECT_LT(pieces, 12);
}

TEST_F(LevelObjectsTest, SunPortalAndComplexTurnTheirGlowsAndLightTheirFlares)
{
    GameSettings* settings = game.GetGameSettings();
    const bool saved = settings->DynLighting;
    for (bool lighting : {true, false})
    {
        settings->DynLighting = lighting;
        Object* sun = Spawn("ytg_sun_00", Vec3(0, 0, 20000));
        Object* portal = Spawn("ytg_portal_03", Vec3(0, 0, 3000));
        EXPECT_STREQ("YtgSun00", sun->GetClassname());
        EXPECT_STREQ("YtgPortal03", portal->GetName());
        EXPECT_NE(nullptr, ChildOfType(sun->GetMainModel(), NT_EMITTER));
        const auto* light = static_cast<const Omni*>(ChildOfType(portal->GetMainModel(), NT_OMNI));
        if (lighting)
        {
            ASSERT_NE(nullptr, light);
            EXPECT_NEAR(3256.0f, light->GetParent()->GetGlobalPos().z, 0.01f) << "256 units before the portal";
            EXPECT_FLOAT_EQ(1024.0f, light->GetRange());
            EXPECT_FLOAT_EQ(4.0f, light->GetIntensity());
            EXPECT_FLOAT_EQ(1.0f, light->GetDiffuse().b);
        }
        else
            EXPECT_EQ(nullptr, light);

        Frame(0.5f);
        for (auto [object, glow] : {std::pair<Object*, const char*>{sun, "ytg_sun_glow_00"}, {portal, "portal_glow"}})
        {
            const Bone* bone = object->GetMainModelEx()->FindBone(Name(glow));
            const Quaternion turned = bone->GetLocalOrientation();
            // A turn of 30 degrees about the forward axis.
            EXPECT_NEAR(std::cos(0.5f * 30.0f * 3.14159265f / 180.0f), std::fabs(turned.w), 1e-4f) << glow;
            EXPECT_NEAR(1.0f, std::fabs(turned.Dir().z), 1e-4f) << glow;
        }
        level.DestroyActor(sun, true);
        level.DestroyActor(portal, true);
    }
    settings->DynLighting = saved;

    Object* complex = Spawn("ytg_protection_complex_00", Vec3(0, 0, 3000));
    const Bone* flare = complex->GetMainModelEx()->FindBone(Name("red_flare_00"));
    EXPECT_NE(nullptr, ChildOfType(flare, NT_EMITTER));
    EXPECT_NEAR(1.0f, std::fabs(flare->GetLocalOrientation().Dir().y), 1e-4f) << "pitched to point up";
    Object* wreck = Spawn("old_ship_00", Vec3(0, 0, 3000));
    EXPECT_FLOAT_EQ(16.0f, wreck->GetMainModel()->GetLocalScale().x);
}
