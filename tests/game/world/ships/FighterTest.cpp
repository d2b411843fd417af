// Fighters and ship parts made in a running mission: the body each kind gets, the controller's
// limits, the sensor sphere around a fighter, and parts that yield nothing.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "WorldTestSupport.h"
#include "game/core/gamedata/TypeRecords.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/ships/DynamicShipController.h"
#include "game/world/ships/Fighter.h"
#include "game/world/ships/ShipPart.h"
#include "services/physics/PhysicsActor.h"
#include "services/physics/shim/NxShape.h"

namespace {

// A fighter that notes what its sensor sphere reports, by the other fighter's name.
class SensingFighter : public Fighter
{
public:
    void OnTriggerEnter(PhysicsActorEventListener& other, NxShape& own, NxShape& shape) override
    {
        Note("enter", other);
        Fighter::OnTriggerEnter(other, own, shape);
    }
    void OnTriggerStay(PhysicsActorEventListener& other, NxShape& own, NxShape& shape) override
    {
        Note("stay", other);
        Fighter::OnTriggerStay(other, own, shape);
    }
    void OnTriggerLeave(PhysicsActorEventListener& other, NxShape& own, NxShape& shape) override
    {
        Note("leave", other);
        Fighter::OnTriggerLeave(other, own, shape);
    }
    // The kinds of report in order, repeats collapsed.
    std::vector<std::string> reports;

private:
    void Note(const char* what, PhysicsActorEventListener& other)
    {
        const auto* actor = dynamic_cast<const Actor*>(&other);
        const std::string report = std::string(what) + " " + (actor ? actor->GetName() : "?");
        if (reports.empty() || reports.back() != report)
            reports.push_back(report);
    }
};

class FighterTest : public testing::Test
{
protected:
    FighterTest()
    {
        std::snprintf(type.name, sizeof(type.name), "ytg_fighter_02");
        type.speed = 250;
        type.acceleration = 40;
        type.dumping = 20;
        type.speedAng = 90;
        type.accelerationAng = 45;
        type.dumpingAng = 20;
    }
    template <class Class>
    Class* Add(const char* name)
    {
        auto* ship = new Class();
        ship->InitializeData(&type);
        mission.Level().CreateActor(ship, name);
        return ship;
    }
    static void Place(Ship& ship, const Vec3& position)
    {
        Matrix pose = Matrix::Ident();
        pose.Translate(position);
        ship.SetPose(pose);
    }

    TestMission mission;
    ShipType type;
};

TEST_F(FighterTest, ThePlayersTypeGetsTheBareHullAndEveryOtherTheSensorSphereToo)
{
    const struct
    {
        const char* typeName;
        unsigned shapes;
    } cases[] = {{"Player", 1}, {"player", 2}, {"ytg_fighter_02", 2}};
    for (const auto& c : cases)
    {
        std::snprintf(type.name, sizeof(type.name), "%s", c.typeName);
        Fighter* fighter = Add<Fighter>(nullptr);
        ASSERT_NE(fighter->GetPhysEntity(), nullptr) << c.typeName;
        EXPECT_EQ(fighter->GetPhysEntity()->getNbShapes(), c.shapes) << c.typeName;
        ASSERT_NE(fighter->GetController(), nullptr);
        EXPECT_EQ(fighter->GetPhysEntity()->GetController(), fighter->GetController());
    }
}

TEST_F(FighterTest, ControllerLimitsComeFromTheTypeButThePlayersShipKeepsTheDefaults)
{
    const Fighter* fighter = Add<Fighter>("fighter");
    const DynamicShipController* controller = fighter->GetController();
    const float angular = 90 * 0.017453f;
    EXPECT_FLOAT_EQ(controller->GetLinMax().z, 250);
    EXPECT_FLOAT_EQ(controller->GetAngMax().y, angular);
    EXPECT_FLOAT_EQ(controller->GetLinAcc().x, 40);
    EXPECT_FLOAT_EQ(controller->GetLinDmp().y, 20);
    EXPECT_FLOAT_EQ(controller->GetAngAcc().z, 45 * 0.017453f);
    EXPECT_FLOAT_EQ(controller->GetAngDmp().x, 20 * 0.017453f);

    const PlayerShip* player = Add<PlayerShip>("player");
    ASSERT_NE(player->GetController(), nullptr);
    for (const Vec3& limit : {player->GetController()->GetLinMax(), player->GetController()->GetAngMax(),
                              player->GetController()->GetLinDmp(), player->GetController()->GetAngAcc()})
        EXPECT_EQ(limit.LengthSquared(), 0.0f);
}

TEST_F(FighterTest, AFighterFlyingThroughAnothersSensorSphereEntersStaysAndLeaves)
{
    auto* watcher = Add<SensingFighter>("watcher");
    Fighter* visitor = Add<Fighter>("visitor");
    Place(*visitor, Vec3(300, 50, 0));
    for (float x = 300; x > -300; x -= 20)
    {
        Place(*visitor, Vec3(x, 50, 0));
        mission.Frame(1.0f / 60);
    }
    const std::vector<std::string> expected = {"enter visitor", "stay visitor", "leave visitor"};
    EXPECT_EQ(watcher->reports, expected);
    // The hulls themselves keep the fighters on the stage where they are put.
    EXPECT_NEAR(watcher->GetPosition().Length(), 0, 1e-3f);
}

TEST_F(FighterTest, APartMadeFromAModelWithoutPartsRemovesItself)
{
    auto* part = new ShipPart();
    part->InitializeData(&type);
    part->InitByModel(nullptr);
    mission.Level().CreateActor(part, "piece");
    EXPECT_TRUE(part->IsMadeFromModel());
    EXPECT_LT(part->GetLifetime(), 0);
    mission.Frame(1.0f / 60);
    EXPECT_EQ(mission.Level().GetActor("piece"), nullptr);
}

} // namespace

namespace {

// Without the game data there is no type "Player": the mission runs without the player's ship.
TEST(PlayerWithoutShip, AMissionWhoseDataMakesNoPlayersShipRunsWithoutOne)
{
    TestMission mission;
    Player* player = mission.Level().GetPlayer();
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(player->GetShip(), nullptr);
    player->ShakeCamera(5);
    player->SwitchPrimary();
    player->SwitchSecondary();
    player->PickNearestTarget();
    player->SetViewMode(VIEW_MODE_OUTSIDE);
    for (int frame = 0; frame < 5; ++frame)
        mission.Frame(1.0f / 60);
    EXPECT_NEAR(player->GetShake(), 5 - 5 * 10.0f / 60, 1e-3f);
}

} // namespace
