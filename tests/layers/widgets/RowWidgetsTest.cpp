// The selection corners and the pilot row of the team-gathering lists.
#include "WidgetFixture.h"

#include "layers/widgets/GuiCorners.h"
#include "layers/widgets/GuiTeamPirate.h"

using Strings = std::vector<std::string>;

TEST_F(WidgetTest, CornersShowOneOfTheirTwoSets)
{
    Screen(1920, 1080);
    Layer* parent = new Layer("parent");
    LayerManager::GetRoot()->AddChild(parent);
    GuiCorners corners;
    corners.Load(parent);
    EXPECT_EQ(Calls(),
              Strings({"ugolokTL.SetState(1)", "ugolokTL.SetState(0)", "ugolokTR.SetState(1)", "ugolokTR.SetState(0)",
                       "ugolokBL.SetState(1)", "ugolokBL.SetState(0)", "ugolokBR.SetState(1)", "ugolokBR.SetState(0)"}))
        << "set A bright and set B dim, corner by corner";
    EXPECT_EQ(parent->GetChildsCount(), 8);
    const char* const names[] = {"ugolk1", "ugolk2", "ugolk3", "ugolk4"};
    for (int i = 0; i < GuiCorners::Corners; ++i)
    {
        for (bool setA : {true, false})
        {
            FlashLayer* corner = corners.GetCorner(i, setA);
            ASSERT_NE(corner, nullptr);
            EXPECT_STREQ(corner->GetName(), names[i]);
            EXPECT_EQ(corner->GetPos(), Vec2(480, 0)) << "right-aligned";
            EXPECT_EQ(corner->GetSize(), Vec2(90, 72));
        }
    }

    auto shown = [&] {
        std::string sets;
        for (bool setA : {true, false})
        {
            for (int i = 0; i < GuiCorners::Corners; ++i)
                sets += corners.GetCorner(i, setA)->GetVisible() ? (setA ? "A" : "B") : "-";
        }
        return sets;
    };
    corners.SetSelected(true);
    EXPECT_EQ(shown(), "AAAA----");
    corners.SetVisible(false);
    EXPECT_EQ(shown(), "--------");
    corners.SetSelected(false);
    corners.SetVisible(false);
    EXPECT_EQ(shown(), "--------");
    corners.SetVisible(true);
    EXPECT_EQ(shown(), "----BBBB") << "after SetSelected(false) only set B shows";

    corners.SetCornerPos(3, Vec2(700, 500));
    corners.SetCornerPos(4, Vec2(1, 1));
    corners.SetCornerPos(-1, Vec2(1, 1));
    EXPECT_EQ(corners.GetCorner(3, true)->GetPos(), Vec2(700, 500));
    EXPECT_EQ(corners.GetCorner(3, false)->GetPos(), Vec2(700, 500));
    EXPECT_EQ(corners.GetCorner(2, true)->GetPos(), Vec2(480, 0));
    EXPECT_EQ(corners.GetCorner(4, true), nullptr);

    corners.Unload();
    EXPECT_EQ(parent->GetChildsCount(), 0);
    {
        GuiCorners onRoot;
        onRoot.Load(nullptr);
        EXPECT_EQ(LayerManager::GetRoot()->GetChildsCount(), 9);
    }
    EXPECT_EQ(LayerManager::GetRoot()->GetChildsCount(), 1) << "a destroyed widget unloads";
}

TEST_F(WidgetTest, APilotRowSendsOnlyChangesAndIgnoresUnknownBars)
{
    GuiTeamPirate row;
    row.Load(nullptr);
    EXPECT_EQ(Calls(), Strings({"tg_pirat.SetTxt0('ui_team_pirat_name')", "tg_pirat.SetTxt1('ui_team_pirat_cash')",
                                "tg_pirat.SetTxt2('ui_team_pirat_score')", "tg_pirat.SetTxt3('ui_team_pirat_eff')"}))
        << "codes without a text show themselves";

    row.SetState(1);
    row.SetState(1);
    row.SetLevel(0, 0.5f);
    row.SetLevel(1, 0.5f);
    row.SetLevel(0, 0.5f);
    row.SetLevel(2, 0.25f);
    row.SetLevel(-1, 0.25f);
    row.SetName("Kell");
    row.SetCash("Kell");
    row.SetScore("12.500");
    row.SetEff("80");
    row.SetName("Kell");
    row.SetEff("81");
    EXPECT_EQ(Calls(), Strings({"tg_pirat.SetState(1)", "tg_pirat.SetLevel(0,0.5)", "tg_pirat.SetLevel(1,0.5)",
                                "tg_pirat.SetName('Kell')", "tg_pirat.SetCash('Kell')", "tg_pirat.SetScore('12.500')",
                                "tg_pirat.SetEff('80')", "tg_pirat.SetEff('81')"}));

    row.SetPos(Vec2(300, 200));
    EXPECT_EQ(row.GetLayer()->GetPos(), Vec2(300, 200));
    EXPECT_EQ(row.GetFace()->GetPos(), Vec2(308, 209));
    EXPECT_EQ(row.GetFace()->GetSize(), Vec2(51, 51));
    EXPECT_EQ(row.GetLayer()->GetSize(), Vec2(260, 90));
    Material* face = _system->GetMaterialMgr()->CreateMaterialFromFile("races//tld.mat");
    row.SetFace(face);
    EXPECT_EQ(row.GetFace()->GetMaterial(), face);
    row.SetAlpha(0.5f);
    row.SetVisible(false);
    for (Layer* layer : {static_cast<Layer*>(row.GetFace()), static_cast<Layer*>(row.GetLayer())})
    {
        EXPECT_EQ(layer->GetColor().a, 0.5f);
        EXPECT_FALSE(layer->GetVisible());
    }
}
