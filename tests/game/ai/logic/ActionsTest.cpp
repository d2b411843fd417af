// The actions on a running mission: global targets of a destroy task, ships blown up and given
// new tasks, voice lines through the limiter's channel, music by difficulty, sub-levels.
#include "LogicMission.h"

#include "foundation/config/GameSettings.h"
#include "game/ai/LevelLogic.h"
#include "game/ai/ShipEntity.h"
#include "game/ai/logic/ShipActions.h"
#include "game/ai/logic/SoundActions.h"
#include "game/core/FixedText.h"
#include "game/core/game/Game.h"
#include "game/core/level/SingleLevel.h"
#include "game/world/actor/Limiter.h"
#include "game/world/ships/Ship.h"
#include "services/sound/SoundEngine.h"

namespace {

// Disabled triggers of one action each, for the test to run.
std::string Actions(const std::vector<std::string>& bodies)
{
    std::string logic;
    for (size_t i = 0; i < bodies.size(); ++i)
        logic += "LevelLogic.Trigger" + std::to_string(i) + " = { name = \"a" + std::to_string(i) +
                 "\"; Action00 = { isEnable = 1; " + bodies[i] + " } };\n";
    return logic;
}

class ActionsTest : public LogicMission
{
protected:
    void Run(int trigger) { TriggerAt(trigger).GetAction(0)->Do(); }
};

TEST_F(ActionsTest, ADestroyTaskMarksTheNearestActorOrEveryOneOfItsClass)
{
    StartLogic(Entry("obj_player", "{ classname = \"player\"; position = { x = 0; y = 0; z = 0 } }") +
                   FighterEntry("f0", Vec3(0, 0, 300)) + FighterEntry("f1", Vec3(0, 0, 100)) +
                   FighterEntry("f2", Vec3(0, 0, -200)) + ObjectEntry("portal", "ytg_portal_03", Vec3(0, 0, 900)),
               Actions({
                   R"(type = "actionShowDestroyTask"; index = -1; classname = "ShipYtgFighter02"; big = 0;
                      arrow = 1)",
                   R"(type = "actionShowDestroyTask"; index = -1; classname = "ShipYtgFighter02"; nearest = 0;
                      arrow = 1)",
                   R"(type = "actionShowDestroyTask"; index = -1; classname = "YtgPortal03")",
               }));
    Frame(); // the ships' models follow their bodies
    Logic().RemoveAllGlobalTargets();
    Run(0);
    ASSERT_EQ(Logic().GetGlobalTargetCount(), 1u);
    const GlobalLevelTarget& nearest = *Logic().GetGlobalTarget(0);
    EXPECT_EQ(nearest.actor.Get(), Named("f1"));
    EXPECT_EQ(nearest.position, Named("f1")->GetPosition());
    EXPECT_FALSE(nearest.big);
    EXPECT_TRUE(nearest.arrow);
    EXPECT_EQ(nearest.color.r, 1);
    EXPECT_STREQ(nearest.kind, "unknown_target");

    Logic().RemoveAllGlobalTargets();
    Run(1);
    ASSERT_EQ(Logic().GetGlobalTargetCount(), 3u);
    for (unsigned i = 0; i < 3; ++i)
    {
        const GlobalLevelTarget& target = *Logic().GetGlobalTarget(i);
        EXPECT_EQ(target.position, target.actor.Get()->GetPosition());
        EXPECT_TRUE(target.big);
        EXPECT_FALSE(target.arrow) << "only the nearest gets an arrow";
    }

    Logic().RemoveAllGlobalTargets();
    Run(2);
    ASSERT_EQ(Logic().GetGlobalTargetCount(), 1u);
    const Color& portal = Logic().GetGlobalTarget(0)->color;
    EXPECT_EQ(std::vector<float>({portal.r, portal.g, portal.b, portal.a}), std::vector<float>({0, 1, 0, 1}));
}

TEST_F(ActionsTest, GlobalTargetsLastOneFrame)
{
    StartLogic(FighterEntry("f0", Vec3(0, 0, 300)) + FighterEntry("f1", Vec3(0, 0, 100)),
               R"(LevelLogic.Trigger00 = { name = "every frame"; isOnce = 0; isEnable = 1;
                      Action00 = { type = "actionShowDestroyTask"; isEnable = 1; index = -1;
                                   classname = "ShipYtgFighter02"; nearest = 0 } };
                  LevelLogic.Trigger01 = { name = "once"; isEnable = 1;
                      Action00 = { type = "actionShowDestroyTask"; isEnable = 1; index = -1;
                                   classname = "ShipYtgFighter02" } };)");
    Frame();
    EXPECT_EQ(Logic().GetGlobalTargetCount(), 3u);
    Frame();
    EXPECT_EQ(Logic().GetGlobalTargetCount(), 2u);
}

TEST_F(ActionsTest, OnlyShipsAreBlownUp)
{
    StartLogic(FighterEntry("f0", Vec3(0, 0, 300)) + ObjectEntry("rock", "ast_m_a", Vec3(0, 0, 900)),
               Actions({
                   R"(type = "actionEnableDisableShip"; shipName = "f0")",
                   R"(type = "actionEnableDisableShip"; shipName = "rock")",
                   R"(type = "actionEnableDisableShip"; shipName = "nobody")",
               }));
    for (int i = 0; i < 3; ++i)
        Run(i);
    EXPECT_TRUE(ShipNamed("f0")->IsDead());
    EXPECT_FALSE(Named("rock")->IsDeleted());
}

TEST_F(ActionsTest, ATaskActionStartsThatTaskOfTheShipsAI)
{
    StartLogic(FighterEntry("f0", Vec3(0, 0, 300)) + FighterEntry("f1", Vec3(0, 0, 100)) +
                   Entry("obj_way", R"({ classname = "track"; name = "way";
                       Point00 = { i = 0; x = 0; y = 0; z = 0 }; Point01 = { i = 1; x = 0; y = 0; z = 1000 } })"),
               Actions({
                   R"(type = "actionShipChangeTask"; shipName = "f0"; taskType = "attack_the_target"; target = "f1")",
                   R"(type = "actionShipChangeTask"; shipName = "f0"; taskType = "follow_the_leader"; target = "f1")",
                   R"(type = "actionShipChangeTask"; shipName = "F0"; taskType = "idle")",
                   R"(type = "actionShipChangeTask"; shipName = "f0"; taskType = "reach_the_point"; x = 1; z = 2;
                      y = 3)",
                   R"(type = "actionShipChangeTask"; shipName = "f0"; taskType = "patrol_the_area"; xmin = 1;
                      zmin = 2; ymin = 3; xmax = 4; zmax = 5; ymax = 6)",
                   R"(type = "actionShipChangeTask"; shipName = "f0"; taskType = "stay_on_track"; target = "way";
                      looped = 1; radius = 7)",
                   R"(type = "actionShipChangeTask"; shipName = "f0"; taskType = "patrol_the_track"; target = "way";
                      radius = 7; disengage_distance = 8)",
                   R"(type = "actionShipChangeTask"; shipName = "f0"; taskType = "escort_the_target"; target = "f1";
                      radius = 9)",
                   R"(type = "actionShipChangeTask"; shipName = "f0"; taskType = "idle")",
               }));
    const Pelloris::ShipEntity& entity = *ShipNamed("f0")->GetEntity();
    Ship* f1 = ShipNamed("f1");
    Run(0);
    EXPECT_EQ(entity.GetMode(), Pelloris::MODE_ATTACK);
    EXPECT_EQ(entity.GetTarget(), f1);
    Run(1);
    EXPECT_EQ(entity.GetMode(), Pelloris::MODE_FOLLOW_LEADER);
    EXPECT_EQ(entity.GetLeader(), f1);
    Run(2);
    EXPECT_EQ(entity.GetMode(), Pelloris::MODE_FOLLOW_LEADER) << "\"F0\" names no ship";
    Run(3);
    EXPECT_EQ(entity.GetMode(), Pelloris::MODE_MOVE_TO_POINT);
    EXPECT_EQ(entity.GetTargetPoint(), Vec3(1, 2, 3)) << "the file's z is the second component";
    Run(4);
    EXPECT_EQ(entity.GetMode(), Pelloris::MODE_PATROL_AREA);
    EXPECT_TRUE(entity.GetWanderPoint() >= Vec3(1, 2, 3) && entity.GetWanderPoint() <= Vec3(4, 5, 6));
    Run(5);
    EXPECT_EQ(entity.GetMode(), Pelloris::MODE_STAY_ON_PATH);
    ASSERT_NE(entity.GetPath(), nullptr);
    EXPECT_TRUE(entity.GetPath()->IsCyclic());
    EXPECT_EQ(entity.GetPath()->GetRadius(), 7);
    Run(6);
    EXPECT_EQ(entity.GetMode(), Pelloris::MODE_PATROL_PATH);
    EXPECT_FALSE(entity.GetPath()->IsCyclic());
    EXPECT_EQ(entity.GetPath()->GetRadius(), 7);
    EXPECT_EQ(entity.GetDisengageDistance(), 8);
    Run(7);
    EXPECT_EQ(entity.GetMode(), Pelloris::MODE_ESCORT);
    EXPECT_EQ(entity.GetEscortTarget(), f1);
    EXPECT_EQ(entity.GetEscortRadius(), 9);
    Run(8);
    EXPECT_EQ(entity.GetMode(), Pelloris::MODE_IDLE);
    ShipNamed("f0")->Explode();
    Run(0);
    EXPECT_EQ(entity.GetMode(), Pelloris::MODE_IDLE) << "a dead ship takes no task";
}

TEST_F(ActionsTest, TheFirstTaskGivenWinsAndShipsWithoutAIAreLeftAlone)
{
    level.SetDisableAI(true);
    StartLogic(FighterEntry("f0", Vec3(0, 0, 300)) + FighterEntry("f1", Vec3(0, 0, 100)),
               Actions({R"(type = "actionShipChangeTask"; shipName = "f0"; taskType = "idle")"}));
    ASSERT_EQ(ShipNamed("f0")->GetEntity(), nullptr);
    Run(0);

    ActionShipChangeTask action;
    action.Initialize_ReachThePoint("f0", Vec3(1, 2, 3));
    action.Initialize_AttackTheTarget("f1", "f0");
    EXPECT_EQ(action.GetTask(), ActionShipChangeTask::TASK_REACH_THE_POINT);
    EXPECT_EQ(action.GetShip(), Named("f0"));
}

TEST_F(ActionsTest, AVoiceLineWithThePriorityCheckWaitsForTheChannel)
{
    CopyFixedText(game.GetGameSettings()->Language, "en");
    *game.GetLimiter() = Limiter();
    StartLogic("", Actions({
                       R"(type = "actionPlaySound2D"; checkPriority = 1; filename00 = "mission00/m00_start_v1.wav")",
                       R"(type = "actionPlaySound2D"; filename00 = "mission00\\m00_start_v1.wav")",
                   }));
    SoundEngine& sound = *game.GetSoundEngine();
    const float length = sound.GetSoundLenght("localization\\en\\mission00\\m00_start_v1.wav");
    ASSERT_GT(length, 0.5f);
    const size_t before = sound.GetSound2DCount();
    Run(0);
    EXPECT_FALSE(game.GetLimiter()->CanTransmitionBlg());
    Run(0);
    EXPECT_EQ(sound.GetSound2DCount(), before + 1) << "the channel is busy";
    Run(1);
    EXPECT_EQ(sound.GetSound2DCount(), before + 2) << "without the check the line plays anyway";

    // The channel stays busy for the line's length and one second more.
    for (float waited = 0; waited + 0.25f < length + 1; waited += 0.25f)
    {
        EXPECT_FALSE(game.GetLimiter()->CanTransmitionBlg()) << waited;
        clock.Tick(0.25f);
        game.GetLimiter()->Proceed();
    }
    clock.Tick(0.25f);
    game.GetLimiter()->Proceed();
    EXPECT_TRUE(game.GetLimiter()->CanTransmitionBlg());
}

TEST_F(ActionsTest, MusicFollowsTheDifficulty)
{
    struct Case
    {
        const char* hard;
        const char* insane;
        const char* pieces[3]; // normal, hard, insane
    } cases[] = {
        {"h.xwma", "i.xwma", {"n.xwma", "h.xwma", "i.xwma"}},
        {"", "", {"n.xwma", "n.xwma", "n.xwma"}},
        {"h.x", "abcd", {"n.xwma", "n.xwma", "abcd"}},
    };
    for (const Case& c : cases)
    {
        ActionPlayMusic music;
        music.Initialize("n.xwma", c.hard, c.insane);
        for (int difficulty = 1; difficulty <= 3; ++difficulty)
            EXPECT_STREQ(music.GetFile(difficulty), c.pieces[difficulty - 1]) << c.hard << " " << difficulty;
    }

    game.GetGameSettings()->Difficulty = 2;
    StartLogic("", Actions({R"(type = "actionPlayMusic"; filename = "no such piece.xwma";
                               filenameHard = "02_arrdra_battletrack.xwma")"}));
    Run(0);
    game.GetGameSettings()->Difficulty = 1;
    EXPECT_EQ(game.GetSoundEngine()->GetMusicCount(), 1u);
    EXPECT_EQ(log.Count("Music \""), 0) << log.All();
}

TEST_F(ActionsTest, ASubLevelIsLoadedByThePlayersShipAfterTheDelay)
{
    _game->Data().WriteLevel("extra.lua", FighterEntry("late", Vec3(0, 0, 900)));
    StartLogic("", Actions({R"(type = "actionLoadSubLevel"; levelName = "extra.lua"; delay = 1)"}));
    Run(0);
    Frame(0.5f);
    EXPECT_EQ(Named("late"), nullptr);
    Frame(0.5f);
    Frame(0.5f);
    EXPECT_NE(ShipNamed("late"), nullptr);
}

} // namespace
