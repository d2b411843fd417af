// The message boxes with photo: idle until told, their timing, their one-line copy and texts
// that do not fit.
#include "HudTestSupport.h"

#include "game/hud/GuiShipHudEnemyMsg.h"
#include "game/hud/GuiShipHudMb.h"

#include <string>

using MessageBoxTest = HudTest;

TEST_F(MessageBoxTest, IdleBoxesDrawNothingAndKeepTheirPhotos)
{
    GuiShipHudMb box;
    box.Load();
    GuiShipHudEnemyMsg enemy;
    enemy.Load();
    Tick(0.1f);
    box.Proceed();
    enemy.Proceed();
    EXPECT_TRUE(_painted.quads.empty());
    EXPECT_TRUE(_painted.texts.empty());
    EXPECT_NE(box.GetPhoto().GetPicture(), nullptr);
    EXPECT_NE(enemy.GetPhoto().GetPicture(), nullptr);
    box.SetPhoto("aliens_photo//no_such_face.dds");
    EXPECT_NE(box.GetPhoto().GetPicture(), nullptr);
}

TEST_F(MessageBoxTest, TheEnemyBoxStaysForItsTypingAndItsSecondsAndFadesInAndOut)
{
    GuiShipHudEnemyMsg enemy;
    enemy.Load();
    enemy.ShowMessage("Leave this sector,\npilot!", 2.0f); // 25 letters
    EXPECT_FLOAT_EQ(enemy.GetShowTime(), 0.075f * 25.0f + 2.0f + 1.7f);
    Tick(0.5f);
    enemy.Proceed();
    ASSERT_FALSE(_painted.quads.empty());
    EXPECT_FLOAT_EQ(_painted.quads[0].color.a, 0.0f) << "the first frame starts the fade";
    int frames = 1;
    while (enemy.GetShowTime() > 0.0f && frames < 100)
    {
        Tick(0.5f);
        _painted.Clear();
        enemy.Proceed();
        ++frames;
    }
    EXPECT_EQ(frames, 12) << "5.575 seconds in frames of half a second";
    EXPECT_TRUE(_painted.TextsReading("Leave this sector, pilot!").size() == 1u) << "the ticker is one line";
}

TEST_F(MessageBoxTest, TextsAreCutToTheirFields)
{
    GuiShipHudMb box;
    box.Load();
    const std::string text(5000, 'm');
    box.ShowMessage(std::string(500, 't').c_str(), "Board", "Team", text.c_str(), 5.0f, 1);
    EXPECT_EQ(std::string(box.GetText()).size(), GuiShipHudMb::TextSize - 1);
    EXPECT_EQ(std::string(box.GetLine()).size(), GuiShipHudMb::LineSize - 1);
    GuiShipHudEnemyMsg enemy;
    enemy.Load();
    enemy.ShowMessage(text.c_str(), 1.0f);
    EXPECT_EQ(std::string(enemy.GetText()).size(), GuiShipHudEnemyMsg::TextSize - 1);
    Tick(0.1f);
    box.Proceed();
    EXPECT_FALSE(_painted.quads.empty()) << "a box with a message draws";
}
