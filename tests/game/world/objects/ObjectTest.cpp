// A world object's set-up from its record, the distance level of detail, hit points and the
// explosion of each material, damage by telegram and by contact, dirt, and the bodies an object
// leaves behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MaterialSystem/meshes/MeshRenderable.h"
#include "ObjectMission.h"
#include "game/core/game/Game.h"
#include "game/core/messages/Telegram.h"
#include "game/world/actor/ActorFlags.h"
#include "game/world/effects/Explosion.h"
#include "game/world/objects/Object.h"
#include "game/world/parts/DestructableObject.h"
#include "game/world/parts/ObjectPart.h"
#include "scene/nodes/Model.h"
#include "scene/nodes/RenderMesh.h"
#include "services/physics/PhysicsActor.h"
#include "services/physics/shim/NxReports.h"
#include "services/physics/shim/NxShape.h"

namespace {

using ObjectTest = ObjectMission;

// Another actor of a kind, which notes the part damage it is sent.
class Grinder : public Actor
{
public:
    explicit Grinder(unsigned long kind) { RaiseFlag(kind); }
    void OnMessage(Telegram* telegram) override
    {
        if (telegram->type == MESSAGE_DO_DAMAGE_TO_PART)
            hits.push_back(*static_cast<MessageDoDamageToPart*>(telegram->payload));
        Actor::OnMessage(telegram);
    }
    std::vector<MessageDoDamageToPart> hits;
};

// One contact report as the physics space hands it to the object: its own body against the
// other's shape, or a stream without a shape pair when `otherShape` is null.
void Touch(Object* object, PhysicsActorEventListener& other, NxShape* otherShape)
{
    PhysicsActor* own = object->GetPhysEntity();
    NxContactStream stream;
    if (otherShape)
    {
        NxContactShapePair pair;
        pair.shapes[0] = own->getShapes()[0];
        pair.shapes[1] = otherShape;
        stream.push_back(pair);
    }
    NxContactPair contact;
    contact.actors[0] = own;
    contact.stream = &stream;
    NxContactStreamIterator contacts(contact, own);
    Vec3 normal(0.0f), friction(0.0f);
    object->OnTouch(other, *own, *own, normal, friction, contacts);
}

float MeshAnimation(Object* object)
{
    auto* mesh = static_cast<RenderMesh*>(object->GetMainModel()->GetChild(0));
    return mesh->GetSubMesh(0, 0)->renderable->GetParams().GetAnimation();
}

} // namespace

TEST_F(ObjectTest, AnObjectTakesItsLookBodyAndHitPointsFromItsRecord)
{
    Object* rock = Spawn("ast_m_b", Vec3(0, 0, 500));
    ASSERT_NE(nullptr, rock);
    EXPECT_TRUE(rock->HasFlag(ACTOR_FLAG_OBJECT));
    ASSERT_NE(nullptr, rock->GetMainModelEx()) << "a model from \"render\"";
    EXPECT_NE(nullptr, rock->GetMainModelEx()->FindBone(Name("ast_m_b_a")));
    EXPECT_EQ(nullptr, rock->GetDestructableObject());
    EXPECT_FLOAT_EQ(300, rock->GetHPMaximum());
    EXPECT_FLOAT_EQ(300, rock->GetHPCurrent());
    Frame();
    EXPECT_NEAR(500.0f, rock->GetMainModel()->GetGlobalPos().z, 0.01f) << "the node follows the body";
    EXPECT_NEAR(500.0f, rock->GetRoot().Pos().z, 0.01f);

    Object* fragment = Spawn("ast_m_a_a", Vec3(0, 0, 600));
    EXPECT_EQ(NT_GROUP, fragment->GetMainModel()->GetType()) << "a group holding the \"mesh\"";
    EXPECT_EQ(NT_RENDERMESH, fragment->GetMainModel()->GetChild(0)->GetType());
}

TEST_F(ObjectTest, BeyondItsDeleteDistanceAnObjectDropsItsBodyAndGetsItBackWithin)
{
    Object* rock = Spawn("ast_m_b", Vec3(0, 0, 9000));       // deleteDistance 8000
    Object* wreck = Spawn("old_ship_00", Vec3(0, 0, 90000)); // none
    Object* pod = Spawn("cargo_pod", Vec3(0, 0, 7000));      // 6000, with parts
    Frame();
    EXPECT_TRUE(rock->IsFar());
    EXPECT_EQ(nullptr, rock->GetPhysEntity());
    EXPECT_FALSE(wreck->IsFar());
    EXPECT_NE(nullptr, wreck->GetPhysEntity());
    EXPECT_TRUE(pod->IsFar());
    EXPECT_NE(nullptr, pod->GetPhysEntity()) << "its parts hold their shapes in it";

    const unsigned bodies = BodyCount();
    rock->SetPose(Placed(Vec3(0, 0, 700)));
    Frame();
    EXPECT_FALSE(rock->IsFar());
    ASSERT_NE(nullptr, rock->GetPhysEntity());
    EXPECT_NEAR(700.0f, rock->GetPhysEntity()->GetGlobalPosition().z, 0.01f);
    EXPECT_EQ(bodies + 1, BodyCount());
}

TEST_F(ObjectTest, EachMaterialExplodesInItsOwnWayWhenTheHitPointsAreSpent)
{
    struct Case
    {
        int material;
        int explosion; // -1: none
    } cases[] = {{0, EXPLOSION_ASTEROID}, {1, EXPLOSION_BLAST}, {2, EXPLOSION_ENERGY},
                 {3, EXPLOSION_ICE},      {4, EXPLOSION_LAVA},  {5, -1}};
    for (const Case& c : cases)
    {
        Object* crate = Spawn(Crate(c.material), Vec3(0, 0, 5000));
        const size_t before = ActorsOf<Explosion>().size();
        crate->DoDamage(60);
        EXPECT_FALSE(crate->IsDead());
        crate->DoDamage(40);
        EXPECT_TRUE(crate->IsDead()) << c.material;
        crate->DoDamage(40);
        EXPECT_FLOAT_EQ(0, crate->GetHPCurrent()) << "a dead object takes no more";
        const std::vector<Explosion*> explosions = ActorsOf<Explosion>();
        ASSERT_EQ(before + (c.explosion >= 0 ? 1 : 0), explosions.size()) << c.material;
        if (c.explosion >= 0)
        {
            EXPECT_EQ(c.explosion, explosions.back()->GetType());
            EXPECT_FALSE(explosions.back()->HasWave());
            EXPECT_NEAR(5000.0f, explosions.back()->GetRoot().Pos().z, 0.01f);
        }
    }
    // Each asked for its own removal, which the next frame's telegrams bring.
    Frame();
    EXPECT_EQ(0u, level.GetActorCountByClassname("Object"));
}

TEST_F(ObjectTest, DamageByTelegramAndByPartNameReachesTheObjectOrItsParts)
{
    Object* pod = Spawn("cargo_pod", Vec3(0, 0, 300));
    Object* rock = Spawn("ast_m_b", Vec3(0, 0, 600));
    ObjectPart* lamp = PartNamed(pod, "pod_lamp_00");
    const float lampHp = lamp->GetCurHp();

    pod->SendMessage(MESSAGE_DO_DAMAGE_TO_PART, pod, 0,
                     new MessageDoDamageToPart(lamp->GetShape(0), nullptr, 30, false));
    pod->SendMessage(MESSAGE_DO_DAMAGE, pod, 0, new MessageDoDamage(20));
    rock->SendMessage(MESSAGE_DO_DAMAGE_TO_PART, rock, 0, new MessageDoDamageToPart(nullptr, nullptr, 30, false));
    rock->SendMessage(MESSAGE_DO_DAMAGE_TO_PART, rock, 0, new MessageDoDamageToPart(nullptr, nullptr, -5, false));
    Frame();
    // Without a weapon the amount hurts the whole object, parts or not.
    EXPECT_FLOAT_EQ(500 - 30 - 20, pod->GetHPCurrent());
    EXPECT_FLOAT_EQ(lampHp, lamp->GetCurHp());
    EXPECT_FLOAT_EQ(300 - 30, rock->GetHPCurrent());

    pod->DoDamageToPart("pod_lamp_00", 40);
    EXPECT_FLOAT_EQ(lampHp - 40, lamp->GetCurHp());
    EXPECT_FLOAT_EQ(450, pod->GetHPCurrent()) << "damage to parts leaves the object's own hit points";
    rock->DoDamageToPart("ast_m_b_a", 40);
    EXPECT_FLOAT_EQ(270, rock->GetHPCurrent());
}

// Large ships and ship parts that grind along an object take part damage and deal 300 at every
// report; objects bump each other for 200, but the small fragments of "ast_m_a" do not hurt.
TEST_F(ObjectTest, ContactsDamageByWhatTouches)
{
    Object* wreck = Spawn("old_ship_00", Vec3(0, 0, 300));
    auto* cruiser = new Grinder(ACTOR_FLAG_LARGE_CRAFT);
    auto* part = new Grinder(ACTOR_FLAG_SHIP_PART);
    level.CreateActor(cruiser, "cruiser");
    level.CreateActor(part, "part");
    Object* rock = Spawn("ast_m_b", Vec3(0, 300, 300));
    NxShape* hull = rock->GetPhysEntity()->getShapes()[0];
    for (int i = 0; i < 3; ++i)
        Touch(wreck, *cruiser, hull);
    Touch(wreck, *part, hull);
    Touch(wreck, *cruiser, nullptr);
    Frame();
    EXPECT_FLOAT_EQ(5000 - 4 * 300, wreck->GetHPCurrent());
    ASSERT_EQ(3u, cruiser->hits.size());
    EXPECT_EQ(hull, cruiser->hits[0].shape);
    EXPECT_FLOAT_EQ(250, cruiser->hits[0].damage);
    EXPECT_EQ(nullptr, cruiser->hits[0].weapon);
    EXPECT_TRUE(cruiser->hits[0].flag);
    EXPECT_EQ(1u, part->hits.size());

    Object* fragment = Spawn("ast_m_a_a", Vec3(100, 0, 0));
    Object* sibling = Spawn("ast_m_a_b", Vec3(-100, 0, 0));
    Touch(fragment, *sibling, sibling->GetPhysEntity()->getShapes()[0]);
    Touch(sibling, *fragment, fragment->GetPhysEntity()->getShapes()[0]);
    Touch(rock, *fragment, fragment->GetPhysEntity()->getShapes()[0]);
    Touch(wreck, *rock, hull);
    Frame();
    EXPECT_FLOAT_EQ(80, fragment->GetHPCurrent());
    EXPECT_FLOAT_EQ(80, sibling->GetHPCurrent());
    EXPECT_FLOAT_EQ(300, rock->GetHPCurrent());
    EXPECT_FLOAT_EQ(5000 - 4 * 300 - 200, wreck->GetHPCurrent());
    Touch(fragment, *rock, hull);
    Frame();
    EXPECT_TRUE(fragment->IsDead()) << "200 is more than a fragment's 80";
}

// The "ast_m_a" rocks darken as they are hurt; other objects shown by a mesh do not.
TEST_F(ObjectTest, OnlyTheRocksOfTheFirstKindShowTheirWear)
{
    Object* worn = Spawn("ast_m_a_a", Vec3(0, 0, 300));
    Object* plain = Spawn("ast_m_b_a", Vec3(0, 0, 400));
    worn->DoDamage(20);
    EXPECT_FLOAT_EQ(0.25f, MeshAnimation(worn));
    worn->DoDamage(20);
    EXPECT_FLOAT_EQ(0.5f, MeshAnimation(worn));
    plain->DoDamage(30);
    EXPECT_FLOAT_EQ(0.0f, MeshAnimation(plain));
}

// Plain and breakable objects alike give their bodies back when they go.
TEST_F(ObjectTest, ADestroyedObjectLeavesNoBodyBehind)
{
    const unsigned bodies = BodyCount();
    Object* pod = Spawn("cargo_pod", Vec3(0, 0, 5000));
    Object* wreck = Spawn("old_ship_00", Vec3(0, 0, 6000));
    EXPECT_EQ(bodies + 2, BodyCount());
    pod->DoDamage(1000);
    wreck->DoDamage(10000);
    Frame();
    Frame();
    EXPECT_EQ(nullptr, level.GetActorByClassname("Object", 0));
    EXPECT_EQ(bodies, BodyCount());
}
