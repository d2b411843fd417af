// The title, the tips strip and the pilot header.
#include "WidgetFixture.h"

#include "game/profiles/UserProfile.h"
#include "layers/widgets/GuiPersonalInfo.h"
#include "layers/widgets/GuiTitle.h"

using Strings = std::vector<std::string>;

TEST_F(WidgetTest, TheTitleAndTheTipsStripShowTheirTextsCentred)
{
    Screen(1920, 1080);
    GuiTitle title;
    GuiTipsPanel tips;
    title.Load()->SetTitle("Stock exchange");
    title.SetTitle("Stock exchange");
    tips.Load();
    EXPECT_EQ(Calls(),
              Strings({"title.SetTitle('Stock exchange')", "title.SetTitle('Stock exchange')", "remarks.Set1('Tip')",
                       "remarks.Set2('Fit your ship in the hangar before a hard mission.')",
                       "remarks.Set3('Pirates fly better for a good price.')",
                       "remarks.Set4('Torpedoes are slow but break large ships.')"}));
    EXPECT_EQ(title.GetLayer()->GetPos(), Vec2(240, 14.625f));
    EXPECT_EQ(title.GetLayer()->GetSize(), Vec2(1440, 77.625f));
    EXPECT_EQ(tips.GetLayer()->GetPos(), Vec2(240 + 43.875f, 1024.875f));
    EXPECT_EQ(tips.GetLayer()->GetSize(), Vec2(1355.625f, 50.625f));
    title.SetAlpha(0.5f);
    EXPECT_EQ(title.GetLayer()->GetColor().a, 0.5f);
}

TEST_F(WidgetTest, WithoutTextsTheTipsShowTheirCodes)
{
    game.SetGameTextsSystem(nullptr);
    GuiTipsPanel tips;
    tips.Load();
    EXPECT_EQ(Calls(), Strings({"remarks.Set1('ui_common_tip_00')", "remarks.Set2('ui_common_tip_01')",
                                "remarks.Set3('ui_common_tip_02')", "remarks.Set4('ui_common_tip_03')"}));
}

TEST_F(WidgetTest, ThePilotHeaderShowsTheCurrentPilot)
{
    UserProfile* pilot = _profiles->CreateProfile("Vera");
    ASSERT_NE(pilot, nullptr);
    pilot->SetScore(420);
    pilot->SetCash(1500);
    ASSERT_NE(pilot->GetShip(), nullptr);
    const std::string ship = pilot->GetShip()->GetName();

    GuiPersonalInfo info;
    info.Load();
    EXPECT_EQ(Calls(), Strings({"personal_info.SetName('Vera')", "personal_info.SetScore('420')",
                                "personal_info.SetCash('1500')", "personal_info.SetSName('" + ship + "')",
                                "personal_info.Set1('Status')", "personal_info.Set2('Credits')",
                                "personal_info.Set3('Score')", "personal_info.Set4('Ship')"}));
    info.SetCash("1500");
    info.SetCash("1200");
    info.SetName("Vera");
    EXPECT_EQ(Calls(), Strings({"personal_info.SetCash('1200')", "personal_info.SetName('Vera')"}))
        << "the cash only when it changes, the rest every time";

    struct Case
    {
        Layer* layer;
        const char* name;
        Vec2 pos, size;
    };
    const Case cases[] = {{info.GetPortrait(), "default", {46, 91}, {100, 100}},
                          {info.GetLayer(), "personalInfo", {0, 18}, {1280, 256}},
                          {info.GetShip(), "default", {1107, 80}, {128, 128}}};
    for (const Case& c : cases)
    {
        ASSERT_NE(c.layer, nullptr);
        EXPECT_STREQ(c.layer->GetName(), c.name);
        EXPECT_EQ(c.layer->GetPos(), c.pos) << c.name;
        EXPECT_EQ(c.layer->GetSize(), c.size) << c.name;
    }
    EXPECT_NE(info.GetPortrait()->GetMaterial(), nullptr) << "the pilot's portrait, \"faces//player.mat\"";
    EXPECT_NE(info.GetShip()->GetMaterial(), nullptr) << "\"angar//default_ship.mat\"";
    EXPECT_FALSE(LogHas("Failed to load resource")) << "both materials and their textures exist";

    info.SetAlpha(0.5f);
    info.SetVisible(false);
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.layer->GetColor().a, 0.5f);
        EXPECT_FALSE(c.layer->GetVisible());
    }
    EXPECT_EQ(LayerManager::GetRoot()->GetChildsCount(), 3);
    info.Unload();
    EXPECT_EQ(LayerManager::GetRoot()->GetChildsCount(), 0);
}

TEST_F(WidgetTest, BeforeAPilotIsChosenTheHeaderShowsItsCaptionsOnly)
{
    GuiPersonalInfo info;
    info.Load();
    EXPECT_EQ(Calls(), Strings({"personal_info.Set1('Status')", "personal_info.Set2('Credits')",
                                "personal_info.Set3('Score')", "personal_info.Set4('Ship')"}));
    EXPECT_EQ(info.GetPortrait()->GetMaterial(), nullptr);
    EXPECT_TRUE(LogHas("no pilot is chosen"));
}
