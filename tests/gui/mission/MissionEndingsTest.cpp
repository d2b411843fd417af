// The two shipped missions flown to each of their endings, through the mission frame and the
// shipped logic files, to the score screen. Ships are destroyed through the game's damage
// telegrams and moved by hand where waiting for the AI would be slow; the shipped triggers alone
// decide how each mission ends. Every ending is told: its reason (the logic's message, drawn whole
// on the strip, or the pilot's ship blowing up) is on the screen two seconds or more of mission
// time, counted in frames of 1/20 s, before the fade to the score screen begins.
#include "MissionFixture.h"

#include <functional>
#include <memory>
#include <string>

#include "WorldTestSupport.h"
#include "game/ai/LevelLogic.h"
#include "game/ai/ShipEntity.h"
#include "game/core/level/SingleLevel.h"
#include "game/core/messages/Message.h"
#include "game/hud/GuiShipHud.h"
#include "game/hud/GuiShipHudTextMessage.h"
#include "game/profiles/UserProfile.h"
#include "game/world/actor/Limiter.h"
#include "game/world/parts/DestructableObject.h"
#include "game/world/parts/ObjectPart.h"
#include "game/world/player/Player.h"
#include "game/world/player/PlayerShip.h"
#include "game/world/ships/Ship.h"
#include "scene/nodes/Camera.h"
#include "services/sound/SoundEngine.h"

namespace {

constexpr int SpaceCleaner = 0;      // lvl00
constexpr int CargoAnnihilation = 1; // lvl12
// The frames in which an ending is told: the longest the game runs at.
constexpr float EndingFrame = 0.05f;

class MissionEndingsTest : public MissionScreenTest
{
protected:
    void SetUp() override
    {
        MissionScreenTest::SetUp();
        if (!IsSkipped() && !HasFatalFailure())
            _clock = std::make_unique<FrameClock>();
    }
    void TearDown() override
    {
        _clock.reset();
        MissionScreenTest::TearDown();
    }

    // The pilot's offer from the start to the end of loading.
    void Fly(int offer)
    {
        _pilot->SetCurrentLevel(Offer(offer));
        SingleLevel* level = game.GetLevel();
        level->LoadLevel(nullptr, nullptr, nullptr);
        for (int i = 0; i < 200 && !(std::string(Current()) == "level" && level->IsLoaded()); ++i)
            Frames(1);
        ASSERT_TRUE(level->IsLoaded()) << "at " << Current();
        ASSERT_NE(level->GetLogic(), nullptr);
    }
    // Whole game frames of a fixed length, drawn.
    void Frames(int count, float seconds = 0.1f)
    {
        for (int i = 0; i < count; ++i)
        {
            _clock->Tick(seconds);
            game.Proceed();
        }
    }
    // The game's loop without its drawing: the mission, its AI and its logic
    // go on as in play, a frame every `step` seconds, and minutes pass in a moment. Stops at the
    // end of the mission.
    void Skip(float seconds, const std::function<void()>& everyFrame = {}, float step = 0.1f)
    {
        for (float passed = 0; passed < seconds && Level().IsExist() && Status() == LEVEL_RUNNING; passed += step)
        {
            if (everyFrame)
                everyFrame();
            _clock->Tick(step);
            game.ProceedUndrawn();
        }
    }
    // One frame of the game's loop without its drawing.
    void Tick(float seconds = EndingFrame)
    {
        _clock->Tick(seconds);
        game.ProceedUndrawn();
    }

    static SingleLevel& Level() { return *game.GetLevel(); }
    static eLevelStatus Status()
    {
        const LevelLogic* logic = Level().GetLogic();
        return logic ? logic->GetStatus() : LEVEL_RUNNING;
    }
    static Ship* ShipNamed(const char* name) { return dynamic_cast<Ship*>(Level().GetActor(name)); }
    static PlayerShip* Pilot() { return Level().GetPlayer() ? Level().GetPlayer()->GetShip() : nullptr; }
    // Keeps the shield of every ship full, the pilot's too: where the AI's shots and knocks are
    // not the point, nobody goes down by them.
    static void HoldOut()
    {
        for (unsigned i = 0; i < Level().GetActorsCount(); ++i)
        {
            if (Ship* ship = dynamic_cast<Ship*>(Level().GetActor(i)))
                ship->SetCurrentShield(ship->GetMaximumShield());
        }
    }
    static const GuiShipHudTextMessage* Strip()
    {
        const Player* player = Level().GetPlayer();
        return player && player->GetHUD() ? player->GetHUD()->GetTextMsg() : nullptr;
    }

    // Hits the ship as shots do, a frame at a time, until it is wrecked: a ship built of parts
    // through the shape of each part still standing (as a rocket's fragments hit), any other with
    // plain damage. False when it still stands after ten frames.
    bool Wreck(Ship* ship)
    {
        for (int i = 0; i < 10 && !ship->IsDead(); ++i)
        {
            if (const DestructableObject* parts = ship->GetDestructableObject())
            {
                for (int p = 0; p < parts->GetPartCount(); ++p)
                {
                    const ObjectPart* part = parts->GetPart(p);
                    if (!part->IsDestroyed() && part->GetShapeCount() > 0)
                        Level().SendMessage(nullptr, ship, MESSAGE_DO_DAMAGE_TO_PART,
                                            new MessageDoDamageToPart(part->GetShape(0), nullptr, 1e6f, true), 0);
                }
            }
            else
            {
                Level().SendMessage(nullptr, ship, MESSAGE_DO_DAMAGE, new MessageDoDamage(1e6f), 0);
            }
            Frames(1);
        }
        return ship->IsDead();
    }
    // Wrecks the named ship and runs frames until the mission has taken it out.
    void Destroy(const char* name)
    {
        Ship* ship = ShipNamed(name);
        ASSERT_NE(ship, nullptr) << name;
        ASSERT_TRUE(Wreck(ship)) << name << " stands";
        for (int i = 0; i < 10 && Level().HasActor(ship); ++i)
            Frames(1);
        ASSERT_FALSE(Level().HasActor(ship)) << name << " stays in the mission";
    }
    // Puts a ship and its AI at the point.
    static void Move(Ship* ship, const Vec3& point)
    {
        Matrix pose = ship->GetRoot();
        pose.Pos() = point;
        ship->SetPose(pose);
        if (Pelloris::ShipEntity* entity = ship->GetEntity())
            entity->SetPosition(Pelloris::SteerVec3(point));
    }

    // The logic has put the message on the strip (it may still be typing).
    static bool Sent(const char* message)
    {
        const GuiShipHudTextMessage* strip = Strip();
        return strip && std::string(strip->GetText()) == message && strip->GetTimeLeft() > 0;
    }
    // The logic's message as the strip drew it in the last frame: whole, and not yet fading.
    static bool Shows(const char* message)
    {
        const GuiShipHudTextMessage* strip = Strip();
        return strip && std::string(strip->GetShownText()) == message && strip->IsActive();
    }
    // The pilot's ship blew up: it is dead, and the camera stays over its wreck.
    static bool ShowsThePilotsDeath(const Vec3& wreck)
    {
        const PlayerShip* ship = Pilot();
        return ship && ship->IsDead() && game.GetCamera()->GetGlobalPos().Distance(wreck) < 1.0f;
    }

    // The mission ends as the logic means, and tells why: from the first frame on which `told`
    // holds (`bringAbout` runs frames until then) the mission goes on for two seconds or more,
    // `told` holding all the while, up to the frame in which the fade to the score screen begins;
    // the status is the ending's, the last message in blue for a win and in red for a loss. Then
    // the fade runs out on the score screen, which was asked for once.
    void ExpectToldEnding(eLevelStatus status, const std::function<bool()>& told, const char* message = nullptr)
    {
        ASSERT_TRUE(told()) << "at " << Level().GetTime() << " s";
        const float shown = Level().GetTime();
        bool radioFree = false; // at the end of the frame before the fade
        for (int i = 0; i < 200 && std::string(Next()) != "mission_score"; ++i)
        {
            radioFree = game.GetLimiter()->CanTransmitionBlg();
            Tick();
            ASSERT_TRUE(told()) << Level().GetTime() - shown << " s after";
        }
        ASSERT_STREQ(Next(), "mission_score") << Level().GetTime() - shown << " s after";
        EXPECT_GE(Level().GetTime() - shown, 2.0f) << "the reason is on the screen long enough";
        EXPECT_EQ(Status(), status);
        if (message)
        {
            EXPECT_EQ(Strip()->IsBlue(), status == LEVEL_WON) << "won in blue, lost in red";
        }
        const SoundEngine* sound = game.GetSoundEngine();
        if (status == LEVEL_WON && sound && !sound->IsDisabled())
        {
            // The empty sub-level that ends the win comes while the win's line still holds the
            // radio, which keeps it from calling reinforcements.
            EXPECT_FALSE(radioFree) << "the radio is free for a call of reinforcements at the win";
        }
        // Drawn: what the frames before left to draw goes while the mission's materials are there.
        for (int i = 0; i < 20 && std::string(Current()) != "mission_score"; ++i)
            Frames(1);
        EXPECT_STREQ(Current(), "mission_score");
        EXPECT_FALSE(Level().IsExist()) << "the mission is over";
        EXPECT_EQ(
            _log.Count(status == LEVEL_WON ? "LevelLogic: the mission is won" : "LevelLogic: the mission is lost"), 1);
        EXPECT_EQ(_log.Count("LevelLogic: the mission is"), 1) << "one ending";
        EXPECT_EQ(_log.Count("frame \"mission_score\" is current"), 1);
        EXPECT_EQ(_log.Errors(), 0) << _log.All();
    }
    void ExpectToldEnding(eLevelStatus status, const char* message)
    {
        ExpectToldEnding(status, [message] { return Shows(message); }, message);
    }
    // Frames until the strip shows the logic's message whole; false when it does not within the
    // time.
    bool FramesUntilShown(const char* message, float seconds)
    {
        for (float passed = 0; passed < seconds && !Shows(message) && Level().IsExist(); passed += EndingFrame)
            Tick();
        return Shows(message);
    }

    std::unique_ptr<FrameClock> _clock;
};

} // namespace

// A cargo ship that comes within 500 units of the portal is told to be entering it, and within
// 250 it has left the system: put on its way just short of the warning, or flown there along its
// way, either of the two.
TEST_F(MissionEndingsTest, ACargoShipEnteringThePortalIsToldAndLosesCargoAnnihilation)
{
    const Vec3 portal(300, 100, 5800);
    const char* const entering = "A cargo ship is entering the portal";
    struct Case
    {
        const char* way;
        const char* cargo;
        float seconds; // until the warning
    };
    const Case cases[] = {
        {"ytg_cargo_00 put on its way", "ytg_cargo_00", 10},
        {"ytg_cargo_01 put on its way", "ytg_cargo_01", 10},
        {"flown there", nullptr, 400},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.way);
        ASSERT_NO_FATAL_FAILURE(Fly(CargoAnnihilation));
        if (test.cargo)
        {
            // After the opening messages.
            Skip(15, HoldOut);
            Ship* ship = ShipNamed(test.cargo);
            ASSERT_NE(ship, nullptr);
            Move(ship, portal - Vec3(0, 0, 520));
            Frames(2);
            EXPECT_FALSE(Sent(entering)) << "outside the portal's warning";
        }
        else
        {
            for (float passed = 0; passed < test.seconds && !Sent(entering) && Status() == LEVEL_RUNNING;
                 passed += 0.5f)
                Skip(0.5f, HoldOut, 0.5f);
        }
        ASSERT_TRUE(FramesUntilShown(entering, 12)) << "at " << Level().GetTime() << " s";
        ExpectToldEnding(LEVEL_LOST, entering);
        _log = LogWatch();
    }
}

// The first cargo ship down calls the guard out of the portal eight seconds later, once; the
// second one down wins the mission.
TEST_F(MissionEndingsTest, CargoAnnihilationCallsTheGuardAfterTheFirstCargoShipAndIsWonAfterTheSecond)
{
    ASSERT_NO_FATAL_FAILURE(Fly(CargoAnnihilation));
    ASSERT_EQ(Level().GetActorCountByClassname("ShipYtgSush02"), 2u);
    const unsigned fighters = Level().GetActorCountByClassname("ShipYtgFighter02");
    ASSERT_EQ(ShipNamed("ytg_guard_00"), nullptr);

    Destroy("ytg_cargo_00");
    ASSERT_NE(Strip(), nullptr);
    EXPECT_STREQ(Strip()->GetText(), "A cargo ship is down: the guard calls for help");
    EXPECT_EQ(Status(), LEVEL_RUNNING);
    const float down = Level().GetTime();
    Skip(7.5f, HoldOut);
    EXPECT_EQ(ShipNamed("ytg_guard_00"), nullptr) << "still on the way at " << Level().GetTime() - down << " s";
    Skip(1, HoldOut);
    for (const char* guard : {"ytg_guard_00", "ytg_guard_01"})
    {
        const Ship* ship = ShipNamed(guard);
        ASSERT_NE(ship, nullptr) << guard << " at " << Level().GetTime() - down << " s";
        EXPECT_GT(ship->GetPosition().z, 5000.0f) << "out of the portal";
    }
    Skip(10, HoldOut);
    EXPECT_EQ(Level().GetActorCountByClassname("ShipYtgFighter02"), fighters + 2) << "one guard";
    EXPECT_EQ(Status(), LEVEL_RUNNING);

    Destroy("ytg_cargo_01");
    ASSERT_TRUE(FramesUntilShown("Both cargo ships are destroyed", 3));
    EXPECT_EQ(Status(), LEVEL_RUNNING) << "told first";
    ExpectToldEnding(LEVEL_WON, "Both cargo ships are destroyed");
}

TEST_F(MissionEndingsTest, SpaceCleanerIsWonWhenNoYtgFighterIsLeft)
{
    ASSERT_NO_FATAL_FAILURE(Fly(SpaceCleaner));
    ASSERT_GT(Level().GetActorCountByClassname("ShipYtgFighter02"), 0u);
    while (const Actor* fighter = Level().GetActorByClassname("ShipYtgFighter02", 0))
    {
        const std::string name = fighter->GetName();
        ASSERT_EQ(Status(), LEVEL_RUNNING) << "before " << name;
        Destroy(name.c_str());
        if (HasFatalFailure())
            return;
    }
    ASSERT_TRUE(FramesUntilShown("The field is clean. Good job", 3));
    EXPECT_EQ(Status(), LEVEL_RUNNING) << "told first";
    ExpectToldEnding(LEVEL_WON, "The field is clean. Good job");
}

// The pilot's death loses the mission at once (the logic's own check, the same for every
// mission) while the score screen waits for the ship to be seen blowing up; and each mission's
// time limit loses it: ten minutes without a clean field or with a cargo ship still in the system
// (the fighters and the cargo ships held off here, where nothing can end the mission earlier).
TEST_F(MissionEndingsTest, EachMissionIsLostByThePilotsDeathAndByItsTimeLimit)
{
    auto runOutTheClock = [this](float limit, const char* message, const std::function<void()>& meanwhile,
                                 float step) {
        // Only the clock may end the mission.
        Skip(
            limit - 0.5f - Level().GetTime(),
            [&] {
                HoldOut();
                if (meanwhile)
                    meanwhile();
            },
            step);
        ASSERT_EQ(Status(), LEVEL_RUNNING) << "at " << Level().GetTime() << " s";
        EXPECT_FALSE(Sent(message));
        ASSERT_TRUE(FramesUntilShown(message, 3));
        EXPECT_GE(Level().GetTime(), limit);
        EXPECT_EQ(Status(), LEVEL_RUNNING) << "told first";
        ExpectToldEnding(LEVEL_LOST, message);
    };
    auto wreckThePilot = [this] {
        PlayerShip* ship = Pilot();
        ASSERT_NE(ship, nullptr);
        const unsigned explosions = Level().GetActorCountByClassname("Explosion");
        ASSERT_TRUE(Wreck(ship));
        EXPECT_EQ(Status(), LEVEL_LOST) << "at once";
        EXPECT_GT(Level().GetActorCountByClassname("Explosion"), explosions) << "the ship blows up";
        const Vec3 wreck = ship->GetPosition();
        EXPECT_LT(game.GetCamera()->GetGlobalPos().Distance(wreck), 1.0f);
        ExpectToldEnding(LEVEL_LOST, [wreck] { return ShowsThePilotsDeath(wreck); });
    };
    struct Case
    {
        int mission;
        const char* ending;
        std::function<void()> bringAbout;
    };
    const Case cases[] = {
        {SpaceCleaner, "the pilot's ship is destroyed", wreckThePilot},
        {CargoAnnihilation, "the pilot's ship is destroyed", wreckThePilot},
        {SpaceCleaner, "ten minutes pass",
         [&] {
             // The fighters wait far off, where no rock and no shot can end the mission either.
             runOutTheClock(
                 600, "Too late: the client calls the job off",
                 [] {
                     for (unsigned i = 0; Actor* fighter = Level().GetActorByClassname("ShipYtgFighter02", i); ++i)
                     {
                         if (Ship* ship = dynamic_cast<Ship*>(fighter))
                             Move(ship, Vec3(3000.0f + 200.0f * float(i), 0, 6000));
                     }
                 },
                 0.1f);
         }},
        {CargoAnnihilation, "ten minutes pass",
         [&] {
             runOutTheClock(
                 600, "Too late: the cargo is gone",
                 [] {
                     for (const char* cargo : {"ytg_cargo_00", "ytg_cargo_01"})
                     {
                         if (Ship* ship = ShipNamed(cargo))
                             Move(ship, Vec3(0, 0, 750));
                     }
                 },
                 0.5f);
         }},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.ending);
        SCOPED_TRACE(test.mission == SpaceCleaner ? "lvl00" : "lvl12");
        ASSERT_NO_FATAL_FAILURE(Fly(test.mission));
        test.bringAbout();
        _log = LogWatch();
    }
}
