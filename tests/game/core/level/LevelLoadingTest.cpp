// Reading a mission's files: the pacing of the level file behind the loading screen, the
// entries and their tasks, the asteroid and difficulty filters, sub-levels and the description.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <string>
#include <vector>

#include "CoreTestSupport.h"
#include "MissionFixture.h"
#include "foundation/config/GameSettings.h"
#include "game/ai/EntityManager.h"
#include "game/ai/ShipEntity.h"
#include "game/core/game/Game.h"
#include "game/core/gamedata/Base.h"
#include "game/core/level/LevelProgress.h"
#include "game/world/environment/DebrisField.h"
#include "game/world/environment/Track.h"
#include "game/world/objects/Turret.h"
#include "game/world/objects/Object.h"
#include "game/world/ships/Ship.h"
#include "game/world/weapons/Weapon.h"
#include "scene/RenderScene.h"

using Pelloris::ShipTaskRecord;

namespace {
std::string Tracks(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += Entry("obj_t" + std::to_string(i), "{ classname = \"track\" }");
    return text;
}

std::string ShipEntry(const std::string& key, const std::string& members)
{
    return Entry(key, "{ classname = \"ship\"; prototype = \"ytg_fighter_02\"; " + members + " }");
}

const ShipTaskRecord& TaskOf(const SingleLevel& level, const char* name)
{
    static const ShipTaskRecord none;
    auto* ship = static_cast<::Ship*>(level.GetActor(name));
    return ship && ship->GetEntity() ? ship->GetEntity()->GetTask() : none;
}

// The actors whose name starts so, in registry order.
std::vector<std::string> NamesStartingWith(const SingleLevel& level, const std::string& prefix)
{
    std::vector<std::string> names;
    for (unsigned i = 0; i < level.GetActorsCount(); ++i)
    {
        const std::string name = level.GetActor(i)->GetName();
        if (name.compare(0, prefix.size(), prefix) == 0)
            names.push_back(name);
    }
    return names;
}

// Restores a game setting at the end of a test.
template <class T>
class SettingScope
{
public:
    SettingScope(T& setting, T value) : _setting(setting), _saved(setting) { _setting = value; }
    ~SettingScope() { _setting = _saved; }
    void Set(T value) { _setting = value; }

private:
    T& _setting;
    T _saved;
};

using LevelLoadingTest = MissionFixture;
} // namespace

// Eight members a frame, whether or not a member is an entry; the end is noticed by the frame
// that finds no member left.
TEST_F(LevelLoadingTest, LevelFileIsReadEightMembersAFrame)
{
    struct Case
    {
        int members;
        std::vector<unsigned> tracksAfterFrame;
        int loadedInFrame;
    };
    const Case cases[] = {{20, {8, 16, 20}, 3}, {16, {8, 16, 16}, 3}, {0, {0}, 1}};
    for (const Case& test : cases)
    {
        Start(Tracks(test.members));
        EXPECT_FALSE(level.IsLoaded());
        for (size_t frame = 0; frame < test.tracksAfterFrame.size(); ++frame)
        {
            Frame(0.1f);
            EXPECT_EQ(test.tracksAfterFrame[frame], level.GetTracksCount())
                << test.members << " members, frame " << frame + 1;
            EXPECT_EQ(int(frame) + 1 >= test.loadedInFrame, level.IsLoaded())
                << test.members << " members, frame " << frame + 1;
        }
        level.ShutDown();
    }
}

// Each frame adds 8 members' share; the screen is told only when the whole per cent grows:
// with 1000 members every frame, with 3000 every fourth.
TEST_F(LevelLoadingTest, LoadingScreenIsToldWhenTheWholePercentGrows)
{
    struct Case
    {
        int members;
        std::vector<float> shown; // after each frame
    };
    const Case cases[] = {{1000, {0.008f, 0.016f, 0.024f}}, {3000, {0.002667f, 0.002667f, 0.002667f, 0.010667f}}};
    for (const Case& test : cases)
    {
        std::string text;
        char key[16];
        for (int i = 0; i < test.members; ++i)
        {
            std::snprintf(key, sizeof key, "m%04d", i);
            text += Entry(key, "1");
        }
        Start(text);
        for (size_t frame = 0; frame < test.shown.size(); ++frame)
        {
            Frame(0.1f);
            EXPECT_NEAR(test.shown[frame], level.GetProgressScreen()->GetProgress(), 1e-5f)
                << test.members << " members, frame " << frame + 1;
        }
        level.ShutDown();
    }
}

TEST(LevelProgress, ProgressIsAFractionHeldBetweenZeroAndOne)
{
    const float cases[][2] = {{150, 1}, {-5, 0}, {37.5f, 0.375f}, {0, 0}};
    for (const auto& test : cases)
    {
        LevelProgress screen;
        screen.SetProgress(test[0]);
        EXPECT_FLOAT_EQ(test[1], screen.GetProgress()) << test[0];
    }
}

TEST_F(LevelLoadingTest, ShipTasksAreReadByType)
{
    Start(ShipEntry("obj_a", "name = \"reach\"; task = { type = \"reach_the_point\"; x = 1; y = 2; z = 3 }") +
          ShipEntry("obj_b", "name = \"attack\"; task = { type = \"attack_the_target\"; target = \"reach\" }") +
          ShipEntry("obj_c", "name = \"follow\"; task = { type = \"follow_the_leader\"; target = \"attack\" }") +
          ShipEntry("obj_d", "name = \"area\"; task = { type = \"patrol_the_area\"; xmin = -1; ymin = -2; zmin = -3; "
                             "xmax = 1; ymax = 2; zmax = 3 }") +
          ShipEntry("obj_e", "name = \"stay\"; task = { type = \"stay_on_track\"; target = \"t\"; looped = \"1\"; "
                             "radius = \"40.5\" }") +
          ShipEntry("obj_f", "name = \"stay_bare\"; task = { type = \"stay_on_track\"; target = \"t\" }") +
          ShipEntry("obj_g", "name = \"patrol\"; task = { type = \"patrol_the_track\"; target = \"t\"; radius = 7; "
                             "disengage_distance = 9 }") +
          ShipEntry("obj_h",
                    "name = \"escort\"; task = { type = \"escort_the_target\"; target = \"reach\"; radius = 50 }") +
          ShipEntry("obj_i", "name = \"escort_default\"; task = { type = \"escort_the_target\"; target = \"reach\" }") +
          ShipEntry("obj_j", "name = \"odd\"; task = { type = \"dance\"; target = \"reach\" }") +
          ShipEntry("obj_k", "name = \"idle\""));
    ASSERT_TRUE(FinishLoading());

    struct Case
    {
        const char* ship;
        Pelloris::eTaskKind kind;
        const char* target;
        Vec3 params;
    };
    const Case cases[] = {
        {"reach", Pelloris::TASK_REACH_THE_POINT, "", Vec3(1, 3, 2)},
        {"attack", Pelloris::TASK_ATTACK_THE_TARGET, "reach", Vec3(0, 0, 0)},
        {"follow", Pelloris::TASK_FOLLOW_THE_LEADER, "attack", Vec3(0, 0, 0)},
        {"area", Pelloris::TASK_PATROL_THE_AREA, "", Vec3(0, 0, 0)},
        {"stay", Pelloris::TASK_STAY_ON_TRACK, "t", Vec3(1, 40.5f, 0)},
        {"stay_bare", Pelloris::TASK_STAY_ON_TRACK, "t", Vec3(0, 0, 0)},
        {"patrol", Pelloris::TASK_PATROL_THE_TRACK, "t", Vec3(7, 9, 0)},
        {"escort", Pelloris::TASK_ESCORT_THE_TARGET, "reach", Vec3(50, 0, 0)},
        {"escort_default", Pelloris::TASK_ESCORT_THE_TARGET, "reach", Vec3(600, 0, 0)}, // the type's supportRange
        {"odd", Pelloris::TASK_NONE, "", Vec3(0, 0, 0)},
        {"idle", Pelloris::TASK_NONE, "", Vec3(0, 0, 0)},
    };
    for (const Case& test : cases)
    {
        const ShipTaskRecord& task = TaskOf(level, test.ship);
        EXPECT_EQ(test.kind, task.kind) << test.ship;
        EXPECT_STREQ(test.target, task.targetName) << test.ship;
        EXPECT_FLOAT_EQ(test.params.x, task.params.x) << test.ship;
        EXPECT_FLOAT_EQ(test.params.y, task.params.y) << test.ship;
        EXPECT_FLOAT_EQ(test.params.z, task.params.z) << test.ship;
    }
    const ShipTaskRecord& area = TaskOf(level, "area");
    EXPECT_FLOAT_EQ(-3, area.area.min.y); // zmin
    EXPECT_FLOAT_EQ(2, area.area.max.z);  // ymax
}

TEST_F(LevelLoadingTest, ShipEntryPlacesTheShipInItsFraction)
{
    LogWatch log;
    Start(ShipEntry("obj_a", "name = \"a\"; fraction = \"blg\"; turrets = 1; position = { x = 5; y = 6 }; "
                             "dir = { x = 1; z = 0 }") +
          ShipEntry("obj_b", "name = \"b\"; fraction = \"pirates\"") + ShipEntry("obj_c", "name = \"c\"") +
          Entry("obj_d", "{ classname = \"ship\"; name = \"no_prototype\" }") +
          Entry("obj_e", "{ classname = \"Ship\"; prototype = \"ytg_fighter_02\"; name = \"wrong_case\" }"));
    ASSERT_TRUE(FinishLoading());
    auto* a = static_cast<::Ship*>(level.GetActor("a"));
    ASSERT_NE(a, nullptr);
    EXPECT_STREQ("blg", a->GetEntity()->GetFraction());
    EXPECT_TRUE(a->IsTurretsEnable());
    EXPECT_FLOAT_EQ(5, a->GetRoot().Pos().x);
    EXPECT_FLOAT_EQ(6, a->GetRoot().Pos().y);
    EXPECT_NEAR(1, a->GetRoot().Dir().x, 1e-5f);
    // The entity keeps the name it was given; the ship fights for "default".
    auto* b = static_cast<::Ship*>(level.GetActor("b"));
    EXPECT_STREQ("pirates", b->GetEntity()->GetFraction());
    EXPECT_TRUE(Pelloris::EntityManager::GetInstance()->GetFractionByName("default")->HasShip(b));
    EXPECT_STREQ("default", static_cast<::Ship*>(level.GetActor("c"))->GetEntity()->GetFraction());
    EXPECT_FALSE(static_cast<::Ship*>(level.GetActor("c"))->IsTurretsEnable());
    EXPECT_EQ(nullptr, level.GetActor("no_prototype"));
    EXPECT_EQ(nullptr, level.GetActor("wrong_case"));
    EXPECT_EQ(1, log.Count("Failed to create ship by prototype \"\""));
    const Pelloris::EntityManager* manager = Pelloris::EntityManager::GetInstance();
    EXPECT_EQ(3u, manager->allShips().size() - (manager->GetPlayerEntity() ? 1 : 0));
}

TEST_F(LevelLoadingTest, WithTheAiOffShipsGetNoEntity)
{
    level.SetDisableAI(true);
    Start(ShipEntry("obj_a", "name = \"a\"; task = { type = \"attack_the_target\"; target = \"x\" }"));
    ASSERT_TRUE(FinishLoading());
    EXPECT_EQ(nullptr, static_cast<::Ship*>(level.GetActor("a"))->GetEntity());
}

TEST_F(LevelLoadingTest, ObjectTrackAndDebrisEntries)
{
    LogWatch log;
    Start(Entry("obj_rock", "{ classname = \"object\"; prototype = \"ast_l_a\"; name = \"rock\"; "
                            "position = { x = 10; y = 20; z = 30 } }") +
          Entry("obj_rock_b", "{ classname = \"object\"; prototype = \"ast_l_b\" }") +
          Entry("obj_nothing", "{ classname = \"object\"; name = \"no_prototype\" }") +
          Entry("obj_unknown", "{ classname = \"object\"; prototype = \"no_such_object\" }") +
          Entry("obj_t1", "{ classname = \"track\"; name = \"fast\"; speed = \"150\"; "
                          "Point2 = { i = 2; x = 2 }; Point0 = { i = 0; x = 0 }; Point1 = { i = 1; x = 1 } }") +
          Entry("obj_t2", "{ classname = \"track\"; name = \"number\"; speed = 150 }") +
          Entry("obj_t3", "{ classname = \"track\" }") +
          Entry("obj_d1", "{ classname = \"debris\"; type = \"ice\"; radius = 100; number = 12; "
                          "position = { x = 1 } }") +
          Entry("obj_d2", "{ classname = \"debris\"; type = \"crystal\" }") +
          Entry("obj_d3", "{ classname = \"debris\"; radius = 100 }"));
    ASSERT_TRUE(FinishLoading());

    Actor* rock = level.GetActor("rock");
    ASSERT_NE(rock, nullptr);
    EXPECT_FLOAT_EQ(30, rock->GetRoot().Pos().z);
    ASSERT_EQ(2u, level.GetObstacleCount());
    std::vector<float> radii = {level.GetObstacle(0)->radius, level.GetObstacle(1)->radius};
    std::sort(radii.begin(), radii.end());
    EXPECT_EQ(std::vector<float>({1500, 2400}), radii);
    EXPECT_EQ(2u, level.GetActorCountByClassname("Object"));
    EXPECT_EQ(1, log.Count("no object type \"no_such_object\""));

    const Track* fast = level.GetTrackByName(Name("fast"));
    ASSERT_NE(fast, nullptr);
    EXPECT_FLOAT_EQ(150, fast->GetConstrainedSpeed());
    ASSERT_EQ(3u, fast->GetPointCount());
    for (unsigned i = 0; i < 3; ++i)
        EXPECT_FLOAT_EQ(float(i), fast->GetPoint(i).position.x);
    EXPECT_LT(level.GetTrackByName(Name("number"))->GetConstrainedSpeed(), 0);
    EXPECT_NE(level.GetTrackByName(Name("(no_name)")), nullptr);

    ASSERT_EQ(2u, level.GetActorCountByClassname("DebrisField"));
    auto* ice = static_cast<DebrisField*>(level.GetActorByClassname("DebrisField", 0));
    auto* crystal = static_cast<DebrisField*>(level.GetActorByClassname("DebrisField", 1));
    if (ice->GetKind() != DEBRIS_ICE)
        std::swap(ice, crystal);
    EXPECT_EQ(DEBRIS_ICE, ice->GetKind());
    EXPECT_FLOAT_EQ(100, ice->GetRadius());
    EXPECT_EQ(12, ice->GetNumber());
    EXPECT_EQ(DEBRIS_ROCK, crystal->GetKind()); // "crystal" belongs to descriptions only
}

// Only every third medium asteroid is placed (in the order the level table gives them), counted
// on into a sub-level; a setting below 1 places every one.
TEST_F(LevelLoadingTest, AsteroidsAreThinnedOutAcrossSubLevels)
{
    SettingScope<float> asteroids(game.GetGameSettings()->Asteroids, 3.0f);
    auto Asteroids = [](int first, int last) {
        std::string text;
        for (int i = first; i <= last; ++i)
            text += Entry("obj_a" + std::to_string(i),
                          "{ classname = \"object\"; prototype = \"ast_m_a\"; name = \"a" + std::to_string(i) + "\" }");
        return text;
    };
    Start(Asteroids(1, 7));
    ASSERT_TRUE(FinishLoading());
    EXPECT_EQ(2u, NamesStartingWith(level, "a").size());
    // The eighth and ninth: the ninth is placed.
    _game->Data().WriteLevel("sub.lua", Asteroids(8, 9));
    level.LoadSubLevel("sub.lua");
    EXPECT_EQ(3u, NamesStartingWith(level, "a").size());
    level.ShutDown();

    asteroids.Set(0.5f);
    Start(Asteroids(1, 3));
    ASSERT_TRUE(FinishLoading());
    EXPECT_EQ(3u, NamesStartingWith(level, "a").size());
}

TEST_F(LevelLoadingTest, MainDifficultyHoldsShipsBackButNotShipParts)
{
    SettingScope<int> difficulty(game.GetGameSettings()->Difficulty, 1);
    const std::string text = ShipEntry("obj_a", "name = \"hard\"; mainDifficulty = 2") +
                             ShipEntry("obj_b", "name = \"any\"") +
                             Entry("obj_c", "{ classname = \"ship\"; shippart = \"demo_ship.mod\"; "
                                            "mainDifficulty = 3 }");
    const struct
    {
        int difficulty;
        bool hard;
    } cases[] = {{1, false}, {2, true}, {3, true}};
    for (const auto& test : cases)
    {
        difficulty.Set(test.difficulty);
        Start(text);
        ASSERT_TRUE(FinishLoading());
        EXPECT_EQ(test.hard, level.GetActor("hard") != nullptr) << "difficulty " << test.difficulty;
        EXPECT_NE(nullptr, level.GetActor("any")) << "difficulty " << test.difficulty;
        EXPECT_EQ(1u, level.GetActorCountByClassname("ShipPart")) << "difficulty " << test.difficulty;
        level.ShutDown();
    }
}

TEST_F(LevelLoadingTest, DescriptionMakesTheBackgroundAndTheDebrisKind)
{
    struct Case
    {
        const char* debrisType;
        eDebrisType debris;
    };
    const Case cases[] = {{"rock", DEBRIS_ROCK},       {"ice", DEBRIS_ICE},  {"lava", DEBRIS_LAVA},
                          {"crystal", DEBRIS_CRYSTAL}, {"ytg", DEBRIS_ROCK}, {"sand", DEBRIS_ROCK}};
    for (const Case& test : cases)
    {
        Start("", std::string("LevelDesc.Background = { env = \"sky/arrdra.mat\"; debrisType = \"") + test.debrisType +
                      "\" };\n");
        EXPECT_EQ(1u, level.GetActorCountByClassname("Background")) << test.debrisType;
        EXPECT_EQ(test.debris, level.GetDebrisType()) << test.debrisType;
        level.ShutDown();
    }
    Start("", "LevelDesc = nil\n");
    EXPECT_EQ(0u, level.GetActorCountByClassname("Background"));
    EXPECT_EQ(DEBRIS_ROCK, level.GetDebrisType());
}

// Sun tables fill what they lack: no colour of their own and a power of 1. A full table comes
// first, so a missing member cannot pass for it.
TEST_F(LevelLoadingTest, SunTablesFillWhatTheyLack)
{
    RenderScene* scene = game.GetRenderScene();
    ASSERT_NE(scene, nullptr);
    struct Case
    {
        const char* table;
        Color colour;
        float power;
    };
    const Case cases[] = {{"{ r = 0.5; g = 0.25; b = 1; power = 2 }", Color(0.5f, 0.25f, 1), 2},
                          {"{}", Color(0, 0, 0), 1},
                          {"{ g = 0.5 }", Color(0, 0.5f, 0), 1},
                          {"{ power = 3 }", Color(0, 0, 0), 3}};
    for (const Case& test : cases)
    {
        const std::string sun = test.table;
        Start("", "LevelDesc.Background = { env = \"sky/arrdra.mat\"; sunAmbient = " + sun + "; sunDiffuse = " + sun +
                      "; sunSpecular = " + sun + " };\n");
        const struct
        {
            Color colour;
            float power;
        } read[] = {{scene->GetSunAmbient(0), scene->GetSunAmbientPower(0)},
                    {scene->GetSunDiffuse(0), scene->GetSunDiffusePower(0)},
                    {scene->GetSunSpecular(0), scene->GetSunSpecularPower(0)}};
        for (const auto& got : read)
        {
            EXPECT_FLOAT_EQ(test.colour.r, got.colour.r) << test.table;
            EXPECT_FLOAT_EQ(test.colour.g, got.colour.g) << test.table;
            EXPECT_FLOAT_EQ(test.colour.b, got.colour.b) << test.table;
            EXPECT_FLOAT_EQ(test.power, got.power) << test.table;
        }
        level.ShutDown();
    }
}

// A weapon or turret type the game data lacks, or a weapon of a class no factory makes, gives no
// actor and a logged line; the ship that asked keeps an empty slot and the mission runs on.
TEST_F(LevelLoadingTest, UnknownWeaponTypesGiveNoActorAndALoggedLine)
{
    WeaponType* blaster = game.GetBase()->GetWeaponByName("Blaster00");
    ASSERT_NE(blaster, nullptr);
    struct ClassnameScope
    {
        WeaponType* type;
        std::string saved = type->classname;
        ~ClassnameScope() { std::snprintf(type->classname, sizeof type->classname, "%s", saved.c_str()); }
    } scope{blaster};
    std::snprintf(blaster->classname, sizeof blaster->classname, "Beam");
    LogWatch log;
    Start(ShipEntry("obj_a", "name = \"a\""));
    ASSERT_TRUE(FinishLoading());
    auto* ship = static_cast<::Ship*>(level.GetActor("a"));
    ASSERT_NE(ship, nullptr);
    EXPECT_EQ(nullptr, ship->GetWeapon(0));
    EXPECT_EQ(1, log.Count("weapon \"Blaster00\" has the unknown class \"Beam\""));

    const unsigned actors = level.GetActorsCount();
    struct Case
    {
        const char* name;
        bool turret;
        const char* logged;
    };
    const Case cases[] = {{"no_such_weapon", false, "no weapon type \"no_such_weapon\""},
                          {nullptr, false, "no weapon type \"\""},
                          {"no_such_weapon", true, "no weapon type \"no_such_weapon\" for a turret"},
                          {nullptr, true, "no weapon type \"\" for a turret"}};
    for (const Case& test : cases)
    {
        LogWatch made;
        const Actor* actor = test.turret ? static_cast<Actor*>(level.CreateTurret(test.name, nullptr, ship))
                                         : static_cast<Actor*>(level.CreateWeapon(test.name, ship, 0, nullptr, 0));
        EXPECT_EQ(nullptr, actor) << test.logged;
        EXPECT_EQ(1, made.Count(test.logged)) << made.All();
    }
    EXPECT_EQ(actors, level.GetActorsCount());
    for (int frame = 0; frame < 10; ++frame)
        Frame(0.1f);
    EXPECT_EQ(ship, level.GetActor("a"));
}

// A mission whose level file cannot be run cannot be played: the game ends with status -1.
TEST_F(LevelLoadingTest, LevelFileThatCannotRunEndsTheMission)
{
    LogWatch log;
    Start("Level.obj = {", "LevelDesc.Background = { env = \"space\" }");
    EXPECT_TRUE(level.IsFailed());
    EXPECT_FALSE(level.IsExist());
    EXPECT_EQ(level.GetActorsCount(), 0u) << "the description's background goes too";
    EXPECT_EQ(level.GetPlayer(), nullptr);
    EXPECT_EQ(log.Count("\"levels\\test.lua\" does not load; the mission ends"), 1) << log.All();
}

TEST_F(LevelLoadingTest, LongNamesAreRefusedWithAnError)
{
    LogWatch log;
    const std::string name(200, 'x');
    level.LoadLevel(name.c_str(), "d.lua", "l.lua");
    EXPECT_EQ(1, log.Errors());
    EXPECT_STREQ("", level.GetLevelFile());
}
