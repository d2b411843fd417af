// Weapons: ammunition, bursts, the firing rhythm of the two states, the energy store, mount
// bones and the shared type record.
#include <gtest/gtest.h>

#include <vector>

#include "CoreTestSupport.h"
#include "MountSupport.h"
#include "StartedMission.h"
#include "game/core/level/SingleLevel.h"
#include "game/core/states/StateMachine.h"
#include "game/world/weapons/EnergySystem.h"
#include "game/world/weapons/PlayerWeaponModels.h"
#include "game/world/weapons/WeaponLazer.h"
#include "game/world/weapons/WeaponStates.h"
#include "scene/nodes/Bone.h"

namespace {

// A laser: its shots are the bookkeeping alone, counted here.
class CountingWeapon : public WeaponLazer
{
public:
    using WeaponLazer::WeaponLazer;
    void Fire() override
    {
        ++fired;
        WeaponLazer::Fire();
    }
    int fired = 0;
};

class WeaponTest : public StartedMissionTest
{
protected:
    CountingWeapon* Mount(WeaponType& type, Actor* owner, Model* model = nullptr, int firePoints = 0)
    {
        auto* weapon = new CountingWeapon(owner, 0, model, firePoints);
        weapon->InitializeData(&type);
        Level().CreateActor(weapon, nullptr);
        return weapon;
    }
    static void Attack(Weapon* weapon) { weapon->GetStateMachine()->ChangeState(WeaponStateAttack::Instance()); }

    Owner owner;
};

} // namespace

TEST_F(WeaponTest, AmmunitionByRegimeAndBurst)
{
    struct Case
    {
        const char* name;
        float amount, regime, firePoints, amountBurst, delayBurst;
        int fired;
        int left; // negative: unlimited
    };
    // Ten frames of 0.1 s at a delay of 0.1 s: a shot is ordered each frame and fired the next.
    const Case cases[] = {
        {"unlimited salvos", -1, 0, 2, -1, 0, 9, -1},
        {"a salvo of 3 from 5 rounds", 5, 0, 3, -1, 0, 1, 2},
        {"the last full salvo of 6 rounds", 6, 0, 3, -1, 0, 2, 0},
        {"single rounds", 3, 1, 1, -1, 0, 3, 0},
        {"an uncounted regime", 3, 2, 1, -1, 0, 9, 3},
        // The first shot and every third one end a burst and cost nothing.
        {"bursts of 3", 20, 1, 1, 3, 0, 9, 14},
        // Within a burst, rounds count only once the pause since the last burst has passed.
        {"bursts of 5 after a pause", 20, 1, 1, 5, 0.15f, 9, 15},
    };
    for (const Case& c : cases)
    {
        WeaponType type = MakeWeaponType("Lazer", c.name, 0.1f);
        type.amount = c.amount;
        type.regime = c.regime;
        type.firePoints = c.firePoints;
        type.amountBurst = c.amountBurst;
        type.delayBurst = c.delayBurst;
        CountingWeapon* weapon = Mount(type, &owner);
        Attack(weapon);
        Run(1.0f, 0.1f);
        EXPECT_EQ(c.fired, weapon->fired) << c.name;
        if (c.left < 0)
        {
            EXPECT_LT(weapon->GetBulletAmount(), 0) << c.name;
        }
        else
        {
            EXPECT_EQ(c.left, weapon->GetBulletAmount()) << c.name;
        }
        Level().DestroyActor(weapon, true);
    }
}

TEST_F(WeaponTest, IdleWeaponHoldsOneShotAndFiresAtOnceThenAtItsRate)
{
    WeaponType type = MakeWeaponType("Lazer", "Gun", 0.25f);
    CountingWeapon* weapon = Mount(type, &owner);
    weapon->SetDelayCurrent(0);
    Run(2.0f, 0.05f);
    EXPECT_EQ(0.25f, weapon->GetDelayCurrent());
    Attack(weapon);
    std::vector<int> shots;
    for (int frame = 1; frame <= 17; ++frame)
    {
        const int before = weapon->fired;
        Frame(0.05f);
        if (weapon->fired > before)
            shots.push_back(frame);
    }
    // Ordered in the first frame and fired as the next one begins, then every 0.25 s.
    EXPECT_EQ(std::vector<int>({2, 7, 12, 17}), shots);
    weapon->GetStateMachine()->ChangeState(WeaponStateIdle::Instance());
    Run(1.0f, 0.05f);
    EXPECT_EQ(4, weapon->fired);
}

TEST_F(WeaponTest, DeadOwnersFireNothing)
{
    WeaponType type = MakeWeaponType("Lazer", "Gun", 0.1f);
    TestObject station;
    CountingWeapon* weapon = Mount(type, &station);
    Attack(weapon);
    Run(0.5f, 0.1f);
    EXPECT_EQ(4, weapon->fired);
    station.Kill();
    Run(0.5f, 0.1f);
    EXPECT_EQ(4, weapon->fired) << "the orders still come";
}

// An owner removes its weapons with the delete telegram; an order that was already on its way
// is not carried out.
TEST_F(WeaponTest, TheDeleteTelegramRemovesTheWeaponAndItsLastOrder)
{
    WeaponType type = MakeWeaponType("Lazer", "Gun", 0.1f);
    CountingWeapon* weapon = Mount(type, &owner);
    owner.SendMessage(MESSAGE_DELETE_ACTOR_AT_MISSION_END, weapon, 0, new MessageDeleteActor(weapon));
    weapon->SendMessage(MESSAGE_FIRE, weapon, 0, nullptr);
    Frame(0.1f);
    EXPECT_TRUE(weapon->IsDeleted());
    EXPECT_EQ(0, weapon->fired);
    EXPECT_EQ(nullptr, weapon->GetStateMachine());
}

TEST_F(WeaponTest, EnergyRefusesWhatItLacksAndRegeneratesTenASecondUpToItsMaximum)
{
    WeaponType type = MakeWeaponType("Lazer", "Gun", 0.1f);
    CountingWeapon* weapon = Mount(type, &owner);
    EnergySystem& energy = *weapon->GetEnergySystem();
    EXPECT_EQ(100.0f, energy.GetCurEnergyLevel());
    ASSERT_TRUE(energy.UseEnergy(99));
    EXPECT_FALSE(energy.UseEnergy(2.5f));
    EXPECT_FLOAT_EQ(1.0f, energy.GetCurEnergyLevel());
    Frame(0.25f);
    EXPECT_FLOAT_EQ(3.5f, energy.GetCurEnergyLevel());
    Run(20, 0.5f);
    EXPECT_EQ(100.0f, energy.GetMaxEnergyLevel());
    EXPECT_EQ(100.0f, energy.GetCurEnergyLevel());
}

TEST_F(WeaponTest, MountBonesAreFoundFromTheFirstNumberAndMissingOnesSkipped)
{
    WeaponType type = MakeWeaponType("Lazer", "Gun", 0.1f);
    type.firePoints = 3;
    Model* model = MakeMountModel(Vec3(0, 0, 0), {1, 2, 4});
    LogWatch log;
    auto* weapon = new CountingWeapon(&owner, 2, model, 0);
    weapon->InitializeData(&type);
    Level().CreateActor(weapon, nullptr);
    // "weapon_02" to "weapon_04": the third is missing.
    ASSERT_EQ(2u, weapon->GetBones().size());
    EXPECT_EQ(Vec3(2, 0, 0), weapon->GetBones()[0]->GetGlobalPos());
    EXPECT_EQ(Vec3(4, 0, 0), weapon->GetBones()[1]->GetGlobalPos());
    EXPECT_EQ(1, log.Count("weapon_03")) << log.All();
}

TEST_F(WeaponTest, FirePointsOverrideChangesTheSharedRecord)
{
    WeaponType type = MakeWeaponType("Lazer", "Gun", 0.1f);
    type.firePoints = 2;
    Model* model = MakeMountModel(Vec3(0, 0, 0), {0, 1, 2, 3});
    Mount(type, &owner, model, 4);
    EXPECT_EQ(4.0f, type.firePoints);
    CountingWeapon* other = Mount(type, &owner, model);
    EXPECT_EQ(4u, other->GetBones().size());
}

TEST(PlayerWeaponModels, ByFirePointsAndCovering)
{
    EXPECT_STREQ("player_weapons_rotation_2.mod", GetRotationWeaponModel(2));
    EXPECT_STREQ("player_weapons_rotation_1.mod", GetRotationWeaponModel(1));
    EXPECT_STREQ("player_weapons_rotation_1.mod", GetRotationWeaponModel(3));
    struct Case
    {
        const char* covering;
        const char* model;
        int firePoints;
    };
    const Case cases[] = {
        {"ui_devices_blg_covered_a", "player_weapons_primary_1_blg_0.mod", 4},
        {"UI_Devices_ASP_Covered_A", "player_weapons_primary_1_asp_0.mod", 4},
        {"ui_devices_rtb_covered_a", "player_weapons_primary_1_rtb_0.mod", 4},
        {"ui_devices_sha_covered_a", "player_weapons_primary_1_sha_0.mod", 4},
        {"ui_devices_fslk_covered_a", "player_weapons_primary_1_fslk_0.mod", 4},
        {"ui_devices_ytg_covered_a", "player_weapons_primary_1_ytg_0.mod", 4},
        {"ui_devices_ytg_covered_b", "player_weapons_primary_1_ytg_0.mod", 4},
        {"ui_devices_tld_covered_a", "player_weapons_primary_1.mod", 2},
        {nullptr, "player_weapons_primary_1.mod", 2},
    };
    for (const Case& c : cases)
    {
        EXPECT_STREQ(c.model, GetSecondPrimaryWeaponModel(c.covering)) << (c.covering ? c.covering : "none");
        EXPECT_EQ(c.firePoints, GetSecondPrimaryFirePoints(c.covering)) << (c.covering ? c.covering : "none");
    }
}
