// The energy shield around a station module: its node and body, switching collisions between
// the two bodies, the glow of a hit, the power that weapon hits drain, and what it leaves when
// its owner has gone.
#include <gtest/gtest.h>

#include "MaterialSystem/meshes/MeshRenderable.h"
#include "ObjectMission.h"
#include "game/core/game/Game.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/objects/EnergyShield.h"
#include "game/world/objects/StationModules.h"
#include "game/world/weapons/Weapon.h"
#include "scene/nodes/Model.h"
#include "scene/nodes/RenderMesh.h"
#include "services/physics/PhysicsActor.h"

namespace {

class EnergyShieldTest : public ObjectMission
{
protected:
    void SetUp() override
    {
        ObjectMission::SetUp();
        if (!IsSkipped())
            module = static_cast<StationModule*>(Spawn("ytg_sush_02_nos", Vec3(0, 0, 300)));
    }
    EnergyShield* Shield(const char* model, const char* physics, bool glow)
    {
        auto* shield = new EnergyShield(module, model, physics, glow);
        level.CreateActor(shield, nullptr);
        return shield;
    }
    static float Glow(EnergyShield* shield)
    {
        auto* mesh = static_cast<RenderMesh*>(shield->GetMainModel()->GetChild(0));
        return mesh->GetSubMesh(0, 0)->renderable->GetParams().GetAnimation();
    }
    static bool Solid(const PhysicsActor* body) { return !body->readActorFlag(NX_AF_DISABLE_COLLISION); }

    // A gun of a known damage and shield factor (per cent).
    struct Gun : Weapon
    {
        Gun(float damage, float shieldKoef) : Weapon(nullptr, 0, nullptr, 0)
        {
            _damage = damage;
            _damageShieldKoef = shieldKoef;
        }
    };

    StationModule* module = nullptr;
};

} // namespace

TEST_F(EnergyShieldTest, AShieldWrapsItsOwnerInItsModelOrTheDefaultMesh)
{
    EnergyShield* plain = Shield(nullptr, nullptr, true);
    EXPECT_TRUE(plain->HasFlag(ACTOR_FLAG_ENERGY_SHIELD));
    EXPECT_EQ(module->GetMainModel(), plain->GetMainModel()->GetParent());
    EXPECT_EQ(NT_RENDERMESH, plain->GetMainModel()->GetChild(0)->GetType());
    EXPECT_EQ(nullptr, plain->GetPhysEntity());
    EXPECT_FLOAT_EQ(10000, plain->GetShieldMax());

    EnergyShield* modelled = Shield("ytg_sush_02_nos_shield.mod", "ytg_sush_02_nos_shield.pea", true);
    ASSERT_NE(nullptr, modelled->GetMainModelEx());
    EXPECT_FLOAT_EQ(0.1f, modelled->GetMainModel()->GetLocalScale().x);
    ASSERT_NE(nullptr, modelled->GetPhysEntity());
    Frame();
    EXPECT_NEAR(300.0f, modelled->GetPhysEntity()->GetGlobalPosition().z, 0.01f) << "the body follows the node";
}

// A quarter second up, a second down; only the default mesh glows.
TEST_F(EnergyShieldTest, AHitMakesTheDefaultMeshGlowUpAndFadeAgain)
{
    EnergyShield* shield = Shield(nullptr, nullptr, true);
    EnergyShield* still = Shield(nullptr, nullptr, false);
    EnergyShield* modelled = Shield("ytg_sush_02_nos_shield.mod", nullptr, true);
    for (EnergyShield* hit : {shield, still, modelled})
        hit->SetPower(0);
    struct Step
    {
        float seconds, glow;
    } steps[] = {{0.1f, 0.4f}, {0.1f, 0.8f}, {0.1f, 1.0f}, {0.5f, 0.5f}, {0.6f, 0.0f}};
    for (const Step& step : steps)
    {
        Frame(step.seconds);
        EXPECT_NEAR(step.glow, Glow(shield), 1e-4f);
        EXPECT_FLOAT_EQ(0.0f, Glow(still));
    }
    const Model* model = modelled->GetMainModelEx();
    ASSERT_NE(nullptr, model);
    const RenderMesh* mesh = model->FindMesh(Name("ytg_sush_02_nos_shield_mesh"));
    ASSERT_NE(nullptr, mesh);
    EXPECT_FLOAT_EQ(0.0f, const_cast<RenderMesh*>(mesh)->GetSubMesh(0, 0)->renderable->GetParams().GetAnimation());
}

TEST_F(EnergyShieldTest, SwitchingMovesTheCollisionsBetweenOwnerAndShield)
{
    EnergyShield* bodiless = Shield(nullptr, nullptr, false);
    bodiless->Off();
    EXPECT_TRUE(bodiless->GetMainModel()->IsEnabled()) << "without a body of its own nothing switches";
    EXPECT_TRUE(Solid(module->GetPhysEntity()));

    module->CreateEnergyShield();
    EnergyShield* shield = module->GetEnergyShield();
    ASSERT_NE(nullptr, shield);
    ASSERT_NE(nullptr, shield->GetPhysEntity());
    module->EnergyShieldOn();
    EXPECT_FALSE(Solid(module->GetPhysEntity()));
    EXPECT_TRUE(Solid(shield->GetPhysEntity()));
    EXPECT_TRUE(shield->GetMainModel()->IsEnabled());
    module->EnergyShieldOff();
    EXPECT_TRUE(Solid(module->GetPhysEntity()));
    EXPECT_FALSE(Solid(shield->GetPhysEntity()));
    EXPECT_FALSE(shield->GetMainModel()->IsEnabled());
}

TEST_F(EnergyShieldTest, WeaponHitsDrainThePowerAndTheLastOneSwitchesTheShieldOff)
{
    module->CreateEnergyShield();
    EnergyShield* shield = module->GetEnergyShield();
    module->EnergyShieldOn();
    Gun gun(40, 50); // 20 a hit
    shield->SetShield(60);
    for (int hit = 1; hit <= 3; ++hit)
    {
        module->SendMessage(MESSAGE_DO_DAMAGE_BY_WEAPON, shield, 0, new MessageDoDamageByWeapon(&gun));
        Frame();
        EXPECT_EQ(hit < 3, Solid(shield->GetPhysEntity())) << hit;
    }
    EXPECT_FLOAT_EQ(0.0f, shield->GetShieldCurrent());
    EXPECT_TRUE(Solid(module->GetPhysEntity()));
    module->EnergyShieldOn();
    EXPECT_TRUE(Solid(shield->GetPhysEntity())) << "on again, though without power";
    EXPECT_FLOAT_EQ(0.0f, shield->GetShieldCurrent());
}

// The shield's node went with its owner's model; its body is its own and goes with it.
TEST_F(EnergyShieldTest, AShieldWhoseOwnerWentLeavesNeitherNodeNorBody)
{
    const unsigned before = BodyCount();
    module->CreateEnergyShield();
    EXPECT_EQ(before + 1, BodyCount());
    level.DestroyActor(module, false);
    Frame();
    EXPECT_EQ(nullptr, level.GetActorByClassname("EnergyShield", 0));
    EXPECT_EQ(before - 1, BodyCount()) << "neither the module's body nor the shield's";
}
