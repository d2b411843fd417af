// The Ytg fighter: tumbling from the first damage to its structure, sparks near the camera,
// the explosion at a timer drawn when it was made, its wreck, and the pieces it shatters into.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "RaceShipSupport.h"
#include "foundation/base/Random.h"
#include "game/ai/EntityManager.h"
#include "game/ai/ShipEntity.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/Actor.h"
#include "game/world/objects/Object.h"
#include "game/world/races/ShipYtgFighter02.h"
#include "game/world/weapons/Weapon.h"
#include "scene/nodes/Model.h"
#include "services/physics/PhysicsActor.h"

namespace {

constexpr float Step = 1.0f / 16; // exact in binary: timers count down without drift

class YtgFighterTest : public RaceShipMission
{
protected:
    ShipYtgFighter02* Fighter(const Vec3& position, const char* prototype = "ytg_fighter_02")
    {
        return static_cast<ShipYtgFighter02*>(Spawn(prototype, position));
    }
    // Shield and armour gone: the next hit reaches the structure.
    static void Bare(Ship* ship)
    {
        ship->SetCurrentShield(0);
        ship->SetCurrentArmor(0);
    }
    // Past the time a new ship takes no damage.
    void Unprotect() { Run(0.5f, Step); }

    std::vector<Object*> Pieces()
    {
        std::vector<Object*> pieces;
        for (unsigned i = 0; i < Level().GetActorsCount(); ++i)
        {
            auto* object = dynamic_cast<Object*>(Level().GetActor(i));
            if (object && std::strncmp(object->GetPrototype()->name, "ytg_fighter_02_", 15) == 0)
                pieces.push_back(object);
        }
        return pieces;
    }
};

// Counts the mission's actors as it is shut down, after whatever was registered before it.
// Notes the mission's actor count when it is shut down; the level frees it, so the count goes
// to the test's own variable.
class Witness : public Actor
{
public:
    explicit Witness(unsigned& actorsAtShutDown) : _actorsAtShutDown(actorsAtShutDown) {}

protected:
    void UserShutDown() override { _actorsAtShutDown = game.GetLevel()->GetActorsCount(); }

private:
    unsigned& _actorsAtShutDown;
};

} // namespace

// Its weapon by its type's name, and its timers drawn as it is made: the explosion 1.0 to 3.9
// seconds into the tumbling, the sparks every 0.10 to 0.19 seconds.
TEST_F(YtgFighterTest, TimersComeFromTheDrawsAtConstruction)
{
    for (unsigned seed : {1u, 5u, 77u})
    {
        EngineSeed(seed);
        const float explode = float(EngineRandom() % 30) * 0.1f + 1;
        const float sparks = float(EngineRandom() % 10) * 0.01f + 0.1f;
        EngineSeed(seed);
        ShipYtgFighter02 fighter;
        EXPECT_FLOAT_EQ(explode, fighter.GetExplodeTimer()) << seed;
        EXPECT_FLOAT_EQ(sparks, fighter.GetSparkTimer()) << seed;
    }
    ShipYtgFighter02* own = Fighter(Vec3(0, 0, 300));
    ShipYtgFighter02* other = Fighter(Vec3(0, 0, 400), TestType("YtgFighter02", "ytg_fighter_02.mod"));
    ASSERT_TRUE(own && other);
    ASSERT_EQ(1u, own->GetWeaponCount());
    ASSERT_EQ(1u, other->GetWeaponCount());
    EXPECT_STREQ("Blaster00", own->GetWeapon(0)->GetPrototype()->name);
    EXPECT_STREQ("Blaster01", other->GetWeapon(0)->GetPrototype()->name);
}

// Hits that shield or armour take start nothing; the first frame that finds the structure down
// starts the tumbling: a ship explosion, a turn axis from the pose, five times the speed. The
// timer runs only while it tumbles and ends in the explosion to the frame.
TEST_F(YtgFighterTest, TumblesFromTheFirstStructureDamageAndExplodesAtItsTimer)
{
    ShipYtgFighter02* fighter = Fighter(Vec3(0, 0, 300));
    ASSERT_NE(nullptr, fighter);
    Unprotect();
    const float timer = fighter->GetExplodeTimer();
    const float speed = fighter->GetMaxSpeed();

    fighter->DoDamage(10, 1, 1, 1);
    fighter->SetCurrentShield(0);
    fighter->DoDamage(10, 1, 1, 1);
    Run(1, Step);
    EXPECT_FALSE(fighter->IsTumbling()) << "shield and armour took the hits";
    EXPECT_FLOAT_EQ(timer, fighter->GetExplodeTimer());

    fighter->SetCurrentArmor(0);
    fighter->DoDamage(0.01f, 1, 1, 1);
    const unsigned explosions = Count("Explosion");
    const Matrix pose = fighter->GetRoot();
    Frame(Step);
    ASSERT_TRUE(fighter->IsTumbling());
    EXPECT_EQ(explosions + 1, Count("Explosion"));
    EXPECT_FLOAT_EQ(speed * 5, fighter->GetMaxSpeed());
    const Vec3 axis = fighter->GetTumbleAxis();
    const bool fromPose = axis == pose.Up() || axis == -pose.Up() || axis == pose.Right() || axis == -pose.Right();
    EXPECT_TRUE(fromPose) << axis.x << " " << axis.y << " " << axis.z;
    EXPECT_FLOAT_EQ(timer, fighter->GetExplodeTimer()) << "the timer starts with the next frame";

    const int frames = static_cast<int>(std::ceil(timer / Step - 1e-3f));
    for (int frame = 1; frame < frames; ++frame)
    {
        Frame(Step);
        ASSERT_FALSE(fighter->IsDead()) << "frame " << frame << " of " << frames;
    }
    Frame(Step);
    EXPECT_TRUE(fighter->IsDead());
}

// A fighter its AI flies (a kinematic body the entity places) is let go once hurt: from then on
// its body flies by physics and the controller's orders turn it, so it really tumbles, while
// the entity follows where it goes.
TEST_F(YtgFighterTest, AHurtFighterFlownByItsAiTumblesByItsControllersOrders)
{
    const auto degrees = [](const Quaternion& a, const Quaternion& b) {
        return 2 * std::acos(std::min(1.0f, std::fabs(a.Dot(b)))) / 0.017453f;
    };
    ShipYtgFighter02* fighter = Fighter(Vec3(0, 0, 300));
    ASSERT_NE(nullptr, fighter);
    Pelloris::EntityManager::GetInstance()->AddShip(fighter, "ytg");
    Pelloris::ShipEntity* entity = fighter->GetEntity();
    ASSERT_NE(nullptr, entity);
    entity->SetMoveToPoint(Vec3(0, 0, 9000));
    Unprotect();
    PhysicsActor* body = fighter->GetPhysEntity();
    EXPECT_TRUE(body->readBodyFlag(NX_BF_KINEMATIC)) << "the AI flies it";
    const Quaternion flying = body->GetGlobalOrientationQuat();
    Run(0.5f, Step);
    EXPECT_LT(degrees(flying, body->GetGlobalOrientationQuat()), 1) << "straight on to its point";

    Bare(fighter);
    fighter->DoDamage(0.01f, 1, 1, 1);
    Frame(Step);
    ASSERT_TRUE(fighter->IsTumbling());
    EXPECT_TRUE(fighter->GetOutOfControl());
    const Quaternion hurt = body->GetGlobalOrientationQuat();
    Run(0.75f, Step);
    ASSERT_FALSE(fighter->IsDead()) << "its timer is a second at least";
    EXPECT_FALSE(body->readBodyFlag(NX_BF_KINEMATIC)) << "its physics flies it";
    EXPECT_GT(degrees(hurt, body->GetGlobalOrientationQuat()), 10) << "it tumbles";
    EXPECT_LT(entity->GetPosition().ToVec3().Distance(body->GetGlobalPosition()), 1e-3f) << "the entity follows it";
    EXPECT_GT(body->GetGlobalPosition().z, 400) << "flying on as it was";
}

// The tumbling fighter orders five times its speed, and its body, handed over at the speed its
// AI flew it, speeds up from there frame after frame, past what it could fly before.
TEST_F(YtgFighterTest, AHurtFighterFlownByItsAiSpeedsUpPastItsFormerMaximum)
{
    // Beyond the player, out of its sight: its AI flies it on at full speed.
    ShipYtgFighter02* fighter = Fighter(Vec3(0, 0, 6000));
    ASSERT_NE(nullptr, fighter);
    Pelloris::EntityManager::GetInstance()->AddShip(fighter, "ytg");
    Pelloris::ShipEntity* entity = fighter->GetEntity();
    ASSERT_NE(nullptr, entity);
    entity->SetMoveToPoint(Vec3(0, 0, 50000));
    Unprotect();
    Run(1, Step);
    const float maximum = fighter->GetMaxSpeed();
    ASSERT_FLOAT_EQ(maximum, entity->GetSpeed());

    Bare(fighter);
    fighter->DoDamage(0.01f, 1, 1, 1);
    Frame(Step);
    ASSERT_TRUE(fighter->IsTumbling());
    EXPECT_FLOAT_EQ(5 * maximum, fighter->GetMaxSpeed());
    const PhysicsActor* body = fighter->GetPhysEntity();
    float speed = maximum;
    for (int i = 0; i < 12; ++i)
    {
        Frame(Step);
        EXPECT_FLOAT_EQ(5 * maximum, fighter->GetSpeed()) << "its order stands, frame " << i;
        const float now = body->GetGlobalLinearVelocity().Length();
        EXPECT_GT(now, speed) << "it speeds up, frame " << i;
        speed = now;
    }
    ASSERT_FALSE(fighter->IsDead()) << "its timer is a second at least";
    EXPECT_GT(speed, maximum + 20) << "faster than it could fly before";
}

// Far from the camera the bursts of sparks are left out, but their timer runs and is drawn anew.
TEST_F(YtgFighterTest, SparksOnlyNearTheCamera)
{
    for (float distance : {5000.0f, 300.0f})
    {
        ShipYtgFighter02* fighter = Fighter(Vec3(0, 0, distance));
        ASSERT_NE(nullptr, fighter);
        Unprotect();
        Bare(fighter);
        fighter->DoDamage(1, 1, 1, 1);
        Frame(Step);
        ASSERT_TRUE(fighter->IsTumbling());
        const unsigned effects = Count("ParticleEffect");
        float lowest = 1;
        for (int frame = 0; frame < 12; ++frame)
        {
            Frame(Step);
            lowest = std::min(lowest, fighter->GetSparkTimer());
            EXPECT_LE(fighter->GetSparkTimer(), 0.19f + 1e-6f);
        }
        EXPECT_GT(lowest, -1e-6f) << "the timer is drawn anew when it runs out";
        if (distance > 4096)
            EXPECT_EQ(effects, Count("ParticleEffect")) << "no sparks far away";
        else
            EXPECT_GE(Count("ParticleEffect"), effects + 3) << "a burst every 0.19 seconds at most";
        Level().DestroyActor(fighter, true);
    }
}

// Two hits in one frame, the first emptying the structure and the second finding nothing left:
// the fighter explodes without ever tumbling, shows its death and wears its wreck.
TEST_F(YtgFighterTest, FighterKilledOutrightNeverTumbles)
{
    ShipYtgFighter02* fighter = Fighter(Vec3(0, 0, 300));
    ASSERT_NE(nullptr, fighter);
    Unprotect();
    Bare(fighter);
    fighter->DoDamage(1000, 1, 1, 1);
    fighter->DoDamage(1, 1, 1, 1);
    ASSERT_TRUE(fighter->IsDead());
    // The wreck shows a shard where the intact fighter has an empty piece bone.
    ASSERT_NE(nullptr, fighter->GetMainModelEx());
    const Bone* piece = fighter->GetMainModelEx()->FindBone(Name("ytg_fighter_02_a"));
    ASSERT_NE(nullptr, piece);
    EXPECT_EQ(1u, piece->GetNumChildren());
    EXPECT_LT(fighter->GetMainModel()->GetGlobalPos().Distance(Vec3(0, 0, 300)), 1.0f) << "in the fighter's place";
    EXPECT_EQ(nullptr, fighter->GetEngineFlares()) << "the flares went with the intact model";
    const unsigned effects = Count("ParticleEffect");
    Frame(Step);
    EXPECT_FALSE(fighter->IsTumbling());
    EXPECT_EQ(effects + 2, Count("ParticleEffect")) << "its fire and sparks";
}

// The debug drawing shows the axes of the fighter's AI entity; without an entity (the AI
// switched off) or once dead there is nothing to draw.
TEST_F(YtgFighterTest, DebugAxesOfTheAiEntity)
{
    ShipYtgFighter02* fighter = Fighter(Vec3(0, 0, 300));
    ASSERT_NE(nullptr, fighter);
    fighter->SetEntity(nullptr);
    fighter->OnRender(SL_STAGE, game.GetCamera(), game.GetRender());
    EXPECT_EQ(0u, fighter->GetAxisLines()[0].color);

    Pelloris::EntityManager::GetInstance()->AddShip(fighter, "ytg");
    const Pelloris::ShipEntity* entity = fighter->GetEntity();
    ASSERT_NE(nullptr, entity);
    fighter->OnRender(SL_FOREGROUND, game.GetCamera(), game.GetRender());
    EXPECT_EQ(0u, fighter->GetAxisLines()[0].color) << "the stage only";
    fighter->OnRender(SL_STAGE, game.GetCamera(), game.GetRender());
    const Vec3 origin = entity->GetPosition().ToVec3();
    const struct
    {
        Vec3 axis;
        uint32_t color;
    } expected[3] = {{entity->GetForward().ToVec3(), 0xFFFF0000},
                     {entity->GetUp().ToVec3(), 0xFF0000FF},
                     {entity->GetSide().ToVec3(), 0xFF00FF00}};
    for (int i = 0; i < 3; ++i)
    {
        const HelperLine& line = fighter->GetAxisLines()[i];
        EXPECT_EQ(expected[i].color, line.color) << i;
        EXPECT_EQ(origin, line.v[0]) << i;
        EXPECT_LT(line.v[1].Distance(origin + expected[i].axis * 24), 1e-3f) << i;
    }
}

// Removed near the camera, the wreck shatters into its eleven pieces, the first three flying on
// straight ahead and all leaning forward; far away it leaves none, and a fighter removed before
// it exploded has only the pieces its model has bones for.
TEST_F(YtgFighterTest, ShattersIntoPiecesNearTheCamera)
{
    struct Case
    {
        float distance;
        const char* prototype;
        bool exploded;
        unsigned pieces;
    };
    const Case cases[] = {
        {300, "ytg_fighter_02", true, 11},
        {300, "ytg_fighter_02", false, 11},
        {9000, "ytg_fighter_02", true, 0},
        {300, TestType("YtgFighter02", "blg_fighter_00.mod"), false, 0},
    };
    for (const Case& c : cases)
    {
        ShipYtgFighter02* fighter = Fighter(Vec3(0, 0, c.distance), c.prototype);
        ASSERT_NE(nullptr, fighter);
        Frame(Step);
        if (c.exploded)
            fighter->Explode();
        const Vec3 ahead = fighter->GetRoot().Dir();
        Level().DestroyActor(fighter, true);
        const std::vector<Object*> pieces = Pieces();
        ASSERT_EQ(c.pieces, pieces.size()) << c.distance << " " << c.prototype;
        // The push changes the velocity at once; the pieces' own drift comes with the frames.
        for (Object* piece : pieces)
        {
            ASSERT_NE(nullptr, piece->GetPhysEntity());
            Vec3 velocity = piece->GetPhysEntity()->GetGlobalLinearVelocity();
            ASSERT_GT(velocity.Length(), 0.0f) << piece->GetPrototype()->name;
            velocity.Normalize();
            const char letter = piece->GetPrototype()->name[15];
            EXPECT_GT(velocity.Dot(ahead), letter <= 'c' ? 0.999f : 0.94f) << piece->GetPrototype()->name;
        }
        for (Object* piece : pieces)
            Level().DestroyActor(piece, true);
    }
}

// When the mission ends, a fighter near the camera and a burning wreck beside it are removed
// without leaving anything behind: no pieces, no flash, no fire.
TEST_F(YtgFighterTest, WrecksRemovedAtTheMissionsEndLeaveNothing)
{
    ShipYtgFighter02* fighter = Fighter(Vec3(0, 0, 300));
    ASSERT_NE(nullptr, fighter);
    Object* wreck = Level().CreateObject("ytg_fighter_02_a", "wreck");
    ASSERT_NE(nullptr, wreck);
    Matrix pose = Matrix::Ident();
    pose.Translate(Vec3(0, 50, 200));
    wreck->SetPose(pose);
    Frame(Step);
    fighter->Explode();
    unsigned actorsAtShutDown = 0;
    Level().CreateActor(new Witness(actorsAtShutDown), "witness");
    const unsigned actors = Level().GetActorsCount();
    Level().ShutDown();
    EXPECT_EQ(actors, actorsAtShutDown);
}
