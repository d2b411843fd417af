#include "FlashFixture.h"

#include "layers/FlashLayer.h"
#include "layers/GuiSysReport.h"

// The panel at its design place on a 1280 x 960 screen, with the game's movie.
class SysReportTest : public FlashTest
{
protected:
    void SetUp() override
    {
        _windowWidth = 1280;
        _windowHeight = 960;
        FlashTest::SetUp();
        std::filesystem::copy_file(std::string(GAME_DATA_DIR) + "/swf/sys_report.lua", "swf/sys_report.lua");
    }

    // A frame of `seconds`, then the panel's own update; its opacity.
    float Step(GuiSysReport& report, float seconds)
    {
        LayerManager::Update(seconds);
        report.Update();
        return report.GetLayer()->GetColor().a;
    }
};

TEST_F(SysReportTest, LoadLightsThreeChannelsRed)
{
    GuiSysReport report;
    report.Load();
    ASSERT_NE(report.GetLayer(), nullptr);
    EXPECT_EQ(LayerManager::GetRoot()->GetChildByName("sys_report"), report.GetLayer());
    FlashHost::FlashControl* control = report.GetLayer()->GetFC();
    ASSERT_EQ(control->update("", false, false), 2);
    const std::vector<uint32_t> pixels = ReadTexture(*control);
    struct Case
    {
        int x, y;
        uint32_t argb;
    };
    const Case cases[] = {{100, 60, 0xFFFF0000u}, {40, 100, 0xFFFF0000u},  {150, 100, 0xFFFF0000u},
                          {40, 140, 0xFFFF0000u}, {150, 140, 0xFFFF0000u}, {40, 180, 0xFF39424Du},
                          {150, 220, 0xFF39424Du}};
    for (const Case& c : cases)
        EXPECT_EQ(At(*control, pixels, c.x, c.y), c.argb) << c.x << "," << c.y;
    EXPECT_FALSE(LogHas("ERROR"));
    report.Unload();
    EXPECT_EQ(LayerManager::GetRoot()->GetChildsCount(true), 0);
}

TEST_F(SysReportTest, EveryChangeShowsThePanelForFourSecondsThenFadesOverTheFifth)
{
    GuiSysReport report;
    report.Load();
    std::vector<float> alphas;
    for (float seconds : {1.0f, 1.0f, 1.0f, 0.5f, 0.5f, 0.25f, 0.5f, 10.0f})
        alphas.push_back(Step(report, seconds));
    EXPECT_EQ(alphas, (std::vector<float>{1, 1, 1, 1, 1, 0.75f, 0.25f, 0}));

    report.SetChannel4(Color(0, 1, 0), false);
    EXPECT_EQ(Step(report, 3.0f), 1.0f);
    report.SetChannel3(Color(0, 0, 1), false);
    EXPECT_EQ(Step(report, 3.5f), 1.0f);
    EXPECT_EQ(Step(report, 0.5f), 1.0f) << "four seconds after the second change";
    EXPECT_EQ(Step(report, 0.5f), 0.5f);
    EXPECT_EQ(Step(report, 2.0f), 0.0f) << "a long frame leaves it at 0, never below";
}
