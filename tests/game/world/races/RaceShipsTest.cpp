// The race ship classes: which class a type's class name makes, engine lights and emitters,
// the parts that take engines with them, the Blg's call for help, engine flares, and what
// burns on after a ship.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "RaceShipSupport.h"
#include "foundation/config/GameSettings.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/Base.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/actor/Limiter.h"
#include "game/world/parts/DestructableObject.h"
#include "game/world/parts/ObjectPart.h"
#include "game/world/races/BlgShips.h"
#include "game/world/races/RtbShips.h"
#include "game/world/races/YtgShips.h"
#include "game/world/weapons/Weapon.h"
#include "scene/nodes/Model.h"
#include "scene/nodes/Omni.h"
#include "scene/particles/Emitter.h"
#include "scene/particles/ParticleSet.h"
#include "services/physics/PhysicsSpace.h"
#include "services/physics/shim/NxActor.h"
#include "services/physics/shim/NxScene.h"
#include "services/physics/shim/NxShape.h"
#include "services/sound/SoundEngine.h"

namespace {

using RaceShipTest = RaceShipMission;

// The nodes of a kind right under the bone.
template <class T>
std::vector<const T*> Hanging(const Bone* bone, eNodeType type)
{
    std::vector<const T*> found;
    for (unsigned i = 0; bone && i < bone->GetNumChildren(); ++i)
        if (bone->GetChild(i)->GetType() == type)
            found.push_back(static_cast<const T*>(bone->GetChild(i)));
    return found;
}

ObjectPart* PartNamed(Ship* ship, const char* name)
{
    const DestructableObject* parts = ship->GetDestructableObject();
    for (int i = 0; parts && i < parts->GetPartCount(); ++i)
        if (std::string(parts->GetPart(i)->GetName()) == name)
            return parts->GetPart(i);
    return nullptr;
}

} // namespace

// The class names of the game data pick the classes, some with and some without "Ship"; the
// class's own name is no key. The large craft carry flag 16 beside every fighter's 8.
TEST_F(RaceShipTest, ClassNamesOfTheGameDataMakeTheRaceClasses)
{
    struct Case
    {
        const char* key;
        const char* made; // null: no ship
        bool large;
    };
    const Case cases[] = {
        {"YtgSush02", "ShipYtgSush02", true},
        {"YtgDrTr02", "ShipYtgDrTr02", true},
        {"YtgBrrk00", "ShipYtgBrrk00", true},
        {"YtgScStation00", "ShipYtgScStation00", true},
        {"YtgFighter02", "ShipYtgFighter02", false},
        {"ShipBlgFighter00", "ShipBlgFighter00", false},
        {"ShipBlgFighter01", "ShipBlgFighter01", false},
        {"ShipBlgFighter02", "ShipBlgFighter02", false},
        {"ShipBlgFighter03", "ShipBlgFighter03", false},
        {"BlgCruiser02", "ShipBlgCruiser02", true},
        {"RtbCruiser00", "ShipRtbCruiser00", true},
        {"ShipRtbFighter02", "ShipRtbFighter02", false},
        {"ShipRtbFighter03", "ShipRtbFighter03", false},
        {"ShipYtgSush02", nullptr, false},
        {"ShipBlgCruiser02", nullptr, false},
        {"YtgDroid00", nullptr, false},
        {"ShipYtgDroid00", nullptr, false},
    };
    for (const Case& c : cases)
    {
        Ship* ship = Level().CreateShip(TestType(c.key, "blg_fighter_00.mod"), "test", "ship");
        if (!c.made)
        {
            EXPECT_EQ(nullptr, ship) << c.key;
            continue;
        }
        ASSERT_NE(nullptr, ship) << c.key;
        EXPECT_STREQ(c.made, ship->GetClassname());
        EXPECT_STREQ("ship", ship->GetName());
        EXPECT_TRUE(ship->HasFlag(ACTOR_FLAG_SMALL_CRAFT)) << c.key;
        EXPECT_EQ(c.large, ship->HasFlag(ACTOR_FLAG_LARGE_CRAFT)) << c.key;
        Level().DestroyActor(ship, true);
    }
}

// Each engine of the large Ytg ships has its emitter; the light only with dynamic lighting. The
// cargo ship's third engine shines further.
TEST_F(RaceShipTest, EngineEmittersAlwaysAndLightsOnlyWithDynamicLighting)
{
    struct Case
    {
        const char* prototype;
        unsigned engines;
        bool lights;
    };
    const Case cases[] = {
        {"ytg_sush_02", 3, true}, {"ytg_sush_02", 3, false}, {"ytg_drtr_02", 5, false}, {"ytg_brrk_00", 3, true}};
    for (const Case& c : cases)
    {
        game.GetGameSettings()->DynLighting = c.lights;
        Ship* ship = Spawn(c.prototype, Vec3(0, 0, 400));
        ASSERT_NE(nullptr, ship) << c.prototype;
        const YtgEngines* engines = EnginesOf(ship);
        ASSERT_NE(nullptr, engines);
        ASSERT_EQ(c.engines, engines->Count()) << c.prototype;
        for (unsigned i = 0; i < engines->Count(); ++i)
        {
            const Bone* bone = engines->Get(i);
            ASSERT_NE(nullptr, bone) << c.prototype << " engine " << i;
            EXPECT_EQ(1u, Hanging<Emitter>(bone, NT_EMITTER).size()) << c.prototype << " engine " << i;
            const auto lights = Hanging<Omni>(bone, NT_OMNI);
            ASSERT_EQ(c.lights ? 1u : 0u, lights.size()) << c.prototype << " engine " << i;
            if (c.lights)
            {
                const bool strong = i == 2 && std::string(c.prototype) != "ytg_drtr_02";
                EXPECT_EQ(strong ? 384.0f : 128.0f, lights[0]->GetRange());
                EXPECT_EQ(strong ? 2.0f : 1.0f, lights[0]->GetIntensity());
                EXPECT_EQ(Color(0, 0.5f, 0.9f, 1), lights[0]->GetDiffuse());
            }
        }
        Level().DestroyActor(ship, true);
    }
}

// A detached engine part takes its engine with it once; a capital part takes the rest and the
// ship. A model without an engine's bone leaves that engine out.
TEST_F(RaceShipTest, DetachedPartsDestroyTheirEnginesOnceAndCapitalPartsTheShip)
{
    Ship* sush = Spawn("ytg_sush_02", Vec3(0, 0, 600));
    ASSERT_NE(nullptr, sush);
    const YtgEngines& engines = *EnginesOf(sush);
    ObjectPart* engine = PartNamed(sush, "ytg_bolsh_dvigatel_00");
    ASSERT_NE(nullptr, engine);
    sush->OnPartDetached(engine);
    EXPECT_EQ(nullptr, engines.Get(0));
    sush->OnPartDetached(engine);
    EXPECT_EQ(nullptr, engines.Get(0));
    EXPECT_NE(nullptr, engines.Get(1));
    EXPECT_NE(nullptr, engines.Get(2));
    EXPECT_EQ(nullptr, sush->GetMainModelEx()->FindBone(Name("engine_00"))) << "the model forgets the bone";
    EXPECT_FALSE(sush->IsDead());
    sush->OnPartDetached(PartNamed(sush, "ytg_sush_02_kabina_00"));
    EXPECT_FALSE(sush->IsDead()) << "a part of no engine";
    sush->OnPartDetached(PartNamed(sush, "ytg_korpus_bolsh_dvig_01"));
    EXPECT_EQ(nullptr, engines.Get(2));
    EXPECT_NE(nullptr, engines.Get(1)) << "the cargo ship's hull takes only the third engine";
    EXPECT_TRUE(sush->IsDead());

    Ship* drtr = Spawn("ytg_drtr_02", Vec3(200, 0, 600));
    ASSERT_NE(nullptr, drtr);
    drtr->OnPartDetached(PartNamed(drtr, "ytg_st_dvig_dr1_02"));
    EXPECT_EQ(nullptr, EnginesOf(drtr)->Get(2));
    drtr->OnPartDetached(PartNamed(drtr, "ytg_energ_caps_trb_00"));
    for (unsigned i = 0; i < 5; ++i)
        EXPECT_EQ(nullptr, EnginesOf(drtr)->Get(i)) << i;
    EXPECT_TRUE(drtr->IsDead());

    // A fighter's model has two engines and no parts: the cargo ship's third is left out.
    Ship* bare = Level().CreateShip(TestType("YtgSush02", "blg_fighter_00.mod"), "test", "bare");
    ASSERT_NE(nullptr, bare);
    EXPECT_NE(nullptr, EnginesOf(bare)->Get(1));
    EXPECT_EQ(nullptr, EnginesOf(bare)->Get(2));
    Frame();
}

// A destructible ship removed mid-mission lets its parts go with the one body they share: the
// parts are freed and the body leaves the physics scene once, so no shape left in the scene
// speaks for a freed part and the next frames step without it.
TEST_F(RaceShipTest, ARemovedShipTakesItsPartsAndTheirBodyWithIt)
{
    for (const char* prototype : {"ytg_sush_02", "ytg_drtr_02"})
    {
        Ship* ship = Spawn(prototype, Vec3(0, 0, 900));
        ASSERT_NE(nullptr, ship) << prototype;
        Frame();
        const DestructableObject* parts = ship->GetDestructableObject();
        ASSERT_NE(nullptr, parts) << prototype;
        ASSERT_GT(parts->GetPartCount(), 0) << prototype;
        EXPECT_EQ(parts->GetPhysActor(), ship->GetPhysEntity()) << prototype;
        std::set<const void*> gone = {ship};
        for (int i = 0; i < parts->GetPartCount(); ++i)
            gone.insert(parts->GetPart(i));
        NxScene* scene = Level().GetSpace()->GetScene();
        const size_t bodies = scene->getActors().size();

        Level().DestroyActor(ship, false);
        EXPECT_EQ(nullptr, ship->GetDestructableObject()) << prototype;
        EXPECT_EQ(nullptr, ship->GetPhysEntity()) << prototype;
        EXPECT_EQ(bodies - 1, scene->getActors().size()) << prototype;
        for (const NxActor* body : scene->getActors())
        {
            EXPECT_EQ(0u, gone.count(body->userData)) << prototype;
            for (NxU32 i = 0; i < body->getNbShapes(); ++i)
                EXPECT_EQ(0u, gone.count(body->getShapes()[i]->userData)) << prototype;
        }
        Run(0.5f);
    }
}

// The Blg fighter calls for help on the first hit that leaves its shield below half while the
// radio is free; a hit the radio refuses does not use the call up, and there is only one.
TEST_F(RaceShipTest, BlgFighterCallsForHelpOnce)
{
    auto* ship = static_cast<ShipBlgFighter01*>(Spawn("blg_fighter_01", Vec3(0, 0, 300)));
    ASSERT_NE(nullptr, ship);
    Run(0.6f);
    SoundEngine* sound = game.GetSoundEngine();
    Limiter& limiter = *game.GetLimiter();
    const float half = ship->GetMaximumShield() * 0.5f;
    const size_t sounds = sound->GetSound2DCount();

    ship->DoDamage(half - 1, 1, 1, 1);
    EXPECT_FALSE(ship->IsHelpCallPlayed()) << "the shield is still above half";
    limiter.TransmitionBlg("silence.wav");
    ship->DoDamage(2, 1, 1, 1);
    EXPECT_FALSE(ship->IsHelpCallPlayed()) << "the radio is busy";
    const size_t busy = sound->GetSound2DCount();

    limiter = Limiter();
    ship->DoDamage(1, 1, 1, 1);
    EXPECT_TRUE(ship->IsHelpCallPlayed());
    EXPECT_EQ(busy + 1, sound->GetSound2DCount());
    EXPECT_FALSE(limiter.CanTransmitionBlg());

    limiter = Limiter();
    ship->DoDamage(1, 1, 1, 1);
    EXPECT_EQ(busy + 1, sound->GetSound2DCount()) << "one call only";
    EXPECT_GE(busy, sounds);
}

// The flares of each class: how many, how large, where; the cruisers show none.
TEST_F(RaceShipTest, EngineFlaresByClass)
{
    struct Case
    {
        const char* prototype;
        std::vector<float> sizes;
    };
    const Case cases[] = {
        {"rtb_fighter_03", {12}}, {"rtb_fighter_02", {8, 8, 8}},        {"blg_fighter_00", {16, 16}},
        {"blg_fighter_03", {16}}, {"ytg_fighter_02", {16, 8, 8, 8, 8}}, {"blg_cruiser_02", {}},
        {"rtb_cruiser_00", {}},
    };
    for (const Case& c : cases)
    {
        Ship* ship = Spawn(c.prototype, Vec3(0, 0, 300));
        ASSERT_NE(nullptr, ship) << c.prototype;
        Frame();
        const auto sets = Hanging<ParticleSet>(ship->GetMainModel(), NT_PARTICLESET);
        ASSERT_EQ(c.sizes.empty() ? 0u : 1u, sets.size()) << c.prototype;
        if (!sets.empty())
        {
            auto* set = const_cast<ParticleSet*>(sets[0]);
            ASSERT_EQ(c.sizes.size(), set->GetTotalParticles()) << c.prototype;
            unsigned k = 0;
            for (ParticleIterator it = set->Begin(); it != set->End(); it.Next(), ++k)
            {
                EXPECT_EQ(c.sizes[k], it.Current()->size) << c.prototype << " flare " << k;
                char bone[16];
                std::snprintf(bone, sizeof bone, "engine_0%u", k);
                const Bone* engine = ship->GetMainModelEx()->FindBone(Name(bone));
                ASSERT_NE(nullptr, engine) << c.prototype << " " << bone;
                EXPECT_LT(it.Current()->position.Distance(engine->GetGlobalPos()), 1e-3f) << c.prototype;
            }
        }
        Level().DestroyActor(ship, true);
    }
}

// No class name makes the droid: built by hand on a fighter's type, it shows one large flare and
// mounts its small laser.
TEST_F(RaceShipTest, DroidShowsOneFlareAndMountsItsLaser)
{
    auto* droid = new ShipYtgDroid00();
    droid->InitializeData(game.GetBase()->GetShipByName("ytg_fighter_02"));
    Level().CreateActor(droid, nullptr);
    Frame();
    ASSERT_NE(nullptr, droid->GetEngineFlares());
    ASSERT_EQ(1u, droid->GetEngineFlares()->GetTotalParticles());
    EXPECT_EQ(64.0f, droid->GetEngineFlares()->Begin().Current()->size);
    ASSERT_EQ(1u, droid->GetWeaponCount());
    EXPECT_STREQ("BlasterMini00", droid->GetWeapon(0)->GetPrototype()->name);
    EXPECT_FALSE(droid->HasFlag(ACTOR_FLAG_LARGE_CRAFT));
}

// An Rtb fighter that explodes while burning leaves its flames behind as an actor of their own;
// a Blg fighter's flames go with its model. A dead ship shows its death for as long as it stays.
TEST_F(RaceShipTest, FlamesOutliveAnRtbFighterButNotABlgFighter)
{
    auto* rtb = static_cast<ShipRtbFighter*>(Spawn("rtb_fighter_02", Vec3(0, 0, 300)));
    Ship* blg = Spawn("blg_fighter_00", Vec3(100, 0, 300));
    ASSERT_TRUE(rtb && blg);
    rtb->StartBurning();
    blg->StartBurning();
    ASSERT_NE(nullptr, rtb->GetFire());
    EXPECT_EQ(1u, Hanging<Emitter>(blg->GetMainModel(), NT_EMITTER).size()) << "its fire";
    rtb->Explode();
    blg->Explode();
    EXPECT_EQ(nullptr, rtb->GetFire());
    EXPECT_EQ(1u, Count("ParticleKeeper"));
    Frame();
    EXPECT_EQ(2u, Count("Explosion"));
    EXPECT_EQ(4u, Count("ParticleEffect")) << "fire and sparks of each";
    // Deleted by their own telegrams, the ships go.
    Run(0.5f);
    EXPECT_EQ(0u, Count("ShipRtbFighter02"));
    EXPECT_EQ(0u, Count("ShipBlgFighter00"));
}
