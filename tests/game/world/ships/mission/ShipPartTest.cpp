// Ship parts broken off the Ytg cargo ship in a mission of the started game: their breakable
// parts, their strength and their collisions.
#include <gtest/gtest.h>

#include "StartedMission.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/parts/DestructableObject.h"
#include "game/world/parts/ObjectPart.h"
#include "game/world/ships/ShipPart.h"
#include "scene/RenderScene.h"
#include "scene/nodes/Model.h"
#include "services/physics/PhysicsActor.h"

namespace {

class ShipPartTest : public StartedMissionTest
{
protected:
    Model* CargoModel() { return game.GetRenderScene()->CreateModel("ytg_sush_02.mod", SL_STAGE); }
    static bool Colliding(const ShipPart& part)
    {
        return !part.GetPhysEntity()->readActorFlag(NX_AF_DISABLE_COLLISION);
    }
};

TEST_F(ShipPartTest, APartStartsWithoutCollisionsAndGetsThemAQuarterSecondLater)
{
    ShipPart* part = Level().CreateShipPartByModel(CargoModel());
    ASSERT_NE(part, nullptr);
    ASSERT_NE(part->GetPhysEntity(), nullptr);
    EXPECT_FALSE(Colliding(*part));
    Run(0.2f);
    EXPECT_FALSE(Colliding(*part));
    Run(0.1f);
    EXPECT_TRUE(Colliding(*part));
    Run(1);
    EXPECT_TRUE(Colliding(*part));
}

// A whole model's parts start at a quarter of their strength, some already damaged.
TEST_F(ShipPartTest, APartsStrengthStartsLowAndItsLookMatchesIt)
{
    int damaged = 0, intact = 0;
    for (int i = 0; i < 6; ++i)
    {
        // The strength the same model's parts get unbroken.
        Model* whole = CargoModel();
        DestructableObject reference(whole, nullptr);
        ASSERT_NE(reference.Initialize(nullptr), nullptr);

        ShipPart* part = Level().CreateShipPartByModel(CargoModel());
        ASSERT_NE(part, nullptr);
        const DestructableObject* parts = part->GetDestructableObject();
        ASSERT_EQ(parts->GetPartCount(), reference.GetPartCount());
        for (int p = 0; p < parts->GetPartCount(); ++p)
        {
            const ObjectPart* piece = parts->GetPart(p);
            const float full = reference.GetPart(p)->GetMaxHp();
            EXPECT_FLOAT_EQ(piece->GetMaxHp(), 0.25f * full) << piece->GetName();
            const float share = piece->GetCurHp() / full;
            if (piece->IsDamaged())
            {
                ++damaged;
                EXPECT_GE(share, 0.025f - 1e-6f) << piece->GetName();
                EXPECT_LE(share, 0.124f + 1e-6f) << piece->GetName();
            }
            else
            {
                ++intact;
                EXPECT_GE(share, 0.1f - 1e-6f) << piece->GetName();
                EXPECT_LE(share, 0.249f + 1e-6f) << piece->GetName();
            }
        }
        reference.ShutDown();
        game.GetRenderScene()->DestroyNode(whole);
    }
    EXPECT_GT(damaged, 0);
    EXPECT_GT(intact, 0);
}

TEST_F(ShipPartTest, APartOfABoneTurnsAboutItsPivot)
{
    Model* wreck = CargoModel();
    Bone* engine = wreck->FindBone(Name("ytg_bolsh_dvigatel_00"));
    ASSERT_NE(engine, nullptr);
    ShipPart* part = Level().CreateShipPart(engine, Vec3(0, 0, 20));
    ASSERT_NE(part, nullptr);
    EXPECT_FALSE(part->IsMadeFromModel());
    EXPECT_NE(part->GetMainModel(), engine) << "a pivot bone carries the engine";
    EXPECT_EQ(engine->GetParent(), part->GetMainModel());
    ASSERT_NE(part->GetPhysEntity(), nullptr);
    EXPECT_EQ(part->GetDestructableObject()->GetPartCount(), 1);
    EXPECT_FALSE(Colliding(*part));
    Run(0.5f);
    EXPECT_TRUE(Colliding(*part));
}

} // namespace
