// The offer cards and the rating columns of the stock exchange.
#include "WidgetFixture.h"

#include "game/profiles/UserProfile.h"
#include "layers/widgets/GuiColumns.h"
#include "layers/widgets/GuiStockItems.h"

#include <functional>

using Strings = std::vector<std::string>;

TEST_F(WidgetTest, OfferCardsFrameTheirFaceByState)
{
    GuiStockItemSelected selected;
    GuiStockItemPassive passive;
    selected.Load();
    passive.Load();
    EXPECT_EQ(Calls(), Strings({"itemSelected.SetRM('Read more')", "itemFull_e.SetState(0)",
                                "itemPassive.SetRM('Read more')", "itemFull_e.SetState(0)"}));
    struct Case
    {
        GuiStockItem* card;
        std::function<void(int)> setState;
        int state;
        Strings calls;
    };
    const Case cases[] = {
        {&selected, [&](int s) { selected.SetState(s); }, 1, {"itemSelected.SetState(1)", "itemFull_e.SetState(1)"}},
        {&selected, [&](int s) { selected.SetState(s); }, 1, {}},
        {&selected, [&](int s) { selected.SetState(s); }, 0, {"itemSelected.SetState(0)", "itemFull_e.SetState(2)"}},
        {&passive, [&](int s) { passive.SetState(s); }, 1, {"itemPassive.SetState(1)", "itemFull_e.SetState(0)"}},
        {&passive, [&](int s) { passive.SetState(s); }, 0, {"itemPassive.SetState(0)", "itemFull_e.SetState(2)"}},
        {&passive, [&](int s) { passive.SetState(s); }, 5, {"itemPassive.SetState(5)", "itemFull_e.SetState(2)"}},
    };
    for (const Case& c : cases)
    {
        c.setState(c.state);
        EXPECT_EQ(Calls(), c.calls) << c.card->GetCard()->GetName() << " " << c.state;
    }

    // Each text has a cache of its own; stars start at 0.
    passive.SetStars(0);
    passive.SetMoney("500");
    passive.SetMoney("500");
    passive.SetRace("500");
    passive.SetName("500");
    passive.SetStars(3);
    passive.SetStars(3);
    EXPECT_EQ(Calls(), Strings({"itemPassive.SetM('500')", "itemPassive.SetR('500')", "itemPassive.SetName('500')",
                                "itemPassive.SetS(3)"}));

    selected.SetPos(Vec2(387, 263));
    EXPECT_EQ(selected.GetCard()->GetPos(), Vec2(387, 263));
    EXPECT_EQ(selected.GetOverlay()->GetPos(), Vec2(446, 312));
    EXPECT_EQ(selected.GetFace()->GetPos(), Vec2(463, 328));
    passive.SetPos(Vec2(434, 274));
    EXPECT_EQ(passive.GetOverlay()->GetPos(), Vec2(476, 312));
    EXPECT_EQ(passive.GetFace()->GetPos(), Vec2(492, 328));
    EXPECT_EQ(passive.GetCard()->GetSize(), Vec2(420, 160));
    EXPECT_EQ(selected.GetCard()->GetSize(), Vec2(512, 180));
    EXPECT_EQ(selected.GetFace()->GetSize(), Vec2(50, 50));
    EXPECT_EQ(selected.GetOverlay()->GetSize(), Vec2(80, 80));

    passive.SetAlpha(0.5f);
    selected.SetVisible(false);
    for (Layer* layer : std::initializer_list<Layer*>{passive.GetCard(), passive.GetFace(), passive.GetOverlay()})
        EXPECT_EQ(layer->GetColor().a, 0.5f);
    for (Layer* layer : std::initializer_list<Layer*>{selected.GetCard(), selected.GetFace(), selected.GetOverlay()})
        EXPECT_FALSE(layer->GetVisible());
    EXPECT_EQ(LayerManager::GetRoot()->GetChildsCount(), 6);
}

TEST_F(WidgetTest, TheFullCardShowsTheEmblemOfAKnownRaceOnly)
{
    _profiles->CreateProfile("Vera");
    GuiStockItemFull full;
    full.Load();
    EXPECT_EQ(Calls(),
              Strings({"itemFull.SetRM('Details')", "itemFull.SetTxt1('From:')", "itemFull.SetTxt2('Mission:')",
                       "itemFull.SetTxt3('Location:')", "itemFull.SetTxt4('Objectives:')", "itemFull_e.SetState(1)"}));
    EXPECT_EQ(full.GetIcon()->GetMaterial(), nullptr);

    full.SetRace("Nobody");
    EXPECT_EQ(Calls(), Strings({"itemFull.SetR('Nobody')"}));
    EXPECT_EQ(full.GetIcon()->GetMaterial(), nullptr) << "an unknown race leaves the emblem";

    full.SetRace("TLD");
    Material* emblem = full.GetIcon()->GetMaterial();
    ASSERT_NE(emblem, nullptr);
    EXPECT_EQ(emblem, _system->GetMaterialMgr()->CreateMaterialFromFile("races/tld.mat"));
    EXPECT_TRUE(full.GetIcon()->GetVisible());
    full.SetRace("Nobody");
    EXPECT_EQ(full.GetIcon()->GetMaterial(), emblem) << "and keeps it after an unknown one";

    full.SetDesc("Escort");
    full.SetLocation("Escort");
    full.SetFrom("Escort");
    full.SetDesc("Escort");
    EXPECT_EQ(Calls(), Strings({"itemFull.SetR('TLD')", "itemFull.SetR('Nobody')", "itemFull.SetDesc('Escort')",
                                "itemFull.SetLocation('Escort')", "itemFull.SetFrom('Escort')"}));

    full.SetPos(Vec2(386, 267));
    EXPECT_EQ(full.GetOverlay()->GetPos(), Vec2(427, 312));
    EXPECT_EQ(full.GetIcon()->GetPos(), Vec2(774, 352));
    EXPECT_EQ(full.GetFace()->GetPos(), Vec2(444, 328));
    EXPECT_EQ(full.GetCard()->GetSize(), Vec2(512, 300));
    EXPECT_EQ(full.GetIcon()->GetSize(), Vec2(51, 51));
}

TEST_F(WidgetTest, WithoutAPilotTheFullCardKeepsItsEmblem)
{
    GuiStockItemFull full;
    full.Load()->SetRace("TLD");
    EXPECT_EQ(full.GetIcon()->GetMaterial(), nullptr);
}

TEST_F(WidgetTest, TheRacesColumnCachesRatesByRowAndIgnoresOtherRows)
{
    Screen(1920, 1080);
    GuiRacesColumn races;
    races.Load(Vec2(-3, 271));
    Strings expected;
    for (int i = 0; i < GuiRacesColumn::Rows; ++i)
    {
        expected.push_back("races_column.SetNameC(" + std::to_string(i) + ",'Race')");
        expected.push_back("races_column.SetRateC(" + std::to_string(i) + ",'Rating')");
    }
    EXPECT_EQ(Calls(), expected);
    EXPECT_EQ(races.GetLayer()->GetPos(), Vec2(-3.375f, 304.875f)) << "scaled, not shifted";
    EXPECT_EQ(races.GetLayer()->GetSize(), Vec2(461.25f, 742.5f));
    EXPECT_EQ(races.GetIcon(6)->GetPos(), Vec2(77.625f, 892.125f));

    races.SetRate(0, 0.5f);
    races.SetRate(0, 0.5f);
    races.SetRate(1, 0.5f);
    races.SetRate(7, 0.5f);
    races.SetName(2, "Tld");
    races.SetName(2, "Tld");
    races.SetNameSmall(2, "TLD");
    EXPECT_EQ(Calls(),
              Strings({"races_column.SetRate(0,0.5)", "races_column.SetRate(1,0.5)", "races_column.SetName(2,'Tld')",
                       "races_column.SetName(2,'Tld')", "races_column.SetNameSmall(2,'TLD')"}));

    Material* icon = _system->GetMaterialMgr()->CreateMaterialFromFile("races/tld.mat");
    races.SetIcon(7, icon);
    races.SetIcon(-1, icon);
    races.SetIcon(6, icon);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(races.GetIcon(i)->GetMaterial(), nullptr) << i;
    EXPECT_EQ(races.GetIcon(6)->GetMaterial(), icon);
    EXPECT_EQ(LayerManager::GetRoot()->GetChildsCount(), 8);
}

TEST_F(WidgetTest, ThePiratesColumnSetsThePlayersRowApart)
{
    Screen(1920, 1080);
    GuiPiratesColumn pirates;
    pirates.Load(Vec2(878, 261));
    EXPECT_EQ(Calls(), Strings());
    pirates.Initialize(5);
    Strings expected = {"pirates_column.Initialize(5)"};
    for (int i = 0; i < GuiPiratesColumn::Rows; ++i)
    {
        const std::string row = std::to_string(i);
        expected.push_back("pirates_column.SetNameC(" + row + ",'Name')");
        expected.push_back("pirates_column.SetScoreC(" + row + ",'Score')");
        expected.push_back("pirates_column.SetEffC(" + row + ",'Efficiency')");
    }
    EXPECT_EQ(Calls(), expected);

    pirates.SetScore(1, 0.5f);
    pirates.SetScore(1, 0.5f);
    pirates.SetEff(5, 0.25f);
    pirates.SetName(5, "Vera");
    pirates.SetScoreText(5, "10");
    pirates.SetEffText(5, "67");
    EXPECT_EQ(Calls(), Strings({"pirates_column.SetScore(1,0.5)", "pirates_column.SetScore(1,0.5)",
                                "pirates_column.SetEff(5,0.25)", "pirates_column.SetName(5,'Vera')",
                                "pirates_column.SetScoreText(5,'10')", "pirates_column.SetEffText(5,'67')"}));

    const Vec2 column(987.75f + 480, 293.625f);
    EXPECT_EQ(pirates.GetBack()->GetPos(), column) << "right-aligned";
    EXPECT_EQ(pirates.GetLayer()->GetPos(), column);
    EXPECT_EQ(pirates.GetFace(0)->GetPos(), Vec2(1085.625f + 480, 394.875f));
    EXPECT_EQ(pirates.GetFace(4)->GetPos(), Vec2(1085.625f + 480, 799.875f));
    EXPECT_EQ(pirates.GetFace(5)->GetPos(), Vec2(1085.625f + 480, 914.625f)) << "the player's row, apart";

    Material* face = _system->GetMaterialMgr()->CreateMaterialFromFile("faces//player.mat");
    pirates.SetFace(-1, face);
    pirates.SetFace(6, face);
    pirates.SetFace(5, face);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(pirates.GetFace(i)->GetMaterial(), nullptr) << i;
    EXPECT_EQ(pirates.GetFace(5)->GetMaterial(), face);
    EXPECT_EQ(LayerManager::GetRoot()->GetChildsCount(), 8);
    pirates.Unload();
    EXPECT_EQ(LayerManager::GetRoot()->GetChildsCount(), 0);
}
