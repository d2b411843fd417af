// State machines: which state hooks run, with which owner, and what becomes previous.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/core/states/State.h"
#include "game/core/states/StateMachine.h"

namespace {
using Journal = std::vector<std::string>;

// The machine only hands the owner through, so any distinct address serves as one.
int ownerToken;
Actor* const owner = reinterpret_cast<Actor*>(&ownerToken);

class Recording : public State
{
public:
    Recording(std::string name, Journal& journal) : _name(std::move(name)), _journal(journal) {}
    void OnEnter(Actor* actor) override { Note("enter", actor); }
    void OnExecute(Actor* actor) override { Note("execute", actor); }
    void OnExit(Actor* actor) override { Note("exit", actor); }
    void OnMessage(Telegram*) override { Note("message", owner); }

private:
    void Note(const char* hook, Actor* actor)
    {
        _journal.push_back(_name + " " + hook + (actor == owner ? "" : " (wrong owner)"));
    }
    std::string _name;
    Journal& _journal;
};

class StateMachineTest : public testing::Test
{
protected:
    Journal Take()
    {
        Journal taken;
        taken.swap(journal);
        return taken;
    }

    Journal journal;
    Recording a{"a", journal}, b{"b", journal}, global{"global", journal};
    StateMachine machine{owner};
};
} // namespace

TEST_F(StateMachineTest, FirstChangeOnlyEntersAndLeavesNoPrevious)
{
    machine.ChangeState(&a);
    EXPECT_EQ(Journal({"a enter"}), Take());
    EXPECT_TRUE(machine.IsInState(&a));
    EXPECT_EQ(nullptr, machine.GetPreviousState());
}

TEST_F(StateMachineTest, ChangeExitsTheOldStateBeforeEnteringTheNew)
{
    machine.ChangeState(&a);
    Take();
    machine.ChangeState(&b);
    EXPECT_EQ(Journal({"a exit", "b enter"}), Take());
    EXPECT_EQ(&a, machine.GetPreviousState());
    EXPECT_FALSE(machine.IsInState(&a));
}

TEST_F(StateMachineTest, ChangingToTheCurrentStateOrToNoneDoesNothing)
{
    machine.ChangeState(&a);
    machine.ChangeState(&b);
    Take();
    machine.ChangeState(&b);
    machine.ChangeState(nullptr);
    EXPECT_EQ(Journal(), Take());
    EXPECT_EQ(&b, machine.GetCurrentState());
    EXPECT_EQ(&a, machine.GetPreviousState());
}

TEST_F(StateMachineTest, RevertSwapsCurrentAndPrevious)
{
    EXPECT_FALSE(machine.RevertToPreviousState());
    machine.ChangeState(&a);
    machine.ChangeState(&b);
    Take();
    EXPECT_TRUE(machine.RevertToPreviousState());
    EXPECT_EQ(Journal({"b exit", "a enter"}), Take());
    EXPECT_TRUE(machine.RevertToPreviousState());
    EXPECT_EQ(&b, machine.GetCurrentState());
    EXPECT_EQ(&a, machine.GetPreviousState());
}

TEST_F(StateMachineTest, UpdateRunsTheGlobalStateThenTheCurrentOne)
{
    machine.Update();
    EXPECT_EQ(Journal(), Take());
    machine.SetGlobalState(&global);
    machine.Update();
    EXPECT_EQ(Journal({"global execute"}), Take());
    machine.SetCurrentState(&a);
    machine.Update();
    EXPECT_EQ(Journal({"global execute", "a execute"}), Take());
}

TEST_F(StateMachineTest, SettersNeitherEnterNorExit)
{
    machine.SetCurrentState(&a);
    machine.SetPreviousState(&b);
    machine.SetGlobalState(&global);
    EXPECT_EQ(Journal(), Take());
    EXPECT_EQ(&a, machine.GetCurrentState());
    EXPECT_EQ(&b, machine.GetPreviousState());
    EXPECT_EQ(&global, machine.GetGlobalState());
}

TEST(StateDescription, DefaultsAndIsCutTo63Characters)
{
    Journal journal;
    Recording state("s", journal);
    EXPECT_STREQ("(unknown_state)", state.GetDescription());
    state.SetDescription(std::string(100, 'd').c_str());
    EXPECT_EQ(std::string(63, 'd'), state.GetDescription());
    Recording copy = state;
    EXPECT_EQ(std::string(63, 'd'), copy.GetDescription());
}
