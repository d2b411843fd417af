#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/base/Dumper.h"
#include "foundation/base/Profiler.h"
#include "foundation/base/Timer.h"

namespace {

// A hand-driven clock of 1000 ticks per second.
struct ManualClock
{
    int64_t now = 0;
    Timer MakeTimer(float smoothing = 0.75f)
    {
        return Timer(
            smoothing, [this] { return now; }, 1000);
    }
};

TEST(TimerTest, SmoothingAfterASteadyRate)
{
    ManualClock clock;
    Timer timer = clock.MakeTimer();
    timer.Start(60.0f);
    EXPECT_FLOAT_EQ(timer.GetFPS(), 60.0f);
    EXPECT_FLOAT_EQ(timer.GetSPF(), 1.0f / 60.0f);
    EXPECT_EQ(timer.GetTicksPerFrame(), 16);

    clock.now += 100; // a frame of one tenth of a second
    timer.Tick();
    EXPECT_FLOAT_EQ(timer.GetFPS(), 47.5f);
    EXPECT_FLOAT_EQ(timer.GetSPF(), 1.0f / 47.5f);
    EXPECT_EQ(timer.GetTicksPerFrame(), 100);
    EXPECT_FLOAT_EQ(timer.GetElapsedSeconds(), 1.0f / 47.5f);
}

TEST(TimerTest, SameCounterValueCountsTheFrameOnly)
{
    ManualClock clock;
    Timer timer = clock.MakeTimer();
    timer.Start(60.0f);
    timer.Tick();
    EXPECT_FLOAT_EQ(timer.GetFPS(), 60.0f);
    EXPECT_EQ(timer.GetFrameCount(), 1u);
    EXPECT_FLOAT_EQ(timer.GetElapsedSeconds(), 1.0f / 60.0f);
}

TEST(TimerTest, RateNeverDropsBelowOne)
{
    ManualClock clock;
    Timer timer = clock.MakeTimer(0.0f);
    timer.Start(60.0f);
    clock.now += 5000;
    timer.Tick();
    EXPECT_FLOAT_EQ(timer.GetFPS(), 1.0f);
    EXPECT_FLOAT_EQ(timer.GetSPF(), 1.0f);
}

TEST(TimerTest, PauseFlagReportsZeroTime)
{
    ManualClock clock;
    Timer timer = clock.MakeTimer();
    timer.Start(50.0f);
    GamePaused = 1;
    EXPECT_EQ(timer.GetSPF(), 0.0f);
    EXPECT_EQ(timer.GetFPS(), 0.0f);
    GamePaused = 0;
    EXPECT_FLOAT_EQ(timer.GetSPF(), 0.02f);
    EXPECT_FLOAT_EQ(timer.GetFPS(), 50.0f);
}

TEST(TimerTest, RealClockAdvances)
{
    Timer timer;
    EXPECT_EQ(timer.GetTicksPerSec(), 1000000000);
    int64_t first = timer.GetTicks();
    EXPECT_GE(timer.GetTicks(), first);
}

class ProfilerTest : public ::testing::Test
{
protected:
    void SetUp() override { Profiler::SetTimer(&timer); }
    void TearDown() override
    {
        Profiler::ClearProfileTree();
        Profiler::SetTimer(nullptr);
    }

    std::vector<std::string> Lines()
    {
        std::vector<std::string> lines;
        for (Profiler::Begin(); Profiler::End(); Profiler::Next())
        {
            std::string line;
            Profiler::Current()->PrintStats(line);
            lines.push_back(line);
        }
        return lines;
    }

    ManualClock clock;
    Timer timer = clock.MakeTimer();
};

TEST_F(ProfilerTest, NestedScopesFormATreeInOrder)
{
    Profiler::BeginProfile("A");
    clock.now += 2;
    Profiler::BeginProfile("B");
    clock.now += 5;
    Profiler::EndProfile("B");
    Profiler::BeginProfile("C");
    Profiler::EndProfile("C");
    Profiler::EndProfile("A");
    Profiler::BeginProfile("B");
    clock.now += 1;
    Profiler::EndProfile("B");

    // The newest child of a scope stands first; B outside A is a profile of its own.
    EXPECT_EQ(Lines(), (std::vector<std::string>{"A: 7.00 ms", "  C: 0.00 ms", "  B: 5.00 ms", "B: 1.00 ms"}));

    IProfile* a = Profiler::FindProfile("A", nullptr);
    ASSERT_NE(a, nullptr);
    auto* innerB = dynamic_cast<ProfileExecutionTime*>(Profiler::FindProfile("B", a));
    ASSERT_NE(innerB, nullptr);
    EXPECT_EQ(innerB->GetParent(), a);
    EXPECT_EQ(innerB->GetTabIndex(), 1u);
    EXPECT_NE(Profiler::FindProfile("B", nullptr), innerB);
}

TEST_F(ProfilerTest, ExecutionTimeStatistics)
{
    for (int ms : {4, 10, 6})
    {
        AutoScopeProfile scope("Frame");
        clock.now += ms;
    }
    auto* p = dynamic_cast<ProfileExecutionTime*>(Profiler::FindProfile("Frame", nullptr));
    ASSERT_NE(p, nullptr);
    EXPECT_FLOAT_EQ(p->GetActualTime(), 6.0f);
    EXPECT_FLOAT_EQ(p->GetMaxTime(), 10.0f);
    EXPECT_FLOAT_EQ(p->GetMinTime(), 4.0f);
    EXPECT_FLOAT_EQ(p->GetTotalTime(), 20.0f);
    EXPECT_FLOAT_EQ(p->GetAverageTime(), 3.0f);
    EXPECT_FLOAT_EQ(p->GetCriticalDegree(), 0.2f);
}

TEST_F(ProfilerTest, CallsAndCountsUnderTheOpenScope)
{
    Profiler::BeginProfile("Draw");
    Profiler::InrementCalls("DrawCall", 1500);
    Profiler::InrementCalls("DrawCall", 1500);
    Profiler::SetObjectCount("Meshes", 12);
    Profiler::EndProfile("Draw");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Draw: 0.00 ms", "  Meshes: 12", "  DrawCall: 3000 p/f"}));

    auto* calls =
        dynamic_cast<ProfileMethodCalls*>(Profiler::FindProfile("DrawCall", Profiler::FindProfile("Draw", nullptr)));
    ASSERT_NE(calls, nullptr);
    EXPECT_FLOAT_EQ(calls->GetCriticalDegree(), 1.0f);
    Profiler::ResetPerFrameData();
    EXPECT_EQ(calls->GetFrameCalls(), 0u);
    EXPECT_EQ(calls->GetTotalCalls(), 3000u);
}

TEST_F(ProfilerTest, DumpWritesEnabledProfilesAsSystemLines)
{
    Profiler::BeginProfile("Old");
    Profiler::EndProfile("Old");
    Profiler::DisableAllProfiles();
    Profiler::BeginProfile("New");
    clock.now += 3;
    Profiler::EndProfile("New");

    struct Recorder : IDumperClient
    {
        std::vector<std::string>* out;
        void OnPrint(eDumpEvent kind, const char* text) override { out->push_back(std::to_string(kind) + text); }
        void OnDump(eDumpEvent, const void*, unsigned) override {}
    };
    std::vector<std::string> seen;
    auto* recorder = new Recorder;
    recorder->out = &seen;
    Dumper log;
    log.RegisterClient(recorder);
    ::testing::internal::CaptureStdout();
    Profiler::DumpStats(&log);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(seen, std::vector<std::string>{"6New: 3.00 ms\n"});
}

TEST_F(ProfilerTest, MismatchedEndAndNoTimerAreIgnored)
{
    Profiler::EndProfile("Nothing"); // nothing open
    Profiler::BeginProfile("Outer");
    Profiler::EndProfile("Other"); // not the open scope
    Profiler::BeginProfile("Inner");
    Profiler::EndProfile("Inner");
    Profiler::EndProfile("Outer");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Outer: 0.00 ms", "  Inner: 0.00 ms"}));

    Profiler::ClearProfileTree();
    Profiler::SetTimer(nullptr);
    Profiler::BeginProfile("X");
    Profiler::InrementCalls("Y", 1);
    Profiler::EndProfile("X");
    EXPECT_EQ(Profiler::GetProfileCount(), 0u);
}

} // namespace
