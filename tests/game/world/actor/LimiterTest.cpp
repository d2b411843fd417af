// The limiter: how long each kind of sound keeps the next one of its kind back.
#include <gtest/gtest.h>

#include "WorldTestSupport.h"
#include "game/world/actor/Limiter.h"

namespace {
class LimiterTest : public testing::Test
{
protected:
    // Frames of a tenth of a second.
    void Wait(float seconds)
    {
        for (int frames = static_cast<int>(seconds * 10 + 0.5f); frames > 0; --frames)
        {
            clock.Tick(0.1f);
            limiter.Proceed();
        }
    }

    FrameClock clock;
    Limiter limiter;
};
} // namespace

TEST_F(LimiterTest, SoundsOfOneKindWaitHalfASecondAfterTheLast)
{
    struct Kind
    {
        const char* name;
        void (Limiter::*play)();
        bool (Limiter::*can)() const;
    };
    const Kind kinds[] = {{"explosion", &Limiter::ExplosionSound, &Limiter::CanExplosionSound},
                          {"debris hit", &Limiter::DebrisHitSound, &Limiter::CanDebrisHitSound},
                          {"player hit", &Limiter::PlayerHitSound, &Limiter::CanPlayerHitSound}};
    for (const Kind& kind : kinds)
    {
        EXPECT_TRUE((limiter.*kind.can)()) << kind.name;
        (limiter.*kind.play)();
        EXPECT_FALSE((limiter.*kind.can)()) << kind.name << ": a second one in the same frame";
        Wait(0.4f);
        EXPECT_FALSE((limiter.*kind.can)()) << kind.name << " after 0.4 s";
        Wait(0.2f);
        EXPECT_TRUE((limiter.*kind.can)()) << kind.name << " after 0.6 s";
    }
}

TEST_F(LimiterTest, RobotIsSilentForTheFirstFiveSeconds)
{
    Wait(4.9f);
    EXPECT_FALSE(limiter.CanTransmitionRobot());
    EXPECT_TRUE(limiter.CanTransmitionBlg());
    Wait(0.2f);
    EXPECT_TRUE(limiter.CanTransmitionRobot());
}

// Without a sound the line has no length: the party waits the one second, plus the extra.
TEST_F(LimiterTest, LineWithoutLengthBlocksItsPartyForOneSecondPlusTheExtra)
{
    Wait(5.0f);
    limiter.TransmitionBlg("localization\\en\\blg\\missing.wav");
    limiter.TransmitionRobot("localization\\en\\robot\\missing.wav", 2.0f);
    Wait(0.9f);
    EXPECT_FALSE(limiter.CanTransmitionBlg());
    Wait(0.2f);
    EXPECT_TRUE(limiter.CanTransmitionBlg());
    EXPECT_FALSE(limiter.CanTransmitionRobot());
    Wait(2.0f);
    EXPECT_TRUE(limiter.CanTransmitionRobot());
}

TEST_F(LimiterTest, CountdownsFallOnBelowZero)
{
    limiter.ExplosionSound();
    Wait(30.0f);
    EXPECT_TRUE(limiter.CanExplosionSound());
    EXPECT_TRUE(limiter.CanDebrisHitSound());
    EXPECT_TRUE(limiter.CanPlayerHitSound());
    EXPECT_TRUE(limiter.CanTransmitionBlg());
    EXPECT_TRUE(limiter.CanTransmitionRobot());
}

// A half-second voice line of the demo data keeps the Blg pilots quiet for 1.5 seconds.
TEST_F(LimiterTest, PlayedLineBlocksItsPartyForItsLengthPlusOneSecond)
{
    StartedGame started;
    if (!started.Started())
        GTEST_SKIP() << "no display: " << started.Error();
    limiter.TransmitionBlg("localization\\en\\blg\\player_is_under_attack\\V1\\bos_atk_bk_1_v1.wav");
    Wait(1.4f);
    EXPECT_FALSE(limiter.CanTransmitionBlg());
    Wait(0.2f);
    EXPECT_TRUE(limiter.CanTransmitionBlg());
}
