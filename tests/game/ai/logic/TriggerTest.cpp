// Trigger semantics: fired once or on every frame, enabled, the first condition that does not
// hold stops the evaluation, no conditions passes; and the order of the triggers in one pass.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "LogicMission.h"
#include "game/ai/LevelLogic.h"
#include "game/ai/logic/TriggerSystem.h"

namespace {

// A condition of a fixed answer that counts how often it was asked.
class FixedCondition : public Condition
{
public:
    FixedCondition(bool holds, int& asked) : _holds(holds), _asked(asked) {}
    bool Is() override
    {
        ++_asked;
        return _holds;
    }

private:
    bool _holds;
    int& _asked;
};

class CountingAction : public Action
{
public:
    explicit CountingAction(int& runs, bool initialized = true) : _runs(runs)
    {
        if (initialized)
            SetInitialized();
    }

private:
    void DoAction() override { ++_runs; }
    int& _runs;
};

struct Rule
{
    std::vector<bool> conditions;
    bool once = true;
    bool enabled = true;
};

struct Outcome
{
    std::vector<int> asked;
    int runs = 0;
    bool triggered = false;
};

// Updates a trigger of that rule three times.
Outcome ThreeUpdates(const Rule& rule)
{
    Outcome outcome;
    outcome.asked.resize(rule.conditions.size());
    Trigger trigger("t");
    for (size_t i = 0; i < rule.conditions.size(); ++i)
        trigger.AddCondition(std::make_unique<FixedCondition>(rule.conditions[i], outcome.asked[i]));
    trigger.AddAction(std::make_unique<CountingAction>(outcome.runs));
    if (!rule.once)
        trigger.SetForever();
    if (!rule.enabled)
        trigger.Disable();
    for (int i = 0; i < 3; ++i)
        trigger.Update();
    outcome.triggered = trigger.IsTriggered();
    return outcome;
}

TEST(Trigger, FiresAsItsFlagsAndConditionsSay)
{
    struct Case
    {
        const char* about;
        Rule rule;
        std::vector<int> asked;
        int runs;
    } cases[] = {
        {"once: fires on the first update only", {{true, true}}, {1, 1}, 1},
        {"forever: on every update", {{true}, false}, {3}, 3},
        {"no conditions: fires at once", {{}}, {}, 1},
        {"disabled: never, nothing asked", {{true}, true, false}, {0}, 0},
        {"the first false stops the rest", {{true, false, true}, false}, {3, 3, 0}, 0},
    };
    for (const Case& c : cases)
    {
        const Outcome outcome = ThreeUpdates(c.rule);
        EXPECT_EQ(outcome.asked, c.asked) << c.about;
        EXPECT_EQ(outcome.runs, c.runs) << c.about;
        EXPECT_EQ(outcome.triggered, c.runs > 0) << c.about;
    }
}

TEST(Trigger, RunsOnlyEnabledInitialisedActionsButFiresAnyway)
{
    int enabled = 0, disabled = 0, uninitialised = 0;
    Trigger trigger;
    EXPECT_STREQ(trigger.GetName(), "trigger");
    trigger.AddAction(std::make_unique<CountingAction>(enabled));
    auto off = std::make_unique<CountingAction>(disabled);
    off->Disable();
    trigger.AddAction(std::move(off));
    trigger.AddAction(std::make_unique<CountingAction>(uninitialised, false));
    trigger.Update();
    EXPECT_EQ(enabled, 1);
    EXPECT_EQ(disabled, 0);
    EXPECT_EQ(uninitialised, 0);
    EXPECT_TRUE(trigger.IsTriggered());
}

TEST(TriggerSystem, FindsTriggersByExactNameAndPosition)
{
    TriggerSystem triggers;
    Trigger* first = triggers.AddTrigger("Victory");
    Trigger* second = triggers.AddTrigger("Victory");
    EXPECT_EQ(triggers.GetTrigger("Victory"), first);
    EXPECT_EQ(triggers.GetTrigger("victory"), nullptr);
    EXPECT_EQ(triggers.GetTrigger(1), second);
    EXPECT_EQ(triggers.GetTrigger(2), nullptr);
    EXPECT_EQ(triggers.GetTrigger(-1), nullptr);
    triggers.Clear();
    EXPECT_EQ(triggers.GetTriggerCount(), 0);
}

// The logic file is the triggers' only source: removing keeps them, and nothing is stored or read.
TEST(TriggerSystem, RemovingAndStoringLeaveTriggersAndFilesAsTheyAre)
{
    TriggerSystem triggers;
    Trigger* kept = triggers.AddTrigger("kept");
    triggers.RemoveTrigger(kept);
    triggers.RemoveTrigger(nullptr);
    ASSERT_EQ(triggers.GetTriggerCount(), 1);
    EXPECT_EQ(triggers.GetTrigger("kept"), kept);

    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("bm_triggers_" + std::to_string(getpid()) + ".txt");
    std::filesystem::remove(path);
    triggers.Save(path.string().c_str());
    EXPECT_FALSE(std::filesystem::exists(path));

    std::unique_ptr<FILE, int (*)(FILE*)> file(std::tmpfile(), &std::fclose);
    ASSERT_TRUE(file);
    kept->Save(file.get());
    EXPECT_EQ(std::ftell(file.get()), 0L);
    std::fputs("name = \"other\"", file.get());
    std::rewind(file.get());
    kept->Load(file.get());
    EXPECT_EQ(std::ftell(file.get()), 0L);
    EXPECT_STREQ(kept->GetName(), "kept");
}

// "zero" runs before "first" has fired, "second" after it in the same pass.
TEST_F(LogicMission, ATriggerSeesWhatTheTriggersBeforeItDidInTheSamePass)
{
    const char* notFirst = R"(Condition00 = { type = "conditionTriggerNotCompleted"; triggerName = "first" })";
    StartLogic("", TriggerEntry("00", "zero", notFirst) + TriggerEntry("01", "first", "") +
                       TriggerEntry("02", "second", notFirst));
    Frame();
    EXPECT_TRUE(Triggers().GetTrigger("zero")->IsTriggered());
    EXPECT_TRUE(Triggers().GetTrigger("first")->IsTriggered());
    EXPECT_FALSE(Triggers().GetTrigger("second")->IsTriggered());
}

} // namespace
