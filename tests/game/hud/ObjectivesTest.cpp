// The mission objectives panel: objectives typed one after another, renumbered when one goes.
#include "HudTestSupport.h"

#include "game/hud/GuiMissionObjectives.h"

#include <string>

namespace {

class ObjectivesTest : public HudTest
{
protected:
    void SetUp() override
    {
        HudTest::SetUp();
        _panel.Load();
    }
    void Frame(float seconds)
    {
        Tick(seconds);
        _painted.Clear();
        _panel.Proceed();
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const PaintRecorder::TextRecord& text : _painted.texts)
            texts.push_back(text.text);
        return texts;
    }

    GuiMissionObjectives _panel;
};

} // namespace

TEST_F(ObjectivesTest, AnEmptyPanelDrawsOnlyItsBackground)
{
    Frame(0.1f);
    EXPECT_EQ(_painted.quads.size(), 2u);
    EXPECT_TRUE(_painted.texts.empty());
    _panel.SetVisible(false);
    Frame(0.1f);
    EXPECT_TRUE(_painted.quads.empty());
}

TEST_F(ObjectivesTest, ObjectivesTypeOutOneAfterAnotherAtTenLettersASecond)
{
    _panel.AddObjective("Scan", -1.0f);   // 4 letters: done after 0.5 s
    _panel.AddObjective("Escort", 30.5f); // then this one
    Frame(0.2f);
    // "1. Scan" typed 2 letters; the second has not started.
    EXPECT_EQ(_painted.texts.front().text, "1.");
    EXPECT_EQ(_panel.GetObjective(1).typed, MissionObjective::NotStarted);
    for (int i = 0; i < 3; ++i)
        Frame(0.1f);
    // The frame that finishes the first starts the second.
    EXPECT_EQ(_panel.GetObjective(0).typed, MissionObjective::Finished);
    EXPECT_GE(_panel.GetObjective(1).typed, 0.0f);
    const std::vector<std::string> texts = Texts();
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[0], "1. Scan");
    EXPECT_EQ(texts[2], "2");
    EXPECT_EQ(texts[3], "30 sec remained");
}

TEST_F(ObjectivesTest, RemovingTheFirstOfThreeRenumbersAndMovesTheOthersUp)
{
    _panel.AddObjective("Destroy the beacon", -1.0f);
    _panel.AddObjective("Protect the cargo", -1.0f);
    _panel.AddObjective("Return to the portal", -1.0f);
    const float secondY = _panel.GetObjective(1).textPos.y;
    _panel.RemoveObjective("Destroy the beacon");
    ASSERT_EQ(_panel.GetObjectiveCount(), 2u);
    EXPECT_STREQ(_panel.GetObjective(0).title, "1. Protect the cargo");
    EXPECT_STREQ(_panel.GetObjective(1).title, "2. Return to the portal");
    EXPECT_FLOAT_EQ(_panel.GetObjective(0).textPos.y, secondY - 46.0f);
    _panel.RemoveObjective("No such objective");
    EXPECT_EQ(_panel.GetObjectiveCount(), 2u);
}

TEST_F(ObjectivesTest, ALongTextFitsItsNumberedTitleCut)
{
    const std::string text(1000, 'o');
    _panel.AddObjective(text.c_str(), -1.0f);
    const MissionObjective& objective = _panel.GetObjective(0);
    EXPECT_EQ(std::string(objective.text), std::string(255, 'o'));
    EXPECT_EQ(std::string(objective.title), "1. " + std::string(252, 'o'));
}
